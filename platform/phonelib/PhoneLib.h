// The phone library's entry points. Its objects are made and freed only through these
// factory functions; Delete… of a null pointer does nothing.
#pragma once

#include "platform/phonelib/CCdmaComm.h"
#include "platform/phonelib/CCdmaFilesOption.h"
#include "platform/phonelib/CCdmaOptionFileInfo.h"
#include "platform/phonelib/CCmnFnc.h"
#include "platform/phonelib/CCsDataFolderProfile.h"
#include "platform/phonelib/CNyFileInfo.h"
#include "platform/phonelib/CNyFileInfoList.h"
#include "platform/phonelib/CProfile.h"
#include "platform/phonelib/PhoneFolder.h"

// Called once when the album starts; later calls do nothing. Non-zero on success.
BOOL _InitCdmaBinDll();

CCdmaComm* CreateCdmaComm();
void DeleteCdmaComm(CCdmaComm* comm);
CCdmaFilesOption* CreateCdmaFilesOption();
void DeleteCdmaFilesOption(CCdmaFilesOption* option);
CCdmaOptionFileInfo* CreateCdmaOptionFileInfo();
void DeleteCdmaOptionFileInfo(CCdmaOptionFileInfo* info);
CNyFileInfo* CreateNyFileInfo();
void DeleteNyFileInfo(CNyFileInfo* info);
CProfile* CreateProfile();
void DeleteProfile(CProfile* profile);
CCsDataFolderProfile* CreateCsDataFolderProfile();
void DeleteCsDataFolderProfile(CCsDataFolderProfile* profile);

namespace phonelib {
// How many times _InitCdmaBinDll did its work (1 after start-up).
int InitCountForTest();
}  // namespace phonelib
