#include <gtest/gtest.h>

#include "library/PhotoKind.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

class PhotoManager : public LibraryFixture {};

TEST_F(PhotoManager, AddRecordSkipsMissingFilesSilentlyAndTakesTheFileSize) {
  EXPECT_EQ(library_.AddRecord(RecordFor(album_ + "/missing.jpg"), nullptr), nullptr);
  EXPECT_TRUE(boxes_.empty());
  PhotoFileRecord r = RecordFor(AlbumFile("a.jpg", "12345"));
  r.size = 999;
  CPhotoItem* item = library_.AddRecord(r, nullptr);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->size(), 5);
  EXPECT_EQ(library_.count(), 1);
}

TEST_F(PhotoManager, RefusesABurstCompositeWithoutBurstGroup) {
  PhotoFileRecord r = RecordFor(AlbumFile("c.jpg"), PhotoKind::kBurstComposite);
  EXPECT_EQ(library_.AddRecord(r, nullptr), nullptr);
  r.comboNumber = 3;
  EXPECT_NE(library_.AddRecord(r, nullptr), nullptr);
}

TEST_F(PhotoManager, TheTenThousandthRecordIsAddedAndTheNextRefusedWithTheMessage) {
  const PhotoFileRecord r = RecordFor(AlbumFile("same.jpg"));
  for (int i = 0; i < CPhotoManager::kMaxRecords; ++i)
    ASSERT_NE(library_.AddRecord(r, nullptr), nullptr) << i;
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(library_.AddRecord(r, nullptr), nullptr);
  EXPECT_EQ(library_.count(), CPhotoManager::kMaxRecords);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "これ以上、写真の追加はできません。");
  EXPECT_EQ(boxes_[0].type, 0x30u);
}

TEST_F(PhotoManager, RemovingTheCurrentPhotoClearsItAndCanDeleteTheFile) {
  CPhotoItem* a = AddPhoto("a.jpg");
  CPhotoItem* b = AddPhoto("b.jpg");
  library_.SetCurrentPhoto(a);
  library_.RemovePhoto(b, false);
  EXPECT_EQ(library_.currentPhoto(), a);
  EXPECT_TRUE(fileio::IsFile(album_ + "/b.jpg"));
  library_.RemovePhoto(a, true);
  EXPECT_EQ(library_.currentPhoto(), nullptr);
  EXPECT_FALSE(fileio::Exists(album_ + "/a.jpg"));
  EXPECT_EQ(library_.count(), 0);
  library_.RemoveAt(5, true);  // out of range: nothing happens
}

TEST_F(PhotoManager, RecountTalliesYearsMonthsFavouritesAndBurstGroups) {
  const std::string file = AlbumFile("p.jpg");
  library_.AddFile(4, file, 2023, 1, 1, 0, 0, 0, 0);
  library_.AddFile(4, file, 2024, 13, 1, 0, 0, 0, 0);  // month out of range
  library_.AddFile(2, file, 2023, 12, 1, 0, 0, 0, 0);
  library_.AddFile(PhotoKind::kBurstComposite, file, 2024, 2, 1, 0, 0, 0, 7);
  library_.AddFile(PhotoKind::kBurstComposite, file, 2024, 2, 1, 0, 0, 0, 7);
  library_.AddFile(1, file, 2022, 1, 1, 0, 0, 0, 0);  // neither photo nor movie
  library_.at(0)->SetFavourites(0x1 | 0x800 | 0x1000);
  library_.at(1)->SetFavourites(0x1);
  library_.at(2)->SetFavourites(0x2);
  library_.at(2)->SetDeleted(1);
  library_.Recount();

  const auto& years = library_.yearTallies().nodes;
  ASSERT_EQ(years.size(), 2u);
  // Records are visited from the last, so the first year met is the newest record's.
  EXPECT_EQ(years[0].year, 2024);
  EXPECT_EQ(years[0].total, 1u);
  EXPECT_EQ(years[0].months[0], 1u);
  EXPECT_EQ(years[1].year, 2023);
  EXPECT_EQ(years[1].months[1], 1u);
  EXPECT_EQ(library_.setAsideCount(), 1u);
  EXPECT_EQ(library_.favouriteCount(), 2u);
  EXPECT_EQ(library_.favouriteTally(1), 2u);
  EXPECT_EQ(library_.favouriteTally(12), 1u);
  EXPECT_EQ(library_.favouriteTally(2), 0u);
  ASSERT_EQ(library_.comboTallies().nodes.size(), 1u);
  EXPECT_EQ(library_.comboTallies().nodes[0].count, 2);
  EXPECT_EQ(library_.comboTallies().nodes[0].number, 7u);

  library_.at(1)->SetFavourites(0);
  library_.RecountFavourites();
  EXPECT_EQ(library_.favouriteCount(), 1u);
  EXPECT_EQ(library_.favouriteTally(1), 1u);
}

TEST(CounterYear, StopsCountingOnceTheTotalIsSaturated) {
  CCounterYear node;
  node.total = CCounterYear::kSaturated - 1;
  node.Count(3);
  node.Count(3);
  EXPECT_EQ(node.total, CCounterYear::kSaturated);
  EXPECT_EQ(node.months[3], 1u);
}

TEST_F(PhotoManager, NextFreeComboNumberSkipsTakenGroupsAndEndsAt9999) {
  const std::string file = AlbumFile("c.jpg");
  for (uint16_t n : {1, 2, 4, 9999})
    library_.AddFile(PhotoKind::kBurstComposite, file, 2024, 1, 1, 0, 0, 0, n);
  library_.Recount();
  EXPECT_EQ(library_.NextFreeComboNumber(1), 3);
  EXPECT_EQ(library_.NextFreeComboNumber(0), 3);
  EXPECT_EQ(library_.NextFreeComboNumber(4), 5);
  EXPECT_EQ(library_.NextFreeComboNumber(9999), 0);
  EXPECT_EQ(library_.NextFreeComboNumber(10000), 0);
}

TEST_F(PhotoManager, FavouriteNamesLiveInTheRegistryAndAreCut) {
  EXPECT_EQ(cp932::ToUtf8Lossy(library_.FavouriteName(3)), "お気に入り3");
  library_.SetFavouriteName(3, cp932::Lit("家族"));
  library_.SetFavouriteName(4, std::string(40, 'n'));
  library_.SetFavouriteName(13, "ignored");
  ASSERT_TRUE(library_.SaveFavouriteNames());
  CPhotoManager other;
  other.LoadFavouriteNames();
  EXPECT_EQ(other.FavouriteName(3), cp932::Lit("家族"));
  EXPECT_EQ(other.FavouriteName(4), std::string(32, 'n'));
  EXPECT_EQ(other.FavouriteName(13), "");
}

}  // namespace
