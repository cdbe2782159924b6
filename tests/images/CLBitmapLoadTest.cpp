// Loading at a size, the loaders' sizes, the cache hits and the adjustments.
#include <gtest/gtest.h>

#include "images/CLBitmap.h"
#include "images/CLBmpCashList.h"
#include "platform/gdi/CDC.h"
#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

class CLBitmapLoad : public testing::Test {
 protected:
  void SetUp() override { CLBmpCashList::Instance().Clear(); }

  std::string Jpeg(int w, int h, const char* name = "photo.jpg") {
    const std::string path = temp_.file(name);
    testpictures::Write(testpictures::Photo(w, h), path, "JPEG");
    return path;
  }

  static BitmapSize Pixels(const CLBitmap& b) { return {b.bitmap()->width, b.bitmap()->height}; }
  static uint64_t Decodes() { return imaging::DecodeCountForTest(); }

  TempDir temp_;
  AdjustmentRecord none_{};
};

bool operator==(BitmapSize a, BitmapSize b) {
  return a.width == b.width && a.height == b.height;
}

TEST_F(CLBitmapLoad, ZeroBoxDecodesAtTheFileSize) {
  CLBitmap b;
  ASSERT_EQ(b.Load(Jpeg(64, 48), 0, 0, &none_, false), 1);
  EXPECT_TRUE(Pixels(b) == (BitmapSize{64, 48}));
  EXPECT_TRUE(b.displaySize() == (BitmapSize{64, 48}));
}

TEST_F(CLBitmapLoad, BoxLargerThanTheFileDecodesNoMoreThanTheFileUnlessEnlarging) {
  const std::string path = Jpeg(64, 48);
  CLBitmap standard, enlarging;
  ASSERT_EQ(standard.Load(path, 200, 200, &none_, false), 1);
  EXPECT_TRUE(Pixels(standard) == (BitmapSize{64, 48}));
  EXPECT_TRUE(standard.displaySize() == (BitmapSize{200, 150}));
  ASSERT_EQ(enlarging.LoadEnlarging(path, 200, 200, &none_, false), 1);
  EXPECT_TRUE(Pixels(enlarging) == (BitmapSize{200, 150}));
}

TEST_F(CLBitmapLoad, RotatedPhotoDecodesAtTheBoxAndIsACacheHitTheSecondTime) {
  const std::string path = Jpeg(640, 480);
  AdjustmentRecord turned{};
  turned.rotation = 90;
  CLBitmap b;
  const uint64_t before = Decodes();
  ASSERT_EQ(b.Load(path, 120, 90, &turned, false), 1);
  EXPECT_EQ(Decodes(), before + 1);
  EXPECT_TRUE(Pixels(b) == (BitmapSize{90, 120}));
  EXPECT_TRUE(b.bitmapSize() == (BitmapSize{90, 120}));
  EXPECT_TRUE(b.displaySize() == (BitmapSize{90, 120}));
  ASSERT_EQ(b.Load(path, 120, 90, &turned, false), 1);
  EXPECT_EQ(Decodes(), before + 1);
  EXPECT_TRUE(b.displaySize() == (BitmapSize{90, 120}));
}

TEST_F(CLBitmapLoad, SmallerBoxReusesThePixelsAndShrinksOnlyTheDisplaySize) {
  const std::string path = Jpeg(640, 480);
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 160, 160, &none_, false), 1);
  const uint64_t before = Decodes();
  ASSERT_EQ(b.Load(path, 80, 80, &none_, false), 1);
  EXPECT_EQ(Decodes(), before);
  EXPECT_TRUE(b.bitmapSize() == (BitmapSize{160, 120}));
  EXPECT_TRUE(b.displaySize() == (BitmapSize{80, 60}));
}

TEST_F(CLBitmapLoad, CachedPixelsServeOnlyTheAdjustmentsTheyWereMadeWith) {
  const std::string path = Jpeg(64, 48);
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 32, 32, &none_, false), 1);
  AdjustmentRecord inverted{};
  inverted.invert = 1;
  const uint64_t before = Decodes();
  ASSERT_EQ(b.Load(path, 32, 32, &inverted, false), 1);
  EXPECT_EQ(Decodes(), before + 1);
}

TEST_F(CLBitmapLoad, ZeroBoxAfterAThumbnailDecodesTheWholeFile) {
  const std::string path = Jpeg(640, 480);
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 160, 160, &none_, false), 1);
  ASSERT_EQ(b.Load(path, 0, 0, &none_, false), 1);
  EXPECT_TRUE(Pixels(b) == (BitmapSize{640, 480}));
}

TEST_F(CLBitmapLoad, VeryLongPictureKeepsAtLeastOnePixelPerSide) {
  const std::string path = temp_.file("strip.png");
  testpictures::Write(testpictures::Solid(2000, 4, Qt::red), path, "PNG");
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 16, 16, &none_, false), 1);
  ASSERT_TRUE(b.HasPixels());
  EXPECT_TRUE(Pixels(b) == (BitmapSize{16, 1}));
}

TEST_F(CLBitmapLoad, StretchKeepsTheBoxInsteadOfTheProportions) {
  CLBitmap b;
  ASSERT_EQ(b.Load(Jpeg(640, 480), 100, 100, &none_, true), 1);
  EXPECT_TRUE(Pixels(b) == (BitmapSize{100, 100}));
}

