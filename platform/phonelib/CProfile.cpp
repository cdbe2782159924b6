#include "platform/phonelib/CProfile.h"

#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneProfile.h"

BOOL CProfile::GetCdmaCommState(CdmaCommState* state) const {
  if (state == nullptr) return 0;
  *state = CdmaCommState();
  if (!phonelib::IsPhoneConnected()) return 0;
  const auto profile = phonelib::ReadPhoneProfile(phonelib::PhoneFolder());
  if (!profile) return 0;
  state->connected = 1;
  state->model = profile->model;
  state->maxInternalBytes = profile->maxInternalBytes;
  state->maxExternalBytes = profile->maxExternalBytes;
  return 1;
}
