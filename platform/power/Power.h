// Keeping the machine awake.
#pragma once

#include "platform/win/WinTypes.h"

constexpr DWORD ES_SYSTEM_REQUIRED = 0x00000001;
constexpr DWORD ES_DISPLAY_REQUIRED = 0x00000002;
constexpr DWORD ES_CONTINUOUS = 0x80000000;

// Sets the thread's execution state and returns the previous one. Continuous together with
// system-required takes a sleep inhibitor from the login manager where one is present;
// continuous alone gives it back. Where no login manager answers, only the state is kept.
DWORD SetThreadExecutionState(DWORD flags);

namespace power {
// Whether an inhibitor is currently held (tests use it).
bool IsInhibitorHeld();
}  // namespace power
