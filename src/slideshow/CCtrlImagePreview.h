// One picture cell of the preview: the photo of its thumbnail item decoded for the cell's
// box (or at a zoom of the file's size), centred where it is smaller than the cell and
// scrolled with the cell's own scroll bars where it is larger, the memo drawn below it,
// "ありません" when the cell has no item. The first paint after a new picture uses the
// transition code, later paints paint plainly.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/win/Wnd.h"
#include "ui/CCtrlScrollBar.h"

class CDC;
class CImageItem;
class CPhotoItem;

class CCtrlImagePreview : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CCtrlImagePreview)

 public:
  static constexpr UINT kFirstId = 1251;
  static constexpr int kDefaultBox = 160;
  static constexpr int kLineStep = 10;
  static constexpr int kPageStep = 100;
  static constexpr COLORREF kMemoColour = 0x0077DD33;  // red 51, green 221, blue 119
  static constexpr COLORREF kNoneColour = 0x00888888;

  bool Create(HWND parent, UINT id);

  // A new item (or none): the scroll positions go back to 0 and the next paint uses the
  // transition code.
  void SetItem(CImageItem* item);
  CImageItem* item() const { return item_; }
  void SetBoxSize(int width, int height);
  SIZE boxSize() const { return SIZE{boxWidth_, boxHeight_}; }
  // With zoom mode on, the picture is decoded at the percent of the file's size.
  void SetZoom(int percent, bool zoomMode);
  int zoom() const { return zoom_; }
  void SetShowMemo(bool show) { showMemo_ = show; }
  void SetEffect(int code) { effect_ = code; }
  int effect() const { return effect_; }
  bool newPicture() const { return newPicture_; }

  // Decodes the item's photo as the cell shows it and sets the scroll bars. False without
  // a picture.
  bool Decode();
  // Decodes the record for a cell of the box as Decode would (reading ahead).
  static bool DecodeFor(CPhotoItem& record, int boxWidth, int boxHeight, int zoom, bool zoomMode);
  static bool IsReadyFor(const CPhotoItem& record, int boxWidth, int boxHeight, int zoom,
                         bool zoomMode);

  // Where the picture is drawn in the client area.
  RECT PictureRect() const;
  POINT scrollPos() const { return POINT{hBar_.pos(), vBar_.pos()}; }
  const CCtrlScrollBar& horizontalBar() const { return hBar_; }
  const CCtrlScrollBar& verticalBar() const { return vBar_; }
  bool hasHorizontalBar() const { return hShown_; }
  bool hasVerticalBar() const { return vShown_; }
  // Scrolls as the bar's part does (CCtrlScrollBar parts); whether the picture moved.
  bool Scroll(bool horizontal, int part);

 protected:
  void OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnLButtonDown(POINT point) override;
  void OnLButtonUp(POINT point) override;
  void OnMouseMove(POINT point) override;

 private:
  LRESULT OnWheel(WPARAM w, LPARAM l);
  void UpdateScrollBars();
  RECT ViewRect() const;
  void PaintBackground(CDC& dc, const RECT& view, const RECT& picture);
  void PaintMemo(CDC& dc, const RECT& view, const RECT& picture);
  void PaintNone(CDC& dc, const RECT& view);

  CImageItem* item_ = nullptr;
  CCtrlScrollBar hBar_;
  CCtrlScrollBar vBar_;
  bool hShown_ = false;
  bool vShown_ = false;
  CCtrlScrollBar* held_ = nullptr;
  int zoom_ = 100;
  bool zoomMode_ = false;
  int boxWidth_ = kDefaultBox;
  int boxHeight_ = kDefaultBox;
  bool showMemo_ = false;
  int effect_ = 0;
  bool newPicture_ = false;
  bool backgroundPainted_ = false;
};
