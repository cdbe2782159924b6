#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <cstring>

#include "platform/gdi/CDC.h"
#include "platform/shell/ShellIcons.h"

#include "platform/text/LocaleCompare.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/IconCtrl.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
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
  std::vector<NMLVKEYDOWN> keys;
  std::vector<NMITEMACTIVATE> clicks;
  std::vector<NMITEMACTIVATE> doubleClicks;
  std::vector<NMLISTVIEW> drags;
  std::vector<std::pair<WPARAM, LPARAM>> contextMenus;
  LRESULT defaultId = 0;
  // Odd rows' background when the parent asks for row colours; the icon of every row.
  COLORREF oddRows = CLR_DEFAULT;
  int icon = -1;

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == WM_NOTIFY) return Notified(reinterpret_cast<NMHDR*>(l));
    if (message == DM_GETDEFID) return defaultId;
    if (message == WM_COMMAND) commands.push_back(LOWORD(w));
    if (message == WM_CONTEXTMENU) contextMenus.emplace_back(w, l);
    return CWnd::WindowProc(message, w, l);
  }

 private:
  LRESULT Notified(NMHDR* header) {
    switch (header->code) {
      case LVN_GETDISPINFO: {
        auto* info = static_cast<NMLVDISPINFO*>(header);
        asked.emplace_back(info->iItem, info->iSubItem);
        info->text = std::to_string(info->iItem) + "/" + std::to_string(info->iSubItem) + "/" +
                     std::to_string(info->lParam);
        if ((info->mask & LVIF_IMAGE) != 0) info->iImage = icon;
        if ((info->mask & LVIF_STATE) != 0) info->ticked = info->lParam % 2 == 1;
        return 0;
      }
      case LVN_COLUMNCLICK:
        clickedColumns.push_back(static_cast<NMLISTVIEW*>(header)->iSubItem);
        return 0;
      case LVN_ITEMCHANGED:
        changes.push_back(*static_cast<NMLISTVIEW*>(header));
        return 0;
      case LVN_KEYDOWN:
        keys.push_back(*static_cast<NMLVKEYDOWN*>(header));
        return 0;
      case NM_CLICK:
        clicks.push_back(*static_cast<NMITEMACTIVATE*>(header));
        return 0;
      case NM_DBLCLK:
        doubleClicks.push_back(*static_cast<NMITEMACTIVATE*>(header));
        return 0;
      case LVN_BEGINDRAG:
        drags.push_back(*static_cast<NMLISTVIEW*>(header));
        return 0;
      case NM_CUSTOMDRAW:
        return RowColours(static_cast<NMLVCUSTOMDRAW*>(header));
      default:
        return 0;
    }
  }
  LRESULT RowColours(NMLVCUSTOMDRAW* draw) {
    if (oddRows == CLR_DEFAULT) return CDRF_DODEFAULT;
    if (draw->dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw->iItem % 2 == 1) draw->clrTextBk = oddRows;
    return CDRF_DODEFAULT;
  }
};

