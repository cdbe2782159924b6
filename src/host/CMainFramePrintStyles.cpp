// The frame's print style command: the user's styles in their list dialog, on a print
// system started when they are first edited.
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "print/CDlgPrintFormatList.h"
#include "print/CPrintManager.h"

// A print system that cannot be started has told the user why; it is tried again next time.
void CMainFrame::OnPrintStyles() {
  CPrintManager& manager = TheApp().printManager();
  if (!manager.initialized() && !manager.Start(true)) return;
  CDlgPrintFormatList dialog(manager.formats(), &manager.printer(), this);
  dialog.DoModal();
  easyPrint_.ReloadStyles();
}

// Styles can always be edited: the file printer is there even without a print system.
void CMainFrame::OnUpdatePrintStyles(CCmdUI* ui) {
  ui->Enable(true);
}
