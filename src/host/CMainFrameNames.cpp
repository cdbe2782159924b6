// The frame's commands that find photos and name them: the search, rename and the memo.
#include "browse/CDlgMemoEdit.h"
#include "browse/CDlgRename.h"
#include "browse/CDlgSearch.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"

namespace {

void Beep() {
  MessageBeep(static_cast<UINT>(-1));
}

// The focused item when it is selected, else null.
CImageItem* SelectedFocus(const CImageItems& items) {
  CImageItem* focused = items.FocusedItem();
  return focused != nullptr && focused->selected() != 0 && focused->record() != nullptr ? focused
                                                                                        : nullptr;
}

}  // namespace

void CMainFrame::OnSearch() {
  CDlgSearch dialog(this);
  dialog.DoModal();
}

void CMainFrame::OnRename() {
  CImageItem* item = SelectedFocus(*items_);
  if (item == nullptr) {
    Beep();
    return;
  }
  RenameItem(item);
}

void CMainFrame::OnEditMemo() {
  CImageItem* item = SelectedFocus(*items_);
  if (item == nullptr) {
    Beep();
    return;
  }
  EditMemo(item);
}

void CMainFrame::RenameItem(CImageItem* item) {
  if (item == nullptr || item->record() == nullptr || PlacedInEasyPrint(item->record())) return;
  if (transfer_ != 0) {
    Beep();
    return;
  }
  CDlgRename dialog(item->record(), this);
  if (dialog.DoModal() == IDOK) RefreshViews();
}

// The memo is kept at once, as the editor's adjustments are.
void CMainFrame::EditMemo(CImageItem* item) {
  if (item == nullptr || item->record() == nullptr || PlacedInEasyPrint(item->record())) return;
  CDlgMemoEdit dialog(item->record(), this);
  if (dialog.DoModal() != IDOK) return;
  RefreshViews();
  TheApp().SaveLibrary();
}

void CMainFrame::OnUpdateRename(CCmdUI* ui) {
  const CImageItem* item = SelectedFocus(*items_);
  ui->Enable(items_->SelectedCount() > 0 && transfer_ == 0 &&
             !(item != nullptr && PlacedInEasyPrint(item->record())));
}

void CMainFrame::OnUpdateEditMemo(CCmdUI* ui) {
  const CImageItem* item = SelectedFocus(*items_);
  ui->Enable(items_->SelectedCount() > 0 &&
             !(item != nullptr && PlacedInEasyPrint(item->record())));
}
