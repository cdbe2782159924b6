// The thumbnail view: the frame's item set drawn as a grid of thumbnails. The view shows
// the set it is handed (it never owns it), lays it out for its width and tells the host the
// selection count whenever it draws. Scrolling, the mouse and the keys come with the view's
// own input handling.
#pragma once

#include "platform/win/Wnd.h"

class CImageItems;

class CHarboPhotoView : public CWnd {
 public:
  bool Create(HWND parent, UINT id);

  // Shows the set (or none); the set learns that this view shows it.
  void SetItems(CImageItems* items);
  CImageItems* items() const { return items_; }
  // Lays the set out for the view's width again and repaints.
  void Relayout();
  void SelectAll();

 protected:
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint() override;

 private:
  CImageItems* items_ = nullptr;
};
