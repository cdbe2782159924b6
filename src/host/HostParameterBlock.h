// The record the host hands to the album's entry points. The host owns it; the album reads
// it and never writes it. Members follow one another in this order; addresses and handles
// are pointer-sized, integers 32-bit. Texts are zero-terminated code page 932.
#pragma once

#include <cstdint>

#include "platform/win/WinTypes.h"

struct SuiteContext;

struct HostParameterBlock {
  HWND hostWindow;      // parent of the album frame
  uintptr_t hostValue;  // handed on to the application's tool object
  int32_t frameLeft;    // frame rectangle in the parent's client coordinates
  int32_t frameTop;
  int32_t frameRight;
  int32_t frameBottom;
  const char* usersFolder;  // also the data folder
  uintptr_t registryRoot;   // 0 means HKEY_CURRENT_USER
  const char* usersRegistryKey;
  const char* dataRoot;
  const char* userName;
  const char* title;
  int32_t colorScheme;  // counted from 0
  const char* helpFile;
  SuiteContext* suiteContext;
};
