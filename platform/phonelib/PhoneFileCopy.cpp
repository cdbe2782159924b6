#include "platform/phonelib/PhoneFileCopy.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/CCmnFnc.h"

namespace phonelib {

namespace {

namespace fs = std::filesystem;

Cp932String FolderOf(const Cp932String& path) {
  const size_t slash = path.rfind('/');
  return slash == Cp932String::npos ? Cp932String(".") : path.substr(0, slash);
}

// The whole source, when it is still a plain file of the size it was listed with (a pipe
// or a device would block the reader or never end).
std::optional<std::string> ReadWhole(const CopyOrder& order) {
  if (!fileio::IsFile(order.from)) return std::nullopt;
  const auto size = fileio::FileSize(order.from);
  if (!size || *size != order.expectedSize || *size > order.maxBytes) return std::nullopt;
  auto data = fileio::ReadFile(order.from);
  if (!data || data->size() != order.expectedSize) return std::nullopt;
  return data;
}

// Gives the temporary copy the source's modification time, which the album dates it by.
bool CopyModificationTime(const Cp932String& from, const Cp932String& to) {
  const auto source = fileio::ToDiskPath(from);
  const auto target = fileio::ToDiskPath(to);
  if (!source || !target) return false;
  std::error_code error;
  const auto time = fs::last_write_time(*source, error);
  if (error) return false;
  fs::last_write_time(*target, time, error);
  return !error;
}

// Moves the finished copy to its name; without replace an existing file stays as it was.
CopyResult Rename(const Cp932String& temp, const CopyOrder& order) {
  const auto source = fileio::ToDiskPath(temp);
  const auto target = fileio::ToDiskPath(order.to);
  if (!source || !target) return CopyResult::kFailed;
  const unsigned flags = order.replace ? 0 : RENAME_NOREPLACE;
  if (renameat2(AT_FDCWD, source->c_str(), AT_FDCWD, target->c_str(), flags) == 0)
    return CopyResult::kCopied;
  return errno == EEXIST ? CopyResult::kExists : CopyResult::kFailed;
}

// Writes the data under a temporary name and moves it into place.
CopyResult WriteAndMove(const CopyOrder& order, const std::string& data) {
  char temp[CCmnFnc::kMaxPath];
  if (!CCmnFnc::GetTempFilePath(FolderOf(order.to).c_str(), temp)) return CopyResult::kFailed;
  CopyResult result = CopyResult::kFailed;
  if (fileio::WriteFileAtomic(temp, data) && CopyModificationTime(order.from, temp))
    result = Rename(temp, order);
  if (result != CopyResult::kCopied) DeleteFileA(temp);
  return result;
}

}  // namespace

CopyResult CopyPhoneFile(const CopyOrder& order) {
  if (!order.replace && fileio::Exists(order.to)) return CopyResult::kExists;
  const auto data = ReadWhole(order);
  if (!data) return CopyResult::kFailed;
  return WriteAndMove(order, *data);
}

Cp932String FreeNameIn(const Cp932String& folder, const Cp932String& name) {
  const size_t dot = name.rfind('.');
  const Cp932String stem = dot == Cp932String::npos || dot == 0 ? name : name.substr(0, dot);
  const Cp932String ext = stem.size() == name.size() ? Cp932String() : name.substr(stem.size());
  Cp932String candidate = name;
  for (int n = 2; fileio::Exists(folder + "/" + candidate); ++n)
    candidate = stem + "(" + std::to_string(n) + ")" + ext;
  return candidate;
}

}  // namespace phonelib
