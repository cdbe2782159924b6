#include "platform/phonelib/PhoneLib.h"

namespace {
int g_initCount = 0;
}  // namespace

BOOL _InitCdmaBinDll() {
  if (g_initCount == 0) ++g_initCount;
  return 1;
}

CCdmaComm* CreateCdmaComm() {
  return new CCdmaComm();
}
void DeleteCdmaComm(CCdmaComm* comm) {
  delete comm;
}
CCdmaFilesOption* CreateCdmaFilesOption() {
  return new CCdmaFilesOption();
}
void DeleteCdmaFilesOption(CCdmaFilesOption* option) {
  delete option;
}
CCdmaOptionFileInfo* CreateCdmaOptionFileInfo() {
  return new CCdmaOptionFileInfo();
}
void DeleteCdmaOptionFileInfo(CCdmaOptionFileInfo* info) {
  delete info;
}
CNyFileInfo* CreateNyFileInfo() {
  return new CNyFileInfo();
}
void DeleteNyFileInfo(CNyFileInfo* info) {
  delete info;
}
CProfile* CreateProfile() {
  return new CProfile();
}
void DeleteProfile(CProfile* profile) {
  delete profile;
}
CCsDataFolderProfile* CreateCsDataFolderProfile() {
  return new CCsDataFolderProfile();
}
void DeleteCsDataFolderProfile(CCsDataFolderProfile* profile) {
  delete profile;
}

namespace phonelib {
int InitCountForTest() {
  return g_initCount;
}
}  // namespace phonelib
