#include "platform/phonelib/PhoneMounts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneFolder.h"

namespace phonelib {

namespace {

// File systems of memory cards, USB sticks and the FUSE mounts of MTP phones.
bool IsRemovableKind(const std::string& type) {
  static const char* const kKinds[] = {"vfat",         "exfat", "msdos",       "fuseblk",
                                       "ntfs",         "ntfs3", "fuse.jmtpfs", "fuse.simple-mtpfs",
                                       "fuse.go-mtpfs"};
  return std::find(std::begin(kKinds), std::end(kKinds), type) != std::end(kKinds);
}

bool UnderDesktopMounts(const std::string& mountPoint, const std::vector<std::string>& roots) {
  for (const std::string& root : roots)
    if (mountPoint.rfind(root, 0) == 0) return true;
  return false;
}

// The mount table escapes blanks and a few other characters as octal ("\040").
std::string Unescaped(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::isdigit(static_cast<unsigned char>(field[i + 1]))) {
      out += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Offer(const std::string& utf8Folder, const std::string& utf8Name,
           std::vector<MountedPhone>* found) {
  const std::optional<Cp932String> folder = cp932::FromUtf8(utf8Folder);
  const std::optional<Cp932String> name = cp932::FromUtf8(utf8Name);
  if (!folder || !name || CameraFolder(*folder).empty()) return;
  for (const MountedPhone& known : *found)
    if (known.folder == *folder) return;
  found->push_back(MountedPhone{*name, *folder});
}

void FromMountTable(const MountSources& sources, std::vector<MountedPhone>* found) {
  std::ifstream in(sources.mountTable);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint, type;
    if (!(fields >> device >> mountPoint >> type)) continue;
    mountPoint = Unescaped(mountPoint);
    const bool mtp = type.rfind("fuse.", 0) == 0 && type.find("mtp") != std::string::npos;
    if (!IsRemovableKind(type) ||
        (!mtp && !UnderDesktopMounts(mountPoint, sources.desktopMountRoots)))
      continue;
    Offer(mountPoint, BaseName(mountPoint), found);
    // An MTP phone shows each of its storages (shared storage, memory card) as a folder.
    if (mtp) {
      const auto storages = cp932::FromUtf8(mountPoint);
      const auto entries = storages ? fileio::ListFolder(*storages) : std::nullopt;
      for (const fileio::DirEntry& e : entries.value_or(std::vector<fileio::DirEntry>{}))
        if (e.isDirectory)
          Offer(mountPoint + "/" + cp932::ToUtf8Lossy(e.name),
                BaseName(mountPoint) + " " + cp932::ToUtf8Lossy(e.name), found);
    }
  }
}

// gvfs mounts an MTP phone as "mtp:host=<device>" with a folder per storage.
void FromGvfs(const std::string& runtimeFolder, std::vector<MountedPhone>* found) {
  if (runtimeFolder.empty()) return;
  const auto gvfs = cp932::FromUtf8(runtimeFolder + "/gvfs");
  const auto phones = gvfs ? fileio::ListFolder(*gvfs) : std::nullopt;
  if (!phones) return;
  for (const fileio::DirEntry& phone : *phones) {
    if (!phone.isDirectory || phone.name.rfind("mtp:", 0) != 0) continue;
    const auto storages = fileio::ListFolder(*gvfs + "/" + phone.name);
    for (const fileio::DirEntry& storage : storages.value_or(std::vector<fileio::DirEntry>{}))
      if (storage.isDirectory)
        Offer(runtimeFolder + "/gvfs/" + cp932::ToUtf8Lossy(phone.name) + "/" +
                  cp932::ToUtf8Lossy(storage.name),
              cp932::ToUtf8Lossy(storage.name), found);
  }
}

}  // namespace

std::vector<MountedPhone> FindMountedPhones(const MountSources& sources) {
  std::vector<MountedPhone> found;
  FromMountTable(sources, &found);
  std::string runtime = sources.runtimeFolder;
  if (runtime.empty()) {
    const char* value = std::getenv("XDG_RUNTIME_DIR");
    runtime = value != nullptr ? value : "";
  }
  FromGvfs(runtime, &found);
  return found;
}

Cp932String CameraFolder(const Cp932String& folder) {
  const auto entries = fileio::ListFolder(folder);
  if (!entries) return {};
  for (const fileio::DirEntry& e : *entries)
    if (e.isDirectory && cp932::AsciiUpper(e.name) == "DCIM") return folder + "/" + e.name;
  return {};
}

bool IsMountedDevice(const Cp932String& folder) {
  return !folder.empty() && !fileio::FileSize(ProfilePath(folder)) && !CameraFolder(folder).empty();
}

PhoneProfile MountedDeviceProfile() {
  return PhoneProfile{kModelWithExternalMemory, kMountedDeviceMaxBytes, kMountedDeviceMaxBytes};
}

}  // namespace phonelib
