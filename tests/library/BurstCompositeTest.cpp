#include <gtest/gtest.h>

#include <cstdlib>

#include "library/BurstComposite.h"
#include "library/PhotoKind.h"
#include "platform/imaging/Imaging.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

struct GridCase {
  int count;
  int columns;
  int rows;
};

class BurstGrid : public testing::TestWithParam<GridCase> {};

TEST_P(BurstGrid, ChoosesColumnsByCountAndRowsToFit) {
  const burst::Grid grid = burst::GridFor(GetParam().count);
  EXPECT_EQ(grid.columns, GetParam().columns);
  EXPECT_EQ(grid.rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Counts, BurstGrid,
                         testing::Values(GridCase{1, 1, 1}, GridCase{2, 2, 1}, GridCase{4, 2, 2},
                                         GridCase{5, 3, 2}, GridCase{9, 3, 3}, GridCase{10, 4, 3},
                                         GridCase{16, 4, 4}, GridCase{17, 5, 4}));

struct NameCase {
  const char* fileName;  // UTF-8
  const char* base;
};

class BurstName : public testing::TestWithParam<NameCase> {};

TEST_P(BurstName, DropsTheShotNumber) {
  EXPECT_EQ(burst::BaseName(cp932::Lit(GetParam().fileName)), cp932::Lit(GetParam().base));
}

INSTANTIATE_TEST_SUITE_P(
    Names, BurstName,
    testing::Values(NameCase{"shot~3.jpg", "shot(連写)"}, NameCase{"DSC_0012.JPG", "DSC(連写)"},
                    NameCase{"a-b_c.jpg", "a(連写)"}, NameCase{"a_b~c.jpg", "a_b(連写)"},
                    NameCase{"~x.jpg", "~x(連写)"}, NameCase{"name.", "name.(連写)"},
                    // The trail bytes of "ミ" and "ダ" are "~" and "_": never a cut.
                    NameCase{"ミダ.jpg", "ミダ(連写)"}, NameCase{"ミ~2.jpg", "ミ(連写)"}));

TEST(BurstBitmap, WritesA32BitBottomUpFileWithTheFixedHeader) {
  const std::string file = burst::BitmapFile(2, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0x123456});
  ASSERT_EQ(file.size(), 54u + 16u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(file[10], 54);
  EXPECT_EQ(file[14], 40);
  EXPECT_EQ(file[26], 1);
  EXPECT_EQ(file[28], 32);
  EXPECT_EQ(file[34], 16);
  // The bottom row comes first: blue (0xFF0000 as 0x00BBGGRR) is its first pixel.
  EXPECT_EQ(static_cast<uint8_t>(file[54]), 0xFF);
  EXPECT_EQ(static_cast<uint8_t>(file[54 + 8 + 2]), 0xFF) << "top-left red in the last row";
}

class BurstComposite : public LibraryFixture {
 protected:
  // A member photo: a solid picture of the colour, written as a bitmap file.
  CPhotoItem* Member(const std::string& name, uint32_t colour, int w = 8, int h = 8) {
    const std::vector<uint32_t> pixels(static_cast<size_t>(w * h), colour);
    return AddPhoto(name.c_str(), PhotoKind::kBurstMember) != nullptr
               ? Replace(name, burst::BitmapFile(w, h, pixels))
               : nullptr;
  }

  CPhotoItem* Replace(const std::string& name, const std::string& bytes) {
    WriteBytes(album_ + "/" + name, bytes);
    return library_.at(library_.count() - 1);
  }

  // The colour at the centre of a cell of the stored composite.
  static uint32_t CellColour(const imaging::BitmapHandle& b, int column, int row) {
    return imaging::GetPixelColor(&b, row * 8 + 4, column * 8 + 4);
  }

  static bool Near(uint32_t a, uint32_t b) {
    for (int shift : {0, 8, 16})
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
          24)
        return false;
    return true;
  }
};

