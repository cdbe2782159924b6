#include "phone/PhoneSendSession.h"

#include "browse/CDlgConfList.h"
#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "library/CPhotoItem.h"
#include "platform/phonelib/PhoneLib.h"
#include "platform/win/Wnd.h"

namespace {

// The album's phone operation for writing, as the suite's phone access check numbers it.
constexpr int kSendOperation = 7;
// The status code under which the host shows the write's progress.
constexpr int kSendStatus = 6;

Cp932String FailedCopyQuestion(const CPhotoItem& photo) {
  const Cp932String name(photo.fileName());
  return cp932::Lit("\"") + name + cp932::Lit("\"ファイルの作成に失敗しました。\n\"") + name +
         cp932::Lit("\"は送ることができませんが、処理を続けますか？");
}

// The byte limit of the destination, from the connected phone's state; 0 when unknown.
uint32_t DestinationLimit(const phonesend::SendChoice& choice) {
  CProfile* profile = CreateProfile();
  CdmaCommState state;
  if (profile != nullptr) profile->GetCdmaCommState(&state);
  DeleteProfile(profile);
  return choice.destination == 0 ? state.maxInternalBytes : state.maxExternalBytes;
}

}  // namespace

CPhoneSendSession::~CPhoneSendSession() {
  Clean();
}

bool CPhoneSendSession::Start(const CImageItems& view, const phonesend::SendChoice& choice,
                              const Parties& parties) {
  comm_ = CreateCdmaComm();
  info_ = CreateNyFileInfo();
  if (comm_ == nullptr || info_ == nullptr) return Clean(), false;
  comm_->SetMsgBoxWnd(parties.hostMain);
  comm_->SetCBDirPath(parties.cbFolder);
  comm_->GetNyFileInfoList()->RemoveAll();
  const uint32_t limit = DestinationLimit(choice);
  if (parties.frame != nullptr) parties.frame->Invalidate();
  conversion_ = phonesend::ConvertTicked(view, choice, limit, [](const CPhotoItem& photo) {
    return AlbumMessageBox(FailedCopyQuestion(photo), MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
  });
  const bool started = !conversion_.stopped && AskAboutTooLarge() && !conversion_.items.empty() &&
                       Write(choice, parties);
  if (started) return true;
  if (parties.frame != nullptr) parties.frame->SetFocus();
  Clean();
  return false;
}

// Cancelling the list of photos that cannot be sent ends the send.
bool CPhoneSendSession::AskAboutTooLarge() const {
  if (conversion_.tooLarge.empty()) return true;
  CDlgConfList list;
  list.SetMode(CDlgConfList::kModeCannotSend);
  for (CImageItem* item : conversion_.tooLarge) list.AddItem(item);
  return list.DoModal() == IDOK;
}

// The write runs as the album's phone operation; the host's window stays disabled while
// the library starts it.
bool CPhoneSendSession::Write(const phonesend::SendChoice& choice, const Parties& parties) {
  CNyFileInfoList& list = *comm_->GetNyFileInfoList();
  phonesend::AppendEntries(conversion_.items, choice, list);
  if (TheApp().CheckPhoneAccess(kSendOperation) == 0) return false;
  operationBegun_ = true;
  comm_->SetStatusNotifyInfo(parties.statusWindow, kSendStatus);
  if (parties.hostMain != nullptr) parties.hostMain->EnableWindow(false);
  const BOOL started =
      comm_->PutFilesForQuarn(&list, CCdmaComm::kPutFiles, choice.overwrite ? 1 : 0, parties.frame);
  if (parties.hostMain != nullptr) parties.hostMain->EnableWindow(true);
  return started != 0;
}

void CPhoneSendSession::Finish() {
  Clean();
}

void CPhoneSendSession::Clean() {
  if (operationBegun_) suite::EndOperation(suite::kAlbumModule, suite::kKindPhone, 0);
  operationBegun_ = false;
  phonesend::RemoveConverted(conversion_.items.size());
  conversion_.items.clear();
  DeleteNyFileInfo(info_);
  info_ = nullptr;
  DeleteCdmaComm(comm_);
  comm_ = nullptr;
}
