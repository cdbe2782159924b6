// The byte budget: its size, the order of eviction and that it is never exceeded.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "images/CLBitmap.h"
#include "images/CLBmpCashList.h"
#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

class BitmapCache : public testing::Test {
 protected:
  void SetUp() override {
    cache_.Clear();
    savedBudget_ = cache_.budget();
    path_ = temp_.file("p.jpg");
    testpictures::Write(testpictures::Photo(400, 300), path_, "JPEG");
  }
  void TearDown() override {
    cache_.Clear();
    cache_.SetBudget(savedBudget_);
  }

  CLBmpCashList& cache_ = CLBmpCashList::Instance();
  uint32_t savedBudget_ = 0;
  TempDir temp_;
  std::string path_;
  AdjustmentRecord none_{};
};

TEST(BitmapCacheBudget, IsAnEighthOfPhysicalMemoryWithinOneAndSixtyFourMebibytes) {
  EXPECT_EQ(CLBmpCashList::BudgetForMemory(0), 1u << 20);
  EXPECT_EQ(CLBmpCashList::BudgetForMemory(4u << 20), 1u << 20);
  EXPECT_EQ(CLBmpCashList::BudgetForMemory(256u << 20), 32u << 20);
  EXPECT_EQ(CLBmpCashList::BudgetForMemory(uint64_t{16} << 30), 64u << 20);
  const uint32_t live = CLBmpCashList::Instance().budget();
  EXPECT_GE(live, 1u << 20);
  EXPECT_LE(live, 64u << 20);
}

TEST_F(BitmapCache, ChargesThreeBytesAPixelOfTheBitmapSize) {
  CLBitmap b;
  ASSERT_EQ(b.Load(path_, 100, 100, &none_, false), 1);
  EXPECT_EQ(b.cacheCost(), 100u * 75u * 3u);
  EXPECT_EQ(cache_.bytesInUse(), b.cacheCost());
  b.Free(false);
  EXPECT_EQ(cache_.bytesInUse(), 0u);
  EXPECT_FALSE(cache_.Contains(&b));
}

TEST_F(BitmapCache, LoadsWithoutAdjustmentsStayOutOfTheCache) {
  CLBitmap b;
  ASSERT_EQ(b.Load(path_, 100, 100, nullptr, false), 1);
  EXPECT_TRUE(b.HasPixels());
  EXPECT_FALSE(cache_.Contains(&b));
}

TEST_F(BitmapCache, FullBudgetFreesTheEarliestLoadedEvenAfterItWasHit) {
  cache_.SetBudget(3 * 100 * 75 * 3);
  CLBitmap a, b, c, d;
  ASSERT_EQ(a.Load(path_, 100, 100, &none_, false), 1);
  ASSERT_EQ(b.Load(path_, 100, 100, &none_, false), 1);
  ASSERT_EQ(c.Load(path_, 100, 100, &none_, false), 1);
  const uint64_t decodes = imaging::DecodeCountForTest();
  ASSERT_EQ(a.Load(path_, 100, 100, &none_, false), 1);  // a hit: the order stays
  EXPECT_EQ(imaging::DecodeCountForTest(), decodes);
  ASSERT_EQ(d.Load(path_, 100, 100, &none_, false), 1);
  EXPECT_FALSE(a.HasPixels());
  EXPECT_FALSE(a.IsValid());
  EXPECT_TRUE(b.HasPixels());
  EXPECT_TRUE(c.HasPixels());
  EXPECT_TRUE(d.HasPixels());
  EXPECT_EQ(cache_.head(), &b);
}

TEST_F(BitmapCache, BytesInUseNeverExceedTheBudget) {
  cache_.SetBudget(1u << 20);
  std::vector<std::unique_ptr<CLBitmap>> bitmaps;
  for (int i = 0; i < 40; ++i) {
    bitmaps.push_back(std::make_unique<CLBitmap>());
    const int side = 60 + (i * 37) % 400;
    ASSERT_EQ(bitmaps.back()->Load(path_, side, side, &none_, i % 3 == 0), 1);
    EXPECT_LE(cache_.bytesInUse(), cache_.budget()) << "after load " << i;
  }
  bitmaps.clear();
  EXPECT_EQ(cache_.bytesInUse(), 0u);
  EXPECT_EQ(cache_.count(), 0u);
}

TEST_F(BitmapCache, APictureAboveTheWholeBudgetIsListedAtTheBudgetAndGoesFirst) {
  cache_.SetBudget(100000);
  CLBitmap big, small;
  ASSERT_EQ(big.Load(path_, 0, 0, &none_, false), 1);
  EXPECT_EQ(cache_.bytesInUse(), cache_.budget());
  ASSERT_EQ(small.Load(path_, 40, 40, &none_, false), 1);
  EXPECT_FALSE(big.HasPixels());
  EXPECT_LE(cache_.bytesInUse(), cache_.budget());
}

TEST_F(BitmapCache, UsableWhenASideMatchesOrCoversOrTheWholeFileIsHeld) {
  CLBitmap b;
  ASSERT_EQ(b.Load(path_, 200, 200, &none_, false), 1);  // 200 x 150
  EXPECT_TRUE(cache_.IsUsable(&b, 200, 999));
  EXPECT_TRUE(cache_.IsUsable(&b, 120, 120));
  EXPECT_TRUE(cache_.IsUsable(&b, 999, 150));
  EXPECT_FALSE(cache_.IsUsable(&b, 300, 300));
  CLBitmap whole;
  ASSERT_EQ(whole.Load(path_, 0, 0, &none_, false), 1);
  EXPECT_TRUE(cache_.IsUsable(&whole, 4000, 3000));
  CLBitmap unlisted;
  EXPECT_FALSE(cache_.IsUsable(&unlisted, 1, 1));
}

}  // namespace
