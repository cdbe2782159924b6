#include "platform/phonelib/CCmnFnc.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/fileio/FileIo.h"
#include "platform/win/Wnd.h"

void CCmnFnc::DoEvents(int count) {
  for (int i = 0; i < (count > 0 ? count : 1); ++i) PumpMessages();
}

BOOL CCmnFnc::GetTempFilePath(const char* folder, char* buffer) {
  if (folder == nullptr || buffer == nullptr) return 0;
  auto disk = fileio::ToDiskPath(folder);
  if (!disk) return 0;
  std::string pattern = *disk + (disk->empty() || disk->back() != '/' ? "/" : "") + "hbtXXXXXX";
  const int fd = mkstemp(pattern.data());
  if (fd < 0) return 0;
  close(fd);
  // The folder part came from a code page 932 path and the rest is ASCII, so this converts.
  auto path = fileio::FromDiskPath(pattern);
  if (!path || path->size() + 1 > static_cast<size_t>(kMaxPath)) {
    unlink(pattern.c_str());
    return 0;
  }
  std::memcpy(buffer, path->c_str(), path->size() + 1);
  return 1;
}
