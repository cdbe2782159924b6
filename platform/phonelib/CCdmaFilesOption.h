// A read request: which file types to read, where to put what is read from each storage
// area, and which files the album already has.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/phonelib/CCdmaOptionFileInfoList.h"
#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CCdmaFilesOption {
 public:
  static constexpr size_t kMaxPathBytes = 259;  // 260 with the terminator

  void SetFlags(DWORD flags) { flags_ = flags; }
  DWORD GetFlags() const { return flags_; }

  // Extensions without the dot; a file is read when its extension equals one of them,
  // regardless of the case of ASCII letters.
  void AddExtension(const Cp932String& extension) { extensions_.push_back(extension); }
  void RemoveAllExtensions() { extensions_.clear(); }
  const std::vector<Cp932String>& GetExtensions() const { return extensions_; }
  bool WantsFile(const Cp932String& fileName) const;

  // 1: the storage areas' subfolders are searched too; 0: only their top level.
  void SetSubFolderSW(int on) { subFolderSW_ = on; }
  int GetSubFolderSW() const { return subFolderSW_; }
  // 1: files of the already-present list are left out; 0: the list is ignored.
  void SetSkipPresentSW(int on) { skipPresentSW_ = on; }
  int GetSkipPresentSW() const { return skipPresentSW_; }

  // The staging folders for files from the internal data folder and from external memory;
  // false (nothing changed) for a path longer than kMaxPathBytes.
  bool SetStrIntPath(const Cp932String& path);
  bool SetStrExtPath(const Cp932String& path);
  const Cp932String& GetStrIntPath() const { return strIntPath_; }
  const Cp932String& GetStrExtPath() const { return strExtPath_; }
  const Cp932String& GetStagingPath(int area) const;

  void SetStorageMask(int mask) { storageMask_ = mask; }
  int GetStorageMask() const { return storageMask_; }
  // Non-zero: the progress window names each file as it is read.
  void SetFileDisp(int on) { fileDisp_ = on; }
  int GetFileDisp() const { return fileDisp_; }
  // A value of the caller's settings, kept with the request and not interpreted.
  void SetAppValue(int value) { appValue_ = value; }
  int GetAppValue() const { return appValue_; }

  CCdmaOptionFileInfoList* GetCdmaOptionFileInfoList() { return &present_; }
  const CCdmaOptionFileInfoList& PresentFiles() const { return present_; }

 private:
  DWORD flags_ = 0;
  std::vector<Cp932String> extensions_;
  int subFolderSW_ = 0;
  int skipPresentSW_ = 0;
  Cp932String strIntPath_;
  Cp932String strExtPath_;
  int storageMask_ = 0;
  int fileDisp_ = 0;
  int appValue_ = 0;
  CCdmaOptionFileInfoList present_;
};
