// The list view: the frame's item set as rows of a sortable list. The view shows the set it
// is handed (it never owns it); its rows and columns come with the list's own control.
#pragma once

#include "platform/win/Wnd.h"

class CImageItem;
class CImageItems;

class CHarboPhotoListView : public CWnd {
 public:
  bool Create(HWND parent, UINT id);

  void SetItems(CImageItems* items);
  CImageItems* items() const { return items_; }
  // Takes the item's row away (the item itself stays the set's).
  void RemoveItem(const CImageItem* item);
  void SelectAll();

 protected:
  void OnPaint() override;

 private:
  CImageItems* items_ = nullptr;
};
