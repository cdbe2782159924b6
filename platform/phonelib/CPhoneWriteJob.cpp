#include "platform/phonelib/CPhoneWriteJob.h"

#include <optional>
#include <utility>
#include <vector>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneFileCopy.h"
#include "platform/phonelib/PhoneFolder.h"

namespace {

// The parts of a folder path separated by '/' or '\'; a trail byte of a double-byte
// character that happens to equal '\' is not a separator.
std::vector<Cp932String> SplitFolder(const Cp932String& folder) {
  std::vector<Cp932String> parts(1);
  for (size_t i = 0; i < folder.size(); ++i) {
    const char c = folder[i];
    if (cp932::IsLeadByte(static_cast<uint8_t>(c)) && i + 1 < folder.size()) {
      parts.back() += folder.substr(i++, 2);
    } else if (c == '/' || c == '\\') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

bool IsPlainName(const Cp932String& name) {
  return !name.empty() && name != "." && name != ".." && SplitFolder(name).size() == 1;
}

// The phone folder as a relative path under the storage area; nullopt when it would leave
// the area.
std::optional<Cp932String> RelativeFolder(const Cp932String& folder) {
  Cp932String relative;
  for (const Cp932String& part : SplitFolder(folder)) {
    if (part.empty() || part == ".") continue;
    if (part == "..") return std::nullopt;
    relative += "/" + part;
  }
  return relative;
}

}  // namespace

CPhoneWriteJob::CPhoneWriteJob(const CNyFileInfoList& entries, Target target,
                               CNyFileInfoList& results, HWND notify)
    : CPhoneTransfer(notify, kMsgDone), target_(std::move(target)), results_(results) {
  for (POSITION pos = entries.GetHeadPosition(); pos != nullptr;)
    entries_.push_back(entries.GetNext(pos));
  for (CNyFileInfo& entry : entries_) entry.SetTransferred(false);
}

uint64_t CPhoneWriteJob::LimitOf(int area) const {
  const uint32_t limit =
      area == phonelib::kAreaExternal ? target_.maxExternalBytes : target_.maxInternalBytes;
  return limit == 0 ? phonelib::kMaxTransferBytes : limit;
}

bool CPhoneWriteJob::Write(const CNyFileInfo& entry) const {
  const int area = entry.GetStorageArea();
  if (!entry.IsFile() || (area != phonelib::kAreaInternal && area != phonelib::kAreaExternal))
    return false;
  const auto relative = RelativeFolder(entry.GetPhoneDirPath());
  if (!relative || !IsPlainName(entry.GetTitleName())) return false;
  // A storage area that is missing (no memory card) is not made up.
  const Cp932String areaFolder = phonelib::AreaFolder(target_.phoneFolder, area);
  if (!fileio::IsDirectory(areaFolder)) return false;
  const Cp932String folder = areaFolder + *relative;
  if (!fileio::IsDirectory(folder) && !fileio::CreateFolderPath(folder, false)) return false;
  const auto size = fileio::FileSize(entry.GetPath());
  if (!size) return false;
  const uint64_t expected = entry.GetFileSize() != 0 ? entry.GetFileSize() : *size;
  const phonelib::CopyOrder order{entry.GetPath(), folder + "/" + entry.GetTitleName(), expected,
                                  target_.overwrite, LimitOf(area)};
  return phonelib::CopyPhoneFile(order) == phonelib::CopyResult::kCopied;
}

void CPhoneWriteJob::RunStep(size_t index) {
  CNyFileInfo& entry = entries_[index];
  entry.SetTransferred(Write(entry));
  if (entry.IsReadSuccess()) ++written_;
}

// The caller's list gets every entry back, marked as written or not; the local files are
// not touched again, so the caller may delete them as soon as it hears of the end.
void CPhoneWriteJob::Complete() {
  results_.RemoveAll();
  for (const CNyFileInfo& entry : entries_) results_.AddTail(entry);
}
