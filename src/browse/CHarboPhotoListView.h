// The list view: the frame's item set as rows of a report list, one row per item in the
// set's order: the name with the file's small icon, the size, the date and time, the memo.
// The view shows the set it is handed (it never owns it) and keeps the set in step with the
// list: each item's selection mark follows its row, the focused row is the set's focus and
// the library's current photo, and a sort of the rows rewrites the set's order, so that
// the thumbnail view shows what the list showed.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"
#include "ui/CCtrlHeaderCtrlEx.h"
#include "ui/CListViewEx.h"

class CImageItem;
class CImageItems;
class CPhotoItem;
struct NMITEMACTIVATE;
struct NMLISTVIEW;
struct NMLVCUSTOMDRAW;
struct NMLVDISPINFO;

class CHarboPhotoListView : public CListViewEx {
  HARBO_DECLARE_MESSAGE_MAP(CHarboPhotoListView)

 public:
  enum Column { kColumnName, kColumnSize, kColumnDate, kColumnMemo, kColumnCount };
  // Column 0's icon: a double click on these first pixels of a row opens the photo.
  static constexpr int kIconWidth = 17;
  // From the keyboard the context menu opens this far inside the focused row.
  static constexpr int kMenuInset = 8;

  bool Create(HWND parent, UINT id);

  // Shows the set's items as rows (or, with none, an empty list).
  void SetItems(CImageItems* items);
  CImageItems* items() const { return items_; }
  // Takes the item's row away (the item itself stays the set's).
  void RemoveItem(const CImageItem* item);
  void SelectAll();
  // Gives each row its item's selection mark again (after a dialog changed marks).
  void RefreshSelection();
  // The set's item of the record, or null.
  CImageItem* ItemOfRecord(const CPhotoItem* record) const;
  // Sorts the rows by the key of the sort value (bit 31 descending) with the list's own
  // comparison, puts the set's items in the rows' order and stores the value in the set.
  void Sort(int32_t sortValue);
  // Opens the focused item, as Enter does.
  void OpenFocused();
  // Opens the preview and slide show on the set.
  void Preview();
  bool busy() const { return busy_; }
  const CCtrlHeaderCtrlEx& header() const { return header_; }

  // The texts of the size and date columns.
  static Cp932String SizeText(int32_t bytes);
  static Cp932String DateText(const CPhotoItem& record);
  // Orders two items by the column: negative when the first goes before the second in the
  // ascending order.
  static int Compare(const CImageItem& first, const CImageItem& second, int column);
  // The column that sorts by the key of the sort value, or -1.
  static int ColumnOfSort(int32_t sortValue);

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  LRESULT OnContextMenu(WPARAM w, LPARAM l);
  void OnOpenItem();

  // Notifications of the list.
  void SupplyCell(NMLVDISPINFO& info) const;
  void RowChanged(const NMLISTVIEW& change);
  void ColumnClicked(int column);
  void BeginDrag();
  void KeyDown(UINT vk);
  LRESULT RowColours(NMLVCUSTOMDRAW& draw) const;
  void DoubleClicked(const NMITEMACTIVATE& click);

  void AddColumns();
  void ShowSortMark();
  void FocusStartRow();
  void Open(const CImageItem& item);
  CImageItem* ItemAt(int row) const;
  void UpdateStatus() const;

  CCtrlHeaderCtrlEx header_;
  CImageItems* items_ = nullptr;
  // Set while the view itself puts many rows' states: the status text is told once after.
  bool settingRows_ = false;
  // While the preview runs.
  bool busy_ = false;
};
