// The thumbnail view: the frame's item set drawn as a grid of thumbnails with the view's
// own scroll bar along its right edge. The view shows the set it is handed (it never owns
// it) and turns the mouse, the keys and the wheel into focus, selection, scrolling, opening
// and dragging; the set does the layout, hit testing and drawing.
//
// Thumbnails are decoded only for what shows: a paint decodes for a short while and leaves
// the rest as empty boxes, then asks to be painted again, so the host's loop runs between
// the rounds; once the screen is complete, the next page is read ahead in idle time.
#pragma once

#include "platform/win/Wnd.h"
#include "ui/CCtrlScrollBar.h"

class CImageItem;
class CImageItems;
class CPhotoItem;

class CHarboPhotoView : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CHarboPhotoView)

 public:
  // The view's own message to start dragging the selection, posted by a mouse move.
  static constexpr UINT kMsgStartDrag = WM_USER + 0x53;
  static constexpr int kThumbnailSizes[] = {80, 160, 240};
  // A press followed by a move of more than this (|dx| + |dy|) starts a drag.
  static constexpr int kDragThreshold = 5;
  // Scrolling an item into view leaves this much room above or below it.
  static constexpr int kScrollMargin = 10;
  // Timers: the scroll bar's auto-repeat and hover, the paint's next round of decodes and
  // the reading ahead.
  static constexpr uintptr_t kRepeatTimer = 0xFFFE;
  static constexpr uintptr_t kHoverTimer = 0xFFFD;
  static constexpr uintptr_t kDecodeTimer = 0x0101;
  static constexpr uintptr_t kReadAheadTimer = 0x0102;
  static constexpr UINT kRepeatFirstDelay = 500;
  static constexpr UINT kRepeatDelay = 50;
  static constexpr UINT kHoverDelay = 250;
  // How long one paint, or one round of reading ahead, may spend decoding.
  static constexpr int kPaintDecodeMilliseconds = 40;
  static constexpr int kReadAheadMilliseconds = 20;

  bool Create(HWND parent, UINT id);

  // Shows the set (or none): lays it out for the view, puts the focus on the library's
  // current photo (else the first item) and scrolls it into view.
  void SetItems(CImageItems* items);
  CImageItems* items() const { return items_; }
  // Lays the set out for the view's width again, resets the scroll range and repaints.
  void Relayout();
  void SetThumbnailSize(int pixels);
  // Flips a style bit (1, 2, 4 or 8) of the set and lays out again.
  void ToggleStyleBit(uint16_t bit);
  // Sorts the set by the value, keeping the focus on the same item.
  void Sort(int32_t sortValue);
  void SelectAll();
  CImageItem* FindItem(const CPhotoItem* record) const;
  // Enter: opens the focused item as a double click on its picture does.
  void OpenFocused();
  // Opens the preview and slide show on the set.
  void Preview();
  bool busy() const { return busy_; }

  int scrollPos() const { return scrollBar_.pos(); }
  const CCtrlScrollBar& scrollBar() const { return scrollBar_; }
  // Scrolls so that the item shows, with the margin, and repaints when the view moved.
  void EnsureVisible(const CImageItem* item);
  // Moves the focus as a key does (the focus is clamped, the selection follows the
  // modifiers) and scrolls it into view.
  void MoveFocus(int index, bool control, bool shift);
  // The pictures the last paint left undecoded.
  int pendingDecodes() const { return pending_; }

 protected:
  int OnCreate() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint() override;
  void OnTimer(uintptr_t id) override;
  void OnLButtonDown(POINT point) override;
  void OnLButtonUp(POINT point) override;
  void OnMouseMove(POINT point) override;

 private:
  LRESULT OnRButtonDown(WPARAM w, LPARAM l);
  LRESULT OnRButtonUp(WPARAM w, LPARAM l);
  LRESULT OnDoubleClick(WPARAM w, LPARAM l);
  LRESULT OnContextMenu(WPARAM w, LPARAM l);
  LRESULT OnWheel(WPARAM w, LPARAM l);
  LRESULT OnKeyDown(WPARAM w, LPARAM l);
  LRESULT OnChar(WPARAM w, LPARAM l);
  LRESULT OnStartDrag(WPARAM w, LPARAM l);

  void Press(POINT point);
  void Release(POINT point);
  bool PressScrollBar(POINT point);
  void ReleaseScrollBar();
  void ResetPress();
  void OpenItem(CImageItem* item, int part);
  void OpenPicture(CImageItem* item);
  void TypeAhead(unsigned char key);
  int FocusAfterKey(UINT key) const;
  void UpdateScrollInfo();
  void ScrollTo(int pos);
  void StepScrollBar(int part);
  void ScrolledFrom(int old);
  void ClearSelection();
  bool ReadAhead();
  RECT ContentRect() const;
  // A window point in the set's coordinates.
  POINT ToSet(POINT point) const { return POINT{point.x, point.y + scrollBar_.pos()}; }

  // Press state, from a button press to its release.
  bool dragging_ = false;
  bool pressed_ = false;
  bool wasSelected_ = false;
  bool controlAtPress_ = false;
  bool shiftAtPress_ = false;
  int pressedIndex_ = -1;
  CImageItem* pressedItem_ = nullptr;
  POINT pressPoint_{};
  // The scroll bar's part held by the mouse (CCtrlScrollBar::kNone when none).
  int scrollPart_ = CCtrlScrollBar::kNone;
  bool repeating_ = false;
  CCtrlScrollBar scrollBar_;
  CImageItems* items_ = nullptr;
  int thumbnailSize_ = 160;
  bool busy_ = false;
  int pending_ = 0;
  // A set handed over and not painted yet.
  bool revealFocus_ = false;
};
