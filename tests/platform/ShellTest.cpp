#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/shell/Shell.h"
#include "platform/shell/ShellIcons.h"
#include "tests/support/HangGuard.h"
#include "tests/support/TempDir.h"

namespace {

// Installs a launcher that records what it was given and answers as told.
class Shell : public testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(dir.file("写真.jpg")) << "jpeg";
    shell::SetLauncherForTest([this](const std::string& target) {
      launched.push_back(target);
      return launcherStarts;
    });
  }
  void TearDown() override { shell::SetLauncherForTest(nullptr); }
  intptr_t Open(const Cp932String& file, const char* verb = "open", const char* folder = nullptr) {
    return ShellExecuteA(nullptr, verb, file.c_str(), nullptr, folder, 1);
  }

  TempDir dir;
  std::vector<std::string> launched;
  bool launcherStarts = true;
};

TEST_F(Shell, HandsAnExistingDocumentToTheLauncherInUtf8) {
  EXPECT_GT(Open(cp932::Lit(dir.file("写真.jpg")), "OPEN"), 32);
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0], dir.file("写真.jpg"));
}

TEST_F(Shell, FindsARelativeDocumentInTheFolderGiven) {
  EXPECT_GT(Open(cp932::Lit("写真.jpg"), "open", dir.path().c_str()), 32);
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0], dir.file("写真.jpg"));
}

TEST_F(Shell, PassesAnAddressAsItIs) {
  EXPECT_GT(Open("https://example.com/a?b=c"), 32);
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0], "https://example.com/a?b=c");
}

struct FailureCase {
  const char* what;
  const char* file;  // relative to the test folder unless it is an address
  const char* verb;
  bool launcherStarts;
  intptr_t expected;
};

class ShellFailures : public Shell, public testing::WithParamInterface<FailureCase> {};

TEST_P(ShellFailures, ReportTheMatchingResultAndStartNothingWrongly) {
  launcherStarts = GetParam().launcherStarts;
  const std::string file = std::string(GetParam().file).find("://") != std::string::npos
                               ? GetParam().file
                               : dir.file(GetParam().file);
  EXPECT_EQ(Open(cp932::Lit(file), GetParam().verb), GetParam().expected);
  if (GetParam().launcherStarts) {
    EXPECT_TRUE(launched.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Results, ShellFailures,
    testing::Values(FailureCase{"MissingFile", "none.jpg", "open", true, 2},
                    FailureCase{"MissingFolder", "none/x.jpg", "open", true, 3},
                    FailureCase{"UnknownVerb", "写真.jpg", "print", true, 31},
                    FailureCase{"NoProgram", "写真.jpg", "open", false, 31},
                    FailureCase{"NoProgramForAddress", "mailto://x", "open", false, 31}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.what); });

TEST_F(Shell, RefusesANameThatIsNotCodePage932) {
  EXPECT_EQ(Open("bad\x80.jpg"), 2);
  EXPECT_TRUE(launched.empty());
}

// The type icon is told from the name and the first bytes; a file without a telling name
// is known by its content.
TEST(ShellIcons, KnowAPictureByItsContentWhenTheNameSaysNothing) {
  TempDir dir;
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0", 29);
  std::ofstream(dir.file("a.png"), std::ios::binary) << png;
  std::ofstream(dir.file("picture"), std::ios::binary) << png;
  std::ofstream(dir.file("notes.txt")) << "plain words";
  const int byName = shell::FileIconIndex(dir.file("a.png"));
  ASSERT_GE(byName, 0);
  EXPECT_EQ(shell::FileIconIndex(dir.file("picture")), byName);
  EXPECT_NE(shell::FileIconIndex(dir.file("notes.txt")), byName);
}

// Only a plain file has a type icon; anything else is never opened, so a named pipe cannot
// block the icon lookup.
TEST(ShellIcons, ANamedPipeOrAFolderCalledLikeAPhotoHasNoIcon) {
  TempDir dir;
  const std::string pipe = dir.file("x.jpg"), folder = dir.file("y.jpg");
  ASSERT_TRUE(hangguard::MakePipe(pipe));
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  int fromPipe = 0, fromFolder = 0;
  EXPECT_TRUE(hangguard::FinishesInTime("FileIconIndex", pipe, [&] {
    fromPipe = shell::FileIconIndex(pipe);
    fromFolder = shell::FileIconIndex(folder);
  }));
  EXPECT_EQ(fromPipe, -1);
  EXPECT_EQ(fromFolder, -1);
}

}  // namespace
