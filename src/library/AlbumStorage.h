// The album folder tree of one user and the naming of the files stored in it:
//   album folder/year/month   files read from the phone, by their last-write month
//   album folder/Pc           files imported from the PC
//   album folder/Combo        burst composite pictures
//   work folder/StrInt, StrExt  staging folders the phone delivers into
//   work folder/Update(n)     staging files for sending to the phone, numbered from 0
#pragma once

#include <optional>
#include <string_view>

#include "platform/text/Cp932.h"

class CPhotoManager;

namespace albumstorage {

constexpr size_t kMaxTitleBytes = 90;
constexpr int kMaxNameNumber = 10000;

Cp932String MonthFolder(int year, int month);
Cp932String PcFolder();
Cp932String ComboFolder();
Cp932String StagingFolder(bool memoryCard);
Cp932String SendStagingPath(int number);

// Makes a folder and every missing level above it, through the suite's file library when
// the suite asks for it.
bool MakeFolder(const Cp932String& folder);

// Whether a file name can be kept in the album as it is: the catalogue reads a backslash
// as a folder separator, so a name with one would come back naming another file.
bool IsStorableName(std::string_view name);

// Deletes a file of the album tree, through the suite's file library when the suite asks
// for it; false when it could not be deleted.
bool RemoveFile(const Cp932String& path);

// The title cut to at most maxBytes on a character boundary.
Cp932String CutTitle(const Cp932String& title, size_t maxBytes = kMaxTitleBytes);

// The first of target, "name(2).ext", "name(3).ext" … that no record of the library uses;
// nullopt past 10000.
std::optional<Cp932String> UniquePhoneTarget(const CPhotoManager& library,
                                             const Cp932String& target);
// The same for an import: "title(n)" is kept within 90 bytes by shortening the title.
std::optional<Cp932String> UniqueImportTarget(const CPhotoManager& library,
                                              const Cp932String& folder, const Cp932String& title,
                                              const Cp932String& extension);

int StorePhoneFile(CPhotoManager& library, const Cp932String& stagingPath, Cp932String* path,
                   Cp932String* name);
int StoreImportedFile(CPhotoManager& library, const Cp932String& sourcePath, Cp932String* path,
                      Cp932String* sourceName);
int StoreBurstComposite(CPhotoManager& library, const Cp932String& jpegPath, Cp932String* path,
                        Cp932String* name);

}  // namespace albumstorage
