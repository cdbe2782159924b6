// The preview: its stepping, zoom and layout rules, its settings as stored and as the
// settings dialog takes them, and the slide show driven through its timer.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "images/CImageItems.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/QtBridge.h"
#include "resources/DialogTemplates.h"
#include "slideshow/CDlgImagePreview.h"
#include "slideshow/CDlgImagePreviewSetting.h"
#include "tests/images/TestPictures.h"
#include "tests/support/AlbumFixture.h"

namespace {

TEST(PreviewRules, StepWrapsBothWaysAndPreviousFromTheFirstPageGoesToTheLastPage) {
  EXPECT_EQ(preview::PreviousIndex(0, 20, 9), 18);
  EXPECT_EQ(preview::PreviousIndex(5, 20, 9), 0);
  EXPECT_EQ(preview::PreviousIndex(18, 20, 9), 9);
  EXPECT_EQ(preview::PreviousIndex(0, 3, 1), 2);
  EXPECT_EQ(preview::NextIndex(18, 20, 9), 0);
  EXPECT_EQ(preview::NextIndex(9, 20, 9), 18);
  EXPECT_EQ(preview::NextIndex(2, 3, 1), 0);
}

TEST(PreviewRules, ZoomStepsBetweenFiftyAndThreeHundredAndStopsAtTheEnds) {
  std::vector<int> in{100};
  while (preview::ZoomIn(in.back()) > 0) in.push_back(preview::ZoomIn(in.back()));
  EXPECT_EQ(in, (std::vector<int>{100, 150, 300}));
  std::vector<int> out{300};
  while (preview::ZoomOut(out.back()) > 0) out.push_back(preview::ZoomOut(out.back()));
  EXPECT_EQ(out, (std::vector<int>{300, 150, 100, 75, 50}));
  EXPECT_EQ(preview::ZoomIn(60), 75);
}

TEST(PreviewRules, CellsShareTheAreaWithOnePixelLinesAndLeftoversToTheFirst) {
  const RECT area{0, 0, 302, 101};
  const RECT first = preview::CellRect(area, 6, 0), second = preview::CellRect(area, 6, 1),
             last = preview::CellRect(area, 6, 5);
  EXPECT_EQ(first.right - first.left, 100);  // 300 usable: 100 each
  EXPECT_EQ(second.left, 101);
  EXPECT_EQ(first.bottom - first.top, 50);  // 100 usable: 50 each
  EXPECT_EQ(last.top, 51);
  EXPECT_EQ(last.right, 302);
  const RECT nine = preview::CellRect(RECT{0, 0, 100, 100}, 9, 0);
  EXPECT_EQ(nine.right, 33);  // 98 usable: 33, 33, 32
  EXPECT_EQ(preview::LayoutCount(3), 2);
  EXPECT_EQ(preview::LayoutCount(12), 9);
}

class Preview : public AlbumFixture, public win::TimerSource {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    PreviewSettings{}.Write();  // the registry folder outlives a test
    win::SetTimerSourceForTest(this);
  }
  void TearDown() override {
    win::SetTimerSourceForTest(nullptr);
    AlbumFixture::TearDown();
  }
  void Start(HWND, uintptr_t id, UINT) override { running_.push_back(id); }
  void Stop(HWND, uintptr_t id) override { std::erase(running_, id); }
  bool Running(uintptr_t id) const {
    return std::find(running_.begin(), running_.end(), id) != running_.end();
  }

  void MakeSet(int n) {
    for (int i = 0; i < n; ++i) {
      auto& record = records_.emplace_back(std::make_unique<CPhotoItem>());
      record->SetPath(temp_.file("p" + std::to_string(i) + ".jpg"), false);
      record->SetFlags(4);
      set_.AddRecord(record.get());
    }
  }
  // Runs the preview with the settings stored, hands it to the test, and closes it.
  void Run(const std::function<void(CDlgImagePreview&)>& drive) {
    win::SetDialogResponder([&](CDialog& d) {
      drive(dynamic_cast<CDlgImagePreview&>(d));
      return IDCANCEL;
    });
    CDlgImagePreview dialog(&set_, nullptr);
    dialog.DoModal();
    win::SetDialogResponder(nullptr);
  }
  void Store(const char* name, int value) { TheApp().WriteInt("PreviewInfo", name, value); }

