#include "platform/phonelib/CCdmaFilesOption.h"

#include "platform/phonelib/PhoneFolder.h"

namespace {

// The text after the last dot of a file name; empty when there is none.
Cp932String ExtensionOf(const Cp932String& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == Cp932String::npos ? Cp932String() : fileName.substr(dot + 1);
}

bool SetBoundedPath(Cp932String& target, const Cp932String& path) {
  if (path.size() > CCdmaFilesOption::kMaxPathBytes) return false;
  target = path;
  return true;
}

}  // namespace

bool CCdmaFilesOption::WantsFile(const Cp932String& fileName) const {
  const Cp932String extension = cp932::AsciiUpper(ExtensionOf(fileName));
  if (extension.empty()) return false;
  for (const Cp932String& wanted : extensions_)
    if (cp932::AsciiUpper(wanted) == extension) return true;
  return false;
}

bool CCdmaFilesOption::SetStrIntPath(const Cp932String& path) {
  return SetBoundedPath(strIntPath_, path);
}

bool CCdmaFilesOption::SetStrExtPath(const Cp932String& path) {
  return SetBoundedPath(strExtPath_, path);
}

const Cp932String& CCdmaFilesOption::GetStagingPath(int area) const {
  return area == phonelib::kAreaExternal ? strExtPath_ : strIntPath_;
}
