#include "exif/ExifTempFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/CCmnFnc.h"

namespace {

// The folder exists afterwards, made level by level when it was missing.
bool EnsureFolder(const Cp932String& folder) {
  return fileio::IsDirectory(folder) || fileio::CreateFolderPath(folder, false);
}

// Writes every byte, retrying interrupted and short writes.
bool WriteFully(int fd, const char* data, size_t count) {
  while (count > 0) {
    const ssize_t put = write(fd, data, count);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    data += put;
    count -= static_cast<size_t>(put);
  }
  return true;
}

}  // namespace

bool ExifTempFile::Create(const Cp932String& folder) {
  Close();
  if (folder.empty() || !EnsureFolder(folder)) return false;
  char path[CCmnFnc::kMaxPath] = {};
  if (!CCmnFnc::GetTempFilePath(folder.c_str(), path)) return false;
  auto disk = fileio::ToDiskPath(path);
  if (!disk) return false;
  diskPath_ = *disk;
  fd_ = open(diskPath_.c_str(), O_RDWR | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
  if (fd_ >= 0) return true;
  unlink(diskPath_.c_str());
  diskPath_.clear();
  return false;
}

bool ExifTempFile::Append(const void* data, size_t count) {
  if (fd_ < 0 || !WriteFully(fd_, static_cast<const char*>(data), count)) return false;
  size_ += count;
  return true;
}

void ExifTempFile::Close() {
  if (fd_ >= 0) close(fd_);
  if (!diskPath_.empty()) unlink(diskPath_.c_str());
  fd_ = -1;
  diskPath_.clear();
  size_ = 0;
}
