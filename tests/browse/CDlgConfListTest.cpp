#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>
#include <array>

#include "browse/CDlgProgMsg.h"
#include "platform/win/Controls.h"
#include "platform/win/IconCtrl.h"
#include "platform/win/SystemMetrics.h"
#include "resources/DialogTemplates.h"
#include "tests/browse/ConfListFixture.h"
#include "tests/images/TestPictures.h"

namespace {

using Rect = std::array<LONG, 4>;
Rect R(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

std::string TextOf(CWnd* window) {
  return window != nullptr ? cp932::ToUtf8Lossy(window->GetWindowText()) : "(none)";
}

void PressEnterIn(CListCtrl& list) {
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(QtBridge::WidgetOf(&list)->findChild<QTableView*>(), &enter);
}

struct ModeCase {
  int32_t mode;
  const char* title;
  UINT icon;
  const char* text;
  const char* first;
  const char* second;  // null: the second button is hidden
  intptr_t byEnter;    // the default button's answer
};

const ModeCase kModeCases[] = {
    {0, "追加される写真の確認", IDI_INFORMATION, "以下2枚の写真が追加されます。", "OK", nullptr, 1},
    {1, "削除する写真の確認", IDI_EXCLAMATION,
     "以下2枚の写真を削除しますか？\r\n【注意】削除された写真は元に戻せません。", "はい", "いいえ",
     2},
    {2, "お気に入りを解除する写真の確認", IDI_INFORMATION,
     "以下2枚の写真をお気に入りからはずしますか？\r\n", "はい", "いいえ", 2},
    {3, "送信できない写真の確認", IDI_EXCLAMATION,
     "以下2枚の写真は、ファイルサイズが大きいため、ケータイへ送ることができません。", "OK", "ｷｬﾝｾﾙ",
     1},
};

class ConfListModes : public ConfListFixture, public testing::WithParamInterface<ModeCase> {};

class ConfList : public ConfListFixture {};

}  // namespace

TEST_P(ConfListModes, ShowTheirTextsRowsAndButtonsCentredOnTheMainWindowAndEnterAnswers) {
  const ModeCase& c = GetParam();
  CWnd frame;
  ASSERT_TRUE(frame.Create("frame", WS_CHILD, RECT{40, 30, 600, 430}, &suite_.host));
  TheApp().SetMainWindow(&frame);
  CDlgConfList dialog(&suite_.host);
  ASSERT_TRUE(dialog.SetMode(c.mode));
  dialog.AddItem(Photo("IMG_0001.JPG", "海.jpg", 2024, 5, 7));
  dialog.AddItem(Photo("IMG_0002.JPG", "山.jpg", 1999, 12, 31));
  const intptr_t result = Run(dialog, [&](CDlgConfList& d) {
    EXPECT_EQ(TextOf(&d), c.title);
    EXPECT_EQ(Child<CIconCtrl>(d, res::kControlConfIcon)->standardIcon(), c.icon);
    EXPECT_EQ(TextOf(Child<CStatic>(d, res::kControlConfText)), c.text);
    EXPECT_EQ(TextOf(Child<CButton>(d, IDOK)), c.first);
    CButton* second = Child<CButton>(d, IDCANCEL);
    EXPECT_EQ(QtBridge::WidgetOf(second)->isHidden(), c.second == nullptr);
    if (c.second != nullptr) {
      EXPECT_EQ(TextOf(second), c.second);
    }
    // A photo to be added is named by its source name, the others by their file name.
    const std::vector<std::string> names =
        c.mode == 0 ? std::vector<std::string>{"海.jpg", "山.jpg"}
                    : std::vector<std::string>{"IMG_0001.JPG", "IMG_0002.JPG"};
    EXPECT_EQ(Column(d, 0), names);
    EXPECT_EQ(Column(d, 1), (std::vector<std::string>{"2024.05.07", "1999.12.31"}));
    EXPECT_EQ(d.list()->GetFocusedItem(), 0);
    EXPECT_TRUE(d.list()->IsItemSelected(0));
    // One button stands in the middle; two stand where the layout puts them.
    EXPECT_EQ(R(d.GetClientRect()), (Rect{0, 0, 468, 250}));
    const Rect first = c.second == nullptr ? Rect{191, 220, 276, 242} : Rect{99, 220, 184, 242};
    EXPECT_EQ(R(Child<CWnd>(d, IDOK)->GetWindowRect()), first);
    EXPECT_EQ(QtBridge::WidgetOf(&d)->geometry().topLeft() + QPoint(234, 125),
              QtBridge::WidgetOf(&frame)->mapToGlobal(QPoint(280, 200)));
    d.list()->ClickColumn(1);
    Picture(d, ("conflist-mode" + std::to_string(c.mode)).c_str());
    PressEnterIn(*d.list());
  });
  EXPECT_EQ(result, c.byEnter);
  EXPECT_EQ(suite_.Entries(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ConfListModes, testing::ValuesIn(kModeCases));

TEST_F(ConfList, TheFirstButtonAnswersOneAndClosingAnswersTwo) {
  CDlgConfList dialog(&suite_.host);
  dialog.SetMode(CDlgConfList::kModeDelete);
  dialog.AddItem(Photo("a.jpg"));
  EXPECT_EQ(Run(dialog, [](CDlgConfList& d) { Child<CButton>(d, IDOK)->Click(); }), 1);
  EXPECT_EQ(Run(dialog, [](CDlgConfList& d) { d.SendMessage(WM_CLOSE); }), 2);
}

TEST_F(ConfList, WithNoPhotosAddingSaysSoAndTheOtherModesBeepWithoutADialog) {
  int shown = 0;
  win::SetDialogResponder([&](CDialog&) -> intptr_t { return ++shown; });
  CDlgConfList dialog(&suite_.host);
  EXPECT_FALSE(dialog.SetMode(4));
  EXPECT_FALSE(dialog.SetMode(-1));
  EXPECT_EQ(dialog.mode(), CDlgConfList::kModeAdd);
  for (int32_t mode : {0, 1, 2, 3}) {
    SCOPED_TRACE(mode);
    ASSERT_TRUE(dialog.SetMode(mode));
    boxes_.clear();
    const int beeps = win::BeepCountForTest();
    const intptr_t result = dialog.DoModal();
    if (mode == CDlgConfList::kModeAdd) {
      EXPECT_EQ(result, 1);
      ASSERT_EQ(boxes_.size(), 1u);
      EXPECT_EQ(boxes_[0].text, "アルバムに追加される写真はありません。");
      EXPECT_EQ(boxes_[0].type, MB_OK | MB_ICONINFORMATION);
      EXPECT_EQ(win::BeepCountForTest(), beeps);
    } else {
      EXPECT_EQ(result, 2);
      EXPECT_TRUE(boxes_.empty());
      EXPECT_EQ(win::BeepCountForTest(), beeps + 1);
    }
  }
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(suite_.Entries(), 0);
}

TEST_F(ConfList, TheNameColumnTakesTheListsWidthLessAScrollBarAndTheDateColumn) {
  CDlgConfList dialog(&suite_.host);
  dialog.AddItem(Photo("a.jpg"));
  Run(dialog, [](CDlgConfList& d) {
    CListCtrl& list = *d.list();
    ASSERT_EQ(list.GetColumnCount(), 2);
    EXPECT_EQ(cp932::ToUtf8Lossy(list.GetColumnHeading(0)), "写真名");
    EXPECT_EQ(cp932::ToUtf8Lossy(list.GetColumnHeading(1)), "年.月.日");
    const RECT client = list.GetClientRect();
    EXPECT_EQ(list.GetColumnWidth(0), client.right - GetSystemMetrics(SM_CXVSCROLL) - 77);
    EXPECT_EQ(list.GetColumnWidth(1), 75);
    EXPECT_LE(list.GetColumnWidth(0) + 75, 280);
  });
}

TEST_F(ConfList, HeaderClicksSortAndTheLastColumnAndDirectionOutliveTheDialog) {
  CImageItem* b = Photo("b.jpg", "", 2023, 1, 1, 9);
  CImageItem* c = Photo("c.jpg", "", 2024, 5, 7, 8);
  CImageItem* a = Photo("a.jpg", "", 2024, 5, 7, 10);
  CDlgConfList first(&suite_.host);
  first.SetMode(CDlgConfList::kModeDelete);
  for (CImageItem* item : {c, a, b}) first.AddItem(item);
  Run(first, [](CDlgConfList& d) {
    CListCtrl& list = *d.list();
    list.ClickColumn(0);  // whatever came before, the date column is now another column
    list.ClickColumn(1);
    EXPECT_EQ(Column(d, 0), (std::vector<std::string>{"b.jpg", "c.jpg", "a.jpg"}));
    EXPECT_EQ(list.sortArrowColumn(), 1);
    EXPECT_TRUE(list.sortArrowAscending());
    list.ClickColumn(1);
    EXPECT_EQ(Column(d, 0), (std::vector<std::string>{"a.jpg", "c.jpg", "b.jpg"}));
    EXPECT_FALSE(list.sortArrowAscending());
  });
  // Photos that cannot be sent sort like the others.
  CDlgConfList next(&suite_.host);
  next.SetMode(CDlgConfList::kModeCannotSend);
  for (CImageItem* item : {c, a, b}) next.AddItem(item);
  Run(next, [](CDlgConfList& d) {
    CListCtrl& list = *d.list();
    EXPECT_EQ(list.sortArrowColumn(), -1);
    list.ClickColumn(1);
    EXPECT_EQ(Column(d, 0), (std::vector<std::string>{"b.jpg", "c.jpg", "a.jpg"}));
    EXPECT_TRUE(list.sortArrowAscending());
    list.ClickColumn(0);
    EXPECT_EQ(Column(d, 0), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(list.sortArrowColumn(), 0);
  });
}

TEST_F(ConfList, ThreeHundredPhotosMoveTheProgressBarAt128And256And300) {
  std::vector<int> positions;
  CDlgProgMsg::SetPositionProbeForTest([&](int position) { positions.push_back(position); });
  CDlgConfList dialog(&suite_.host);
  for (int i = 0; i < 300; ++i) dialog.AddItem(Photo("p" + std::to_string(i) + ".jpg"));
  Run(dialog, [](CDlgConfList& d) { EXPECT_EQ(d.list()->GetItemCount(), 300); });
  CDlgProgMsg::SetPositionProbeForTest(nullptr);
  EXPECT_EQ(positions, (std::vector<int>{128, 256, 300}));
}

TEST_F(ConfList, TheFocusedRowsPhotoIsPaintedBesideTheList) {
  ASSERT_TRUE(
      testpictures::Write(testpictures::Solid(320, 240, Qt::red), temp_.file("red.png"), "PNG"));
  ASSERT_TRUE(
      testpictures::Write(testpictures::Solid(320, 240, Qt::blue), temp_.file("blue.png"), "PNG"));
  CDlgConfList dialog(&suite_.host);
  dialog.SetMode(CDlgConfList::kModeDelete);
  dialog.AddItem(Photo("red.png"));
  dialog.AddItem(Photo("blue.png"));
  const RECT& r = CDlgConfList::kThumbnailRect;
  const QPoint middle((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Run(dialog, [&](CDlgConfList& d) {
    EXPECT_EQ(Picture(d, "conflist-delete").pixelColor(middle), QColor(Qt::red));
    d.list()->SelectItem(1);
    EXPECT_EQ(Picture(d, "conflist-delete-second").pixelColor(middle), QColor(Qt::blue));
  });
}
