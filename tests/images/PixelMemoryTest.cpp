// The album's pictures and the process's pixel memory: loads never take the process past
// its bound, and a load whose memory cannot be had is drawn as the type icon.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "images/CLBitmap.h"
#include "images/CLBmpCashList.h"
#include "platform/imaging/Imaging.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

// The bound lowered for the test, with the cache's budget sized from it as the real one is.
class PixelMemory : public testing::Test {
 protected:
  static constexpr size_t kBound = 40u << 20;

  void SetUp() override {
    cache_.Clear();
    savedBudget_ = cache_.budget();
    imaging::ReleaseBufferPool();
    imaging::SetPixelMemoryBoundForTest(kBound);
    cache_.SetBudget(static_cast<uint32_t>(kBound / 8));
    imaging::ResetPixelBytesPeakForTest();
  }
  void TearDown() override {
    imaging::FailNthAllocationForTest(0);
    cache_.Clear();
    cache_.SetBudget(savedBudget_);
    imaging::SetPixelMemoryBoundForTest(0);
    imaging::ReleaseBufferPool();
  }

  std::string Picture(int i, int width, int height, const char* format) {
    const std::string path = temp_.file("p" + std::to_string(i) + "." + format);
    testpictures::Write(testpictures::Solid(width, height, QColor(20 * i, 255 - 20 * i, 90)), path,
                        format);
    return path;
  }

  void ExpectWithinTheBound(const char* after) {
    EXPECT_LE(imaging::PixelBytesHeldForTest(), kBound) << after;
    EXPECT_LE(imaging::PixelBytesPeakForTest(), kBound) << after;
    EXPECT_LE(cache_.bytesInUse(), cache_.budget()) << after;
  }

  CLBmpCashList& cache_ = CLBmpCashList::Instance();
  uint32_t savedBudget_ = 0;
  TempDir temp_;
};

// Thumbnails and previews with adjustments come and go through the cache; pictures loaded
// whole without adjustments stay with their owners until the bound is reached, after
// which further ones are drawn as their icon instead of taking more memory.
TEST_F(PixelMemory, ManyLargePicturesWithAndWithoutAdjustmentsStayUnderTheBound) {
  AdjustmentRecord turned{};
  turned.rotation = 90;
  turned.brightness = 200;
  const AdjustmentRecord none{};
  std::vector<std::unique_ptr<CLBitmap>> kept;
  int icons = 0;
  for (int i = 0; i < 10; ++i) {
    const std::string path = Picture(i, 1600 + 40 * i, 1200, i % 2 ? "png" : "jpg");
    CLBitmap thumbnail, preview;
    ASSERT_EQ(thumbnail.Load(path, 160, 120, &turned, false), 1);
    ASSERT_EQ(preview.Load(path, 0, 0, &none, true), 1);
    ExpectWithinTheBound("adjusted loads");
    kept.push_back(std::make_unique<CLBitmap>());
    ASSERT_EQ(kept.back()->Load(path, 0, 0, nullptr, false), 1);
    if (!kept.back()->HasPixels()) ++icons;
    ExpectWithinTheBound("a whole picture kept by its owner");
  }
  EXPECT_GT(icons, 0) << "the bound was never reached";
  EXPECT_LT(icons, 10);
  kept.clear();
  cache_.Clear();
  imaging::ReleaseBufferPool();
  EXPECT_EQ(imaging::PixelBytesHeldForTest(), 0u);
}

TEST_F(PixelMemory, AFailedAllocationInALoadFallsBackToTheTypeIcon) {
  const std::string path = Picture(1, 800, 600, "jpg");
  const AdjustmentRecord none{};
  int icons = 0;
  for (int n = 1; n < 50; ++n) {
    imaging::ReleaseBufferPool();
    imaging::FailNthAllocationForTest(n);
    CLBitmap b;
    const int result = b.Load(path, 160, 120, &none, false);
    imaging::FailNthAllocationForTest(0);
    ASSERT_EQ(result, 1) << "allocation " << n;
    if (b.HasPixels()) break;
    EXPECT_GE(b.iconIndex(), 0) << "allocation " << n;
    EXPECT_EQ(b.displaySize().width, 32) << "allocation " << n;
    EXPECT_FALSE(cache_.Contains(&b)) << "allocation " << n;
    ++icons;
  }
  // The file's information, then the file, the scratch canvas and the pixels of the load.
  EXPECT_GE(icons, 3);
}

}  // namespace
