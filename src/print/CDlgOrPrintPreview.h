// The layout window: the easy print panel's pages shown larger in a window of their own,
// beside the album's frame. It shows what the panel gives it (the working style, its page
// template, the measured page, the photos and the page shown), keeps the whole-page fine
// adjustment used when printing, and hands everything that changes the layout back to the
// panel that owns it: paging, printing, a fresh layout, and the preview's delete, drop and
// swap requests (forwarded with their parameters unchanged). Only the drawing order of the
// selected photo is changed here. Closing the window only hides it; the panel keeps it.
#pragma once

#include "host/CCDialogExPh.h"
#include "print/CCtrlPrintPreviewEx.h"

class CDlgOrPrintPreview : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgOrPrintPreview)

 public:
  // Told to the owner (no parameters).
  static constexpr UINT kMsgNextPage = WM_USER + 0x310;
  static constexpr UINT kMsgPrevPage = WM_USER + 0x311;
  static constexpr UINT kMsgPrint = WM_USER + 0x312;
  static constexpr UINT kMsgResetLayout = WM_USER + 0x313;
  // A photo was brought to the front or sent to the back: the owner's pictures change.
  static constexpr UINT kMsgOrderChanged = WM_USER + 0x314;
  // The fine adjustment's limit either way, in 0.1 mm.
  static constexpr int kMaxFineAdjust = 999;

  explicit CDlgOrPrintPreview(HWND owner);
  ~CDlgOrPrintPreview() override;

  // Makes the window (hidden); false when it cannot be made.
  bool CreateFloating();
  // Shows or hides it. Showing registers the album's modal work with the suite (kind 4),
  // hiding ends it.
  void ShowFloating(bool show);
  // Whether the window is shown, also while a modal dialog has it out of the way.
  bool floatingShown() const { return shown_; }
  // Takes the window out of the way while a modal dialog runs, and brings it back after
  // (after the last, when they nest).
  void SuspendForModal();
  void ResumeAfterModal();

  // What to show; the title follows the style's name, orientation and the page count.
  void Show(const CPrintFormat* style, const PrintPageTemplate* layout,
            const CPrintPaperSizeInfo* metrics, CPrintItems* items, int page, int pageCount);
  // The whole page's fine adjustment in 0.1 mm (x right, y down), as the window's number
  // edits hold it.
  POINT fineAdjust() const;
  void SetFineAdjust(POINT adjust);

  CCtrlPrintPreviewEx& preview() { return preview_; }
  using CCDialogExPh::Control;

 protected:
  BOOL OnInitDialog() override;
  // Enter takes what the number edits hold; Esc, the close button and the title bar's
  // close hide the window.
  void OnOK() override;
  void OnCancel() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnDestroy() override;

 private:
  LRESULT OnPreviewSelected(WPARAM w, LPARAM l);
  LRESULT OnPreviewDelete(WPARAM w, LPARAM l);
  LRESULT OnPreviewDrop(WPARAM w, LPARAM l);
  LRESULT OnPreviewSwap(WPARAM w, LPARAM l);
  void OnPrint();
  void OnResetLayout();
  void OnBringToFront();
  void OnSendToBack();
  void OnNextPage();
  void OnPrevPage();
  void OnCellBorders();
  void OnFitToWindow();
  void OnUpdateBringToFront(CCmdUI* ui);
  void OnUpdateSendToBack(CCmdUI* ui);

  // Puts the window on screen or takes it off, holding the suite operation exactly while
  // it is on screen.
  void Appear();
  void Disappear();
  void UpdateTitle();
  // Runs the update table over the buttons that have an entry in it.
  void UpdateControls();
  // The preview shows the adjustment the edits hold.
  void TakeFineAdjust();
  void Tell(UINT message) const;
  bool Checked(UINT id) const;
  // The selected cell's photo on the page shown, or null.
  CPrintItem* SelectedPhoto() const;

  HWND owner_;
  CCtrlPrintPreviewEx preview_;
  const CPrintFormat* style_ = nullptr;
  CPrintItems* items_ = nullptr;
  int page_ = 0;
  int pageCount_ = 0;
  POINT adjust_{};
  bool shown_ = false;
  int suspensions_ = 0;  // modal dialogs running that the window stepped aside for
  bool operationBegun_ = false;
};
