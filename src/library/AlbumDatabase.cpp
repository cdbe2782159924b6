#include "library/AlbumDatabase.h"

#include <cstring>

#include "host/SuitePath.h"
#include "library/AlbumText.h"
#include "platform/crypto/Rc4.h"

namespace albumdb {
namespace {

int encryptionsUntilFailure = 0;

// The fixed key material of the entries' cipher, put together byte by byte so that it
// never stands in the program as one readable text.
std::string KeyMaterial() {
  std::string material;
  for (int b : {0x4B, 0x58, 0x2D, 0x50, 0x68, 0x6F, 0x74, 0x6F, 0x2D, 0x41, 0x6C, 0x62, 0x75, 0x6D,
                0x2D, 0x31})
    material.push_back(static_cast<char>(b));
  return material;
}

// The cipher keyed once; each entry starts from a copy of this initial state.
const crypto::Rc4& InitialCipher() {
  static const std::array<uint8_t, 16> key = crypto::DeriveDefaultRc4Key(KeyMaterial());
  static const crypto::Rc4 cipher(key);
  return cipher;
}

bool TakeInjectedFailure() {
  if (encryptionsUntilFailure <= 0) return false;
  return --encryptionsUntilFailure == 0;
}

uint16_t ReadU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

int32_t ReadI32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                              uint32_t{p[3]} << 24);
}

bool Terminated(const char* field, size_t size) {
  return std::memchr(field, 0, size) != nullptr;
}

