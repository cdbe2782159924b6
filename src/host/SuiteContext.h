// The suite context: one record owned by the host and shared by every module of the suite
// on the host's thread. Byte-packed; the album uses only the members below, in this order.
#pragma once

#include <cstdint>

#include "platform/win/WinTypes.h"

class CTreeCtrl;

#pragma pack(push, 1)

// One registered long operation. Entries form a doubly linked list, newest at the tail.
struct SuiteOperation {
  int32_t module;
  int32_t kind;
  int32_t keepAwake;
  SuiteOperation* prev;
  SuiteOperation* next;
};

// The last error a module reported.
struct SuiteErrorRecord {
  int32_t code;
  int32_t detail1;
  int32_t detail2;
  char text[256];
  int32_t module;
};

constexpr int kSuiteModuleSlots = 8;
constexpr int kSuiteFolderNameBytes = 64;

struct SuiteContext {
  HWND hostMainWindow;   // target of every message to the host
  HWND lockWindow1;      // host control for reading from the phone
  HWND lockWindow2;      // host control for sending to the phone
  CTreeCtrl* indexTree;  // the host's index tree
  SuiteErrorRecord* errorRecord;
  SuiteOperation* operationsHead;
  SuiteOperation* operationsTail;
  uint32_t savedExecutionState;
  int32_t moduleState[kSuiteModuleSlots];  // 1 while a module has a registered operation
  // Folder names of module 1, module 2 (the album), module 3 and any other module.
  char moduleFolderNames[4][kSuiteFolderNameBytes];
  int32_t hostReady;       // non-zero while modules may start phone functions
  int32_t fileAccessMode;  // 1: through the suite's file library; -1 reads as 1
};

#pragma pack(pop)

// Messages to the host main window.
constexpr UINT kHostMsgMayStartPhone = 0x5439;
constexpr UINT kHostMsgPhoneEnded = 0x543A;
constexpr UINT kHostMsgIsPhoneConnected = 0x5512;
constexpr UINT kHostMsgStatusText = 0x5514;
constexpr UINT kHostMsgAlbumChanged = 0x5711;
constexpr UINT kHostMsgCalendarChanged = 0x5712;
// From the host to the album frame: show a photo by its file name.
constexpr UINT kHostMsgShowPhoto = 0x5715;
// From the host's screenshot run to the album frame: focus and select alone, in the visible
// view, the photo whose path (code page 932) the second parameter points at; E_FAIL when
// the current set lacks it.
constexpr UINT kHostMsgFocusPhoto = 0x57F0;
