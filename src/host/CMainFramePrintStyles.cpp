// The frame's print style command: the user's styles in their list dialog, on a print
// system started when they are first edited.
#include "host/CMainFrame.h"
#include "print/CDlgPrintFormatList.h"
#include "print/CPrintManager.h"

// A print system that cannot be started has told the user why; it is tried again next time.
void CMainFrame::OnPrintStyles() {
  if (!printManager_) printManager_ = std::make_unique<CPrintManager>();
  if (!printManager_->initialized() && !printManager_->Start(true)) {
    printManager_.reset();
    return;
  }
  CDlgPrintFormatList dialog(printManager_->formats(), &printManager_->printer(), this);
  dialog.DoModal();
}

void CMainFrame::OnUpdatePrintStyles(CCmdUI* ui) {
  ui->Enable(CHarboPhotoPrintView::PrintingAvailable());
}
