// The clipboard, as the album uses it: a list of files put there for other programs to
// paste, the way a file manager's "copy" does. The calls follow the system the album was
// written for (open, empty, set, close, each with its own failure), so that the album can
// tell the user which step failed.
#pragma once

#include <optional>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

// The drop effects a file list carries.
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;

// Takes the clipboard for the owner until CloseClipboard; false when there is no clipboard
// (no application object) or it is already open.
BOOL OpenClipboard(HWND owner);
// Removes what the clipboard holds; false unless it is open.
BOOL EmptyClipboard();
// Puts the files on the open clipboard as a file list ("text/uri-list", and for the
// desktop's file managers "x-special/gnome-copied-files" with the effect), with a plain-text
// form of the paths; false when the clipboard is not open or a path has no disk form.
BOOL SetClipboardFiles(const std::vector<Cp932String>& paths, DWORD dropEffect);
BOOL CloseClipboard();

namespace shell {

// A file list on the clipboard and the effect it asks for, as another program reads it.
struct ClipboardFiles {
  std::vector<Cp932String> paths;
  DWORD dropEffect = 0;
};
// What the clipboard holds as files now, whoever put them there; nullopt when it holds none.
std::optional<ClipboardFiles> ReadClipboardFiles();

}  // namespace shell