  std::vector<uintptr_t> running_;
  std::vector<std::unique_ptr<CPhotoItem>> records_;
  CImageItems set_{true};
};

TEST_F(Preview, StoredSettingsAreClampedOrReplacedAndWrittenBackOnClose) {
  Store("SlideTick", 5);
  Store("SlideLoop", 7);
  Store("ViewCount", 12);
  Store("ImgSizeAuto", 5);
  Store("ImgDrawEffct", 1234);
  PreviewSettings read = PreviewSettings::Read();
  EXPECT_EQ(read.slideTick, 100);
  EXPECT_FALSE(read.loop);
  EXPECT_EQ(read.viewCount, 9);
  EXPECT_TRUE(read.sizeAuto);
  EXPECT_EQ(read.effect, 0);
  Store("ImgDrawEffct", 5246);
  EXPECT_EQ(PreviewSettings::Read().effect, 5246);
  MakeSet(1);
  Run([](CDlgImagePreview&) {});
  EXPECT_EQ(TheApp().ReadInt("PreviewInfo", "SlideTick", 0), 100);
  EXPECT_EQ(TheApp().ReadInt("PreviewInfo", "ViewCount", 0), 9);
}

TEST_F(Preview, NineOnAScreenStepByAScreenAndFillEmptyCellsWithNone) {
  Store("ViewCount", 9);
  Store("ViewSlide", 1);
  MakeSet(20);
  Run([&](CDlgImagePreview& p) {
    p.Previous();
    EXPECT_EQ(p.current(), 18);
    EXPECT_EQ(set_.focus(), 18);
    EXPECT_EQ(p.Cell(1)->item(), set_.At(19));
    EXPECT_EQ(p.Cell(2)->item(), nullptr);
    EXPECT_EQ(p.GetWindowText(), "p18, p19");
    p.Next();
    EXPECT_EQ(p.current(), 0);
  });
}

TEST_F(Preview, SlideShowForwardWithoutLoopShowsEachOnceAndStopsOnTheLast) {
  MakeSet(3);
  std::vector<int> shown;
  Run([&](CDlgImagePreview& p) {
    p.StartSlide();
    EXPECT_TRUE(Running(CDlgImagePreview::kSlideTimer));
    const int beeps = win::BeepCountForTest();
    p.StartSlide();  // already running
    EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
    for (int tick = 0; tick < 4; ++tick) {
      shown.push_back(p.current());
      p.SendMessage(WM_TIMER, CDlgImagePreview::kSlideTimer);
    }
    EXPECT_FALSE(p.sliding());
    EXPECT_FALSE(Running(CDlgImagePreview::kSlideTimer));
  });
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 2}));
}

TEST_F(Preview, SlideShowInReverseWithLoopGoesFromTheFirstToTheLastPage) {
  Store("SlideReverse", 1);
  Store("SlideLoop", 1);
  Store("ViewCount", 2);
  Store("ViewSlide", 1);
  MakeSet(5);
  Run([&](CDlgImagePreview& p) {
    p.StartSlide();
    p.SendMessage(WM_TIMER, CDlgImagePreview::kSlideTimer);
    EXPECT_EQ(p.current(), 4);
    EXPECT_TRUE(p.sliding());
    p.StopSlide();
    const int beeps = win::BeepCountForTest();
    p.StopSlide();
    EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
  });
}

TEST_F(Preview, ZoomWorksOnlyWithoutFittingAndBeepsPastThreeHundred) {
  MakeSet(1);
  Run([&](CDlgImagePreview& p) {
    const int beeps = win::BeepCountForTest();
    p.ZoomIn();
    EXPECT_EQ(p.zoom(), 100);
    EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
  });
  Store("ImgSizeAuto", 0);
  Run([&](CDlgImagePreview& p) {
    p.ZoomIn();
    p.ZoomIn();
    EXPECT_EQ(p.zoom(), 300);
    const int beeps = win::BeepCountForTest();
    p.ZoomIn();
    EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
    EXPECT_EQ(p.Cell(0)->zoom(), 300);
  });
}

