#include <gtest/gtest.h>

#include "library/CPhotoItem.h"
#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"
#include "tests/images/TestPictures.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

TEST(PhotoItem, DerivesFileNameAndTitleFromThePath) {
  CPhotoItem item;
  ASSERT_EQ(item.SetPath("/album/2024/5/IMG.0001.JPG", false), 1);
  EXPECT_EQ(item.fileName(), "IMG.0001.JPG");
  EXPECT_EQ(item.title(), "IMG.0001");
  ASSERT_EQ(item.SetPath("noslash", false), 1);
  EXPECT_EQ(item.fileName(), "noslash");
  EXPECT_EQ(item.title(), "noslash");
  ASSERT_EQ(item.SetPath("/album/folder/", false), 1);
  EXPECT_EQ(item.fileName(), "/album/folder/");
}

TEST(PhotoItem, RefusesAPathThatDoesNotFitItsField) {
  CPhotoItem item;
  ASSERT_EQ(item.SetPath("/a.jpg", false), 1);
  EXPECT_EQ(item.SetPath("/" + std::string(259, 'x'), false), 0);
  EXPECT_EQ(item.path(), "/a.jpg");
  EXPECT_EQ(item.SetPath("/" + std::string(258, 'x'), false), 1);
}

TEST(PhotoItem, CutsMemoAndSourceNameOnACharacterBoundary) {
  CPhotoItem item;
  const Cp932String kanji = cp932::Lit("写");  // two bytes
  Cp932String memo = "xy";
  for (int i = 0; i < 300; ++i) memo += kanji;
  item.SetMemo(memo);
  // 2 + 254 * 2 bytes fit; byte 511 would be the first half of the next character.
  EXPECT_EQ(item.memo().size(), 510u);
  EXPECT_EQ(item.memo().substr(508), kanji);
  item.SetSourceName(std::string(300, 's'));
  EXPECT_EQ(item.sourceName().size(), CPhotoItem::kMaxSourceNameBytes);
}

TEST(PhotoItem, SamePathInOtherCaseChangesNothingAndMovesNothing) {
  TempDir temp;
  const std::string path = temp.file("a.jpg");
  WriteBytes(path, "x");
  CPhotoItem item;
  ASSERT_EQ(item.SetPath(path, true), 1);
  EXPECT_EQ(item.SetPath(temp.file("A.JPG"), true), 1);
  EXPECT_EQ(item.path(), path);
  EXPECT_TRUE(fileio::IsFile(path));
}

TEST(PhotoItem, RenameMovesTheFileAndKeepsTheExtension) {
  TempDir temp;
  WriteBytes(temp.file("old.Jpg"), "x");
  CPhotoItem item;
  item.SetPath(temp.file("old.Jpg"), false);
  item.SetMemo("memo");
  ASSERT_EQ(item.Rename("new"), 1);
  EXPECT_EQ(item.path(), temp.file("new.Jpg"));
  EXPECT_EQ(item.title(), "new");
  EXPECT_EQ(item.memo(), "memo");
  EXPECT_TRUE(fileio::IsFile(temp.file("new.Jpg")));
  EXPECT_FALSE(fileio::Exists(temp.file("old.Jpg")));
}

TEST(PhotoItem, FailedRenameKeepsTheRecordAndTheFiles) {
  TempDir temp;
  WriteBytes(temp.file("a.jpg"), "a");
  WriteBytes(temp.file("b.jpg"), "b");
  CPhotoItem item;
  item.SetPath(temp.file("a.jpg"), false);
  EXPECT_EQ(item.Rename("b"), 0);  // the name is taken
  EXPECT_EQ(item.path(), temp.file("a.jpg"));
  EXPECT_EQ(ReadBytes(temp.file("b.jpg")), "b");
  EXPECT_EQ(item.Rename("sub/c"), 0);
  EXPECT_EQ(item.Rename(""), 0);
  EXPECT_TRUE(fileio::IsFile(temp.file("a.jpg")));
}

TEST(PhotoItem, FileRecordRoundTripKeepsEveryStoredField) {
  PhotoFileRecord r = RecordFor("/album/x.jpg", 0x10004);
  std::strcpy(r.memo, "memo");
  r.size = 1234;
  r.favourites = 0x801;
  r.comboNumber = 77;
  r.reserved = 9;
  r.deleted = 1;
  AdjustmentRecord a;
  a.rotation = 90;
  a.mosaicDivisor = 4;
  CPhotoItem item;
  ASSERT_EQ(item.FromFileRecord(&r, &a), 1);
  EXPECT_EQ(item.sourceName(), "x.jpg");  // empty stored source name
  EXPECT_EQ(item.loaded(), 1);
  PhotoFileRecord back{};
  item.ToFileRecord(&back);
  std::strcpy(r.sourceName, "x.jpg");
  EXPECT_EQ(std::memcmp(&back, &r, sizeof r), 0);
  EXPECT_EQ(item.adjustments(), a);
  EXPECT_EQ(item.DateNumber(), 20240517);
  EXPECT_EQ(item.TimeNumber(), 93000);
}

TEST(PhotoItem, RecordWithoutFileNameWritesAnAllZeroFileRecord) {
  CPhotoItem item;
  item.SetFlags(4);
  item.SetMemo("m");
  PhotoFileRecord r;
  std::memset(&r, 0xAB, sizeof r);
  item.ToFileRecord(&r);
  const PhotoFileRecord zero{};
  EXPECT_EQ(std::memcmp(&r, &zero, sizeof r), 0);
}

