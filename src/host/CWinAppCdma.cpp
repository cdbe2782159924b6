#include "host/CWinAppCdma.h"

#include <cstdlib>

#include "platform/fileio/FileIo.h"

CWinAppCdma::CWinAppCdma() : tool_(std::make_unique<CWinAppCdma_Tool>()) {}

Cp932String CWinAppCdma::DefaultDataRoot() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    base = std::string(home) + "/.local/share";
  } else {
    base = "/tmp";
  }
  // A home folder whose name has no code page 932 form falls back to a fixed place rather
  // than a lossy name.
  auto converted = fileio::FromDiskPath(base + "/harbo-suite");
  return converted ? *converted : Cp932String("/tmp/harbo-suite");
}
