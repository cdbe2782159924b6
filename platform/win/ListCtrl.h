// A report-style list view: columns with header texts, widths and alignments, rows that
// each carry a value, one focused row and one selected row (or, with LVS_EX_MULTISELECT,
// rows selected independently as in a desktop list: Ctrl+click toggles, Shift+click takes
// the range), sorting by a comparison of the rows' values and a sort arrow on one header
// column. The list keeps no texts of its own: whenever it shows a cell it asks its parent
// for the text, and for column 0's icon when the list shows the system's small icons
// (WM_NOTIFY with LVN_GETDISPINFO). It tells the parent of header clicks (LVN_COLUMNCLICK),
// of each row's focus and selection changes (LVN_ITEMCHANGED), of keys (LVN_KEYDOWN), of a
// drag of rows (LVN_BEGINDRAG) and of clicks and double clicks (NM_CLICK, NM_DBLCLK), asks it for
// row colours while painting (NM_CUSTOMDRAW), and passes WM_CONTEXTMENU up to it as the system's
// default handling does. A skin paints the rows in the album's colours, and a header object may
// take over drawing the header. Inside a dialog, Enter presses the parent's default button
// (DM_GETDEFID) and Escape sends IDCANCEL, as the dialog manager does for a list.
#pragma once

#include <functional>
#include <vector>

#include "platform/win/ControlSkin.h"
#include "platform/win/HeaderCtrl.h"
#include "platform/win/Wnd.h"

constexpr UINT WM_NOTIFY = 0x004E;
// Asked of a dialog: its default button's id in the low word, DC_HASDEFID in the high word.
constexpr UINT DM_GETDEFID = WM_USER + 0;
constexpr WORD DC_HASDEFID = 0x534B;

// The head of every notification. WM_NOTIFY carries the control's id in its first
// parameter and the address of the head in its second; the receiver reads the code and
// casts the head to the notification it names.
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT idFrom = 0;
  UINT code = 0;
};

constexpr UINT NM_CLICK = static_cast<UINT>(-2);
constexpr UINT NM_DBLCLK = static_cast<UINT>(-3);
constexpr UINT NM_CUSTOMDRAW = static_cast<UINT>(-12);
constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);
constexpr UINT LVN_COLUMNCLICK = static_cast<UINT>(-108);
constexpr UINT LVN_BEGINDRAG = static_cast<UINT>(-109);
constexpr UINT LVN_GETDISPINFO = static_cast<UINT>(-150);
constexpr UINT LVN_KEYDOWN = static_cast<UINT>(-155);

// Row states.
constexpr UINT LVIS_FOCUSED = 0x1;
constexpr UINT LVIS_SELECTED = 0x2;

// Extended styles. LVS_EX_MULTISELECT is the platform's own: a list of the system is
// multi-select unless made single-select, this one the other way round, so that dialogs
// keep their one selected row.
constexpr DWORD LVS_EX_GRIDLINES = 0x1;
// A tick box in the first pixels of every row (kListTickBoxWidth wide), ticked as the parent
// answers a display request for LVIF_STATE; a click on it reaches the parent as NM_CLICK.
constexpr DWORD LVS_EX_CHECKBOXES = 0x4;
constexpr int kListTickBoxWidth = 11;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x20;
constexpr DWORD LVS_EX_MULTISELECT = 0x10000000;

// What a display request asks for.
constexpr UINT LVIF_TEXT = 0x1;
constexpr UINT LVIF_IMAGE = 0x2;
constexpr UINT LVIF_STATE = 0x8;

// Custom drawing: the stages, the answers and the colour that leaves the default.
constexpr DWORD CDDS_PREPAINT = 0x1;
constexpr DWORD CDDS_ITEM = 0x10000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr LRESULT CDRF_DODEFAULT = 0x0;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// Rectangles of a row.
constexpr int LVIR_BOUNDS = 0;

// A row or header notification: the row (-1 for a header click), the column, the row's
// value, for LVN_ITEMCHANGED the row's states before and after, and for LVN_BEGINDRAG the
// point in the list where the drag began.
struct NMLISTVIEW : NMHDR {
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  LPARAM lParam = 0;
  POINT ptAction{};
};

// A click or double click of the left button: the row and column under the point (-1 for
// none) and the point, in the list's client coordinates.
struct NMITEMACTIVATE : NMHDR {
  int iItem = -1;
  int iSubItem = -1;
  POINT ptAction{};
};

// A key pressed in the list: the platform's virtual key code, and in the flags the key's
// state as a key message carries it in its high word (KF_REPEAT when the key was down
// already: the keyboard's auto-repeat).
constexpr UINT KF_REPEAT = 0x4000;
struct NMLVKEYDOWN : NMHDR {
  WORD wVKey = 0;
  UINT flags = 0;
};

// The request for one cell's text and, in column 0 of a list showing icons, its icon's
// index in the system image list, or in a list with tick boxes whether the row is ticked;
// the parent writes what the mask asks for.
struct NMLVDISPINFO : NMHDR {
  UINT mask = LVIF_TEXT;
  int iItem = 0;
  int iSubItem = 0;
  LPARAM lParam = 0;
  Cp932String text;
  int iImage = -1;
  bool ticked = false;
};

// Custom drawing: before each paint (CDDS_PREPAINT), then, when the parent answered
// CDRF_NOTIFYITEMDRAW, for each row painted (CDDS_ITEMPREPAINT), whose text and background
// colours the parent may set. CLR_DEFAULT keeps the list's own; selected rows keep the
// selection colours.
struct NMLVCUSTOMDRAW : NMHDR {
  DWORD dwDrawStage = 0;
  int iItem = -1;
  LPARAM lItemlParam = 0;
  COLORREF clrText = CLR_DEFAULT;
  COLORREF clrTextBk = CLR_DEFAULT;
};

