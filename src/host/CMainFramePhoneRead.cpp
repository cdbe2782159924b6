// The frame's reading from the phone: the read command (F5, 1000, and the host's 49169),
// the read settings dialog (32885) and the completion of a read (WM_USER + 0x103).
#include <algorithm>
#include <set>

#include "browse/IndexTree.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/SuiteRegistry.h"
#include "library/CPhotoManager.h"
#include "phone/CDlgReadOption.h"
#include "phone/CPhoneReadSession.h"
#include "phone/PhoneReadRequest.h"
#include "platform/win/WaitCursor.h"

namespace {

// The album's phone operation, as the suite's phone access check numbers it.
constexpr int kAlbumPhoneOperation = 7;

}  // namespace

// The read runs as the album's phone operation; the suite's check shows why when another
// operation holds the phone or the host refuses.
void CMainFrame::OnReadFromPhone() {
  if (!PhoneCommandAllowed() || readSession_ != nullptr) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  if (TheApp().CheckPhoneAccess(kAlbumPhoneOperation) == 0) return;
  if (StartRead()) {
    SetTransfer(1);
    RefreshPhoneWindows();
    return;
  }
  EndRead();
  RefreshViews();
}

bool CMainFrame::StartRead() {
  const CPhotoManager* library = TheApp().library();
  if (library == nullptr) return false;
  CRegReadOption option;
  option.Load();
  const SuiteContext* context = suite::Context();
  const HWND host = context != nullptr ? context->hostMainWindow : nullptr;
  const CPhoneReadSession::Parties parties{this, host, GetParent(), host,
                                           TheApp().GetPath(CHarboPhotoApp::Path::kCallbackFolder)};
  readSession_ = std::make_unique<CPhoneReadSession>();
  return readSession_->Start(*library, option, phoneread::PhoneLacksExternalMemory(), parties);
}

// The read is over, whether it ran or never started: the suite's phone operation ends and
// the frame notes whether the user cancelled.
std::unique_ptr<CPhoneReadSession> CMainFrame::EndRead() {
  std::unique_ptr<CPhoneReadSession> session = std::move(readSession_);
  readFinished_ = session == nullptr || !session->UserCancelled();
  suite::EndOperation(suite::kAlbumModule, suite::kKindPhone, 0);
  return session;
}

LRESULT CMainFrame::OnReadDone(WPARAM /*w*/, LPARAM /*l*/) {
  if (readSession_ == nullptr) return 0;
  std::unique_ptr<CPhoneReadSession> session = EndRead();
  CWaitCursor wait;
  CPhotoManager* library = TheApp().library();
  CPhoneReadSession::Outcome outcome;
  if (library != nullptr) outcome = session->Complete(*library);
  session.reset();
  SetTransfer(0);
  RebuildIndexTree();
  std::vector<CPhotoItem*> fresh = outcome.records;
  fresh.insert(fresh.end(), outcome.composites.begin(), outcome.composites.end());
  SelectNewPhotos(fresh);
  RefreshViews();
  return 0;
}

// The new photos are shown in their month's entry when they share one (as after an
// import), else among all photos; they are selected, the first of them focused and in view.
void CMainFrame::SelectNewPhotos(const std::vector<CPhotoItem*>& records) {
  CPhotoManager* library = TheApp().library();
  if (records.empty() || library == nullptr) return;
  const CPhotoItem* first = records.front();
  const bool oneMonth =
      std::all_of(records.begin(), records.end(), [first](const CPhotoItem* record) {
        return record->year() == first->year() && record->month() == first->month();
      });
  if (oneMonth)
    ShowIndexEntry(first->year(), first->month());
  else
    ShowIndexEntry(indextree::kAll, 0);
  const std::set<const CPhotoItem*> fresh(records.begin(), records.end());
  const CImageItem* focus = nullptr;
  for (CImageItem* item : items_->items()) {
    const bool isNew = fresh.count(item->record()) != 0;
    item->SetSelected(isNew ? 1 : 0);
    if (isNew && focus == nullptr) focus = item;
  }
  if (focus == nullptr) return;
  library->SetCurrentPhoto(focus->record());
  ShowViews(thumbnailShown());
}

void CMainFrame::OnReadOptions() {
  if (transfer_ != 0) return;
  CRegReadOption option;
  option.Load();
  CDlgReadOption dialog(option, phoneread::PhoneLacksExternalMemory(), this);
  if (dialog.DoModal() == IDOK) dialog.option().Save();
}

// The read's state also goes to the host's window that reads from the phone.
void CMainFrame::OnUpdateReadFromPhone(CCmdUI* ui) {
  const bool allowed = PhoneCommandAllowed();
  ui->Enable(allowed);
  suite::EnableHostWindow1(allowed);
}
