#include "platform/phonelib/CPhoneReadJob.h"

#include <utility>

#include "platform/phonelib/PhoneFileCopy.h"
#include "platform/phonelib/PhoneFolder.h"

CPhoneReadJob::CPhoneReadJob(std::vector<phonelib::PlannedFile> plan,
                             const Cp932String (&staging)[2], bool namesShown,
                             CNyFileInfoList& results, HWND notify)
    : CPhoneTransfer(notify, kMsgDone),
      plan_(std::move(plan)),
      staging_{staging[0], staging[1]},
      namesShown_(namesShown),
      results_(results) {}

Cp932String CPhoneReadJob::StepLabel(size_t index) const {
  return namesShown_ ? plan_[index].title : Cp932String();
}

Cp932String CPhoneReadJob::Stage(const phonelib::PlannedFile& file) const {
  const Cp932String& folder = staging_[file.area == phonelib::kAreaExternal ? 1 : 0];
  const Cp932String target = folder + "/" + phonelib::FreeNameIn(folder, file.title);
  const phonelib::CopyOrder order{file.source, target, file.size, false};
  return phonelib::CopyPhoneFile(order) == phonelib::CopyResult::kCopied ? target : Cp932String();
}

// A file that could not be copied whole is listed too, as not read and without a path.
void CPhoneReadJob::RunStep(size_t index) {
  const phonelib::PlannedFile& file = plan_[index];
  CNyFileInfo info;
  info.SetStorageArea(file.area);
  info.SetFileFlag(CNyFileInfo::kFileFlag);
  info.SetTitleName(file.title);
  info.SetFileSize(static_cast<uint32_t>(file.size));
  info.SetPath(Stage(file));
  info.SetTransferred(!info.GetPath().empty());
  if (info.IsReadSuccess()) ++read_;
  results_.AddTail(info);
}
