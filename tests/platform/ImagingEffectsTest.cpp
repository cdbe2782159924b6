// Transition effects: each code ends with the whole picture shown, paced or at once.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/TransitionEffects.h"

namespace {

class TransitionEffect : public testing::TestWithParam<int> {
 protected:
  void TearDown() override { gdi::SetEffectDuration(360); }

  static bool ShowsOnlyThePicture(const CDC& dc) {
    for (int y = 0; y < dc.SurfaceHeight(); ++y)
      for (int x = 0; x < dc.SurfaceWidth(); ++x) {
        const bool inside = x >= 10 && x < 70 && y >= 5 && y < 45;
        if (dc.GetPixel(x, y) != (inside ? 0xFFFFFFu : 0u)) return false;
      }
    return true;
  }

  std::vector<uint32_t> white_ = std::vector<uint32_t>(16 * 8, 0xFFFFFFFFu);
  gdi::ImageView view_{reinterpret_cast<const uint8_t*>(white_.data()), 16, 8, 64, false};
};

TEST_P(TransitionEffect, EndsWithThePictureInTheRectangleOnly) {
  for (int duration : {0, 24}) {
    gdi::SetEffectDuration(duration);
    auto dc = CDC::CreateMemory(80, 50, 0x000000);
    gdi::PaintWithEffect(*dc, view_, RECT{10, 5, 70, 45}, GetParam());
    EXPECT_TRUE(ShowsOnlyThePicture(*dc)) << "effect " << GetParam() << " duration " << duration;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCode, TransitionEffect, testing::Range(0, gdi::kEffectCount + 1));

}  // namespace
