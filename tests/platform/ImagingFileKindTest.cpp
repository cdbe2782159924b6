// Entries named like photos that are not plain files: a named pipe, a folder and a device.
// Every read and write of the imaging library refuses them at once, before opening.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/HangGuard.h"
#include "tests/support/TempDir.h"

namespace {

using namespace imaging;

struct Kind {
  const char* name;
  // Makes the entry and gives its path, or "" when it cannot be made here.
  std::string (*make)(const TempDir& temp);
  bool isPipe;
};

const Kind kKinds[] = {
    {"NamedPipe",
     [](const TempDir& t) { return hangguard::MakePipe(t.file("x.jpg")) ? t.file("x.jpg") : ""; },
     true},
    {"Folder",
     [](const TempDir& t) {
       return mkdir(t.file("y.jpg").c_str(), 0700) == 0 ? t.file("y.jpg") : "";
     },
     false},
    {"Device", [](const TempDir&) { return std::string("/dev/zero"); }, false},
};

void PrintTo(const Kind& kind, std::ostream* out) {
  *out << kind.name;
}

class NotAPlainFile : public testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    path_ = GetParam().make(temp_);
    if (path_.empty()) GTEST_SKIP() << "cannot make a " << GetParam().name << " here";
  }
  // Runs the step under the watchdog; a step that blocked fails the test.
  void Guarded(const char* what, const std::function<void()>& step) {
    EXPECT_TRUE(hangguard::FinishesInTime(what, GetParam().isPipe ? path_ : "", step))
        << what << " blocked on a " << GetParam().name;
  }

  TempDir temp_;
  std::string path_;
};

TEST_P(NotAPlainFile, IsRefusedByEveryReaderWithoutBlocking) {
  FileInfo info;
  int result = kSuccess;
  Guarded("ReadFileInfo",
          [&] { result = ReadFileInfo(path_.c_str(), &info, sizeof info, 0, nullptr); });
  EXPECT_EQ(result, kErrorFileOpen) << "ReadFileInfo";

  BitmapHandle bitmap;
  ASSERT_EQ(InitBitmap(&bitmap, sizeof bitmap, 16, 16, 24), kSuccess);
  info.flags = kLoadAtHandleSize;
  result = kSuccess;
  Guarded("LoadFile",
          [&] { result = LoadFile(path_.c_str(), &bitmap, sizeof bitmap, 24, 1, nullptr, &info); });
  EXPECT_EQ(result, kErrorFileOpen) << "LoadFile";
  EXPECT_EQ(bitmap.pixels, nullptr);

  char comment[kCommentBufferBytes];
  result = kSuccess;
  Guarded("ReadComment",
          [&] { result = ReadComment(path_.c_str(), 3, comment, sizeof comment, 0); });
  EXPECT_EQ(result, kErrorFileOpen) << "ReadComment: a file that is no picture has no comment";
}

TEST_P(NotAPlainFile, IsNeverWrittenToAsIfItWereAPicture) {
  const std::string source = temp_.file("s.png");
  testpictures::Write(testpictures::Solid(8, 8, Qt::red), source, "PNG");
  FileInfo info;
  ASSERT_EQ(ReadFileInfo(source.c_str(), &info, sizeof info, 0, nullptr), kSuccess);
  BitmapHandle bitmap;
  ASSERT_EQ(InitBitmap(&bitmap, sizeof bitmap, 8, 8, 24), kSuccess);
  ASSERT_EQ(LoadFile(source.c_str(), &bitmap, sizeof bitmap, 24, 1, nullptr, &info), kSuccess);
  int result = kSuccess;
  Guarded("SaveFile", [&] { result = SaveFile(path_.c_str(), &bitmap, kFormatJpeg, 24, 2, 0); });
  EXPECT_EQ(result, kErrorFileOpen);
  FreeBitmap(&bitmap);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotAPlainFile, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<Kind>& info) { return info.param.name; });

}  // namespace
