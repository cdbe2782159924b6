// Pixel memory running out: every allocation of a load, a save, a resize or a rotation is
// made to fail in turn, and each failure must come back as kErrorNoMemory with the handle
// as it was and nothing left held, never as a crash or an exception.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <functional>

#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

using namespace imaging;

struct Picture {
  const char* name;
  const char* format;
  bool interlaced;
};

const Picture kPictures[] = {
    {"photo.jpg", "JPEG", false}, {"photo.png", "PNG", false}, {"interlaced.png", "PNG", true},
    {"photo.bmp", "BMP", false},  {"photo.ppm", "PPM", false},
};

void PrintTo(const Picture& p, std::ostream* out) {
  *out << p.name;
}

// The toolkit writes no interlaced PNG; libpng does.
bool WriteInterlacedPng(const QImage& image, const std::string& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, rgb.width(), rgb.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_bytep> rows(rgb.height());
  for (int y = 0; y < rgb.height(); ++y) rows[y] = const_cast<png_bytep>(rgb.constScanLine(y));
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

class FailedAllocation : public testing::TestWithParam<Picture> {
 protected:
  void SetUp() override {
    path_ = temp_.file(GetParam().name);
    const QImage photo = testpictures::Photo(300, 200);
    ASSERT_TRUE(GetParam().interlaced ? WriteInterlacedPng(photo, path_)
                                      : testpictures::Write(photo, path_, GetParam().format));
    ReleaseBufferPool();
  }
  void TearDown() override {
    FailNthAllocationForTest(0);
    FreeBitmap(&bitmap_);
    ReleaseBufferPool();
    EXPECT_EQ(PixelBytesHeldForTest(), 0u) << "pixel memory was left held";
  }

  int Load(int width, int height) {
    FileInfo info;
    const int read = ReadFileInfo(path_.c_str(), &info, sizeof info, 0, nullptr);
    if (read != kSuccess) return read;
    InitBitmap(&bitmap_, sizeof bitmap_, width, height, info.bitsPerPixel);
    info.flags = kLoadAtHandleSize;
    return LoadFile(path_.c_str(), &bitmap_, sizeof bitmap_, 24, 1, nullptr, &info);
  }

  // Fails the first, second, ... allocation of the step until the step needs no more, and
  // checks each failure; the step runs on a loaded picture when `prepared` is set.
  void FailEachAllocationOf(const char* what, const std::function<int()>& step, bool prepared) {
    for (int n = 1; n < 100; ++n) {
      if (prepared) {
        ASSERT_EQ(Load(0, 0), kSuccess);
      }
      ReleaseBufferPool();
      const size_t held = PixelBytesHeldForTest();
      const BitmapHandle before = bitmap_;
      FailNthAllocationForTest(n);
      const int result = step();
      FailNthAllocationForTest(0);
      if (result == kSuccess) return;
      ASSERT_EQ(result, kErrorNoMemory) << what << ", allocation " << n;
      EXPECT_EQ(bitmap_.pixels, prepared ? before.pixels : nullptr) << what << ", allocation " << n;
      if (prepared) {
        EXPECT_EQ(bitmap_.width, before.width) << what << ", allocation " << n;
      }
      ReleaseBufferPool();
      EXPECT_EQ(PixelBytesHeldForTest(), held) << what << ", allocation " << n;
    }
    ADD_FAILURE() << what << " never succeeded";
  }

  TempDir temp_;
  std::string path_;
  BitmapHandle bitmap_;
};

TEST_P(FailedAllocation, InAThumbnailLoadIsNoMemory) {
  FailEachAllocationOf(
      "thumbnail", [&] { return Load(120, 80); }, false);
}

TEST_P(FailedAllocation, InAFullSizeLoadIsNoMemory) {
  FailEachAllocationOf(
      "full size", [&] { return Load(0, 0); }, false);
}

TEST_P(FailedAllocation, InAnInformationReadIsNoMemory) {
  FileInfo info;
  FailEachAllocationOf(
      "information", [&] { return ReadFileInfo(path_.c_str(), &info, sizeof info, 0, nullptr); },
      false);
}

TEST_P(FailedAllocation, InASaveIsNoMemoryAndWritesNothing) {
  const std::string out = temp_.file("out");
  for (int format : {kFormatJpeg, kFormatPng, kFormatBmp}) {
    FailEachAllocationOf(
        "save",
        [&] {
          SetComment(3, "words", 5);
          const int result = SaveFile(out.c_str(), &bitmap_, format, 8, 40, 0);
          if (result != kSuccess) {
            EXPECT_TRUE(testpictures::Bytes(out).empty());
          }
          std::remove(out.c_str());
          return result;
        },
        true);
  }
}

TEST_P(FailedAllocation, InAResizeOrARotationIsNoMemoryAndKeepsThePicture) {
  FailEachAllocationOf(
      "resize", [&] { return ResizeBitmap(&bitmap_, 90, 60, 0); }, true);
  FailEachAllocationOf(
      "enlarge", [&] { return ResizeBitmap(&bitmap_, 600, 500, kResizeMayEnlarge); }, true);
  FailEachAllocationOf(
      "quarter turn", [&] { return RotateBitmap(&bitmap_, 9000, kRotateGrowCanvas, 0xFFFFFF); },
      true);
  FailEachAllocationOf(
      "free turn", [&] { return RotateBitmap(&bitmap_, 3000, kRotateGrowCanvas, 0xFFFFFF); }, true);
}

INSTANTIATE_TEST_SUITE_P(Pictures, FailedAllocation, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<Picture>& info) {
                           std::string n = info.param.name;
                           for (char& c : n)
                             if (c == '.') c = '_';
                           return n;
                         });

}  // namespace