TEST(PhotoItem, CopyFromLeavesFlagsTimeAndBurstGroup) {
  CPhotoItem from;
  from.SetPath("/a/b.jpg", false);
  from.SetFlags(4);
  from.SetDate(2020, 1, 2);
  from.SetTime(3, 4, 5);
  from.SetComboNumber(8);
  from.SetFavourites(3);
  CPhotoItem to;
  to.SetFlags(2);
  to.CopyFrom(from);
  EXPECT_EQ(to.path(), "/a/b.jpg");
  EXPECT_EQ(to.title(), "b");
  EXPECT_EQ(to.DateNumber(), 20200102);
  EXPECT_EQ(to.favourites(), 3u);
  EXPECT_EQ(to.flags(), 2u);
  EXPECT_EQ(to.hour(), CPhotoItem::kUnknown);
  EXPECT_EQ(to.comboNumber(), 0);
}

TEST(PhotoItem, IsPngOnlyForAFourCharacterPngExtension) {
  CPhotoItem item;
  item.SetPath("/a/b.PnG", false);
  EXPECT_TRUE(item.IsPng());
  item.SetPath("/a/b.pngx", false);
  EXPECT_FALSE(item.IsPng());
  item.SetPath("/a/png", false);
  EXPECT_FALSE(item.IsPng());
}

struct KindCase {
  const char* name;
  bool fromPhone;
  uint32_t code;
};

class PhotoKindCode : public testing::TestWithParam<KindCase> {};

TEST_P(PhotoKindCode, FollowsTheExtension) {
  EXPECT_EQ(PhotoKind::KindCodeFor(GetParam().name, GetParam().fromPhone), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Extensions, PhotoKindCode,
                         testing::Values(KindCase{"a.JPG", false, 4}, KindCase{"a.png", true, 4},
                                         KindCase{"a.3gp", false, 3}, KindCase{"a.3G2", true, 3},
                                         KindCase{"a.amc", false, 3}, KindCase{"a.jpeg", true, 1},
                                         KindCase{"a.jpeg", false, 0}, KindCase{"a", true, 1},
                                         KindCase{"a.txt", false, 0}));

struct PortraitCase {
  int width;
  int height;
  int16_t rotation;
  bool portrait;
};

void PrintTo(const PortraitCase& c, std::ostream* os) {
  *os << c.width << "x" << c.height << " turned " << c.rotation;
}

// Photos of three shapes, written once for the whole table.
class PhotoOrientation : public testing::TestWithParam<PortraitCase> {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempDir();
    for (const auto& [w, h] : {std::pair{640, 480}, std::pair{480, 640}, std::pair{500, 500}})
      ASSERT_TRUE(testpictures::Write(testpictures::Photo(w, h), Path(w, h), "JPG"));
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::string Path(int w, int h) {
    return folder_->file(std::to_string(w) + "x" + std::to_string(h) + ".jpg");
  }

  static inline TempDir* folder_ = nullptr;
};

TEST_P(PhotoOrientation, IsPortraitWhenNotWiderThanHighAfterItsRotation) {
  const PortraitCase& c = GetParam();
  CPhotoItem item;
  ASSERT_EQ(item.SetPath(Path(c.width, c.height), false), 1);
  item.adjustments().rotation = c.rotation;
  EXPECT_EQ(item.IsPortrait(), c.portrait);
}

// A square is not wider than high however it is turned.
INSTANTIATE_TEST_SUITE_P(
    Shapes, PhotoOrientation,
    testing::Values(PortraitCase{640, 480, 0, false}, PortraitCase{640, 480, 90, true},
                    PortraitCase{640, 480, 180, false}, PortraitCase{640, 480, 270, true},
                    PortraitCase{640, 480, -90, true}, PortraitCase{640, 480, 450, true},
                    PortraitCase{480, 640, 0, true}, PortraitCase{480, 640, 90, false},
                    PortraitCase{480, 640, 180, true}, PortraitCase{480, 640, 270, false},
                    PortraitCase{480, 640, -90, false}, PortraitCase{480, 640, 450, false},
                    PortraitCase{500, 500, 0, true}, PortraitCase{500, 500, 90, true},
                    PortraitCase{500, 500, 180, true}, PortraitCase{500, 500, 270, true},
                    PortraitCase{500, 500, -90, true}, PortraitCase{500, 500, 450, true}),
    [](const auto& info) {
      const PortraitCase& c = info.param;
      const std::string turn =
          c.rotation < 0 ? "Minus" + std::to_string(-c.rotation) : std::to_string(c.rotation);
      return std::to_string(c.width) + "x" + std::to_string(c.height) + "Turned" + turn;
    });

TEST(PhotoItem, AFileThatIsNoPictureIsNotPortrait) {
  TempDir dir;
  WriteBytes(dir.file("clip.3gp"), "not a picture");
  CPhotoItem item;
  ASSERT_EQ(item.SetPath(dir.file("clip.3gp"), false), 1);
  EXPECT_FALSE(item.IsPortrait());
  ASSERT_EQ(item.SetPath(dir.file("missing.jpg"), false), 1);
  EXPECT_FALSE(item.IsPortrait());
}

}  // namespace
