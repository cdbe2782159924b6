// The read settings, kept in the registry section "Read Option" of the album: the storage
// areas to read from, the file types the read settings dialog keeps in its hidden type
// group, and whether the phone library shows its confirmation screen while it reads.
#pragma once

#include <array>
#include <cstdint>

class CRegReadOption {
 public:
  static constexpr const char* kSection = "Read Option";
  // Storage area bits: the internal data folder and the external memory.
  static constexpr uint8_t kInternal = 1;
  static constexpr uint8_t kExternal = 2;
  static constexpr uint8_t kBoth = kInternal | kExternal;
  // The value names of the five file types, in the order the read request names them.
  static constexpr std::array<const char*, 5> kTypeValueNames = {"ExtJpg", "ExtPng", "ExtAmc",
                                                                 "Ext3gp", "Ext3g2"};

  // Reads every value; a missing value takes its default, and so does a storage area that
  // names neither area (the transfer could read nothing from it).
  void Load();
  // Writes what the dialog's OK stores: "StorageArea" and "FileDisp".
  void Save() const;

  uint8_t storageArea = kBoth;
  std::array<uint8_t, kTypeValueNames.size()> types = {1, 1, 1, 1, 1};
  uint8_t fileDisp = 1;
};
