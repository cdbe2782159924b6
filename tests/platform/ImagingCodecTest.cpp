// The imaging library's files: quality mapping, comments, BMP round trips, warnings,
// limits and the kernel's geometry.
#include <gtest/gtest.h>

#include "platform/imaging/Imaging.h"
#include "platform/text/Cp932.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

using namespace imaging;

// A handle loaded from a file at its own size; empty pixels on failure.
struct Loaded {
  BitmapHandle bitmap;
  FileInfo info;
  int result = kErrorFailure;

  explicit Loaded(const std::string& path, int width = 0, int height = 0) {
    if (ReadFileInfo(path.c_str(), &info, sizeof info, 0, nullptr) != kSuccess) return;
    InitBitmap(&bitmap, sizeof bitmap, width ? width : info.width, height ? height : info.height,
               info.bitsPerPixel);
    info.flags = kLoadAtHandleSize;
    result = LoadFile(path.c_str(), &bitmap, sizeof bitmap, info.bitsPerPixel, 1, nullptr, &info);
  }
  ~Loaded() { FreeBitmap(&bitmap); }
};

TEST(ImagingQuality, MapsTheFactorMonotonicallyFromBestToSmallest) {
  EXPECT_EQ(JpegQualityFor(2), 100);
  EXPECT_EQ(JpegQualityFor(255), 1);
  EXPECT_EQ(JpegQualityFor(0), 100);
  EXPECT_EQ(JpegQualityFor(1000), 1);
  for (int f = 3; f <= 255; ++f) EXPECT_LE(JpegQualityFor(f), JpegQualityFor(f - 1)) << f;
}

TEST(ImagingQuality, SmallerFactorsNeverGiveSmallerFiles) {
  TempDir temp;
  const std::string source = temp.file("s.png");
  testpictures::Write(testpictures::Photo(200, 150), source, "PNG");
  Loaded l(source);
  ASSERT_EQ(l.result, kSuccess);
  const std::string best = temp.file("best.jpg"), worst = temp.file("worst.jpg");
  ASSERT_EQ(SaveFile(best.c_str(), &l.bitmap, kFormatJpeg, 24, 2, 0), kSuccess);
  ASSERT_EQ(SaveFile(worst.c_str(), &l.bitmap, kFormatJpeg, 24, 200, 0), kSuccess);
  EXPECT_GT(testpictures::Bytes(best).size(), testpictures::Bytes(worst).size());
}

TEST(ImagingQuality, AJpegFilesOwnQualityIsReadFromItsTableAndNothingElseHasOne) {
  TempDir temp;
  for (int quality : {95, 75, 30}) {
    const std::string path = temp.file("q" + std::to_string(quality) + ".jpg");
    testpictures::Write(testpictures::Photo(64, 48), path, "JPEG", quality);
    EXPECT_NEAR(EstimateJpegQuality(path.c_str()), quality, 1) << quality;
    EXPECT_GE(JpegQualityFor(QualityFactorFor(quality)), quality - 1);
    EXPECT_LE(JpegQualityFor(QualityFactorFor(quality)), quality);
  }
  const std::string png = temp.file("p.png");
  testpictures::Write(testpictures::Photo(64, 48), png, "PNG");
  EXPECT_EQ(EstimateJpegQuality(png.c_str()), 0);
  const std::string cut = temp.file("cut.jpg");
  std::string bytes = testpictures::Bytes(temp.file("q75.jpg"));
  testpictures::WriteBytes(cut, bytes.substr(0, 40));
  EXPECT_EQ(EstimateJpegQuality(cut.c_str()), 0) << "a table cut short";
  EXPECT_EQ(EstimateJpegQuality(temp.file("missing.jpg").c_str()), 0);
}

class ImagingComments : public testing::TestWithParam<const char*> {
 protected:
  TempDir temp_;
};

