#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <cstring>

#include "platform/text/LocaleCompare.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/IconCtrl.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/ProgressCtrl.h"
#include "platform/win/QtBridge.h"
#include "platform/win/WindowFont.h"

namespace {

// The parent of a list: answers text requests with "row/column/value" and records the
// notifications and commands that reach it.
class ListParent : public CWnd {
 public:
  std::vector<std::pair<int, int>> asked;
  std::vector<int> clickedColumns;
  std::vector<NMLISTVIEW> changes;
  std::vector<WORD> commands;
  LRESULT defaultId = 0;

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == WM_NOTIFY) {
      Notified(reinterpret_cast<NMHDR*>(l));
      return 0;
    }
    if (message == DM_GETDEFID) return defaultId;
    if (message == WM_COMMAND) commands.push_back(LOWORD(w));
    return CWnd::WindowProc(message, w, l);
  }

 private:
  void Notified(NMHDR* header) {
    if (header->code == LVN_GETDISPINFO) {
      auto* info = static_cast<NMLVDISPINFO*>(header);
      asked.emplace_back(info->iItem, info->iSubItem);
      info->text = std::to_string(info->iItem) + "/" + std::to_string(info->iSubItem) + "/" +
                   std::to_string(info->lParam);
    } else if (header->code == LVN_COLUMNCLICK) {
      clickedColumns.push_back(static_cast<NMLISTVIEW*>(header)->iSubItem);
    } else if (header->code == LVN_ITEMCHANGED) {
      changes.push_back(*static_cast<NMLISTVIEW*>(header));
    }
  }
};

class ListControl : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent_.Create("parent", 0, RECT{0, 0, 400, 300}, nullptr));
    ASSERT_TRUE(list_.Create("", WS_CHILD | WS_VISIBLE, RECT{8, 8, 288, 172}, &parent_, 1024));
    list_.InsertColumn(0, "name", 120);
    list_.InsertColumn(1, "date", 75);
  }
  void Fill(std::initializer_list<LPARAM> values) {
    for (LPARAM v : values) list_.InsertItem(list_.GetItemCount(), v);
  }
  QTableView* View() { return QtBridge::WidgetOf(&list_)->findChild<QTableView*>(); }

  ListParent parent_;
  CListCtrl list_;
};

}  // namespace

TEST_F(ListControl, KeepsColumnsAndAsksItsParentForEveryCellText) {
  EXPECT_EQ(list_.InsertColumn(-1, "x", 10), -1);
  EXPECT_EQ(list_.GetColumnCount(), 2);
  EXPECT_EQ(list_.GetColumnWidth(5), 0);

  Fill({7, 9});
  EXPECT_EQ(list_.InsertItem(0, 5), 0);
  EXPECT_EQ(list_.GetItemData(0), 5);
  EXPECT_EQ(list_.GetItemText(2, 1), "2/1/9");
  EXPECT_EQ(parent_.asked.back(), std::make_pair(2, 1));
  // The view shows what the parent says, asking as it goes.
  EXPECT_EQ(View()->model()->index(1, 0).data().toString().toStdString(), "1/0/7");
  EXPECT_EQ(list_.GetItemText(3, 0), "");
  EXPECT_EQ(list_.GetItemData(-1), 0);
  list_.DeleteAllItems();
  EXPECT_EQ(list_.GetItemCount(), 0);
}

TEST_F(ListControl, SortingIsStableAndKeepsFocusAndSelectionOnTheirRows) {
  Fill({30, 10, 20, 11, 31});
  ASSERT_TRUE(list_.SelectItem(2));  // the row of 20
  // By tens only: 10 and 11 tie, as do 30 and 31, and keep their order.
  ASSERT_TRUE(list_.SortItems([](LPARAM a, LPARAM b) { return int(a / 10) - int(b / 10); }));
  std::vector<LPARAM> order;
  for (int i = 0; i < list_.GetItemCount(); ++i) order.push_back(list_.GetItemData(i));
  EXPECT_EQ(order, (std::vector<LPARAM>{10, 11, 20, 30, 31}));
  EXPECT_EQ(list_.GetFocusedItem(), 2);
  EXPECT_TRUE(list_.IsItemSelected(2));
  EXPECT_FALSE(list_.IsItemSelected(0));
  EXPECT_FALSE(list_.SortItems(nullptr));
}

TEST_F(ListControl, SelectingARowTellsTheParentWhichStatesChanged) {
  Fill({1, 2});
  list_.SelectItem(0);
  parent_.changes.clear();
  list_.SelectItem(1);
  bool lostFocus = false;
  bool gainedBoth = false;
  for (const auto& c : parent_.changes) {
    if (c.iItem == 0 && (c.uOldState & LVIS_FOCUSED) && !(c.uNewState & LVIS_FOCUSED))
      lostFocus = true;
    if (c.iItem == 1 && c.uNewState == (LVIS_FOCUSED | LVIS_SELECTED) && c.lParam == 2)
      gainedBoth = true;
  }
  EXPECT_TRUE(lostFocus);
  EXPECT_TRUE(gainedBoth);
  EXPECT_EQ(list_.GetFocusedItem(), 1);
  EXPECT_FALSE(list_.SelectItem(2));
}

