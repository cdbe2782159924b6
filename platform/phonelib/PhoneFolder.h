// Which folder stands for the connected phone, and how a phone folder is laid out: its
// internal data folder and its external memory are two subfolders, and a small profile
// file at its root holds the model value and the byte limits.
#pragma once

#include "platform/text/Cp932.h"

namespace phonelib {

// Storage areas as the transfer calls number them; a mask combines them.
constexpr int kAreaInternal = 1;
constexpr int kAreaExternal = 2;
constexpr int kAreaBoth = kAreaInternal | kAreaExternal;

constexpr char kInternalFolderName[] = "data";
constexpr char kExternalFolderName[] = "external";
constexpr char kProfileFileName[] = "phone-profile.ini";
// On a device the desktop mounted, photos sent to the phone go here.
constexpr char kMountedPicturesFolderName[] = "Pictures";

// The first four characters of the maker name that the carrier's own phones write into
// their photos (the album groups bursts only for such photos).
constexpr char kCarrierMakerPrefix[] = "NOVA";

// Sets the folder of the connected phone; an empty text means no phone. Until the host
// sets it, the environment variable HARBO_PHONE_DIR (UTF-8) is the default.
void SetPhoneFolder(const Cp932String& folder);
Cp932String PhoneFolder();
// Forgets the host's setting, so that the environment's default applies again.
void ClearPhoneFolderForTest();

// True when a phone folder is set and exists as a folder.
bool IsPhoneConnected();

// The folder of a storage area (kAreaInternal or kAreaExternal) under a phone folder; on a
// mounted device the camera folder and the pictures folder.
Cp932String AreaFolder(const Cp932String& phoneFolder, int area);
Cp932String ProfilePath(const Cp932String& phoneFolder);

}  // namespace phonelib
