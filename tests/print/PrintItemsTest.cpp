// The photos of the easy print layout: placing, carrying over pages, the ten-page limit,
// repaginating, swapping cells and the drawing order.
#include <gtest/gtest.h>

#include "library/PhotoFileRecord.h"
#include "library/PhotoKind.h"
#include "print/CPrintItems.h"

namespace {

std::unique_ptr<CPrintItem> Item() {
  return std::make_unique<CPrintItem>(nullptr);
}

std::vector<std::pair<int, int>> Places(const CPrintItems& items) {
  std::vector<std::pair<int, int>> places;
  for (int i = 0; i < items.count(); ++i) places.emplace_back(items.at(i)->page, items.at(i)->cell);
  return places;
}

TEST(PrintItems, FillPagesInOrderAndRepaginateForAnotherStyle) {
  CPrintItems items;
  for (int i = 0; i < 9; ++i) ASSERT_EQ(items.Add(Item(), 0, -1, 4), 1);
  EXPECT_EQ(items.PageCount(4), 3);
  EXPECT_EQ(items.at(8)->page, 2);
  EXPECT_EQ(items.at(8)->cell, 0);
  items.Repaginate(6);
  EXPECT_EQ(items.PageCount(6), 2);
  EXPECT_EQ(items.at(5)->page, 0);
  EXPECT_EQ(items.at(6)->page, 1);
  EXPECT_EQ(items.at(8)->cell, 2);

  // A cell past the page's end carries into the next page; an occupied cell is refused
  // unless replacing.
  EXPECT_EQ(items.Add(Item(), 1, 7, 6), 1);
  EXPECT_EQ(items.count(), 10);
  EXPECT_EQ(items.at(9)->page, 2);
  EXPECT_EQ(items.at(9)->cell, 1);
  EXPECT_EQ(items.Add(Item(), 0, 0, 6), 0);
  items.SetReplace(true);
  EXPECT_EQ(items.Add(Item(), 0, 0, 6), 1);
  EXPECT_EQ(items.count(), 10) << "the photo there was replaced";
}

TEST(PrintItems, KeepTenPagesAndHoldAtMost128) {
  CPrintItems items;
  for (int i = 0; i < 11; ++i) items.Add(Item(), 0, -1, 1);
  EXPECT_EQ(items.at(10)->page, 10);
  EXPECT_EQ(items.PageCount(1), 10) << "the eleventh photo is neither shown nor printed";
  items.Repaginate(1);
  EXPECT_EQ(items.at(10)->page, -1);
  EXPECT_TRUE(items.OnPage(10).empty());
  items.Repaginate(16);
  while (items.count() < CPrintItems::kMaxItems) ASSERT_EQ(items.Add(Item(), 0, -1, 16), 1);
  EXPECT_EQ(items.Add(Item(), 0, -1, 16), 0);
  EXPECT_EQ(items.FirstFreeSlot(0), -1);
  items.Clear();
  EXPECT_EQ(items.PageCount(16), -1);
  EXPECT_FALSE(items.AnyOnPages());
}

TEST(PrintItems, SwapCellsAndChangeTheDrawingOrder) {
  CPrintItems items;
  for (int i = 0; i < 3; ++i) items.Add(Item(), 0, -1, 4);
  CPrintItem* first = items.at(0);
  items.SwapCells(0, 0, 3, 4);
  EXPECT_EQ(first->cell, 3) << "onto an empty cell: moved";
  EXPECT_EQ(first->slot, 3);
  items.SwapCells(0, 3, 1, 4);
  EXPECT_EQ(Places(items), (std::vector<std::pair<int, int>>{{0, 1}, {0, 3}, {0, 2}}));

  CPrintItem* a = items.at(0);  // drawing orders 0, 1, 2
  CPrintItem* c = items.at(2);
  items.BringToFront(a);
  EXPECT_EQ(items.OnPage(0), (std::vector<CPrintItem*>{items.at(1), c, a}));
  items.SendToBack(c);
  EXPECT_EQ(items.OnPage(0), (std::vector<CPrintItem*>{c, items.at(1), a}));
  EXPECT_EQ(a->drawingOrder, 2);
  EXPECT_EQ(c->drawingOrder, 0);
}

}  // namespace

namespace {

TEST(PrintItems, InsertUsablePhotosFromACellAndCheckWhatCanBePrinted) {
  CPhotoItem still, movie, composite;
  PhotoFileRecord record{};
  record.flags = PhotoKind::kStill;
  still.FromFileRecord(&record, nullptr);
  record.flags = PhotoKind::kMovie;
  movie.FromFileRecord(&record, nullptr);
  record.flags = PhotoKind::kStill | PhotoKind::kBurstComposite;
  composite.FromFileRecord(&record, nullptr);

  CPrintItems items;
  EXPECT_EQ(items.Insert({&movie}, 0, -1, 4), CPrintItems::InsertResult::kNothingUsable);
  EXPECT_EQ(items.CheckRange(0, 0), CPrintItems::PrintCheck::kNoPhoto);
  EXPECT_EQ(items.Insert({&still, &movie, &composite}, 1, 2, 4),
            CPrintItems::InsertResult::kInserted);
  ASSERT_EQ(items.count(), 2) << "the movie is left out";
  EXPECT_EQ(items.at(1)->page, 1);
  EXPECT_EQ(items.at(1)->cell, 3) << "the next cell";
  EXPECT_EQ(items.CheckRange(1, 1), CPrintItems::PrintCheck::kPrintable);
  EXPECT_EQ(items.CheckRange(0, 0), CPrintItems::PrintCheck::kNoPhoto);
  EXPECT_EQ(items.CheckRange(0, 1), CPrintItems::PrintCheck::kEmptyPage);

  std::vector<CPhotoItem*> many(CPrintItems::kMaxItems, &still);
  EXPECT_EQ(items.Insert(many, 0, -1, 4), CPrintItems::InsertResult::kFull);
  EXPECT_EQ(items.count(), CPrintItems::kMaxItems) << "the ones before the limit stay";
}

}  // namespace
