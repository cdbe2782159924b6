// The album module's exported entry points, as the host program declares them. Plain C
// names; the host looks them up with dlsym.
#pragma once

#include <cstdint>

#include "host/DataConversionBlock.h"
#include "host/HostParameterBlock.h"
#include "platform/win/WinTypes.h"

#define ORBPHOTO_API extern "C" __attribute__((visibility("default")))

ORBPHOTO_API HWND OrbPhotoCreateWindows(const HostParameterBlock* block);
ORBPHOTO_API int OrbPhotoDestroyWindows();
ORBPHOTO_API int OrbPhotoMoveWindow(int x, int y, int width, int height, int repaint);
ORBPHOTO_API int OrbPhotoShowWindow(int command);
ORBPHOTO_API int OrbPhotoPreTranslateMessage(MSG* msg);
ORBPHOTO_API HMENU OrbPhotoGetMenu();
ORBPHOTO_API int OrbPhotoInitMenuPopup(HMENU menu, int index, int systemMenu);
ORBPHOTO_API LRESULT OrbPhotoCommand(WPARAM command, LPARAM control);
ORBPHOTO_API int OrbPhotoChangeUser(const char* userName);
ORBPHOTO_API int OrbPhotoChangeColor(int scheme);
ORBPHOTO_API int OrbPhotoSynchro();
ORBPHOTO_API HWND OrbPhotoGetWnd();
ORBPHOTO_API int OrbPhotoChangeMobilePhone();
ORBPHOTO_API int OrbPhotoSaveData();
ORBPHOTO_API int OrbPhotoChangeDataFolder(const char* dataFolder, const char* userName);
ORBPHOTO_API int OrbPhotoTreeSetting(const HostParameterBlock* block, int flag);
ORBPHOTO_API int OrbPhotoTreeItemSelect(int32_t a, intptr_t b, intptr_t c);
ORBPHOTO_API int OrbPhotoDataConvert(DataConversionBlock* block);
ORBPHOTO_API int OrbPhotoDataConvertPrev(DataConversionBlock* block);
ORBPHOTO_API int OrbPhotoDataConvertError(DataConversionBlock* block);
