// The layout window: the easy print panel's pages shown larger in a window of their own,
// beside the album's frame. It shows what the panel gives it (the working style, its page
// template, the measured page, the photos and the page shown), keeps the whole-page fine
// adjustment used when printing, and hands everything that changes the layout back to the
// panel that owns it: paging, printing, a fresh layout, and the preview's delete, drop and
// swap requests (forwarded with their parameters unchanged).
#pragma once

#include <memory>

#include "host/CCDialogExPh.h"
#include "print/CCtrlPrintPreviewEx.h"

class CDC;

class CDlgOrPrintPreview : public CCDialogExPh {
 public:
  // Told to the owner (no parameters).
  static constexpr UINT kMsgNextPage = WM_USER + 0x310;
  static constexpr UINT kMsgPrevPage = WM_USER + 0x311;
  static constexpr UINT kMsgPrint = WM_USER + 0x312;
  static constexpr UINT kMsgResetLayout = WM_USER + 0x313;

  explicit CDlgOrPrintPreview(HWND owner);
  ~CDlgOrPrintPreview() override;

  // Makes the window (hidden); false when it cannot be made.
  bool CreateFloating();
  // Shows or hides it. Showing registers the album's modal work with the suite (kind 4),
  // hiding ends it.
  void ShowFloating(bool show);
  bool floatingShown() const;
  // Takes the window out of the way while a modal dialog runs, and brings it back after.
  void SuspendForModal();
  void ResumeAfterModal();

  // What to show; the title follows the style's name, orientation and the page count.
  void Show(const CPrintFormat* style, const PrintPageTemplate* layout,
            const CPrintPaperSizeInfo* metrics, CPrintItems* items, int page, int pageCount);
  // The whole page's fine adjustment in 0.1 mm (x right, y down).
  POINT fineAdjust() const;
  void SetFineAdjust(POINT adjust);

  CCtrlPrintPreviewEx& preview();
  // Draws the window's client area (controls and preview) for a screenshot.
  void Draw(CDC& dc);
};
