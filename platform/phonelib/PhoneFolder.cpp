#include "platform/phonelib/PhoneFolder.h"

#include <cstdlib>
#include <optional>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneMounts.h"

namespace phonelib {

namespace {

std::optional<Cp932String>& HostSetting() {
  static std::optional<Cp932String> folder;
  return folder;
}

// The environment's default; a name without a code page 932 form counts as no phone.
Cp932String EnvironmentFolder() {
  const char* value = std::getenv("HARBO_PHONE_DIR");
  if (value == nullptr) return {};
  return cp932::FromUtf8(value).value_or(Cp932String());
}

Cp932String Join(const Cp932String& folder, const char* name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

void SetPhoneFolder(const Cp932String& folder) {
  HostSetting() = folder;
}

void ClearPhoneFolderForTest() {
  HostSetting().reset();
}

Cp932String PhoneFolder() {
  if (HostSetting()) return *HostSetting();
  return EnvironmentFolder();
}

bool IsPhoneConnected() {
  const Cp932String folder = PhoneFolder();
  return !folder.empty() && fileio::IsDirectory(folder);
}

// A device the desktop mounted has no folders of the suite's layout: its camera folder is
// the external memory and its pictures folder the internal data.
Cp932String AreaFolder(const Cp932String& phoneFolder, int area) {
  if (IsMountedDevice(phoneFolder))
    return area == kAreaExternal ? CameraFolder(phoneFolder)
                                 : Join(phoneFolder, kMountedPicturesFolderName);
  return Join(phoneFolder, area == kAreaExternal ? kExternalFolderName : kInternalFolderName);
}

Cp932String ProfilePath(const Cp932String& phoneFolder) {
  return Join(phoneFolder, kProfileFileName);
}

}  // namespace phonelib
