#include "platform/phonelib/CCdmaComm.h"

#include <filesystem>
#include <utility>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/CPhoneReadJob.h"
#include "platform/phonelib/CPhoneWriteJob.h"
#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/phonelib/PhoneReadPlan.h"
#include "platform/win/Wnd.h"

namespace {

constexpr char kWorkFolderName[] = "PhoneWork";

bool IsValidMask(int mask) {
  return mask >= phonelib::kAreaInternal && mask <= phonelib::kAreaBoth;
}

// The staging folders of the areas in the mask, made when missing; false when one of
// them is not given or cannot be made.
bool PrepareStaging(int mask, const CCdmaFilesOption& request) {
  for (int area : {phonelib::kAreaInternal, phonelib::kAreaExternal}) {
    if ((mask & area) == 0) continue;
    const Cp932String& folder = request.GetStagingPath(area);
    if (folder.empty()) return false;
    if (!fileio::IsDirectory(folder) && !fileio::CreateFolderPath(folder, false)) return false;
  }
  return true;
}

// The system's folder for temporary files, in code page 932.
Cp932String SystemTempFolder() {
  std::error_code error;
  const auto folder = std::filesystem::temp_directory_path(error);
  if (error) return "/tmp";
  return fileio::FromDiskPath(folder.string()).value_or("/tmp");
}

}  // namespace

CCdmaComm::CCdmaComm() = default;
CCdmaComm::~CCdmaComm() = default;

BOOL CCdmaComm::IsUserCancel() const {
  return transfer_ != nullptr && transfer_->cancelled() ? 1 : 0;
}

bool CCdmaComm::IsTransferring() const {
  return transfer_ != nullptr && !transfer_->finished();
}

bool CCdmaComm::CanStart(HWND notify) const {
  return !IsTransferring() && IsWindow(notify) && phonelib::IsPhoneConnected();
}

bool CCdmaComm::Begin(std::unique_ptr<CPhoneTransfer> transfer, const Cp932String& caption) {
  transfer_ = std::move(transfer);
  if (transfer_->Start(caption)) return true;
  transfer_.reset();
  return false;
}

BOOL CCdmaComm::GetFilesForQuarn(int mask, CCdmaFilesOption* request, HWND notify) {
  if (request == nullptr || !IsValidMask(mask) || !CanStart(notify)) return 0;
  if (!PrepareStaging(mask, *request)) return 0;
  files_.RemoveAll();
  const Cp932String staging[2] = {request->GetStrIntPath(), request->GetStrExtPath()};
  auto plan = phonelib::PlanRead(phonelib::PhoneFolder(), mask, *request);
  auto job = std::make_unique<CPhoneReadJob>(std::move(plan), staging, request->GetFileDisp() != 0,
                                             files_, notify);
  return Begin(std::move(job), cp932::Lit("ケータイから読み込んでいます")) ? 1 : 0;
}

BOOL CCdmaComm::PutFilesForQuarn(const CNyFileInfoList* list, int kind, int overwrite,
                                 HWND notify) {
  if (list == nullptr || kind != kPutFiles || !CanStart(notify)) return 0;
  CPhoneWriteJob::Target target{phonelib::PhoneFolder(), overwrite != 0};
  if (const auto profile = phonelib::ReadPhoneProfile(target.phoneFolder)) {
    target.maxInternalBytes = profile->maxInternalBytes;
    target.maxExternalBytes = profile->maxExternalBytes;
  }
  auto job = std::make_unique<CPhoneWriteJob>(*list, std::move(target), files_, notify);
  return Begin(std::move(job), cp932::Lit("ケータイに書き込んでいます")) ? 1 : 0;
}

// Inside the callback folder when one is given and usable, else in the system's folder.
Cp932String CCdmaComm::GetWorkDirPath() {
  if (!workDirPath_.empty() && fileio::IsDirectory(workDirPath_)) return workDirPath_;
  const Cp932String base = cbDirPath_.empty() ? SystemTempFolder() : cbDirPath_;
  const Cp932String folder = base + "/" + kWorkFolderName;
  const bool made = fileio::IsDirectory(folder) || fileio::CreateFolderPath(folder, false);
  workDirPath_ = made ? folder : SystemTempFolder();
  return workDirPath_;
}