TEST_F(ListControl, AHeaderClickReachesTheParentAndTheArrowStaysAsTheParentSetIt) {
  list_.SetSortArrow(1, false);
  QHeaderView* header = View()->horizontalHeader();
  // A click as the toolkit delivers it: the header has already turned its arrow round.
  header->setSortIndicator(1, Qt::AscendingOrder);
  emit header->sectionClicked(1);
  EXPECT_EQ(parent_.clickedColumns, std::vector<int>{1});
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  EXPECT_TRUE(header->isSortIndicatorShown());

  list_.SetSortArrow(-1, true);
  EXPECT_FALSE(header->isSortIndicatorShown());
  list_.ClickColumn(7);
  EXPECT_EQ(parent_.clickedColumns.size(), 1u);
}

TEST_F(ListControl, EnterPressesTheDefaultButtonAndEscapeCancels) {
  parent_.defaultId = MAKELPARAM(IDCANCEL, DC_HASDEFID);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(View(), &enter);
  QCoreApplication::sendEvent(View(), &escape);
  // Without a default button Enter does nothing.
  parent_.defaultId = 0;
  QCoreApplication::sendEvent(View(), &enter);
  EXPECT_EQ(parent_.commands, (std::vector<WORD>{IDCANCEL, IDCANCEL}));
}

TEST(ProgressControl, HoldsItsPositionInsideTheRange) {
  CWnd parent;
  ASSERT_TRUE(parent.Create("p", 0, RECT{0, 0, 100, 50}, nullptr));
  CProgressCtrl bar;
  ASSERT_TRUE(bar.Create("", WS_CHILD, RECT{0, 0, 100, 20}, &parent, 1027));
  bar.SetRange(0, 300);
  EXPECT_EQ(bar.SetPos(128), 0);
  EXPECT_EQ(bar.SetPos(400), 128);
  EXPECT_EQ(bar.GetPos(), 300);
  bar.SetPos(-5);
  EXPECT_EQ(bar.GetPos(), 0);
  bar.SetRange(10, 2);  // an upper end below the lower is the lower
  EXPECT_EQ(bar.upper(), 10);
  EXPECT_EQ(bar.GetPos(), 10);
}

TEST(IconControl, ShowsOnlyTheStandardIcons) {
  CWnd parent;
  ASSERT_TRUE(parent.Create("p", 0, RECT{0, 0, 100, 50}, nullptr));
  CIconCtrl icon;
  ASSERT_TRUE(icon.Create("", WS_CHILD, RECT{8, 8, 40, 40}, &parent));
  EXPECT_TRUE(icon.SetStandardIcon(IDI_INFORMATION));
  EXPECT_EQ(icon.standardIcon(), IDI_ASTERISK);
  EXPECT_TRUE(icon.SetStandardIcon(IDI_EXCLAMATION));
  EXPECT_FALSE(icon.SetStandardIcon(12345));
  EXPECT_EQ(icon.standardIcon(), 0u);
}

TEST(WindowPlacement, CentresATopLevelWindowOnAChildOfAnother) {
  CWnd host;
  CWnd pane;
  CWnd dialog;
  ASSERT_TRUE(host.Create("host", 0, RECT{100, 50, 740, 530}, nullptr));
  ASSERT_TRUE(pane.Create("pane", WS_CHILD, RECT{200, 100, 600, 400}, &host));
  ASSERT_TRUE(dialog.Create("dialog", 0, RECT{0, 0, 468, 250}, &pane));
  ASSERT_TRUE(CenterWindow(&dialog, &pane));
  const QWidget* p = QtBridge::WidgetOf(&pane);
  const QRect placed = QtBridge::WidgetOf(&dialog)->geometry();
  EXPECT_EQ(placed.size(), QSize(468, 250));
  EXPECT_EQ(placed.topLeft() + QPoint(234, 125), p->mapToGlobal(QPoint(200, 150)));
  EXPECT_FALSE(CenterWindow(&dialog, nullptr));
}

TEST(WindowFont, ReachesTheChildrenAndRefusesWhatIsNoFont) {
  CWnd dialog;
  ASSERT_TRUE(dialog.Create("dialog", 0, RECT{0, 0, 200, 100}, nullptr));
  CListCtrl list;
  ASSERT_TRUE(list.Create("", WS_CHILD, RECT{0, 0, 100, 50}, &dialog));
  LOGFONTA record{};
  record.lfHeight = -12;
  std::strcpy(record.lfFaceName, "MS UI Gothic");
  const gdi::Owned<gdi::Font> font(CreateFontIndirectA(&record));
  EXPECT_TRUE(SetWindowFont(&dialog, font.get()));
  EXPECT_EQ(QtBridge::WidgetOf(&list)->font().family().toStdString(),
            gdi::ResolveFaceName("MS UI Gothic"));
  EXPECT_FALSE(SetWindowFont(&dialog, nullptr));
  EXPECT_FALSE(SetWindowFont(nullptr, font.get()));
}

TEST(LocaleCompare, OrdersTextsAndTakesBytesOutsideTheCodePage) {
  EXPECT_LT(cp932::LocaleCompare("a.jpg", "b.jpg"), 0);
  EXPECT_EQ(cp932::LocaleCompare(cp932::Lit("写真.jpg"), cp932::Lit("写真.jpg")), 0);
  // A lone lead byte is no character; the comparison still answers.
  EXPECT_NE(cp932::LocaleCompare("\x81", "a"), 0);
}
