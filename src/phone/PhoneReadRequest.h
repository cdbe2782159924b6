// The read request as the read command fills it before the phone library starts reading:
// the storage areas, the staging folders, the five file types, the confirmation screen
// switch and the files the album already has, which the library leaves out.
#pragma once

#include <array>

#include "phone/CRegReadOption.h"
#include "platform/phonelib/PhoneLib.h"

class CPhotoManager;

namespace phoneread {

// The request's flag word: bits 1 and 8, which the library takes as they are.
constexpr DWORD kRequestFlags = 0x01 | 0x08;
// The types the request always names, whatever the hidden type group holds.
constexpr std::array<const char*, 5> kFileTypes = {"jpg", "png", "amc", "3gp", "3g2"};

// Whether the connected phone's data-folder profile reports a model without external
// memory (a model value other than 1 and 3). A phone whose profile cannot be read reports
// nothing, and the user's choice stands.
bool PhoneLacksExternalMemory();

// The storage mask of the request: the user's "StorageArea", or the internal data folder
// alone on a phone without external memory.
int StorageMask(const CRegReadOption& option, bool lacksExternalMemory);

// Appends to the request's list the files the album has from the phone: for every record
// that is neither a burst composite nor imported from the PC, its file name and size and,
// when the name it had on the phone differs (ignoring case), that name with the same size.
void AddPresentFiles(const CPhotoManager& library, CCdmaFilesOption& request);

// Fills the whole request; false when a staging folder's path is longer than the request
// holds (nothing could be read into it).
bool FillRequest(CCdmaFilesOption& request, const CRegReadOption& option, bool lacksExternalMemory,
                 const CPhotoManager& library, int appValue);

}  // namespace phoneread
