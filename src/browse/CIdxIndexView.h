// The index panel beside the views: the entries of the category chosen in the host's index
// tree. It keeps the current category and entry with their registry memory, and sends the
// query of the current entry to the frame, which rebuilds the views' item set. Today it
// offers each category's first entry, "全て"; the list of entries with their photo counts
// is drawn by the panel's own control once it is built.
#pragma once

#include "platform/win/Wnd.h"

class CIdxIndexView : public CWnd {
 public:
  // The frame message that carries a query (SearchCriteria*) to rebuild the item set.
  static constexpr UINT kMsgQuery = WM_USER + 0x151;

  // Makes the panel as a child of the parent; its queries go to the frame.
  bool Create(HWND parent, UINT id, HWND frame);

  // Makes the category current and sends the query of its entry. The search category sends
  // none: the search sends its own. Choosing the current category again sends nothing.
  void SelectCategory(LPARAM category);
  // Sends the current entry's query again (after a change of the records).
  void ApplyAgain();
  LPARAM currentCategory() const { return category_; }
  int currentEntry() const { return entry_; }
  bool favouritesCurrent() const;

  // "IndexView": "TabCurrent" (the category) and "ListCurrent" (the entry).
  void LoadState();
  void SaveState() const;

 protected:
  void OnPaint() override;

 private:
  void SendQuery() const;

  HWND frame_ = nullptr;
  LPARAM category_ = 0x10000;
  int entry_ = 0;
};
