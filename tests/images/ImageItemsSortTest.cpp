// The orders of the item set: distinct keys in the order of their key, equal keys in their
// previous order, in both directions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "images/CImageItems.h"

namespace {

struct Photo {
  std::string title;
  uint16_t year, month, day, hour;
  int32_t size;
  std::string memo;
};

constexpr uint16_t kUnknown = CPhotoItem::kUnknown;
constexpr int32_t kDescending = static_cast<int32_t>(CImageItems::kSortDescending);

class ItemSort : public testing::Test {
 protected:
  void Fill(const std::vector<Photo>& photos) {
    for (const Photo& p : photos) {
      auto& r = records_.emplace_back(std::make_unique<CPhotoItem>());
      r->SetPath("/album/" + p.title + ".jpg", false);
      r->SetDate(p.year, p.month, p.day);
      r->SetTime(p.hour, p.hour == kUnknown ? kUnknown : 0, p.hour == kUnknown ? kUnknown : 0);
      r->SetSize(p.size);
      r->SetMemo(p.memo);
      set_.AddRecord(r.get());
    }
  }

  // The positions the records were added at, in the set's order.
  std::vector<int> Order() const {
    std::vector<int> order;
    for (const CImageItem* item : set_.items())
      for (size_t i = 0; i < records_.size(); ++i)
        if (records_[i].get() == item->record()) order.push_back(static_cast<int>(i));
    return order;
  }

  std::vector<int> SortedBy(int32_t value) {
    EXPECT_TRUE(set_.Sort(value));
    return Order();
  }

  std::vector<std::unique_ptr<CPhotoItem>> records_;
  CImageItems set_;
};

using Positions = std::vector<int>;

TEST_F(ItemSort, NamesIgnoreAsciiCaseButNeverFoldATrailByte) {
  // 0x83 0x61 and 0x83 0x41 are two katakana whose trail bytes look like "a" and "A".
  Fill({{"apple", 2024, 1, 1, 0, 1, ""},
        {"Banana", 2024, 1, 1, 0, 1, ""},
        {"APPLE", 2024, 1, 1, 0, 1, ""},
        {"\x83\x61", 2024, 1, 1, 0, 1, ""},
        {"_x", 2024, 1, 1, 0, 1, ""},
        {"\x83\x41", 2024, 1, 1, 0, 1, ""},
        {"banana", 2024, 1, 1, 0, 1, ""}});
  EXPECT_EQ(SortedBy(CImageItems::kSortName), (Positions{4, 0, 2, 1, 6, 5, 3}));
  EXPECT_EQ(SortedBy(CImageItems::kSortName | kDescending), (Positions{3, 5, 1, 6, 0, 2, 4}))
      << "equal names keep their previous order in descending too";
}

TEST_F(ItemSort, DatesComeEarliestFirstWithTimesBreakingTiesAndUnknownDatesLast) {
  Fill({{"a", 2024, 5, 1, 10, 1, ""},
        {"b", kUnknown, kUnknown, kUnknown, kUnknown, 1, ""},
        {"c", 2023, 12, 31, 23, 1, ""},
        {"d", 2024, 5, 1, 9, 1, ""},
        {"e", kUnknown, kUnknown, kUnknown, kUnknown, 1, ""}});
  EXPECT_EQ(SortedBy(CImageItems::kSortDate), (Positions{2, 3, 0, 1, 4}));
  EXPECT_EQ(SortedBy(CImageItems::kSortDate | kDescending), (Positions{1, 4, 0, 3, 2}))
      << "the opposite comparison puts unknown dates first";
}

TEST_F(ItemSort, SizesCompareAsUnsignedNumbers) {
  Fill({{"a", 2024, 1, 1, 0, 100, ""},
        {"b", 2024, 1, 1, 0, -1, ""},
        {"c", 2024, 1, 1, 0, 5, ""},
        {"d", 2024, 1, 1, 0, 100, ""}});
  EXPECT_EQ(SortedBy(CImageItems::kSortSize), (Positions{2, 0, 3, 1}));
  EXPECT_EQ(SortedBy(CImageItems::kSortSize | kDescending), (Positions{1, 0, 3, 2}));
}

TEST_F(ItemSort, MemosCompareLikeNamesAndEmptyMemosComeFirst) {
  Fill({{"a", 2024, 1, 1, 0, 1, "Sea"},
        {"b", 2024, 1, 1, 0, 1, ""},
        {"c", 2024, 1, 1, 0, 1, "beach"},
        {"d", 2024, 1, 1, 0, 1, "SEA"}});
  EXPECT_EQ(SortedBy(CImageItems::kSortMemo), (Positions{1, 2, 0, 3}));
  EXPECT_EQ(set_.sortValue(), CImageItems::kSortMemo);
}

TEST_F(ItemSort, AnUnknownKeyChangesNothingAndTheFocusFollowsItsItem) {
  Fill({{"b", 2024, 1, 1, 0, 1, ""}, {"a", 2024, 1, 1, 0, 1, ""}, {"c", 2024, 1, 1, 0, 1, ""}});
  set_.SetFocusIndex(0);
  EXPECT_FALSE(set_.Sort(5));
  EXPECT_FALSE(set_.Sort(0));
  EXPECT_EQ(Order(), (Positions{0, 1, 2}));
  EXPECT_EQ(set_.sortValue(), CImageItems::kSortDate);
  EXPECT_TRUE(set_.Sort(CImageItems::kSortName));
  EXPECT_EQ(set_.FocusedItem()->record(), records_[0].get());
  EXPECT_EQ(set_.focus(), 1);
}

}  // namespace
