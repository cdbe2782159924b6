// Files that claim more than they hold, and files that are not pictures: each is refused
// before pixel memory is taken for it, and none is read further than it must be, while
// legitimate pictures at the limits still load.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageWriter>
#include <cstdio>
#include <string>

#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

using namespace imaging;

// Signature, a header of 10,000 x 10,000 RGBA pixels, 12 bytes of image data and the end.
const std::string kPngClaiming100MegapixelsIn69Bytes(
    "\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x27\x10\x00\x00\x27\x10\x08\x06\x00\x00\x00"
    "\xba\x4e\x62\x27\x00\x00\x00\x0cIDAT\x78\xda\x63\x60\xa0\x0c\x00\x00\x00\x40\x00\x01\x89"
    "\xc9\xaf\x43\x00\x00\x00\x00IEND\xae\x42\x60\x82",
    69);

// Counts the most pixel memory held at once during the step, above what was held before.
template <class Step>
size_t PeakDuring(Step step) {
  ReleaseBufferPool();
  ResetPixelBytesPeakForTest();
  const size_t before = PixelBytesHeldForTest();
  step();
  return PixelBytesPeakForTest() - before;
}

int LoadInto(const std::string& path, int width, int height, BitmapHandle* bitmap) {
  FileInfo info;
  const int read = ReadFileInfo(path.c_str(), &info, sizeof info, 0, nullptr);
  if (read != kSuccess) return read;
  const int init = InitBitmap(bitmap, sizeof *bitmap, width, height, info.bitsPerPixel);
  if (init != kSuccess) return init;
  info.flags = kLoadAtHandleSize;
  return LoadFile(path.c_str(), bitmap, sizeof *bitmap, info.bitsPerPixel, 1, nullptr, &info);
}

// A file of that size whose first bytes are given and the rest a hole, which costs no disk.
void WriteSparse(const std::string& path, const std::string& head, off_t size) {
  testpictures::WriteBytes(path, head);
  ASSERT_EQ(truncate(path.c_str(), size), 0);
}

// A picture of one colour, written by libpng row by row at its best compression.
void WritePlainPng(const std::string& path, int width, int height) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::string row;
  for (int x = 0; x < width; ++x) row += "\x20\x80\xC0";
  for (int y = 0; y < height; ++y)
    png_write_row(png, reinterpret_cast<png_const_bytep>(row.data()));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

// A JPEG of the given size whose frame header is placed after `metadata` bytes of APP1
// segments.
std::string JpegWithMetadata(size_t metadata) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  testpictures::Photo(32, 24).save(&buffer, "JPEG", 90);
  std::string jpeg = buffer.data().toStdString();
  std::string segments;
  while (segments.size() < metadata) {
    segments += std::string("\xFF\xE1\xFF\xFF", 4);
    segments += std::string(0xFFFD, 'm');
  }
  return jpeg.insert(2, segments);
}

TEST(ImagingClaims, RefusesAPngThatClaimsMorePixelsThanItsBytesCanHold) {
  TempDir temp;
  const std::string path = temp.file("bomb.png");
  testpictures::WriteBytes(path, kPngClaiming100MegapixelsIn69Bytes);
  int result = kSuccess;
  BitmapHandle bitmap;
  const size_t peak = PeakDuring([&] { result = LoadInto(path, 160, 160, &bitmap); });
  EXPECT_EQ(result, kErrorTooLarge);
  EXPECT_EQ(bitmap.pixels, nullptr);
  EXPECT_LT(peak, 1u << 20);
}

TEST(ImagingClaims, RefusesAJpegThatClaimsMoreBlocksThanItsBytesCanHold) {
  TempDir temp;
  const std::string good = temp.file("g.jpg"), bomb = temp.file("b.jpg");
  testpictures::Write(testpictures::Photo(16, 16), good, "JPEG");
  testpictures::WriteBytes(bomb,
                           testpictures::WithFrameSize(testpictures::Bytes(good), 10000, 10000));
  int result = kSuccess;
  BitmapHandle bitmap;
  const size_t peak = PeakDuring([&] { result = LoadInto(bomb, 160, 160, &bitmap); });
  EXPECT_EQ(result, kErrorTooLarge);
  EXPECT_LT(peak, 1u << 20);
}

// At the largest size accepted, a plain picture compresses nearly as far as deflate can,
// and must still load; row by row, its thumbnail needs no more than a few rows.
TEST(ImagingClaims, LoadsAPlainPictureOfTheLargestSizeAtLibpngsBestCompression) {
  TempDir temp;
  const std::string path = temp.file("plain.png");
  WritePlainPng(path, 10000, 10000);
  int result = kErrorFailure;
  BitmapHandle bitmap;
  const size_t peak = PeakDuring([&] { result = LoadInto(path, 160, 160, &bitmap); });
  ASSERT_EQ(result, kSuccess);
  EXPECT_EQ(GetPixelColor(&bitmap, 80, 80), 0xC08020u);
  EXPECT_LT(peak, 4u << 20);
  FreeBitmap(&bitmap);
}

