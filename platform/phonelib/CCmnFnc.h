// The phone library's common helpers.
#pragma once

#include "platform/win/WinTypes.h"

class CCmnFnc {
 public:
  static constexpr int kMaxPath = 260;

  // Pumps pending window messages (progress windows call it to stay responsive).
  static void DoEvents(int count);
  // Makes a new, empty temporary file in the folder and writes its path (at most
  // kMaxPath bytes with the terminator) into the buffer; non-zero on success.
  static BOOL GetTempFilePath(const char* folder, char* buffer);
  static bool IsPlatformWindowsNT() { return true; }
};
