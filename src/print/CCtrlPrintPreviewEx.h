// The layout window's larger page preview: the panel's preview with the cell borders that
// can be turned off, the page's content moved by the whole-page fine adjustment as it will
// be printed, and the sheet either fitted into the window or shown at a larger fixed scale
// that the mouse wheel scrolls (with Shift, across). It tells its parent when the selected
// cell changes, so that the window can follow the selection.
#pragma once

#include "print/CCtrlPrintPreview.h"

class CCtrlPrintPreviewEx : public CCtrlPrintPreview {
 public:
  // Told to the parent: the selected cell changed by the user's hand (the cell, -1 for none).
  static constexpr UINT kMsgSelected = WM_USER + 0x304;
  // Pixels per 0.1 mm when the sheet is not fitted into the window.
  static constexpr double kFixedScale = 0.5;
  // How far one notch of the mouse wheel scrolls, in pixels.
  static constexpr int kWheelStep = 60;

  void SetCellBorders(bool shown);
  bool cellBorders() const { return cellBorders_; }
  void SetFitToWindow(bool fit);
  bool fitToWindow() const { return fit_; }
  // The whole page's fine adjustment in 0.1 mm (x right, y down).
  void SetContentOffset(POINT offset);
  // How far the unfitted sheet is scrolled, in pixels.
  POINT scroll() const { return scroll_; }

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override;

 protected:
  void Measure() override;
  POINT ContentOffset() const override { return offset_; }
  bool ShowsCellBorders() const override { return cellBorders_; }
  HARBO_DECLARE_MESSAGE_MAP(CCtrlPrintPreviewEx)

 private:
  LRESULT OnWheel(WPARAM w, LPARAM l);
  // The furthest the unfitted sheet can be scrolled in the window as it is.
  POINT ScrollLimit() const;

  bool cellBorders_ = true;
  bool fit_ = true;
  POINT offset_{};
  POINT scroll_{};
};
