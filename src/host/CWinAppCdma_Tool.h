// The suite's helper object of an application: it keeps the host window and host value
// that the host hands over, and whether the application has been initialised from them.
#pragma once

#include <cstdint>

#include "platform/win/WinTypes.h"

class CWinAppCdma_Tool {
 public:
  void SetHost(HWND window, uintptr_t value) {
    hostWindow_ = window;
    hostValue_ = value;
  }
  HWND hostWindow() const { return hostWindow_; }
  uintptr_t hostValue() const { return hostValue_; }

  bool initialised() const { return initialised_; }
  void SetInitialised(bool on) { initialised_ = on; }

 private:
  HWND hostWindow_ = nullptr;
  uintptr_t hostValue_ = 0;
  bool initialised_ = false;
};
