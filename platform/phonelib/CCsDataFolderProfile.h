// The data-folder profile of the connected phone: its model value, which tells whether
// the phone has external memory (1 and 3 do).
#pragma once

#include "platform/win/WinTypes.h"

class CCsDataFolderProfile {
 public:
  // Reads the connected phone's profile; 0 (model 0) when there is no phone or no valid
  // profile.
  BOOL Load();
  BOOL IsLoaded() const { return loaded_ ? 1 : 0; }
  int GetModel() const { return model_; }

 private:
  bool loaded_ = false;
  int model_ = 0;
};