class ListWidget;

class CListCtrl : public CWnd {
 public:
  // Orders two rows by their values: negative when the first goes before the second,
  // positive when after, 0 when either order will do.
  using CompareFunc = std::function<int(LPARAM first, LPARAM second)>;

  CListCtrl() = default;
  // A header object outliving the list forgets it.
  ~CListCtrl() override;

  // Inserts a column before the given one (appends when past the last), its texts aligned
  // by the format (LVCFMT_…); its index or -1.
  int InsertColumn(int column, const Cp932String& heading, int width, int format = LVCFMT_LEFT);
  int GetColumnCount() const;
  // 0 for a column that does not exist.
  int GetColumnWidth(int column) const;
  bool SetColumnWidth(int column, int width);
  Cp932String GetColumnHeading(int column) const;
  bool SetColumnHeading(int column, const Cp932String& heading);
  int GetColumnFormat(int column) const;

  // Inserts a row carrying the value before the given row (appends when past the last);
  // its index or -1.
  int InsertItem(int row, LPARAM value);
  // Appends a row for each value, at once.
  void AppendItems(const std::vector<LPARAM>& values);
  bool DeleteItem(int row);
  void DeleteAllItems();
  int GetItemCount() const;
  // 0 for a row that does not exist.
  LPARAM GetItemData(int row) const;
  // The row carrying the value, or -1.
  int FindItem(LPARAM value) const;
  // The cell's text as the parent supplies it; empty for a cell that does not exist.
  Cp932String GetItemText(int row, int column) const;
  // Column 0's icon as the parent supplies it; -1 without one or when the list shows none.
  int GetItemImage(int row) const;
  // The row's tick as the parent supplies it; false in a list without tick boxes.
  bool GetItemTicked(int row) const;

  DWORD GetExtendedStyle() const { return extendedStyle_; }
  void SetExtendedStyle(DWORD style);

  // Column 0 shows the system image list's small icons (the list shares the process's
  // list and never destroys it).
  void ShowSystemSmallIcons(bool show);

  // Focuses and selects the row, as the only selected one, and scrolls it into view.
  bool SelectItem(int row);
  // The focused row, or -1.
  int GetFocusedItem() const;
  bool IsItemSelected(int row) const;
  int GetSelectedCount() const;
  // Sets the states of the mask (LVIS_FOCUSED, LVIS_SELECTED) to those of the state, for
  // the row or, with -1, for every row (the focus is not given to every row). Each row that
  // changes tells the parent. False for a row that does not exist.
  bool SetItemState(int row, UINT state, UINT mask);
  UINT GetItemState(int row, UINT mask) const;
  bool EnsureVisible(int row);
  // The row under a point of the client area, or -1; the column under it goes to column.
  int HitTest(POINT point, int* column = nullptr) const;
  // The rectangle of a row (LVIR_BOUNDS: all its columns) or of one cell, in the client
  // area; false for a row that does not exist.
  bool GetItemRect(int row, RECT* rect, int code = LVIR_BOUNDS) const;
  bool GetSubItemRect(int row, int column, RECT* rect) const;

  // Puts the rows in the order of the comparison; rows it finds equal keep their order,
  // and the focus and selection stay with their rows.
  bool SortItems(const CompareFunc& compare);

  // Shows the sort arrow on a header column (-1: on none).
  void SetSortArrow(int column, bool ascending);
  int sortArrowColumn() const { return arrowColumn_; }
  bool sortArrowAscending() const { return arrowAscending_; }

  // Clicks a header column as a user would.
  void ClickColumn(int column);

  // Paints rows, grid and the area below them in the skin's colours (background, text,
  // selected, the row under the mouse, border for the grid lines, font).
  void SetSkin(const win::ControlSkin& skin);
  const win::ControlSkin* skin() const { return skinned_ ? &skin_ : nullptr; }
  // The header object draws the header from now on (null: the toolkit's look again).
  void SetHeaderCtrl(CHeaderCtrl* header);
  CHeaderCtrl* GetHeaderCtrl() const { return header_; }
  // The header's height in pixels.
  int GetHeaderHeight() const;

  // The area inside the list's frame and beside a shown vertical scroll bar, as the system
  // measures a list's client area (CWnd's measures the whole control).
  RECT GetClientRect() const;

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  friend class ListWidget;
  friend class ListTable;
  friend class CHeaderCtrl;
  ListWidget* list() const;
  LRESULT Notify(NMHDR& header, UINT code);
  Cp932String AskText(int row, int column, LPARAM value);
  void StateChanged(int row, UINT oldState, UINT newState);
  void ApplySortArrow();
  void PressDefaultButton();
  void KeyPressed(UINT vk, bool repeated);
  void Clicked(POINT point, UINT code);
  void DragBegun(int row, POINT point);
  // The custom draw requests of one paint: whether the parent wants each row's, and a row's
  // colours.
  bool AskPaintStart();
  NMLVCUSTOMDRAW AskRowColours(int row);

 protected:
  LRESULT DefWindowProc(UINT message, WPARAM w, LPARAM l) override;

 private:
  DWORD extendedStyle_ = 0;
  int arrowColumn_ = -1;
  bool arrowAscending_ = true;
  bool smallIcons_ = false;
  bool skinned_ = false;
  win::ControlSkin skin_;
  CHeaderCtrl* header_ = nullptr;
};
