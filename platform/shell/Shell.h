// The desktop shell: opening a document or address in its associated program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

// Opens a file or address with the verb (only "open" is known). Returns a value above 32 on
// success; otherwise 0 (out of resources), 2 (file not found), 3 (path not found),
// 5 (access denied) or 31 (no associated application).
intptr_t ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                       const char* directory, int showCommand);

namespace shell {

// Replaces the desktop launcher (tests install one, so nothing is started). The launcher
// receives the UTF-8 file path or address and returns true when it started a program.
using Launcher = std::function<bool(const std::string& utf8Target)>;
void SetLauncherForTest(Launcher launcher);

}  // namespace shell
