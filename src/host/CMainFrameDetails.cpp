// The frame's commands about one photo's information: its details and its map.
#include "exif/CDlgImageProperties.h"
#include "exif/MapLink.h"
#include "host/CMainFrame.h"
#include "library/PhotoKind.h"

namespace {

// The focused record when it is a still picture, else null.
const CPhotoItem* FocusedStill(const CImageItems& items) {
  const CImageItem* focused = items.FocusedItem();
  const CPhotoItem* record = focused != nullptr ? focused->record() : nullptr;
  return record != nullptr && (record->flags() & PhotoKind::kStill) != 0 ? record : nullptr;
}

void Beep() {
  MessageBeep(static_cast<UINT>(-1));
}

}  // namespace

void CMainFrame::ShowDetails(CImageItem* item) {
  if (item == nullptr || item->record() == nullptr) {
    Beep();
    return;
  }
  CDlgImageProperties dialog(this);
  dialog.Show(item);
}

void CMainFrame::OnDetails() {
  ShowDetails(items_->FocusedItem());
}

// The map link reports its own failures; only a missing focus beeps here.
void CMainFrame::OnMapLink() {
  const CImageItem* focused = items_->FocusedItem();
  if (focused == nullptr || focused->record() == nullptr) {
    Beep();
    return;
  }
  maplink::OpenMapLink(focused->record()->path());
}

void CMainFrame::OnUpdateMapLink(CCmdUI* ui) {
  ui->Enable(items_->SelectedCount() > 0 && FocusedStill(*items_) != nullptr);
}