TEST_F(CLBitmapLoad, DrawFittedCentresTheDisplaySizeAndPortraitFollowsRotation) {
  const std::string path = Jpeg(640, 480);
  auto dc = CDC::CreateMemory(100, 100);
  CLBitmap b;
  RECT placed;
  ASSERT_EQ(b.DrawFitted(*dc, RECT{0, 0, 100, 100}, path, &placed), 1);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 12);
  EXPECT_EQ(placed.bottom - placed.top, 75);
  EXPECT_EQ(b.DrawFitted(*dc, RECT{0, 0, 0, 100}, path, &placed), 0);
  EXPECT_FALSE(b.IsPortrait(path));
  b.adjustments().rotation = 270;
  EXPECT_TRUE(b.IsPortrait(path));
  const std::string square = Jpeg(300, 300, "square.jpg");
  for (int16_t rotation : {0, 90, 180, 270}) {
    CLBitmap s;
    s.adjustments().rotation = rotation;
    EXPECT_TRUE(s.IsPortrait(square)) << "a square turned by " << rotation;
  }
}

struct AdjustmentCase {
  const char* name;
  QColor input;
  AdjustmentRecord record;
  COLORREF expected;  // 0x00BBGGRR at the centre
};

AdjustmentRecord With(void (*set)(AdjustmentRecord&)) {
  AdjustmentRecord r{};
  set(r);
  return r;
}

class Adjustment : public CLBitmapLoad, public testing::WithParamInterface<AdjustmentCase> {};

TEST_P(Adjustment, ChangesThePixelsAsExpected) {
  const AdjustmentCase& c = GetParam();
  const std::string path = temp_.file("solid.png");
  testpictures::Write(testpictures::Solid(40, 30, c.input), path, "PNG");
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 0, 0, &c.record, false), 1);
  const COLORREF got =
      imaging::GetPixelColor(b.bitmap(), b.bitmap()->height / 2, b.bitmap()->width / 2);
  for (int shift = 0; shift < 24; shift += 8)
    EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF),
                static_cast<int>((c.expected >> shift) & 0xFF), 3)
        << c.name << " channel " << shift / 8;
}

INSTANTIATE_TEST_SUITE_P(
    EachField, Adjustment,
    testing::Values(
        AdjustmentCase{"invert", Qt::white, With([](AdjustmentRecord& r) { r.invert = 1; }),
                       0x000000},
        AdjustmentCase{"brightness up", QColor(100, 100, 100),
                       With([](AdjustmentRecord& r) { r.brightness = 1000; }), 0xFFFFFF},
        AdjustmentCase{"brightness down", QColor(100, 100, 100),
                       With([](AdjustmentRecord& r) { r.brightness = -500; }), 0x323232},
        AdjustmentCase{"contrast down", QColor(0, 0, 0),
                       With([](AdjustmentRecord& r) { r.contrast = -1000; }), 0x808080},
        AdjustmentCase{"contrast up", QColor(100, 100, 100),
                       With([](AdjustmentRecord& r) { r.contrast = 1000; }), 0x000000},
        AdjustmentCase{"saturation off", QColor(255, 0, 0),
                       With([](AdjustmentRecord& r) { r.saturation = -1000; }), 0x4C4C4C},
        AdjustmentCase{"greyscale", QColor(0, 255, 0),
                       With([](AdjustmentRecord& r) { r.colourOperation4 = 1; }), 0x969696},
        AdjustmentCase{"hue half turn", QColor(200, 60, 60),
                       With([](AdjustmentRecord& r) { r.hue = 180; }), 0x909004},
        AdjustmentCase{"full hue turn", QColor(200, 60, 60),
                       With([](AdjustmentRecord& r) { r.hue = 360; }), 0x3C3CC8}),
    [](const testing::TestParamInfo<AdjustmentCase>& info) {
      std::string n = info.param.name;
      for (char& ch : n)
        if (ch == ' ') ch = '_';
      return n;
    });

TEST_F(CLBitmapLoad, RotationOffQuarterTurnsGrowsTheCanvasWithWhiteCorners) {
  const std::string path = temp_.file("black.png");
  testpictures::Write(testpictures::Solid(40, 40, Qt::black), path, "PNG");
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 0, 0, nullptr, false), 1);
  ASSERT_TRUE(b.Rotate(4500));
  EXPECT_GE(b.bitmap()->width, 56);
  EXPECT_EQ(imaging::GetPixelColor(b.bitmap(), 0, 0), 0xFFFFFFu);
  EXPECT_EQ(imaging::GetPixelColor(b.bitmap(), b.bitmap()->height / 2, b.bitmap()->width / 2), 0u);
}

TEST_F(CLBitmapLoad, MosaicMakesUniformTiles) {
  const std::string path = temp_.file("noise.png");
  testpictures::Write(testpictures::Photo(64, 64), path, "PNG");
  AdjustmentRecord mosaic{};
  mosaic.mosaicDivisor = 8;  // tiles of 64 / 8 = 8 pixels
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 0, 0, &mosaic, false), 1);
  for (int y = 8; y < 16; ++y)
    for (int x = 16; x < 24; ++x)
      EXPECT_EQ(imaging::GetPixelColor(b.bitmap(), y, x),
                imaging::GetPixelColor(b.bitmap(), 8, 16));
  EXPECT_NE(imaging::GetPixelColor(b.bitmap(), 0, 0), imaging::GetPixelColor(b.bitmap(), 56, 56));
}

TEST_F(CLBitmapLoad, AdjustmentsWithoutPixelsReportFailure) {
  CLBitmap b;
  EXPECT_FALSE(b.Invert());
  EXPECT_FALSE(b.Rotate(9000));
  EXPECT_FALSE(b.Mosaic(4));
  EXPECT_EQ(b.Save(temp_.file("x.jpg"), 2), 0);
}

}  // namespace
