// The temporary copy of a photo's Exif block. The file is made in the given folder, is
// written and read only through this object, and is removed whenever the object closes it
// or goes away, so no failure can leave a copy behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/text/Cp932.h"

class ExifTempFile {
 public:
  ExifTempFile() = default;
  ~ExifTempFile() { Close(); }
  ExifTempFile(const ExifTempFile&) = delete;
  ExifTempFile& operator=(const ExifTempFile&) = delete;

  // Makes a new empty file in the folder (making the folder when it is missing) and opens
  // it for reading and writing; false when either cannot be done.
  bool Create(const Cp932String& folder);
  // Appends bytes at the end; false on a write error such as a full disk.
  bool Append(const void* data, size_t count);
  // Closes and removes the file; nothing happens when none is open.
  void Close();

  bool IsOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  uint64_t size() const { return size_; }

 private:
  int fd_ = -1;
  std::string diskPath_;
  uint64_t size_ = 0;
};
