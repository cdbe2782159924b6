// The frame's commands that act on the item set and the visible view, and their states.
#include <algorithm>

#include "browse/CDlgConfList.h"
#include "browse/IndexTree.h"
#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/SuiteRegistry.h"
#include "images/CDlgImageEditer.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "platform/shell/Clipboard.h"
#include "resources/CommandIds.h"

namespace {

using cp932::Lit;

// The home page of the product, opened by command 32888.
constexpr const char* kHomePageAddress = "https://harbo-suite.invalid/album/";
constexpr uint32_t kFavouriteBits = 0xFFF;

void Warn(const char* utf8) {
  AlbumMessageBox(Lit(utf8), MB_ICONEXCLAMATION);
}

// The focused photo, when it is a still picture or a burst composite and selected.
CImageItem* EditableFocus(const CImageItems& items) {
  CImageItem* focused = items.FocusedItem();
  const bool picture =
      focused != nullptr && (focused->flags() & (PhotoKind::kStill | PhotoKind::kBurstComposite));
  return picture && focused->selected() != 0 ? focused : nullptr;
}

}  // namespace

// The view that comes up takes the keyboard, so that the keys act on it at once, even when
// the switch was clicked on the view bar.
void CMainFrame::OnSwitchView() {
  ShowViews(!thumbnailShown());
  if (!IsInActiveWindow()) return;
  if (thumbnailShown())
    thumbnails_.SetFocus();
  else
    list_.SetFocus();
}

void CMainFrame::OnCaption(uint16_t bit) {
  items_->SetStyleBits(static_cast<uint16_t>(items_->styleBits() ^ bit));
  thumbnails_.Relayout();
}

void CMainFrame::OnThumbnailSize(int pixels) {
  items_->SetImageSize(pixels);
  thumbnails_.SetThumbnailSize(pixels);
}

// Choosing the current key while ascending makes it descending; any other choice sorts
// ascending by the chosen key. The list sorts its rows with its own comparison and hands
// the order to the set.
void CMainFrame::OnSort(uint32_t key) {
  const uint32_t current = sort();
  const auto value = static_cast<int32_t>(current == key ? (kSortDescending | key) : key);
  if (listShown()) {
    list_.Sort(value);
    return;
  }
  items_->Sort(value);
  RefreshViews();
}

void CMainFrame::OnSelectAll() {
  if (thumbnailShown())
    thumbnails_.SelectAll();
  else
    list_.SelectAll();
}

void CMainFrame::OnPreview() {
  if (thumbnailShown())
    thumbnails_.Preview();
  else
    list_.Preview();
}

std::vector<CImageItem*> CMainFrame::SelectedItems() const {
  std::vector<CImageItem*> selected;
  for (CImageItem* item : items_->items())
    if (item->selected() != 0) selected.push_back(item);
  return selected;
}

