// The connected phone's state, read from the profile file of its folder.
#pragma once

#include "platform/win/WinTypes.h"

struct CdmaCommState {
  DWORD connected = 0;
  DWORD model = 0;
  // The largest file the internal data folder and the external memory accept, in bytes.
  DWORD maxInternalBytes = 0;
  DWORD maxExternalBytes = 0;
};

class CProfile {
 public:
  // Fills the state; 0 (and a state of zeros) when no phone is connected or its profile
  // is missing or not valid.
  BOOL GetCdmaCommState(CdmaCommState* state) const;
};