TEST(ImagingClaims, DecodesALargeJpegForAThumbnailAtAReducedScale) {
  TempDir temp;
  const std::string path = temp.file("large.jpg");
  testpictures::Write(testpictures::Solid(4000, 3000, QColor(200, 100, 50)), path, "JPEG", 80);
  int result = kErrorFailure;
  BitmapHandle bitmap;
  const size_t peak = PeakDuring([&] { result = LoadInto(path, 160, 120, &bitmap); });
  ASSERT_EQ(result, kSuccess);
  // The file, the handle and a decode at an eighth (500 x 375 pixels), far below the
  // 48 MB of a decode at full size.
  EXPECT_LT(peak, 2u << 20);
  FreeBitmap(&bitmap);
}

// A progressive decoder keeps every coefficient of the picture until its last scan; that
// memory counts against the bound like pixels do.
TEST(ImagingClaims, ChargesTheCoefficientsAProgressiveDecoderKeeps) {
  TempDir temp;
  const std::string baseline = temp.file("baseline.jpg"), progressive = temp.file("prog.jpg");
  const QImage picture = testpictures::Photo(2000, 1500);
  testpictures::Write(picture, baseline, "JPEG", 80);
  QImageWriter writer(QString::fromStdString(progressive), "JPEG");
  writer.setProgressiveScanWrite(true);
  ASSERT_TRUE(writer.write(picture));
  // 2000 x 1500 at 4:2:0 keeps about 9 MB of coefficients; a thumbnail of the baseline
  // file needs well under 4 MiB.
  SetPixelMemoryBoundForTest(4u << 20);
  BitmapHandle a, b;
  EXPECT_EQ(LoadInto(baseline, 160, 120, &a), kSuccess);
  EXPECT_EQ(LoadInto(progressive, 160, 120, &b), kErrorNoMemory);
  SetPixelMemoryBoundForTest(0);
  EXPECT_EQ(LoadInto(progressive, 160, 120, &b), kSuccess);
  FreeBitmap(&a);
  FreeBitmap(&b);
}

TEST(ImagingClaims, NeverReadsAFileWithoutAPictureSignaturePastItsFirstBytes) {
  TempDir temp;
  const std::string movie = temp.file("clip.mp4");
  WriteSparse(movie, std::string("\0\0\0\x18", 4) + "ftypmp42", 150 << 20);
  int info = kSuccess, load = kSuccess;
  const size_t peak = PeakDuring([&] {
    FileInfo fileInfo;
    info = ReadFileInfo(movie.c_str(), &fileInfo, sizeof fileInfo, 0, nullptr);
    BitmapHandle bitmap;
    InitBitmap(&bitmap, sizeof bitmap, 16, 16, 24);
    fileInfo.flags = kLoadAtHandleSize;
    load = LoadFile(movie.c_str(), &bitmap, sizeof bitmap, 24, 1, nullptr, &fileInfo);
  });
  EXPECT_EQ(info, kErrorFormat);
  EXPECT_EQ(load, kErrorFormat);
  EXPECT_LE(peak, 64u << 10);
}

TEST(ImagingClaims, LooksForAJpegFrameHeaderPastLargeMetadataUpToTheCapOnly) {
  TempDir temp;
  const std::string near = temp.file("near.jpg"), far = temp.file("far.jpg");
  testpictures::WriteBytes(near, JpegWithMetadata(1u << 20));
  testpictures::WriteBytes(far, JpegWithMetadata(kMaxHeaderSearchBytes + (1u << 20)));
  FileInfo info;
  EXPECT_EQ(ReadFileInfo(near.c_str(), &info, sizeof info, 0, nullptr), kSuccess);
  EXPECT_EQ(info.width, 32);
  int result = kSuccess;
  const size_t peak =
      PeakDuring([&] { result = ReadFileInfo(far.c_str(), &info, sizeof info, 0, nullptr); });
  EXPECT_NE(result, kSuccess);
  // The last step's buffer and, while it is filled from it, the one before.
  EXPECT_LE(peak, kMaxHeaderSearchBytes + kMaxHeaderSearchBytes / 4);
}

TEST(ImagingClaims, RefusesAFileLargerThanTheCapBeforeReadingIt) {
  TempDir temp;
  const std::string path = temp.file("huge.bmp");
  WriteSparse(path, std::string("BM", 2), static_cast<off_t>(kMaxFileBytes) + 1);
  int result = kSuccess;
  const size_t peak = PeakDuring([&] {
    BitmapHandle bitmap;
    InitBitmap(&bitmap, sizeof bitmap, 16, 16, 24);
    FileInfo info;
    result = LoadFile(path.c_str(), &bitmap, sizeof bitmap, 24, 1, nullptr, &info);
  });
  EXPECT_EQ(result, kErrorTooLarge);
  EXPECT_EQ(peak, 0u);
}

}  // namespace
