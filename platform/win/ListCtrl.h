// A report-style list view: columns with header texts and widths, rows that each carry a
// value, one focused and selected row, sorting by a comparison of the rows' values and a
// sort arrow on one header column. The list keeps no texts of its own: whenever it shows a
// cell it asks its parent for the text (WM_NOTIFY with LVN_GETDISPINFO). It tells the
// parent of header clicks (LVN_COLUMNCLICK) and of focus and selection changes
// (LVN_ITEMCHANGED). Inside a dialog, Enter presses the parent's default button
// (DM_GETDEFID) and Escape sends IDCANCEL, as the dialog manager does for a list.
#pragma once

#include <functional>

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

constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);
constexpr UINT LVN_COLUMNCLICK = static_cast<UINT>(-108);
constexpr UINT LVN_GETDISPINFO = static_cast<UINT>(-150);

// Row states.
constexpr UINT LVIS_FOCUSED = 0x1;
constexpr UINT LVIS_SELECTED = 0x2;

// Extended styles.
constexpr DWORD LVS_EX_GRIDLINES = 0x1;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x20;

// A row or header notification: the row (-1 for a header click), the column, the row's
// value and, for LVN_ITEMCHANGED, the row's states before and after.
struct NMLISTVIEW : NMHDR {
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  LPARAM lParam = 0;
};

// The request for one cell's text; the parent writes the text.
struct NMLVDISPINFO : NMHDR {
  int iItem = 0;
  int iSubItem = 0;
  LPARAM lParam = 0;
  Cp932String text;
};

class ListWidget;

class CListCtrl : public CWnd {
 public:
  // Orders two rows by their values: negative when the first goes before the second,
  // positive when after, 0 when either order will do.
  using CompareFunc = std::function<int(LPARAM first, LPARAM second)>;

  // Inserts a column before the given one (appends when past the last); its index or -1.
  int InsertColumn(int column, const Cp932String& heading, int width);
  int GetColumnCount() const;
  // 0 for a column that does not exist.
  int GetColumnWidth(int column) const;
  bool SetColumnWidth(int column, int width);
  Cp932String GetColumnHeading(int column) const;

  // Inserts a row carrying the value before the given row (appends when past the last);
  // its index or -1.
  int InsertItem(int row, LPARAM value);
  void DeleteAllItems();
  int GetItemCount() const;
  // 0 for a row that does not exist.
  LPARAM GetItemData(int row) const;
  // The cell's text as the parent supplies it; empty for a cell that does not exist.
  Cp932String GetItemText(int row, int column) const;

  DWORD GetExtendedStyle() const { return extendedStyle_; }
  void SetExtendedStyle(DWORD style);

  // Focuses and selects the row (the list has one selected row) and scrolls it into view.
  bool SelectItem(int row);
  // The focused row, or -1.
  int GetFocusedItem() const;
  bool IsItemSelected(int row) const;

  // Puts the rows in the order of the comparison; rows it finds equal keep their order,
  // and the focus and selection stay with their rows.
  bool SortItems(const CompareFunc& compare);

  // Shows the sort arrow on a header column (-1: on none).
  void SetSortArrow(int column, bool ascending);
  int sortArrowColumn() const { return arrowColumn_; }
  bool sortArrowAscending() const { return arrowAscending_; }

  // Clicks a header column as a user would.
  void ClickColumn(int column);

  // The area inside the list's frame and beside a shown vertical scroll bar, as the system
  // measures a list's client area (CWnd's measures the whole control).
  RECT GetClientRect() const;

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  friend class ListWidget;
  ListWidget* list() const;
  void Notify(NMHDR& header, UINT code);
  Cp932String AskText(int row, int column, LPARAM value);
  void StateChanged(int row, UINT oldState, UINT newState);
  void ApplySortArrow();
  void PressDefaultButton();

  DWORD extendedStyle_ = 0;
  int arrowColumn_ = -1;
  bool arrowAscending_ = true;
};
