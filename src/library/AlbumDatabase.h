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
  size_t withoutPath = 0;      // whole entries left out: no usable path
  size_t plausible = 0;        // usable entries whose texts and dates were all in order
  bool cutShort = false;       // bytes of an unfinished entry follow the last whole one
  std::vector<Entry> entries;  // the usable ones, paths expanded
};

// Reads a database file's bytes. Every whole entry with a usable path is kept as stored:
// dates and times out of range stay as they are (the library tallies them as it can), and
// a source name or memo without its terminator is cut at its field, on a character
// boundary. An entry without a path, or whose path no longer fits its field once the
// album folder is put in front of it, cannot be used and is counted in withoutPath.
ParsedFile Parse(std::string_view bytes, const Cp932String& albumFolder);
// The same, with every path kept in its stored form ("*/…" stays as it is).
ParsedFile ParseStored(std::string_view bytes);

// The version text of the written version.
std::string Header();
// Appends one encrypted version 4 entry, its path in stored form; false when the entry
// could not be encrypted (nothing is appended then).
bool AppendEntry(std::string& out, const PhotoFileRecord& record,
                 const AdjustmentRecord& adjustments, const Cp932String& albumFolder);
// The whole version 4 file of the entries; nullopt when an entry could not be encrypted.
std::optional<std::string> Serialize(const std::vector<Entry>& entries,
                                     const Cp932String& albumFolder);

// The stored form of a path: "*" and the rest when it lies inside the album folder and
// that form reads back as the very same path; otherwise the path as it is. A name with a
// backslash would read back with a separator in its place, and a folder that differs in
// letter case is another folder on this disk, so both are stored whole.
Cp932String StoredPath(const Cp932String& path, const Cp932String& albumFolder);
// The path a stored form names: "*/" or "*\" expands to the album folder, backslashes of
// the rest become "/".
Cp932String ExpandedPath(const Cp932String& stored, const Cp932String& albumFolder);

// Makes the n-th entry encryption from now on fail (1 = the next); 0 turns it off.
void FailNthEncryptionForTest(int n);

}  // namespace albumdb
