// What the album reads and writes in the suite context: the operation registry, the error
// record, the messages to the host and the file access mode. Every function starts from
// the process-wide context pointer and does nothing, returning its "nothing" value, when
// there is none.
#pragma once

#include <cstdint>

#include "host/SuiteContext.h"
#include "platform/text/Cp932.h"

namespace suite {

constexpr int32_t kAlbumModule = 2;

// Operation kinds.
constexpr int32_t kKindPhone = 1;  // 1, 2 and 3 exclude each other across the suite
constexpr int32_t kKindModalDialog = 4;
constexpr int32_t kKindMessageBox = 5;
constexpr int32_t kKindAlbumFiles = 6;

// Error codes the album writes.
constexpr int32_t kErrorNoTool = 5;
constexpr int32_t kErrorPhoneBusy = 600;
constexpr int32_t kErrorPhoneNotRegistered = 601;
constexpr int32_t kErrorNoHostWindow = 2081;
// Entries of the album database that could not be kept on loading; detail 1 is their
// number, and the file as read was kept aside beside the catalogue.
constexpr int32_t kErrorEntriesLeftOut = 2090;
// The backup of the album database could not be written; the save itself went ahead.
// Detail 1 is the file error.
constexpr int32_t kErrorBackupNotWritten = 2091;
// The host named a user that is not one plain folder name.
constexpr int32_t kErrorUserNameRefused = 2092;
// A window's message handler threw; the message was answered with 0. The text says what.
constexpr int32_t kErrorHandlerThrew = 2093;
// Lines of the default events file past the 64 events a table holds; detail 1 is their
// number.
constexpr int32_t kErrorEventsLeftOut = 2094;

void SetContext(SuiteContext* context);
SuiteContext* Context();

bool IsPhoneKind(int32_t kind);

int BeginOperation(int32_t module, int32_t kind, int32_t keepAwake, int report,
                   LPARAM permissionDetail);
int EndOperation(int32_t module, int32_t kind, int report);
// 0 when no phone operation is registered; else kind * 65536 + module of the newest, and
// error 600 when report is set; -1 without a context.
int32_t GetRunningPhoneOperation(int report);
bool IsPhoneBlocked(const Cp932String& label, Cp932String* message);
// 1 when a phone is connected; -1 when the host window is missing.
int IsPhoneConnected();
bool SetHostStatusText(const Cp932String& text, LPARAM detail);
bool PostAlbumChanged(int32_t code);
bool PostCalendarChanged(int32_t code);
int EnableHostWindow1(bool enable);
int EnableHostWindow2(bool enable);
int32_t GetFileAccessMode();
void ReportError(int32_t code, int32_t detail1, int32_t detail2, const Cp932String& text,
                 int report);
// The folder name the suite keeps for a module (1, 2, 3; others share the fourth).
Cp932String ModuleFolderName(int32_t module);

// An operation of the album registered for as long as the object lives (when the suite
// let it begin), so that other modules keep off what it works on.
class ScopedOperation {
 public:
  ScopedOperation(int32_t kind, int32_t keepAwake)
      : kind_(kind), begun_(BeginOperation(kAlbumModule, kind, keepAwake, 0, 0) != 0) {}
  ~ScopedOperation() {
    if (begun_) EndOperation(kAlbumModule, kind_, 0);
  }
  ScopedOperation(const ScopedOperation&) = delete;
  ScopedOperation& operator=(const ScopedOperation&) = delete;
  bool begun() const { return begun_; }

 private:
  int32_t kind_;
  bool begun_;
};

}  // namespace suite
