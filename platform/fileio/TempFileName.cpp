#include "platform/fileio/TempFileName.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/fileio/FileIo.h"

DWORD GetTempPathA(DWORD bufferLength, char* buffer) {
  const char* env = getenv("TMPDIR");
  std::string folder = env != nullptr && env[0] == '/' ? env : "/tmp";
  if (folder.back() != '/') folder += '/';
  const auto cp932 = fileio::FromDiskPath(folder);
  if (!cp932 || buffer == nullptr || cp932->size() + 1 > bufferLength) return 0;
  std::memcpy(buffer, cp932->c_str(), cp932->size() + 1);
  return static_cast<DWORD>(cp932->size());
}

UINT GetTempFileNameA(const char* folder, const char* prefix, UINT unique, char* buffer) {
  if (folder == nullptr || buffer == nullptr || unique != 0) return 0;
  const auto disk = fileio::ToDiskPath(folder);
  if (!disk) return 0;
  std::string pattern = *disk;
  if (pattern.empty() || pattern.back() != '/') pattern += '/';
  pattern += std::string(prefix != nullptr ? prefix : "").substr(0, 3) + "XXXXXX.tmp";
  const int fd = mkstemps(pattern.data(), 4);
  if (fd < 0) return 0;
  close(fd);
  const auto path = fileio::FromDiskPath(pattern);
  if (!path || path->size() + 1 > kMaxTempPath) {
    unlink(pattern.c_str());
    return 0;
  }
  std::memcpy(buffer, path->c_str(), path->size() + 1);
  return 1;
}
