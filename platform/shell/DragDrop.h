// Dragging files out of a window: the files go as a file list in the forms the desktop's
// file managers accept (the same list as the clipboard's copy), and the drag runs until the
// user drops or cancels. Tests answer drags with a responder that reads the list as a drop
// target would.
#pragma once

#include <functional>
#include <vector>

#include "platform/shell/Clipboard.h"

constexpr DWORD DROPEFFECT_NONE = 0;

// Runs the drag of the files from the window, offering the allowed effects (DROPEFFECT_…).
// Returns the effect the target took, DROPEFFECT_NONE when nothing took it or a path has
// no disk form.
DWORD DoDragFiles(HWND source, const std::vector<Cp932String>& paths, DWORD allowedEffects);

namespace shell {

// Answers drags in tests: gets the list as a target reads it and the allowed effects, and
// returns the effect taken.
using DragResponder = std::function<DWORD(const ClipboardFiles& files, DWORD allowedEffects)>;
void SetDragResponderForTest(DragResponder responder);

}  // namespace shell
