// Transition effects: each code ends with the whole picture shown, paced or at once.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/TransitionEffects.h"

namespace {

class TransitionEffect : public testing::TestWithParam<int> {
 protected:
  void TearDown() override { gdi::SetEffectDuration(400); }

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

namespace {

// The slide show's transitions over a memory bitmap: every frame is drawn into it, the
// first still shows much of the old picture, the last exactly the new one.
class SlideTransition : public testing::TestWithParam<int> {
 protected:
  void TearDown() override {
    gdi::SetEffectDuration(400);
    gdi::SetEffectFrameObserver(nullptr);
  }
  static int Matching(const CDC& dc, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 64; ++x) n += dc.GetPixel(x, y) == colour ? 1 : 0;
    return n;
  }
};

TEST_P(SlideTransition, DrawsEveryFrameIntoTheBitmapAndEndsOnTheNewPicture) {
  std::vector<uint32_t> red(64 * 40, 0xFFFF0000u);
  const gdi::ImageView picture{reinterpret_cast<const uint8_t*>(red.data()), 64, 40, 256, false};
  auto dc = CDC::CreateMemory(64, 40, 0x00FF00);  // green: the old picture
  std::vector<int> frames, redCounts;
  gdi::SetEffectFrameObserver([&](const CDC& d, int frame, int) {
    frames.push_back(frame);
    redCounts.push_back(Matching(d, 0x0000FF));
  });
  gdi::PaintWithEffect(*dc, picture, RECT{0, 0, 64, 40}, GetParam());
  ASSERT_EQ(static_cast<int>(frames.size()), gdi::EffectFrameCount());
  EXPECT_EQ(frames.back(), gdi::EffectFrameCount());
  EXPECT_LT(redCounts.front(), 64 * 40 / 2) << "the first frame shows mostly the old picture";
  EXPECT_EQ(redCounts.back(), 64 * 40);
  EXPECT_EQ(gdi::EffectFrameCount(), 25);  // 400 ms at the display's pace
}

TEST(SlideTransition, DissolveMixesTheTwoPicturesWithoutDippingToBlack) {
  std::vector<uint32_t> white(8 * 8, 0xFFFFFFFFu);
  std::vector<uint32_t> grey(8 * 8, 0xFFC0C0C0u);
  const gdi::ImageView before{reinterpret_cast<const uint8_t*>(grey.data()), 8, 8, 32, false};
  const gdi::ImageView after{reinterpret_cast<const uint8_t*>(white.data()), 8, 8, 32, false};
  auto dc = CDC::CreateMemory(8, 8);
  for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
    gdi::DrawEffectFrame(*dc, before, after, RECT{0, 0, 8, 8}, gdi::kEffectDissolve, t);
    EXPECT_GE(dc->GetPixel(4, 4) & 0xFF, 0xC0u) << "at " << t;
  }
  EXPECT_EQ(dc->GetPixel(4, 4), 0xFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(EachCode, SlideTransition,
                         testing::Values(gdi::kEffectWipeIn, gdi::kEffectDissolve, gdi::kEffectRoll,
                                         gdi::kEffectSlideOut, gdi::kEffectPush, gdi::kEffectDrip));

}  // namespace
