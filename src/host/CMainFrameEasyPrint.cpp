// The frame's easy print commands: showing the panel, inserting the selection into it and
// printing from it.
#include <algorithm>

#include "browse/IndexTree.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "library/CPhotoItem.h"
#include "library/PhotoKind.h"

void CMainFrame::OnToggleEasyPrint() {
  wantEasyPrint_ = !easyPrintShown();
  rightSplitter_.ShowRow(1, wantEasyPrint_ && CHarboPhotoPrintView::PrintingAvailable());
  if (easyPrintShown()) easyPrint_.Relayout();
}

void CMainFrame::OnUpdateEasyPrint(CCmdUI* ui) {
  ui->Enable(CHarboPhotoPrintView::PrintingAvailable());
  ui->SetCheck(easyPrintShown() ? 1 : 0);
}

// The selected photos of the current view, in its order.
std::vector<CPhotoItem*> CMainFrame::SelectedRecords() const {
  std::vector<CPhotoItem*> records;
  for (CImageItem* item : SelectedItems())
    if (item->record() != nullptr) records.push_back(item->record());
  return records;
}

void CMainFrame::OnInsertIntoEasyPrint() {
  if (!easyPrintShown() || items_->category() == indextree::kSetAside) return;
  easyPrint_.InsertSelection();
}

// Only still photos and burst composites go onto a page.
void CMainFrame::OnUpdateInsertIntoEasyPrint(CCmdUI* ui) {
  const std::vector<CImageItem*> selected = SelectedItems();
  ui->Enable(easyPrintShown() && items_->category() != indextree::kSetAside &&
             std::any_of(selected.begin(), selected.end(), [](const CImageItem* item) {
               return (item->flags() & (PhotoKind::kStill | PhotoKind::kBurstComposite)) != 0;
             }));
}

void CMainFrame::OnPrint() {
  if (easyPrint_.HasSomethingToPrint()) easyPrint_.Print();
}

void CMainFrame::OnEasyPrintLayout() {
  if (easyPrintShown()) easyPrint_.ShowLayoutWindow(!easyPrint_.floatingShown());
}

void CMainFrame::OnUpdatePrint(CCmdUI* ui) {
  ui->Enable(CHarboPhotoPrintView::PrintingAvailable() && easyPrint_.HasSomethingToPrint());
}