// A header drawn by its owner: each section filled with a colour of its own.
class FilledHeader : public CHeaderCtrl {
 public:
  std::vector<int> drawn;
  void DrawItem(CDC& dc, const HeaderSection& section) override {
    drawn.push_back(section.column);
    dc.FillSolidRect(section.rect, section.column < 0 ? RGB(0, 0, 255) : RGB(0, 255, 0));
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
  // A multi-select list of rows 0 to 5 on a shown parent, so that rows have their places.
  void ShowMultiSelect() {
    list_.SetExtendedStyle(LVS_EX_MULTISELECT | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    Fill({10, 11, 12, 13, 14, 15});
    parent_.ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();
  }
  // A mouse event on the cell, as the toolkit delivers it to the rows' area.
  void Mouse(QEvent::Type type, int row, int column, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers keys = Qt::NoModifier, QPoint offset = {}) {
    QWidget* rows = View()->viewport();
    const QPoint at = View()->visualRect(View()->model()->index(row, column)).center() + offset;
    QMouseEvent event(type, at, rows->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      keys);
    QCoreApplication::sendEvent(rows, &event);
  }
  void Click(int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    Mouse(QEvent::MouseButtonPress, row, 0, Qt::LeftButton, keys);
    Mouse(QEvent::MouseButtonRelease, row, 0, Qt::LeftButton, keys);
  }
  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int i = 0; i < list_.GetItemCount(); ++i)
      if (list_.GetItemState(i, LVIS_SELECTED) != 0) rows.push_back(i);
    return rows;
  }

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

TEST_F(ListControl, AMultiSelectListSelectsRowsAsADesktopListAndTellsEachRowsChange) {
  ShowMultiSelect();
  Click(1);
  Click(3, Qt::ControlModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
  Click(5, Qt::ShiftModifier);  // the range from the last clicked row
  EXPECT_EQ(SelectedRows(), (std::vector<int>{3, 4, 5}));
  Click(4, Qt::ControlModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{3, 5}));
  EXPECT_EQ(list_.GetFocusedItem(), 4);

  parent_.changes.clear();
  ASSERT_TRUE(list_.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(list_.GetSelectedCount(), 6);
  ASSERT_EQ(parent_.changes.size(), 4u) << "one notice for each row that changed";
  EXPECT_EQ(parent_.changes[0].lParam, 10);
  EXPECT_EQ(parent_.changes[1].uNewState, LVIS_SELECTED);
  EXPECT_EQ(parent_.changes[3].iItem, 4);
  EXPECT_EQ(parent_.changes[3].uNewState, LVIS_SELECTED | LVIS_FOCUSED);
  parent_.changes.clear();
  list_.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED | LVIS_SELECTED);
  EXPECT_EQ(list_.GetItemState(2, LVIS_FOCUSED | LVIS_SELECTED), LVIS_FOCUSED);
  EXPECT_EQ(list_.GetItemState(4, LVIS_FOCUSED | LVIS_SELECTED), LVIS_SELECTED);
  EXPECT_EQ(parent_.changes.size(), 3u) << "row 2 unselected and focused, row 4 unfocused";
  EXPECT_FALSE(list_.SetItemState(6, 0, LVIS_SELECTED));

  // Taking the focused row away passes the focus on, and the parent hears of it.
  parent_.changes.clear();
  ASSERT_TRUE(list_.DeleteItem(2));
  EXPECT_EQ(list_.GetItemCount(), 5);
  ASSERT_EQ(parent_.changes.size(), 1u);
  EXPECT_EQ(parent_.changes[0].iItem, list_.GetFocusedItem());
  EXPECT_EQ(list_.FindItem(13), 2);
  EXPECT_EQ(list_.FindItem(12), -1);
}

TEST_F(ListControl, TellsTheParentOfKeysDoubleClicksDragsAndTheContextMenu) {
  ShowMultiSelect();
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(" "), true);
  QCoreApplication::sendEvent(View(), &del);
  QCoreApplication::sendEvent(View(), &held);
  ASSERT_EQ(parent_.keys.size(), 2u);
  EXPECT_EQ(parent_.keys[0].wVKey, VK_DELETE);
  EXPECT_EQ(parent_.keys[0].flags, 0u);
  EXPECT_EQ(parent_.keys[1].wVKey, VK_SPACE);
  EXPECT_EQ(parent_.keys[1].flags, KF_REPEAT) << "a held key says so";

  // A click is told on release, once; the second click of a double click is not a click.
  Click(3);
  ASSERT_EQ(parent_.clicks.size(), 1u);
  EXPECT_EQ(parent_.clicks[0].iItem, 3);
  Mouse(QEvent::MouseButtonPress, 2, 1);
  Mouse(QEvent::MouseButtonRelease, 2, 1);

  Mouse(QEvent::MouseButtonDblClick, 2, 1);
  ASSERT_EQ(parent_.doubleClicks.size(), 1u);
  EXPECT_EQ(parent_.doubleClicks[0].iItem, 2);
  EXPECT_EQ(parent_.doubleClicks[0].iSubItem, 1);
  Mouse(QEvent::MouseButtonRelease, 2, 1);
  EXPECT_EQ(parent_.clicks.size(), 2u);
  RECT cell{};
  ASSERT_TRUE(list_.GetSubItemRect(2, 1, &cell));
  const POINT at = parent_.doubleClicks[0].ptAction;
  EXPECT_TRUE(at.x >= cell.left && at.x < cell.right && at.y >= cell.top && at.y < cell.bottom);
  int column = 0;
  EXPECT_EQ(list_.HitTest(POINT{cell.left, cell.bottom + 200}, &column), -1);
  EXPECT_EQ(column, -1);