void PutText(char* field, size_t size, std::string_view text) {
  std::memset(field, 0, size);
  std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

// A text that fills its whole field without a terminator keeps what fits before the last
// byte, never half of a double-byte character.
void TerminateText(char* field, size_t size) {
  if (Terminated(field, size)) return;
  PutText(field, size, cp932::Cut(std::string_view(field, size), size - 1));
}

// Version text: "PHOTOALBUM0001" .. "PHOTOALBUM0004"; 0 for anything else.
int ReadVersion(std::string_view bytes) {
  if (bytes.size() < kHeaderBytes || bytes.substr(0, kVersionPrefix.size()) != kVersionPrefix)
    return 0;
  const char digit = bytes[kHeaderBytes - 1];
  return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

// How the stored path of an entry is read: expanded against the album folder, or kept.
struct PathReading {
  bool expand = true;
  Cp932String albumFolder;
};

// Puts the path an entry names into its field; false when there is no path, or when it no
// longer fits once expanded (cut, it would name another file).
bool ReadPath(char* field, size_t size, std::string_view stored, const PathReading& reading) {
  if (stored.empty()) return false;
  const Cp932String path =
      reading.expand ? ExpandedPath(Cp932String(stored), reading.albumFolder) : Cp932String(stored);
  if (path.size() >= size) return false;
  PutText(field, size, path);
  return true;
}

// One entry of versions 2 to 4: the file record, then the adjustments.
std::optional<Entry> ReadEntry(const uint8_t* bytes, const PathReading& reading) {
  Entry entry;
  PhotoFileRecord& r = entry.record;
  std::memcpy(&r, bytes, sizeof r);
  if (!Terminated(r.path, sizeof r.path)) return std::nullopt;
  const Cp932String stored(r.path);
  if (!ReadPath(r.path, sizeof r.path, stored, reading)) return std::nullopt;
  TerminateText(r.sourceName, sizeof r.sourceName);
  TerminateText(r.memo, sizeof r.memo);
  entry.adjustments = AdjustmentRecord::FromBytes(bytes + PhotoFileRecord::kBytes);
  return entry;
}

// A zero-terminated text of a version 1 field; nullopt without the terminator.
std::optional<std::string_view> Version1Text(const uint8_t* field, size_t size) {
  const void* end = std::memchr(field, 0, size);
  if (end == nullptr) return std::nullopt;
  return std::string_view(reinterpret_cast<const char*>(field),
                          static_cast<size_t>(static_cast<const uint8_t*>(end) - field));
}

// One version 1 entry: date, path, name, favourites and the old adjustment values.
std::optional<Entry> ReadVersion1Entry(const uint8_t* b, const PathReading& reading) {
  const auto stored = Version1Text(b + 12, 388);
  if (!stored) return std::nullopt;
  Entry entry;
  PhotoFileRecord& r = entry.record;
  // The relative form is read in every version, so that a path reads the same once written.
  if (!ReadPath(r.path, sizeof r.path, *stored, reading)) return std::nullopt;
  const std::string_view nameField(reinterpret_cast<const char*>(b + 400), 384);
  const std::string_view name = Version1Text(b + 400, 384).value_or(nameField);
  PutText(r.sourceName, sizeof r.sourceName, cp932::Cut(name, sizeof r.sourceName - 1));
  r.flags = 4;
  r.year = ReadU16(b);
  r.month = ReadU16(b + 4);
  r.day = ReadU16(b + 8);
  r.hour = r.minute = r.second = 65535;
  r.favourites = static_cast<uint32_t>(ReadI32(b + 784));
  entry.adjustments.rotation = static_cast<int16_t>(ReadI32(b + 792) / 100);
  entry.adjustments.saturation = static_cast<int16_t>(ReadU16(b + 800));
  entry.adjustments.colourOperation4 = b[808];
  entry.adjustments.mosaicDivisor = b[809];
  entry.adjustments.contrast = static_cast<int16_t>(ReadU16(b + 812));
  entry.timeFromFile = true;
  return entry;
}

// Each date and time field holds a value of its range or 65535, the unknown value.
bool InRange(uint16_t value, uint16_t low, uint16_t high) {
  return value == 65535 || (value >= low && value <= high);
}

// Whether an entry reads as the album wrote it: a file of random bytes rarely gives one.
bool IsPlausible(const uint8_t* bytes) {
  PhotoFileRecord r;
  std::memcpy(&r, bytes, sizeof r);
  return Terminated(r.sourceName, sizeof r.sourceName) && Terminated(r.memo, sizeof r.memo) &&
         InRange(r.year, 0, 9999) && InRange(r.month, 0, 12) && InRange(r.day, 0, 31) &&
         InRange(r.hour, 0, 23) && InRange(r.minute, 0, 59) && InRange(r.second, 0, 60);
}

// Keeps a usable entry; counts one that is not.
void Take(std::optional<Entry> entry, bool plausible, ParsedFile& parsed) {
  ++parsed.wholeEntries;
  if (!entry) {
    ++parsed.withoutPath;
    return;
  }
  parsed.entries.push_back(std::move(*entry));
  if (plausible) ++parsed.plausible;
}

// Entries of versions 2 to 4 until the bytes run short; version 4 decrypted first.
void ReadEntries(std::string_view body, bool encrypted, const PathReading& reading,
                 ParsedFile& parsed) {
  uint8_t entry[kEntryBytes];
  for (size_t at = 0; at + kEntryBytes <= body.size(); at += kEntryBytes) {
    std::memcpy(entry, body.data() + at, kEntryBytes);
    if (encrypted) crypto::Rc4(InitialCipher()).Apply(entry, kEntryBytes);
    Take(ReadEntry(entry, reading), IsPlausible(entry), parsed);
  }
}

void ReadVersion1Entries(std::string_view body, const PathReading& reading, ParsedFile& parsed) {
  for (size_t at = 0; at + kVersion1EntryBytes <= body.size(); at += kVersion1EntryBytes)
    Take(ReadVersion1Entry(reinterpret_cast<const uint8_t*>(body.data() + at), reading), true,
         parsed);
}

ParsedFile ParseWith(std::string_view bytes, const PathReading& reading) {
  ParsedFile parsed;
  parsed.version = ReadVersion(bytes);
  if (parsed.version == 0) return parsed;
  const std::string_view body = bytes.substr(kHeaderBytes);
  parsed.entryBytes = body.size();
  const size_t size = parsed.version == 1 ? kVersion1EntryBytes : kEntryBytes;
  parsed.cutShort = body.size() % size != 0;
  // The library takes at most 10000 records; a huge file reserves no more than that.
  parsed.entries.reserve(std::min<size_t>(body.size() / size, 10001));
  if (parsed.version == 1)
    ReadVersion1Entries(body, reading, parsed);
  else
    ReadEntries(body, parsed.version == 4, reading, parsed);
  return parsed;
}

Cp932String FolderWithoutTrailingSeparator(const Cp932String& folder) {
  return suite::RemoveTrailingSeparators(folder);
}

}  // namespace

ParsedFile Parse(std::string_view bytes, const Cp932String& albumFolder) {
  return ParseWith(bytes, PathReading{true, albumFolder});
}

ParsedFile ParseStored(std::string_view bytes) {
  return ParseWith(bytes, PathReading{false, {}});
}

std::string Header() {
  return std::string(kVersionPrefix) + std::to_string(kWrittenVersion);
}

bool AppendEntry(std::string& out, const PhotoFileRecord& record,
                 const AdjustmentRecord& adjustments, const Cp932String& albumFolder) {
  uint8_t bytes[kEntryBytes];
  PhotoFileRecord stored = record;
  PutText(
      stored.path, sizeof stored.path,
      StoredPath(Cp932String(record.path, strnlen(record.path, sizeof record.path)), albumFolder));
  std::memcpy(bytes, &stored, sizeof stored);
  adjustments.ToBytes(bytes + PhotoFileRecord::kBytes);
  if (TakeInjectedFailure()) return false;
  crypto::Rc4(InitialCipher()).Apply(bytes, kEntryBytes);
  out.append(reinterpret_cast<const char*>(bytes), kEntryBytes);
  return true;
}

std::optional<std::string> Serialize(const std::vector<Entry>& entries,
                                     const Cp932String& albumFolder) {
  std::string out = Header();
  out.reserve(kHeaderBytes + entries.size() * kEntryBytes);
  for (const Entry& e : entries)
    if (!AppendEntry(out, e.record, e.adjustments, albumFolder)) return std::nullopt;
  return out;
}

Cp932String StoredPath(const Cp932String& path, const Cp932String& albumFolder) {
  const Cp932String folder = FolderWithoutTrailingSeparator(albumFolder);
  // Only a path inside the folder is made relative, not one that merely starts with the
  // same letters ("Album2" beside "Album").
  if (folder.empty() || path.size() <= folder.size() || path[folder.size()] != '/' ||
      path.compare(0, folder.size(), folder) != 0)
    return path;
  const Cp932String relative = "*" + path.substr(folder.size());
  return ExpandedPath(relative, folder) == path ? relative : path;
}

Cp932String ExpandedPath(const Cp932String& stored, const Cp932String& albumFolder) {
  if (stored.size() < 2 || stored[0] != '*' || (stored[1] != '/' && stored[1] != '\\'))
    return stored;
  return FolderWithoutTrailingSeparator(albumFolder) +
         albumtext::SlashesForBackslashes(std::string_view(stored).substr(1));
}

void FailNthEncryptionForTest(int n) {
  encryptionsUntilFailure = n > 0 ? n : 0;
}

}  // namespace albumdb