TEST_F(BurstComposite, FiveMembersMakeAThreeByTwoJpegInTheComboFolder) {
  std::vector<const CPhotoItem*> members{
      Member("s~3.jpg", 0x0000FF), Member("s~1.jpg", 0x00FF00), Member("s~2.jpg", 0xFF0000),
      Member("s~5.jpg", 0xFFFFFF, 4, 4),  // another size: its cell stays black
      Member("s~4.jpg", 0x00FFFF)};
  auto item = library_.CreateBurstComposite(members.data(), static_cast<int>(members.size()));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->flags(), PhotoKind::kBurstComposite);
  EXPECT_EQ(item->path(), TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder) + "/Combo/s" +
                              cp932::Lit("(連写)") + ".Jpg");
  EXPECT_EQ(item->sourceName(), "s" + cp932::Lit("(連写)") + ".Jpg");
  EXPECT_GT(item->size(), 0);
  EXPECT_NE(item->year(), CPhotoItem::kUnknown);
  EXPECT_EQ(library_.count(), 5) << "the caller appends the record";

  imaging::BitmapHandle b{};
  imaging::InitBitmap(&b, sizeof b, 0, 0, 24);
  imaging::FileInfo info{};
  ASSERT_EQ(imaging::LoadFile(item->path().c_str(), &b, sizeof b, 24, 0, nullptr, &info), 1);
  imaging::FileInfo format{};
  ASSERT_EQ(imaging::ReadFileInfo(item->path().c_str(), &format, sizeof format, 0, nullptr), 1);
  EXPECT_EQ(format.format, imaging::kFormatJpeg);
  EXPECT_EQ(b.width, 24);
  EXPECT_EQ(b.height, 16);
  // Sorted by title: ~1 green, ~2 blue, ~3 red, ~4 yellow, ~5 the odd one out.
  EXPECT_TRUE(Near(CellColour(b, 0, 0), 0x00FF00));
  EXPECT_TRUE(Near(CellColour(b, 1, 0), 0xFF0000));
  EXPECT_TRUE(Near(CellColour(b, 2, 0), 0x0000FF));
  EXPECT_TRUE(Near(CellColour(b, 0, 1), 0x00FFFF));
  EXPECT_TRUE(Near(CellColour(b, 1, 1), 0x000000));
  imaging::FreeBitmap(&b);
  char comment[imaging::kCommentBufferBytes] = {};
  EXPECT_GT(imaging::ReadComment(item->path().c_str(), 3, comment, sizeof comment, 0), 0);
  EXPECT_STREQ(comment, "Quarn Port");
  const auto work = fileio::ListFolder(TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder));
  ASSERT_TRUE(work);
  for (const auto& e : *work) EXPECT_TRUE(e.isDirectory) << "left behind: " << e.name;
}

TEST_F(BurstComposite, IsDatedByItsFirstShotOnTheDiskAndInItsRecord) {
  CPhotoItem* first = Member("s~1.jpg", 0x00FF00);
  CPhotoItem* second = Member("s~2.jpg", 0xFF0000);
  const fileio::FileTime shot{1400000000, 250000000};  // 2014-05-13 16:53:20 UTC
  const fileio::FileTime later{1500000000, 0};
  ASSERT_TRUE(fileio::SetFileTimes(first->path(), &shot, &shot));
  ASSERT_TRUE(fileio::SetFileTimes(second->path(), &later, &later));
  std::vector<const CPhotoItem*> members{second, first};
  auto item = library_.CreateBurstComposite(members.data(), 2);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(fileio::LastWriteFileTime(item->path()), shot);
  EXPECT_EQ(item->year(), 2014);
  EXPECT_EQ(item->month(), 5);
}

TEST_F(BurstComposite, TwelveMembersUseTheLastNineInAThreeByThreeGrid) {
  std::vector<const CPhotoItem*> members;
  for (int i = 0; i < 12; ++i)
    members.push_back(Member("b_" + std::string(1, static_cast<char>('a' + i)) + ".jpg",
                             i < 3 ? 0x0000FF : 0x00FF00));
  auto item = library_.CreateBurstComposite(members.data(), 12);
  ASSERT_NE(item, nullptr);
  imaging::BitmapHandle b{};
  imaging::InitBitmap(&b, sizeof b, 0, 0, 24);
  imaging::FileInfo info{};
  ASSERT_EQ(imaging::LoadFile(item->path().c_str(), &b, sizeof b, 24, 0, nullptr, &info), 1);
  EXPECT_EQ(b.width, 24);
  EXPECT_EQ(b.height, 24);
  EXPECT_TRUE(Near(CellColour(b, 0, 0), 0x00FF00)) << "the first three (red) are left out";
  imaging::FreeBitmap(&b);
}

TEST_F(BurstComposite, NeedsTwoMembersAndAReadableFirstPicture) {
  const CPhotoItem* one = Member("x~1.jpg", 0xFF);
  EXPECT_EQ(library_.CreateBurstComposite(&one, 1), nullptr);
  AddPhoto("bad~1.jpg");  // "jpeg" text, no picture
  const CPhotoItem* pair[] = {library_.at(library_.count() - 1), one};
  EXPECT_EQ(library_.CreateBurstComposite(pair, 2), nullptr);
}

}  // namespace
