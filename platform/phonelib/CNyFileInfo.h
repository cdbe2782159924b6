// One file of a phone transfer: where it is on the phone (storage area, folder, title
// name), its local copy and size, and whether the transfer moved it completely.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CNyFileInfo {
 public:
  // The file flag: 1 marks an entry that stands for a file.
  static constexpr int kFileFlag = 1;

  CNyFileInfo() = default;
  CNyFileInfo(const CNyFileInfo&) = default;
  CNyFileInfo& operator=(const CNyFileInfo&) = default;
  void Copy(const CNyFileInfo& other) { *this = other; }
  void Empty() { *this = CNyFileInfo(); }

  BOOL IsFile() const { return fileFlag_ == kFileFlag ? 1 : 0; }
  BOOL IsReadSuccess() const { return transferred_ ? 1 : 0; }
  BOOL IsExtStorageFile() const { return storageArea_ == 2 ? 1 : 0; }
  // The local file: the copy made by reading, or the file to send.
  const Cp932String& GetPath() const { return path_; }
  // The file's name on the phone.
  const Cp932String& GetTitleName() const { return titleName_; }
  // The folder on the phone, relative to its storage area ("" for the area itself).
  const Cp932String& GetPhoneDirPath() const { return phoneDirPath_; }
  int GetStorageArea() const { return storageArea_; }
  int GetFileFlag() const { return fileFlag_; }
  uint32_t GetFileSize() const { return fileSize_; }

  void SetStorageArea(int area) { storageArea_ = area; }
  void SetFileFlag(int flag) { fileFlag_ = flag; }
  void SetTitleName(const Cp932String& name) { titleName_ = name; }
  void SetPhoneDirPath(const Cp932String& folder) { phoneDirPath_ = folder; }
  void SetPath(const Cp932String& path) { path_ = path; }
  void SetFileSize(uint32_t size) { fileSize_ = size; }
  // Set only by the library, once the file has been moved completely.
  void SetTransferred(bool done) { transferred_ = done; }

 private:
  int storageArea_ = 0;  // 1 internal data folder, 2 external memory
  int fileFlag_ = 0;
  Cp932String titleName_;
  Cp932String phoneDirPath_;
  Cp932String path_;
  uint32_t fileSize_ = 0;
  bool transferred_ = false;
};
