// Saving through a temporary file, the size-limited save and the adjusted copy.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "images/CLBitmap.h"
#include "images/CLBmpCashList.h"
#include "platform/fileio/FileIo.h"
#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

class CLBitmapSave : public testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TMPDIR");
    oldTmp_ = old != nullptr ? old : "";
    setenv("TMPDIR", tmp_.path().c_str(), 1);
    photo_ = files_.file("photo.jpg");
    testpictures::Write(testpictures::Photo(640, 480), photo_, "JPEG", 92);
  }
  void TearDown() override {
    if (oldTmp_.empty())
      unsetenv("TMPDIR");
    else
      setenv("TMPDIR", oldTmp_.c_str(), 1);
    CLBmpCashList::Instance().Clear();
  }

  bool TempFolderIsEmpty() const { return std::filesystem::is_empty(tmp_.path()); }
  static uint64_t Saves() { return imaging::SaveCountForTest(); }

  TempDir tmp_;
  TempDir files_;
  std::string oldTmp_;
  std::string photo_;
  AdjustmentRecord none_{};
};

TEST_F(CLBitmapSave, WritesTheFileFormatThroughATemporaryFileThatIsDeleted) {
  CLBitmap b;
  ASSERT_EQ(b.Load(photo_, 320, 240, &none_, false), 1);
  const std::string out = files_.file("out.jpg");
  ASSERT_EQ(b.Save(out, 2), 1);
  const QImage back(QString::fromStdString(out));
  EXPECT_EQ(back.width(), 320);
  EXPECT_EQ(back.height(), 240);
  EXPECT_TRUE(TempFolderIsEmpty());
}

TEST_F(CLBitmapSave, FailedCopyLeavesNoTemporaryFileAndReportsFailure) {
  CLBitmap b;
  ASSERT_EQ(b.Load(photo_, 64, 64, &none_, false), 1);
  testpictures::WriteBytes(files_.file("plain"), "x");
  EXPECT_EQ(b.Save(files_.file("plain/out.jpg"), 2), 0);
  EXPECT_TRUE(TempFolderIsEmpty());
}

TEST_F(CLBitmapSave, FailedSaveLeavesTheDestinationAsItWas) {
  CLBitmap b;
  ASSERT_EQ(b.Load(photo_, 64, 64, &none_, false), 1);
  const std::string out = files_.file("kept.jpg");
  testpictures::WriteBytes(out, "previous contents");
  setenv("TMPDIR", files_.file("missing-folder").c_str(), 1);
  EXPECT_EQ(b.Save(out, 2), 0);
  EXPECT_EQ(testpictures::Bytes(out), "previous contents");
}

TEST_F(CLBitmapSave, SizeLimitedJpegTakesAtMostNineSavesAndFitsTheLimit) {
  CLBitmap b;
  ASSERT_EQ(b.Load(photo_, 0, 0, &none_, true), 1);
  const std::string out = files_.file("phone.jpg");
  const uint64_t before = Saves();
  ASSERT_EQ(b.SaveWithinSize(photo_, out, 9216), 1);
  EXPECT_LE(Saves() - before, 9u);
  const auto size = fileio::FileSize(out);
  ASSERT_TRUE(size.has_value());
  EXPECT_LE(*size, 9216u);
  EXPECT_GT(*size, 9216u / 2) << "the bisection should reach near the limit";
  EXPECT_TRUE(TempFolderIsEmpty());
}

TEST_F(CLBitmapSave, SizeLimitThatNoQualityMeetsKeepsTheSmallestResult) {
  CLBitmap b;
  ASSERT_EQ(b.Load(photo_, 0, 0, &none_, true), 1);
  const std::string out = files_.file("tiny.jpg");
  testpictures::WriteBytes(out, "old");
  const uint64_t before = Saves();
  EXPECT_EQ(b.SaveWithinSize(photo_, out, 200), 1);
  EXPECT_LE(Saves() - before, 9u);
  const std::string worst = files_.file("worst.jpg");
  ASSERT_EQ(b.Save(worst, CLBitmap::kWorstQuality), 1);
  EXPECT_EQ(fileio::FileSize(out), fileio::FileSize(worst));
  EXPECT_GT(*fileio::FileSize(out), 200u);
  EXPECT_TRUE(TempFolderIsEmpty());
}

TEST_F(CLBitmapSave, PngPhotoIsSavedOnceAtTheBestQuality) {
  const std::string png = files_.file("shot.PNG");
  testpictures::Write(testpictures::Photo(80, 60), png, "PNG");
  CLBitmap b;
  ASSERT_EQ(b.Load(png, 0, 0, &none_, true), 1);
  const uint64_t before = Saves();
  EXPECT_EQ(b.SaveWithinSize(png, files_.file("out.png"), 10), 1);
  EXPECT_EQ(Saves() - before, 1u);
}

TEST_F(CLBitmapSave, AdjustedCopyAppliesTheOwnAdjustmentsAtTheFileSize) {
  CLBitmap b;
  b.adjustments().rotation = 90;
  const std::string out = files_.file("copy.jpg");
  ASSERT_EQ(b.SaveAdjustedCopy(photo_, out, 2), 1);
  const QImage back(QString::fromStdString(out));
  EXPECT_EQ(back.width(), 480);
  EXPECT_EQ(back.height(), 640);
  EXPECT_FALSE(b.HasPixels());
  EXPECT_EQ(int{b.adjustments().rotation}, 90);
}

TEST_F(CLBitmapSave, AdjustedCopyWithNegativeQualityStaysWithinThePhotosOwnSize) {
  CLBitmap b;
  b.adjustments().brightness = 300;
  const std::string out = files_.file("limited.jpg");
  ASSERT_EQ(b.SaveAdjustedCopy(photo_, out, -1), 1);
  EXPECT_LE(*fileio::FileSize(out), *fileio::FileSize(photo_));
}

}  // namespace