TEST_F(Preview, ReadsTheNextAndPreviousPhotosAheadOnceEach) {
  MakeSet(4);
  Run([&](CDlgImagePreview& p) {
    EXPECT_TRUE(Running(CDlgImagePreview::kReadAheadTimer));
    EXPECT_EQ(p.pendingReadAhead(), 2);  // index 1, then index 3
    while (p.ReadAheadOne()) {
    }
    EXPECT_EQ(p.pendingReadAhead(), 0);
  });
}

TEST_F(Preview, APictureKeepsItsOwnSizeWhenTheThumbnailsDrawTheSameRecordInBetween) {
  MakeSet(1);
  ASSERT_TRUE(testpictures::Write(testpictures::Photo(640, 480), records_[0]->path(), "JPEG"));
  Store("ViewCount", 1);
  Run([&](CDlgImagePreview& p) {
    CCtrlImagePreview* cell = p.Cell(0);
    QWidget* widget = QtBridge::WidgetOf(cell);
    widget->grab();
    const RECT before = cell->PictureRect();
    ASSERT_GT(before.right - before.left, 160);
    // A thumbnail's draw of the same record, served from the picture the preview decoded.
    AdjustmentRecord own = records_[0]->adjustments();
    records_[0]->Load(records_[0]->path(), 160, 120, &own, false);
    widget->grab();
    const RECT after = cell->PictureRect();
    EXPECT_EQ(after.right - after.left, before.right - before.left);
  });
}

// The settings dialog on its own, answered by the test.
class PreviewSetting : public Preview {
 protected:
  int RunSetting(const std::function<void(CDlgImagePreviewSetting&)>& drive,
                 PreviewSettings* result) {
    win::SetDialogResponder([&](CDialog& d) {
      drive(dynamic_cast<CDlgImagePreviewSetting&>(d));
      return IDCANCEL;
    });
    CDlgImagePreviewSetting dialog(PreviewSettings{}, nullptr);
    const int answer = static_cast<int>(dialog.DoModal());
    *result = dialog.settings();
    win::SetDialogResponder(nullptr);
    return answer;
  }
};

TEST_F(PreviewSetting, RefusesAnIntervalOfZeroOrInFullWidthDigitsAndTakesTheRest) {
  PreviewSettings s;
  const int answer = RunSetting(
      [](CDlgImagePreviewSetting& d) {
        EXPECT_EQ(d.tickEdit()->GetText(), "5");
        for (const char* bad : {"0", "601"}) {
          d.tickEdit()->SetText(bad);
          d.SendMessage(WM_COMMAND, IDOK);
          EXPECT_FALSE(d.ended());
        }
        d.tickEdit()->SetText("25");
        d.Check(res::kControlSlideLoop)->Click();
        d.Combo(res::kControlViewCount)->SetCurSel(3);
        d.Combo(res::kControlDrawEffect)->SetCurSel(6);
        d.SendMessage(WM_COMMAND, IDOK);
      },
      &s);
  EXPECT_EQ(answer, IDOK);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "スライド間隔は半角数字で、1から600の範囲で入力してください。");
  EXPECT_EQ(s.slideTick, 2500);
  EXPECT_TRUE(s.loop);
  EXPECT_EQ(s.viewCount, 6);
  EXPECT_EQ(s.effect, 10000);
  // Full-width digits are refused as the user typed them (checked without the edit, whose
  // font fallback for them the toolkit would load).
  EXPECT_EQ(CDlgImagePreviewSetting::ParseTenths(cp932::Lit("１２")), -1);
  EXPECT_EQ(CDlgImagePreviewSetting::ParseTenths("600"), 600);
  EXPECT_EQ(CDlgImagePreviewSetting::ParseTenths("0"), -1);
}

}  // namespace
