#include "platform/phonelib/CCsDataFolderProfile.h"

#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneProfile.h"

BOOL CCsDataFolderProfile::Load() {
  loaded_ = false;
  model_ = 0;
  if (!phonelib::IsPhoneConnected()) return 0;
  const auto profile = phonelib::ReadPhoneProfile(phonelib::PhoneFolder());
  if (!profile) return 0;
  loaded_ = true;
  model_ = static_cast<int>(profile->model);
  return 1;
}
