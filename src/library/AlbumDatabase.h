// The album database file "HBPH0200.dat": a 14-byte version text followed by one entry per
// photo. Versions 2 to 4 store the 1060-byte file record and the 13 adjustment bytes
// (1073 bytes; version 4 encrypted entry by entry with RC4, each from the key's initial
// state); version 1 stores 824-byte plain entries. All four are read; only 4 is written.
// This part only turns bytes into entries and back; the library does the file work.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "images/AdjustmentRecord.h"
#include "library/PhotoFileRecord.h"
#include "platform/text/Cp932.h"

namespace albumdb {

constexpr size_t kHeaderBytes = 14;
constexpr size_t kEntryBytes = PhotoFileRecord::kBytes + AdjustmentRecord::kBytes;
constexpr size_t kVersion1EntryBytes = 824;
constexpr std::string_view kVersionPrefix = "PHOTOALBUM000";
constexpr int kWrittenVersion = 4;

struct Entry {
  PhotoFileRecord record{};
  AdjustmentRecord adjustments;
  // Version 1 stores no time of day: the loader takes it from the file's last write.
  bool timeFromFile = false;
};

struct ParsedFile {
  int version = 0;             // 1..4; 0 for a short or unknown version text
  size_t entryBytes = 0;       // bytes after the version text
  size_t wholeEntries = 0;     // entries that were whole
  std::vector<Entry> entries;  // the sound ones, paths expanded
};

// Reads a database file's bytes. Entries that are cut short, or whose texts lack their
// terminator, whose path is empty or whose date or time is out of range, are left out.
ParsedFile Parse(std::string_view bytes, const Cp932String& albumFolder);

// The version text of the written version.
std::string Header();
// Appends one encrypted version 4 entry, its path in stored form; false when the entry
// could not be encrypted (nothing is appended then).
bool AppendEntry(std::string& out, const PhotoFileRecord& record,
                 const AdjustmentRecord& adjustments, const Cp932String& albumFolder);
// The whole version 4 file of the entries; nullopt when an entry could not be encrypted.
std::optional<std::string> Serialize(const std::vector<Entry>& entries,
                                     const Cp932String& albumFolder);

// The stored form of a path: "*" and the rest when it lies inside the album folder.
Cp932String StoredPath(const Cp932String& path, const Cp932String& albumFolder);
// The path a stored form names: "*/" or "*\" expands to the album folder, backslashes of
// the rest become "/".
Cp932String ExpandedPath(const Cp932String& stored, const Cp932String& albumFolder);

// Makes the n-th entry encryption from now on fail (1 = the next); 0 turns it off.
void FailNthEncryptionForTest(int n);

}  // namespace albumdb
