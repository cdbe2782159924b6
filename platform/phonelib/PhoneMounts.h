// Phones and memory cards that the desktop has mounted: a USB mass-storage device or a
// memory card under /media, /run/media or /mnt, and a phone that speaks MTP, mounted by
// gvfs under the user's runtime folder or by jmtpfs anywhere. Any of them that holds a
// camera folder ("DCIM") can stand for the connected phone: its camera folder is read as
// the external memory, and photos sent to it go to its "Pictures" folder, the internal
// data. Such a device has no profile file; it is given a profile of its own.
#pragma once

#include <string>
#include <vector>

#include "platform/phonelib/PhoneProfile.h"
#include "platform/text/Cp932.h"

namespace phonelib {

// The largest file sent to a mounted device: phones of today take photos of any size, the
// limit only keeps a send from filling the device with one file.
constexpr uint32_t kMountedDeviceMaxBytes = 16u << 20;

struct MountedPhone {
  Cp932String name;    // what the desktop calls it: the mount's folder name
  Cp932String folder;  // the folder that stands for the phone
};

// Where to look: the mount table and the user's runtime folder (gvfs mounts MTP phones in
// its "gvfs" folder). Tests point these at folders of their own.
struct MountSources {
  std::string mountTable = "/proc/self/mounts";
  std::string runtimeFolder;  // empty: $XDG_RUNTIME_DIR
  // Where the desktop mounts removable media; an MTP mount counts wherever it is.
  std::vector<std::string> desktopMountRoots = {"/media/", "/run/media/", "/mnt/"};
};

// Every mounted device with a camera folder, in a stable order; names that have no code
// page 932 form are left out (the album could not name their files).
std::vector<MountedPhone> FindMountedPhones(const MountSources& sources = {});

// Whether the folder is a mounted device rather than a phone folder of the suite's own
// layout: it has a camera folder and no profile file.
bool IsMountedDevice(const Cp932String& folder);
// The camera folder of a device ("DCIM" in any case), or empty.
Cp932String CameraFolder(const Cp932String& folder);
// The profile a mounted device is given.
PhoneProfile MountedDeviceProfile();

}  // namespace phonelib