void CMainFrame::OnDelete() {
  // The album's file work is one suite operation, so other modules keep off the files.
  const suite::ScopedOperation operation(suite::kKindAlbumFiles, 1);
  if (!operation.begun()) return;
  if (items_->count() == 0 || items_->SelectedCount() == 0) {
    if (transfer_ != 0)
      MessageBeep(static_cast<UINT>(-1));
    else
      Warn(items_->count() == 0 ? "写真がありません。" : "写真を選択してください。");
    return;
  }
  if (items_->category() == indextree::kFavourites) {
    RemoveFavouriteMarks();
    return;
  }
  if (transfer_ != 0) return;
  if (AlbumMessageBox(Lit("削除してよろしいですか？"), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const std::vector<CImageItem*> taken = TakeDeletable();
  if (ConfirmDeletion(taken)) RemoveTaken(taken, true);
}

// In the favourites the selected photos only leave the current favourite (every favourite
// from its "全て" entry); no file is touched.
void CMainFrame::RemoveFavouriteMarks() {
  if (AlbumMessageBox(Lit("お気に入りからはずしてよろしいですか？"),
                      MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return;
  const uint32_t mask = items_->favouriteMask() != 0
                            ? static_cast<uint32_t>(items_->favouriteMask())
                            : kFavouriteBits;
  const std::vector<CImageItem*> taken = SelectedItems();
  for (CImageItem* item : taken) item->SetFavourites(item->favourites() & ~mask);
  RemoveTaken(taken, false);
}

// The selected photos that may be deleted: neither a favourite nor placed in the print
// layout. The user is told about each kind left out.
std::vector<CImageItem*> CMainFrame::TakeDeletable() {
  std::vector<CImageItem*> taken;
  bool favouriteSkipped = false;
  bool placedSkipped = false;
  for (CImageItem* item : SelectedItems()) {
    if ((item->favourites() & kFavouriteBits) != 0)
      favouriteSkipped = true;
    else if (easyPrint_.IsPlaced(item->record()))
      placedSkipped = true;
    else
      taken.push_back(item);
  }
  if (favouriteSkipped) Warn("お気に入りの写真は削除できません。");
  if (placedSkipped) Warn("印刷レイアウトに指定している写真は削除できません。");
  return taken;
}

// The list of what is about to go; an empty list beeps and deletes nothing.
bool CMainFrame::ConfirmDeletion(const std::vector<CImageItem*>& taken) {
  CDlgConfList list(this);
  list.SetMode(CDlgConfList::kModeDelete);
  for (CImageItem* item : taken) list.AddItem(item);
  return list.DoModal() == 1;
}

void CMainFrame::RemoveTaken(const std::vector<CImageItem*>& taken, bool deleteRecords) {
  CPhotoManager* library = TheApp().library();
  for (CImageItem* item : taken) {
    if (listShown()) list_.RemoveItem(item);
    CPhotoItem* record = item->record();
    items_->Remove(item);
    if (deleteRecords && library != nullptr) library->RemovePhoto(record, true);
  }
  if (!listShown()) thumbnails_.Relayout();
  if (library == nullptr) return;
  if (deleteRecords) library->SaveAlbum();
  library->Recount();
  if (indexShown()) RebuildIndexTree();
}

void CMainFrame::OnCopy() {
  const std::vector<CImageItem*> selected = SelectedItems();
  if (selected.empty()) return;
  if (!OpenClipboard(this)) {
    Warn("クリップボードが開けません。");
    return;
  }
  std::vector<Cp932String> paths;
  for (const CImageItem* item : selected) paths.push_back(item->record()->path());
  if (!EmptyClipboard())
    Warn("クリップボードを初期化出来ません。");
  else if (!SetClipboardFiles(paths, DROPEFFECT_COPY))
    Warn("クリップボードにデータを設定出来ません。");
  CloseClipboard();
}

void CMainFrame::OnSetFavourite() {
  if (items_->category() == indextree::kSetAside) return;
  const std::vector<CImageItem*> selected = SelectedItems();
  if (selected.empty()) {
    Warn("写真を選択してください");
    return;
  }
  for (CImageItem* item : selected)
    item->SetFavourites(
        favouriteChoice_ == 0 ? 0 : item->favourites() | (1u << (favouriteChoice_ - 1)));
  if (CPhotoManager* library = TheApp().library()) library->RecountFavourites();
  if (index_.favouritesCurrent())
    ApplyIndexAgain();
  else
    RefreshViews();
}

void CMainFrame::OnHelp() {
  Cp932String message;
  if (!TheApp().OpenDocument(TheApp().helpFile(), &message))
    AlbumMessageBox(message, MB_ICONEXCLAMATION);
}

void CMainFrame::OnHomePage() {
  Cp932String message;
  if (!TheApp().OpenDocument(kHomePageAddress, &message))
    AlbumMessageBox(message, MB_ICONEXCLAMATION);
}

void CMainFrame::OnUpdateCaption(CCmdUI* ui) {
  const uint16_t bit = ui->id() == cmd::kCaptionName ? 2 : ui->id() == cmd::kCaptionDate ? 4 : 8;
  ui->Enable(thumbnailShown());
  ui->SetCheck((items_->styleBits() & bit) != 0 ? 1 : 0);
}

void CMainFrame::OnUpdateSize(CCmdUI* ui) {
  const int size = ui->id() == cmd::kSizeSmall ? 80 : ui->id() == cmd::kSizeMedium ? 160 : 240;
  ui->Enable(thumbnailShown());
  ui->SetRadio(items_->imageSize() == size);
}

void CMainFrame::OnUpdateSort(CCmdUI* ui) {
  const uint32_t key = ui->id() == cmd::kSortName   ? 1
                       : ui->id() == cmd::kSortDate ? 2
                       : ui->id() == cmd::kSortSize ? 3
                                                    : 4;
  ui->SetRadio((sort() & ~kSortDescending) == key);
}

void CMainFrame::OnUpdateSelection(CCmdUI* ui) {
  ui->Enable(items_->SelectedCount() > 0);
}

void CMainFrame::OnUpdateDelete(CCmdUI* ui) {
  const bool favourites = items_->category() == indextree::kFavourites;
  ui->Enable(items_->SelectedCount() > 0 && (transfer_ == 0 || favourites));
}

void CMainFrame::OnUpdateSelectAll(CCmdUI* ui) {
  ui->Enable(items_->count() > 0);
}

// The preview needs a still photo or a burst composite in the set.
void CMainFrame::OnUpdatePreview(CCmdUI* ui) {
  const auto& all = items_->items();
  ui->Enable(std::any_of(all.begin(), all.end(), [](const CImageItem* item) {
    return (item->flags() & (PhotoKind::kStill | PhotoKind::kBurstComposite)) != 0;
  }));
}

void CMainFrame::OnEditPhoto() {
  CImageItem* item = EditableFocus(*items_);
  if (item == nullptr) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  CDlgImageEditer editor(item->record(), items_.get(), this, this);
  editor.DoModal();
}

void CMainFrame::OnUpdateEditPhoto(CCmdUI* ui) {
  ui->Enable(EditableFocus(*items_) != nullptr);
}

bool CMainFrame::PlacedInEasyPrint(const CPhotoItem* record) const {
  return record != nullptr && easyPrint_.IsPlaced(record);
}

// Enter, or "開く" of the context menu: the visible view opens its focused photo.
void CMainFrame::OnOpenItem() {
  if (thumbnailShown())
    thumbnails_.OpenFocused();
  else if (listShown())
    list_.OpenFocused();
}
