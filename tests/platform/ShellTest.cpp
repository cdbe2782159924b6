#include <gtest/gtest.h>

#include <fstream>

#include "platform/shell/Shell.h"
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

}  // namespace