TEST_P(ImagingComments, RoundTripEveryIdAndAreUsedUpByTheSave) {
  const std::string source = temp_.file("s.png");
  testpictures::Write(testpictures::Solid(8, 8, Qt::blue), source, "PNG");
  Loaded l(source);
  ASSERT_EQ(l.result, kSuccess);
  const int ids[] = {0, 1, 2, 3, 5, 9, 175, 176, 177, 178};
  for (int id : ids) {
    const Cp932String text = cp932::Lit("写真") + std::to_string(id);
    SetComment(id, text.c_str(), static_cast<uint32_t>(text.size()));
  }
  EXPECT_EQ(GetComment(3, nullptr, 0), static_cast<int>((cp932::Lit("写真") + "3").size()));
  const bool png = std::string(GetParam()) == "png";
  const std::string out = temp_.file(std::string("c.") + GetParam());
  ASSERT_EQ(SaveFile(out.c_str(), &l.bitmap, png ? kFormatPng : kFormatJpeg, 24, 2, 0), kSuccess);
  EXPECT_EQ(GetComment(3, nullptr, 0), -1);
  for (int id : ids) {
    char buffer[kCommentBufferBytes];
    const Cp932String expected = cp932::Lit("写真") + std::to_string(id);
    ASSERT_EQ(ReadComment(out.c_str(), id, buffer, sizeof buffer, 0),
              static_cast<int>(expected.size()))
        << id;
    EXPECT_EQ(std::string(buffer), expected);
  }
  const std::string plain = temp_.file(std::string("plain.") + GetParam());
  ASSERT_EQ(SaveFile(plain.c_str(), &l.bitmap, png ? kFormatPng : kFormatJpeg, 24, 2, 0), kSuccess);
  char buffer[kCommentBufferBytes];
  EXPECT_EQ(ReadComment(plain.c_str(), 3, buffer, sizeof buffer, 0), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImagingComments, testing::Values("png", "jpg"));

TEST(ImagingComments, ClearedCommentIsNotWritten) {
  SetComment(3, "Quarn Port", 10);
  SetComment(3, nullptr, 0);
  EXPECT_EQ(GetComment(3, nullptr, 0), -1);
  char small[4];
  SetComment(175, "longer title", 12);
  EXPECT_EQ(GetComment(175, small, sizeof small), 3);
  EXPECT_STREQ(small, "lon");
  SetComment(175, nullptr, 0);
}

TEST(ImagingBmp, ThirtyTwoBitFileRoundTripsAndLoadsBottomUp) {
  TempDir temp;
  const std::string source = temp.file("s.png");
  QImage image = testpictures::Solid(5, 4, Qt::white);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  testpictures::Write(image, source, "PNG");
  Loaded l(source);
  ASSERT_EQ(l.result, kSuccess);
  const std::string out = temp.file("o.bmp");
  ASSERT_EQ(SaveFile(out.c_str(), &l.bitmap, kFormatBmp, 32, 2, 0), kSuccess);
  Loaded back(out);
  ASSERT_EQ(back.result, kSuccess);
  EXPECT_EQ(back.info.bitsPerPixel, 32);
  EXPECT_EQ(back.bitmap.order, kOrderBottomUp);
  EXPECT_EQ(GetPixelColor(&back.bitmap, 0, 0), 0x0000FFu);
  ASSERT_EQ(NormaliseRowOrder(nullptr, &back.bitmap, sizeof back.bitmap, kOrderTopDown), kSuccess);
  EXPECT_EQ(GetPixelColor(&back.bitmap, 0, 0), 0x0000FFu);
  EXPECT_EQ(back.bitmap.pixels[2], 255) << "top row first after normalising";
  EXPECT_EQ(QImage(QString::fromStdString(out)).pixel(0, 0), qRgb(255, 0, 0));
}

TEST(ImagingJpeg, ExtraneousBytesAreAWarningButATruncatedFileFails) {
  TempDir temp;
  const std::string good = temp.file("g.jpg");
  testpictures::Write(testpictures::Photo(64, 64), good, "JPEG");
  std::string bytes = testpictures::Bytes(good);
  const std::string junk = temp.file("junk.jpg");
  testpictures::WriteBytes(
      junk, bytes.substr(0, bytes.size() - 2) + "abc" + bytes.substr(bytes.size() - 2));
  EXPECT_EQ(Loaded(junk).result, kSuccess);
  const std::string cut = temp.file("cut.jpg");
  testpictures::WriteBytes(cut, bytes.substr(0, bytes.size() * 3 / 4));
  EXPECT_EQ(Loaded(cut).result, kErrorCorrupt);
}

TEST(ImagingLimits, HugeDimensionsAreRefusedBeforeAllocating) {
  TempDir temp;
  const std::string good = temp.file("g.jpg");
  testpictures::Write(testpictures::Photo(16, 16), good, "JPEG");
  const std::string bomb = temp.file("b.jpg");
  testpictures::WriteBytes(bomb,
                           testpictures::WithFrameSize(testpictures::Bytes(good), 40000, 40000));
  EXPECT_EQ(Loaded(bomb, 16, 16).result, kErrorTooLarge);
  BitmapHandle b;
  EXPECT_EQ(InitBitmap(&b, sizeof b, 30001, 10, 24), kErrorTooLarge);
  EXPECT_EQ(InitBitmap(&b, sizeof b, 20000, 20000, 24), kErrorTooLarge);
}

TEST(ImagingScaledLoad, DecodesToTheHandleSizeWithinTheFile) {
  TempDir temp;
  const std::string path = temp.file("p.jpg");
  testpictures::Write(testpictures::Solid(1000, 750, QColor(10, 120, 240)), path, "JPEG", 95);
  Loaded l(path, 123, 92);
  ASSERT_EQ(l.result, kSuccess);
  EXPECT_EQ(l.bitmap.width, 123);
  EXPECT_EQ(l.bitmap.height, 92);
  const COLORREF c = GetPixelColor(&l.bitmap, 46, 60);
  EXPECT_NEAR(static_cast<int>(c & 0xFF), 10, 4);
  EXPECT_NEAR(static_cast<int>((c >> 16) & 0xFF), 240, 4);
}

TEST(ImagingGeometry, QuarterTurnsAreExactAndResizeRefusesToEnlargeUnlessAllowed) {
  TempDir temp;
  const std::string path = temp.file("p.png");
  QImage image = testpictures::Solid(4, 2, Qt::black);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  testpictures::Write(image, path, "PNG");
  Loaded l(path);
  ASSERT_EQ(RotateBitmap(&l.bitmap, 9000, kRotateGrowCanvas, 0xFFFFFF), kSuccess);
  EXPECT_EQ(l.bitmap.width, 2);
  EXPECT_EQ(l.bitmap.height, 4);
  EXPECT_EQ(GetPixelColor(&l.bitmap, 0, 1), 0x0000FFu)
      << "the top left corner turns to the top right";
  ASSERT_EQ(RotateBitmap(&l.bitmap, -9000, kRotateGrowCanvas, 0xFFFFFF), kSuccess);
  EXPECT_EQ(GetPixelColor(&l.bitmap, 0, 0), 0x0000FFu);
  EXPECT_EQ(ResizeBitmap(&l.bitmap, 8, 4, 0), kErrorInvalidArgument);
  EXPECT_EQ(ResizeBitmap(&l.bitmap, 8, 4, kResizeMayEnlarge), kSuccess);
  EXPECT_EQ(l.bitmap.width, 8);
}

TEST(ImagingColour, RangesOutsideTheTableAreRefused) {
  TempDir temp;
  const std::string path = temp.file("p.png");
  testpictures::Write(testpictures::Solid(2, 2, Qt::gray), path, "PNG");
  Loaded l(path);
  EXPECT_EQ(ChangeBrightness(&l.bitmap, 1001), kErrorInvalidArgument);
  EXPECT_EQ(ChangeHue(&l.bitmap, -361), kErrorInvalidArgument);
  EXPECT_EQ(Mosaic(&l.bitmap, 1), kErrorInvalidArgument);
  EXPECT_EQ(ColourOperation(&l.bitmap, 3), kErrorInvalidArgument);
  BitmapHandle empty;
  EXPECT_EQ(InvertColors(&empty), kErrorNoBitmap);
}

}  // namespace
