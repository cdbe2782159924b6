// The photo editor driven as a person would: sliders, rotation with and without Shift,
// reset, OK and cancel, and the edited values kept by the album through a save and a load.
#include <gtest/gtest.h>

#include "host/CMainFrame.h"
#include "images/CDlgImageEditer.h"
#include "platform/win/Menu.h"
#include "platform/win/SliderCtrl.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

// Stands in for the frame: counts the editor's notices.
class FrameRecorder : public CWnd {
 public:
  std::vector<LPARAM> adjusted;
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == CDlgImageEditer::kMsgAdjusted) adjusted.push_back(l);
    return CWnd::WindowProc(message, w, l);
  }
};

class ImageEditer : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    frame_.Create("frame", 0, RECT{0, 0, 100, 100}, nullptr);
    record_.SetPath(temp_.file("photo.jpg"), false);
    record_.SetFlags(4);
  }
  void TearDown() override {
    win::ClearKeyModifiersForTest();
    frame_.DestroyWindow();
    AlbumFixture::TearDown();
  }

  // Opens the editor on the record and lets the steps drive it; its end code.
  intptr_t Edit(const std::function<void(CDlgImageEditer&)>& steps) {
    win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
      steps(static_cast<CDlgImageEditer&>(dialog));
      return IDCANCEL;
    });
    CDlgImageEditer editor(&record_, nullptr, &frame_, nullptr);
    return editor.DoModal();
  }
  static void Drag(CDlgImageEditer& editor, UINT slider, int position) {
    editor.slider(slider)->Drag(position);
  }
  static void Press(CDlgImageEditer& editor, UINT id, bool shift = false) {
    win::SetKeyModifiersForTest(shift, false, false);
    editor.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    win::ClearKeyModifiersForTest();
  }

  FrameRecorder frame_;
  CPhotoItem record_;
};

TEST_F(ImageEditer, SlidersStoreAHundredTimesTheirPositionAndRotationTurnsByQuarters) {
  record_.adjustments().saturation = 250;
  record_.adjustments().hue = 120;
  std::vector<int> rotations;
  bool okAtOpen = true;
  const intptr_t result = Edit([&](CDlgImageEditer& editor) {
    EXPECT_EQ(editor.slider(res::kControlSaturation)->GetPos(), 2) << "250 opens at 2";
    okAtOpen = editor.CanApply();
    Drag(editor, res::kControlSaturation, -10);
    Drag(editor, res::kControlContrast, 3);
    Press(editor, res::kControlEditRotate, true);
    rotations.push_back(record_.adjustments().rotation);
    for (int i = 0; i < 4; ++i) {
      Press(editor, res::kControlEditRotate);
      rotations.push_back(record_.adjustments().rotation);
    }
    EXPECT_TRUE(editor.CanApply());
    Press(editor, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_FALSE(okAtOpen) << "nothing to apply before a change";
  EXPECT_EQ(int(record_.adjustments().saturation), -1000);
  EXPECT_EQ(int(record_.adjustments().contrast), 300);
  EXPECT_EQ(rotations, (std::vector<int>{270, 0, 90, 180, 270}));
  EXPECT_EQ(int(record_.adjustments().hue), 120) << "what the editor does not set stays";
  EXPECT_EQ(frame_.adjusted, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(&record_)}));
}

TEST_F(ImageEditer, ResetZeroesOnlyWhatTheEditorSetsAndCancelPutsTheOpeningValuesBack) {
  bool okAfterIdleReset = true;
  Edit([&](CDlgImageEditer& editor) {
    Press(editor, res::kControlEditReset);
    okAfterIdleReset = editor.CanApply();
    Press(editor, IDCANCEL);
  });
  EXPECT_FALSE(okAfterIdleReset) << "a reset with nothing to reset changes nothing";

  AdjustmentRecord opened;
  opened.rotation = 90;
  opened.brightness = -40;  // below a slider step: the slider shows 0
  opened.contrast = 700;
  opened.invert = 1;
  record_.adjustments() = opened;
  int sliderAfterReset = -1;
  Edit([&](CDlgImageEditer& editor) {
    Press(editor, res::kControlEditReset);
    sliderAfterReset = editor.slider(res::kControlContrast)->GetPos();
    EXPECT_EQ(int(record_.adjustments().brightness), 0);
    EXPECT_EQ(int(record_.adjustments().rotation), 0);
    EXPECT_EQ(int(record_.adjustments().invert), 1);
    Drag(editor, res::kControlBrightness, 5);
    Press(editor, res::kControlEditRotate);
    Press(editor, IDCANCEL);
  });
  EXPECT_EQ(sliderAfterReset, 0);
  EXPECT_EQ(record_.adjustments(), opened) << "cancel restores the exact earlier values";
  EXPECT_TRUE(frame_.adjusted.empty());
}

TEST(ImageEditerPicture, FitsABoxOfAtMost180CentredAcrossAndEightBelowTheMiddle) {
  const RECT area{0, 0, 360, 208};
  const RECT landscape = CDlgImageEditer::PictureRect(area, 400, 300);
  EXPECT_EQ(landscape.left, 90);
  EXPECT_EQ(landscape.right - landscape.left, 180);
  EXPECT_EQ(landscape.bottom - landscape.top, 135);
  EXPECT_EQ(landscape.top, (208 - 135) / 2 + 8);
  const RECT portrait = CDlgImageEditer::PictureRect(RECT{0, 0, 360, 100}, 300, 400);
  EXPECT_EQ(portrait.bottom - portrait.top, 100) << "a low area limits the height";
  EXPECT_EQ(portrait.right - portrait.left, 75);
}

}  // namespace
