// A tree control: a list of nodes, each with a text and a 32-bit value, one of them
// selected. The host keeps its index tree in one; the album fills and reads it.
#pragma once

#include <functional>

#include "platform/win/Wnd.h"

using HTREEITEM = intptr_t;  // 0 is no node

class TreeWidget;

class CTreeCtrl : public CWnd {
 public:
  // Called after the user (or SelectItem) changed the selection.
  using SelectionHandler = std::function<void(HTREEITEM selected, HTREEITEM previous)>;

  HTREEITEM InsertItem(const Cp932String& text, LPARAM value);
  bool DeleteItem(HTREEITEM item);
  void DeleteAllItems();
  int GetCount() const;
  // The node at a position from the top, or 0.
  HTREEITEM GetItemAt(int index) const;
  LPARAM GetItemData(HTREEITEM item) const;
  Cp932String GetItemText(HTREEITEM item) const;
  bool SetItemText(HTREEITEM item, const Cp932String& text);
  bool SelectItem(HTREEITEM item);
  HTREEITEM GetSelectedItem() const;
  void SetSelectionHandler(SelectionHandler handler) { handler_ = std::move(handler); }

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  friend class TreeWidget;
  TreeWidget* tree() const;
  void SelectionChanged(HTREEITEM selected, HTREEITEM previous);

  SelectionHandler handler_;
  HTREEITEM nextHandle_ = 1;
};