  // A press on a selected row and a move away drags the selection; a short move does not.
  Click(4);
  Mouse(QEvent::MouseButtonPress, 4, 0);
  Mouse(QEvent::MouseMove, 4, 0, Qt::LeftButton, Qt::NoModifier, QPoint(2, 0));
  EXPECT_TRUE(parent_.drags.empty());
  Mouse(QEvent::MouseMove, 4, 0, Qt::LeftButton, Qt::NoModifier, QPoint(40, 0));
  ASSERT_EQ(parent_.drags.size(), 1u);
  EXPECT_EQ(parent_.drags[0].iItem, 4);
  EXPECT_EQ(parent_.drags[0].lParam, 14);
  const size_t clicks = parent_.clicks.size();
  Mouse(QEvent::MouseButtonRelease, 4, 0, Qt::LeftButton, Qt::NoModifier, QPoint(40, 0));
  EXPECT_EQ(parent_.clicks.size(), clicks) << "the end of a drag is no click";

  // The right button's release asks for the menu at its screen point, as a window does.
  Mouse(QEvent::MouseButtonPress, 1, 0, Qt::RightButton);
  Mouse(QEvent::MouseButtonRelease, 1, 0, Qt::RightButton);
  ASSERT_EQ(parent_.contextMenus.size(), 1u);
  EXPECT_EQ(parent_.contextMenus[0].first, reinterpret_cast<WPARAM>(&list_));
  POINT screen{static_cast<int16_t>(LOWORD(parent_.contextMenus[0].second)),
               static_cast<int16_t>(HIWORD(parent_.contextMenus[0].second))};
  list_.ScreenToClient(&screen);
  EXPECT_EQ(list_.HitTest(screen), 1);
  EXPECT_EQ(SelectedRows(), std::vector<int>{1}) << "the right button selects as the left";
}

TEST_F(ListControl, PaintsInItsSkinWithTheParentsRowColoursIconsAndAnOwnerDrawnHeader) {
  ShowMultiSelect();
  win::ControlSkin skin;
  skin.background = RGB(255, 255, 255);
  skin.selectedBackground = RGB(255, 221, 51);
  list_.SetSkin(skin);
  parent_.oddRows = RGB(200, 0, 0);
  parent_.icon = shell::FileIconIndexOfName("/no/such/folder/a.jpg");
  EXPECT_GE(parent_.icon, 0) << "the name alone gives the icon";
  FilledHeader header;
  list_.SetHeaderCtrl(&header);
  list_.ShowSystemSmallIcons(true);
  list_.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);

  const QImage shot = QtBridge::WidgetOf(&list_)->grab().toImage();
  auto colourAt = [&](int row) {
    RECT r{};
    list_.GetSubItemRect(row, 1, &r);
    return shot.pixelColor(r.left + 60, (r.top + r.bottom) / 2).rgb() & 0xFFFFFF;
  };
  EXPECT_EQ(colourAt(0), 0xFFFFFFu);
  EXPECT_EQ(colourAt(1), 0xC80000u);
  EXPECT_EQ(colourAt(2), 0xFFDD33u) << "a selected row keeps the selection colour";
  EXPECT_EQ(colourAt(3), 0xC80000u);
  EXPECT_EQ(header.drawn, (std::vector<int>{0, 1, -1}));
  EXPECT_EQ(shot.pixelColor(130, 4).rgb() & 0xFFFFFF, 0x00FF00u) << "in the second section";
  EXPECT_EQ(list_.GetItemImage(0), parent_.icon);
  EXPECT_TRUE(View()->model()->index(0, 0).data(Qt::DecorationRole).isValid());
}

TEST_F(ListControl, DrawsEachRowsTickBoxAsTheParentTicksIt) {
  ShowMultiSelect();
  list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_CHECKBOXES);
  EXPECT_FALSE(list_.GetItemTicked(0));
  EXPECT_TRUE(list_.GetItemTicked(1));
  const QImage shot = QtBridge::WidgetOf(&list_)->grab().toImage();
  auto box = [&](int row) {
    RECT r{};
    list_.GetSubItemRect(row, 0, &r);
    return shot.copy(r.left, r.top, kListTickBoxWidth, r.bottom - r.top);
  };
  EXPECT_NE(box(0), box(1)) << "ticked and unticked boxes differ";
  EXPECT_EQ(box(0), box(2));
  EXPECT_EQ(box(1), box(3));
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
