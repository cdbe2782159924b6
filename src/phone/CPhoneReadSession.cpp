#include "phone/CPhoneReadSession.h"

#include "host/CHarboPhotoApp.h"
#include "library/CPhotoManager.h"
#include "phone/PhoneReadBursts.h"
#include "phone/PhoneReadRequest.h"
#include "phone/PhoneReadStore.h"
#include "platform/win/Wnd.h"

CPhoneReadSession::CPhoneReadSession()
    : comm_(CreateCdmaComm()), request_(CreateCdmaFilesOption()) {}

CPhoneReadSession::~CPhoneReadSession() {
  DeleteCdmaFilesOption(request_);
  DeleteCdmaComm(comm_);
}

bool CPhoneReadSession::Start(const CPhotoManager& library, const CRegReadOption& option,
                              bool lacksExternalMemory, const Parties& parties) {
  if (comm_ == nullptr || request_ == nullptr) return false;
  comm_->SetMsgBoxWnd(parties.messageBoxOwner);
  comm_->SetCBDirPath(parties.callbackFolder);
  // The colour scheme goes with the request, for the library's own windows.
  if (!phoneread::FillRequest(*request_, option, lacksExternalMemory, library,
                              TheApp().colorScheme()))
    return false;
  comm_->SetStatusNotifyInfo(parties.statusWindow, kStatusReading);
  // The host takes no input while the transfer starts.
  HWND host = parties.hostWindow;
  const bool hostWasEnabled = IsWindow(host) && host->IsWindowEnabled();
  if (hostWasEnabled) host->EnableWindow(false);
  const BOOL started =
      comm_->GetFilesForQuarn(request_->GetStorageMask(), request_, parties.notify);
  if (hostWasEnabled && IsWindow(host)) host->EnableWindow(true);
  return started != 0;
}

bool CPhoneReadSession::UserCancelled() const {
  return comm_ != nullptr && comm_->IsUserCancel() != 0;
}

bool CPhoneReadSession::Transferring() const {
  return comm_ != nullptr && comm_->IsTransferring();
}

CPhoneReadSession::Outcome CPhoneReadSession::Complete(CPhotoManager& library) {
  Outcome outcome;
  outcome.cancelled = UserCancelled();
  if (comm_ == nullptr) return outcome;
  outcome.records = phoneread::StoreReceived(library, *comm_->GetNyFileInfoList());
  outcome.composites = phoneread::GroupBursts(library, outcome.records, comm_->GetWorkDirPath());
  library.Recount();
  outcome.saved = library.SaveAlbum() != 0;
  return outcome;
}
