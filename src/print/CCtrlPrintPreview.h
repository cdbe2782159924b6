// The easy print panel's page preview: the sheet scaled into the window with its printable
// area, the cells, the photos placed on the shown page (drawn as on paper, from pictures
// kept at the preview's size) and their captions, and the calendar months. A click selects
// a cell; dragging a photo onto another cell asks the parent to swap the two; Delete asks
// it to remove the selected photo, Esc clears the selection.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/win/Wnd.h"
#include "print/CPrintFormat.h"
#include "print/CPrintItems.h"
#include "print/CPrintPaperSizeInfo.h"
#include "print/PrintPageTemplate.h"

class CLBitmap;
class CDC;

class CCtrlPrintPreview : public CWnd {
 public:
  // Told to the parent (first and second parameter).
  static constexpr UINT kMsgDelete = WM_USER + 0x301;  // cell, page
  static constexpr UINT kMsgDrop = WM_USER + 0x302;    // target cell
  static constexpr UINT kMsgSwap = WM_USER + 0x303;    // source cell, target cell
  // How far the mouse moves with the button down before a drag starts (x plus y).
  static constexpr int kDragDistance = 2;

  CCtrlPrintPreview();
  ~CCtrlPrintPreview() override;

  bool Create(HWND parent, UINT id, const RECT& rect);
  // What to show: the style, its template on the measured page, the photos and the page.
  void Show(const CPrintFormat* style, const PrintPageTemplate* layout,
            const CPrintPaperSizeInfo* metrics, const CPrintItems* items, int page);
  int selectedCell() const { return selected_; }
  void SetSelectedCell(int cell);
  // The cell under a point of the window, or -1.
  int CellAt(POINT point) const;
  // A cell's rectangle in the window.
  RECT CellRect(int cell) const;
  // Which drops are the album's own (the view that drags registers itself); others are
  // refused.
  void SetDropFilter(std::function<bool()> acceptDrop) { acceptDrop_ = std::move(acceptDrop); }
  // Draws the preview into a device context of the window's size.
  void Draw(CDC& dc);

 protected:
  void OnPaint() override;
  void OnLButtonDown(POINT point) override;
  void OnMouseMove(POINT point) override;
  void OnLButtonUp(POINT point) override;
  // Works out the scale and the sheet's corner for the window's size before drawing.
  virtual void Measure();
  // How far the cells and photos lie from their places in the layout, in 0.1 mm.
  virtual POINT ContentOffset() const { return POINT{}; }
  virtual bool ShowsCellBorders() const { return true; }
  HARBO_DECLARE_MESSAGE_MAP(CCtrlPrintPreview)

 protected:
  const CPrintPaperSizeInfo* metrics_ = nullptr;
  double scale_ = 1;  // pixels per 0.1 mm
  POINT origin_{};    // the sheet's corner in the window

 private:
  LRESULT OnKeyDown(WPARAM key, LPARAM l);
  LRESULT OnDropFiles(WPARAM w, LPARAM l);
  RECT ToWindow(const RECT& page) const;
  RECT ContentToWindow(const RECT& page) const;
  void DrawSheet(CDC& dc);
  void DrawCells(CDC& dc);
  void DrawMonths(CDC& dc);
  void MaskOutsideSheet(CDC& dc);
  void DrawCaptions(CDC& dc, const PrintCell& cell);
  CLBitmap& PictureOf(const CPrintItem* item);

  const CPrintFormat* style_ = nullptr;
  const PrintPageTemplate* layout_ = nullptr;
  const CPrintItems* items_ = nullptr;
  int page_ = 0;
  int selected_ = -1;
  int hover_ = -1;
  int pressedCell_ = -1;
  POINT pressedAt_{};
  bool dragging_ = false;
  std::function<bool()> acceptDrop_;
  // Pictures at the preview's size, one per placed photo record.
  std::map<const CPhotoItem*, std::unique_ptr<CLBitmap>> pictures_;
};
