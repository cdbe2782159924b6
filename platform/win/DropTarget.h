// Files dropped onto a window from a file manager. A window that accepts files receives
// WM_DROPFILES with the list (a const DroppedFiles*) as its first parameter; the list is
// valid while the message is handled. A dropped name without a code page 932 form is never
// turned into a lossy name: it comes among the refused names, in UTF-8.
#pragma once

#include <string>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

constexpr UINT WM_DROPFILES = 0x0233;

struct DroppedFiles {
  std::vector<Cp932String> paths;
  std::vector<std::string> refused;
  POINT point{};  // where the files fell, in the window's client coordinates
};

// Lets the window take dropped files (or stops it).
void DragAcceptFiles(HWND window, bool accept);

namespace win {

// Drops the local files (UTF-8 paths) onto the window as a file manager does: a
// text/uri-list drop at the point (the window's top left unless given). False when the
// window takes no drops.
bool DropFilesForTest(HWND window, const std::vector<std::string>& utf8Paths, POINT at = {});

}  // namespace win
