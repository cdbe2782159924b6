// The desktop's file-open dialog (several files at once) and folder chooser. Names are
// handed over in code page 932; a chosen name that has no code page 932 form is never
// turned into a lossy name: it comes back among the refused names, in UTF-8, so that the
// caller can tell the user which. Tests answer both dialogs with a responder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

namespace shell {

struct ChosenFiles {
  bool chosen = false;               // false: the user cancelled
  std::vector<Cp932String> paths;    // the names that have a code page 932 form
  std::vector<std::string> refused;  // the names that have none, in UTF-8
};

// The filter is the album's form: "text|patterns|text|patterns||", the patterns separated
// by ";" and blanks.
ChosenFiles ChooseFilesToOpen(HWND owner, const Cp932String& filter);
// A file to write, the name given offered first (the dialog asks before an existing file
// is replaced).
ChosenFiles ChooseFileToSave(HWND owner, const Cp932String& filter, const Cp932String& name);
// A folder, or chosen false. A folder without a code page 932 form comes back refused.
ChosenFiles ChooseFolder(HWND owner, const Cp932String& prompt, const Cp932String& start);

// A refused name as a message can show it: each character without a code page 932 form
// becomes "?". Only for telling the user; never a name to store or open.
Cp932String NameForMessage(const std::string& utf8);

// What a test sees of a dialog: which one, with the filter or prompt in UTF-8; it returns
// the UTF-8 paths a person would have chosen (none: cancelled).
struct FileDialogRequest {
  bool folder = false;
  std::string text;
  bool save = false;
};
using FileDialogResponder = std::function<std::vector<std::string>(const FileDialogRequest&)>;
void SetFileDialogResponderForTest(FileDialogResponder responder);

}  // namespace shell
