// Damaged, misnamed and hostile files, and files that are not pictures: the load falls
// back to the file type's icon, never crashes and never hangs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "images/CLBitmap.h"
#include "images/CLBmpCashList.h"
#include "platform/gdi/CDC.h"
#include "tests/images/TestPictures.h"
#include "tests/support/HangGuard.h"
#include "tests/support/TempDir.h"

namespace {

struct BadFile {
  const char* name;
  std::string (*make)(const std::string& goodJpeg);
};

class BadInput : public testing::TestWithParam<BadFile> {
 protected:
  TempDir temp_;
};

std::string GoodJpeg(const TempDir& temp) {
  const std::string path = temp.file("good.jpg");
  testpictures::Write(testpictures::Photo(320, 240), path, "JPEG");
  return testpictures::Bytes(path);
}

TEST_P(BadInput, FallsBackToTheTypeIconAtTheStandardSize) {
  const std::string path = temp_.file(GetParam().name);
  testpictures::WriteBytes(path, GetParam().make(GoodJpeg(temp_)));
  AdjustmentRecord none{};
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 160, 160, &none, false), 1);
  EXPECT_FALSE(b.HasPixels());
  EXPECT_GE(b.iconIndex(), 0);
  EXPECT_EQ(b.displaySize().width, 32);
  EXPECT_EQ(b.displaySize().height, 32);
  EXPECT_FALSE(CLBmpCashList::Instance().Contains(&b));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInput,
    testing::Values(
        BadFile{"truncated_half.jpg",
                [](const std::string& j) { return j.substr(0, j.size() / 2); }},
        BadFile{"truncated_header.jpg", [](const std::string& j) { return j.substr(0, 40); }},
        BadFile{"zero_length.jpg", [](const std::string&) { return std::string(); }},
        BadFile{"corrupt_scan.jpg",
                [](const std::string& j) {
                  std::string c = j;
                  for (size_t i = c.size() / 3; i < c.size() - 2; i += 7)
                    c[i] = static_cast<char>(0xFF);
                  return c;
                }},
        BadFile{"bomb_60000x60000.jpg",
                [](const std::string& j) { return testpictures::WithFrameSize(j, 60000, 60000); }},
        BadFile{"bomb_20000x20000.jpg",
                [](const std::string& j) { return testpictures::WithFrameSize(j, 20000, 20000); }},
        BadFile{"text_named_as_photo.jpg",
                [](const std::string&) { return std::string("not a picture at all\n"); }},
        BadFile{"png_signature_only.png",
                [](const std::string&) { return std::string("\x89PNG\r\n\x1a\n", 8); }},
        BadFile{"bmp_rows_past_the_end.bmp",
                [](const std::string&) {
                  std::string h(
                      "BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x10\x27\0\0\x10\x27\0\0\x01\0\x18\0",
                      30);
                  return h + std::string(24, '\0');
                }}),
    [](const testing::TestParamInfo<BadFile>& info) {
      std::string n = info.param.name;
      for (char& c : n)
        if (c == '.') c = '_';
      return n;
    });

TEST(BadInputNames, PngNamedAsJpegStillDecodes) {
  TempDir temp;
  const std::string path = temp.file("really_a_png.jpg");
  testpictures::Write(testpictures::Photo(40, 30), path, "PNG");
  AdjustmentRecord none{};
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 0, 0, &none, false), 1);
  EXPECT_TRUE(b.HasPixels());
}

TEST(BadInputNames, MissingFileHasNoIconAndFails) {
  TempDir temp;
  CLBitmap b;
  EXPECT_EQ(b.Load(temp.file("gone.jpg"), 10, 10, nullptr, false), 0);
  EXPECT_FALSE(b.IsValid());
}

// Neither decoded nor given an icon: the load fails at once and leaves the bitmap empty.
void ExpectPromptFailure(const std::string& path, const std::string& pipe) {
  AdjustmentRecord none{};
  CLBitmap b;
  int loaded = -1, read = -1;
  EXPECT_TRUE(hangguard::FinishesInTime("CLBitmap::Load", pipe, [&] {
    loaded = b.Load(path, 160, 120, &none, false);
    read = CLBitmap().ReadFileInfo(path);
  })) << path;
  EXPECT_EQ(loaded, 0);
  EXPECT_EQ(read, 0);
  EXPECT_FALSE(b.IsValid());
  EXPECT_FALSE(CLBmpCashList::Instance().Contains(&b));
}

TEST(NotAPlainFile, ANamedPipeOrAFolderCalledLikeAPhotoFailsPromptly) {
  TempDir temp;
  const std::string pipe = temp.file("x.jpg"), folder = temp.file("y.jpg");
  ASSERT_TRUE(hangguard::MakePipe(pipe));
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  ExpectPromptFailure(pipe, pipe);
  ExpectPromptFailure(folder, "");
}

TEST(MovieFile, IsDrawnAsItsTypeIconCentred) {
  TempDir temp;
  const std::string path = temp.file("clip.mp4");
  testpictures::WriteBytes(path, std::string("\0\0\0\x18"
                                             "ftypmp42\0\0\0\0mp42isom",
                                             24) +
                                     std::string(64, '\0'));
  CLBitmap b;
  ASSERT_EQ(b.Load(path, 100, 100, nullptr, false), 1);
  ASSERT_GE(b.iconIndex(), 0);
  auto dc = CDC::CreateMemory(100, 100, 0xFFFFFF);
  b.Paint(*dc, RECT{0, 0, 100, 100});
  int inside = 0, outside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool drawn = dc->GetPixel(x, y) != 0xFFFFFFu;
      const bool inIcon = x >= 34 && x < 66 && y >= 34 && y < 66;
      (inIcon ? inside : outside) += drawn ? 1 : 0;
    }
  EXPECT_GT(inside, 50);
  EXPECT_EQ(outside, 0);
}

}  // namespace
