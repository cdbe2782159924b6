// The frame's commands that bring files from the PC into the album and copy photos out.
#include <cstdio>
#include <ctime>

#include "browse/IndexTree.h"
#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/SuiteRegistry.h"
#include "platform/win/WaitCursor.h"
#include "transfer/CDlgImageExport.h"
#include "transfer/CDlgImageImport.h"
#include "transfer/PcImport.h"

namespace {

// The memo every record of one import carries: "imported on month/day at hour:minute".
Cp932String ImportMemo() {
  const time_t now = time(nullptr);
  tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::snprintf(text, sizeof text, "%2d月%2d日 %2d時%2d分 に取込みました。", local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min);
  return cp932::Lit(text);
}

void ShowHostMainWindow() {
  SuiteContext* context = suite::Context();
  if (context != nullptr && IsWindow(context->hostMainWindow))
    context->hostMainWindow->ShowWindow(SW_SHOW);
}

// The new records are the library's last ones: their month's entry is shown when they
// share one, else all photos.
void ShowImported(CMainFrame& frame, const CPhotoManager& library, int imported) {
  if (imported <= 0 || imported > library.count()) return;
  const CPhotoItem* first = library.at(library.count() - imported);
  for (int i = library.count() - imported; i < library.count(); ++i) {
    const CPhotoItem* record = library.at(i);
    if (record->year() != first->year() || record->month() != first->month()) {
      frame.ShowIndexEntry(indextree::kAll, 0);
      return;
    }
  }
  frame.ShowIndexEntry(first->year(), first->month());
}

}  // namespace

void CMainFrame::OnImport() {
  ShowHostMainWindow();
  CDlgImageImport dialog(this);
  if (dialog.DoModal() != IDOK || dialog.files().empty()) return;
  const CWaitCursor wait;
  const suite::ScopedOperation operation(suite::kKindAlbumFiles, 1);
  if (!operation.begun()) return;
  CPhotoManager* library = TheApp().library();
  if (library == nullptr) return;
  const pcimport::Outcome outcome = pcimport::Run(*library, dialog.files(), ImportMemo());
  if (!outcome.saved) {
    AlbumMessageBox(cp932::Lit("アルバムを保存できないため、取り込みを取り消しました。"),
                    MB_ICONEXCLAMATION);
    return;
  }
  if (!outcome.failed.empty()) {
    char text[96];
    std::snprintf(text, sizeof text, "%d件取り込めませんでした。",
                  static_cast<int>(outcome.failed.size()));
    AlbumMessageBox(cp932::Lit(text), MB_ICONEXCLAMATION);
  }
  library->Recount();
  RebuildIndexTree();
  ShowImported(*this, *library, outcome.imported);
}

void CMainFrame::OnExport() {
  CDlgImageExport dialog(*items_, this);
  dialog.DoModal();
  // The ticks were the items' selection marks: the views show them as they are now.
  if (listShown())
    list_.RefreshSelection();
  else
    thumbnails_.Invalidate();
}

void CMainFrame::OnUpdateNoTransfer(CCmdUI* ui) {
  ui->Enable(transfer_ == 0);
}
