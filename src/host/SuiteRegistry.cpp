#include "host/SuiteRegistry.h"

#include <cstring>

#include "platform/power/Power.h"
#include "platform/win/Wnd.h"

namespace suite {
namespace {

SuiteContext* g_context = nullptr;

HWND HostWindow() {
  if (g_context == nullptr || !IsWindow(g_context->hostMainWindow)) return nullptr;
  return g_context->hostMainWindow;
}

bool AnyPhoneEntry() {
  for (auto* e = g_context->operationsHead; e != nullptr; e = e->next)
    if (IsPhoneKind(e->kind)) return true;
  return false;
}

bool AnyKeepAwake() {
  for (auto* e = g_context->operationsHead; e != nullptr; e = e->next)
    if (e->keepAwake != 0) return true;
  return false;
}

bool ModuleHasEntry(int32_t module) {
  for (auto* e = g_context->operationsHead; e != nullptr; e = e->next)
    if (e->module == module) return true;
  return false;
}

void SetModuleState(int32_t module, int32_t state) {
  if (module >= 0 && module < kSuiteModuleSlots) g_context->moduleState[module] = state;
}

// The newest entry that satisfies the test.
template <class Test>
SuiteOperation* NewestEntry(Test test) {
  for (auto* e = g_context->operationsTail; e != nullptr; e = e->prev)
    if (test(*e)) return e;
  return nullptr;
}

void Append(SuiteOperation* entry) {
  entry->prev = g_context->operationsTail;
  entry->next = nullptr;
  if (g_context->operationsTail != nullptr)
    g_context->operationsTail->next = entry;
  else
    g_context->operationsHead = entry;
  g_context->operationsTail = entry;
}

void Unlink(SuiteOperation* entry) {
  if (entry->prev != nullptr)
    entry->prev->next = entry->next;
  else
    g_context->operationsHead = entry->next;
  if (entry->next != nullptr)
    entry->next->prev = entry->prev;
  else
    g_context->operationsTail = entry->prev;
  delete entry;
}

// Asks the host whether a phone operation may start; only an answer of exactly 1 allows it.
bool HostAllowsPhone(LPARAM detail) {
  HWND host = HostWindow();
  return host != nullptr && SendMessage(host, kHostMsgMayStartPhone, 1, detail) == 1;
}

bool PostToHost(UINT message, int32_t code) {
  HWND host = HostWindow();
  if (host == nullptr) return false;
  const auto first = static_cast<WPARAM>(static_cast<uint32_t>(code) * 65536u + kAlbumModule);
  return PostMessage(host, message, first, 0) != 0;
}

int EnableLockWindow(HWND window, bool enable) {
  if (g_context != nullptr && IsWindow(window)) window->EnableWindow(enable);
  return 1;
}

}  // namespace

void SetContext(SuiteContext* context) {
  g_context = context;
}
SuiteContext* Context() {
  return g_context;
}

bool IsPhoneKind(int32_t kind) {
  return kind >= 1 && kind <= 3;
}

int BeginOperation(int32_t module, int32_t kind, int32_t keepAwake, int report,
                   LPARAM permissionDetail) {
  (void)report;
  if (g_context == nullptr) return 0;
  if (IsPhoneKind(kind) && (AnyPhoneEntry() || !HostAllowsPhone(permissionDetail))) return 0;
  const bool keptAwakeBefore = AnyKeepAwake();
  Append(new SuiteOperation{module, kind, keepAwake, nullptr, nullptr});
  SetModuleState(module, 1);
  if (keepAwake != 0 && !keptAwakeBefore)
    g_context->savedExecutionState = SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
  return 1;
}

int EndOperation(int32_t module, int32_t kind, int report) {
  if (g_context == nullptr) return 0;
  SuiteOperation* entry = nullptr;
  if (IsPhoneKind(kind)) {
    entry = NewestEntry([kind](const SuiteOperation& e) { return e.kind == kind; });
    if (entry == nullptr || entry->module != module) {
      ReportError(kErrorPhoneNotRegistered, 0, 0, {}, report);
      return 0;
    }
    if (HWND host = HostWindow()) SendMessage(host, kHostMsgPhoneEnded, 0, 0);
  } else {
    entry = NewestEntry(
        [module, kind](const SuiteOperation& e) { return e.module == module && e.kind == kind; });
    if (entry == nullptr) return 0;
  }
  const bool keptAwake = entry->keepAwake != 0;
  Unlink(entry);
  if (keptAwake && !AnyKeepAwake()) SetThreadExecutionState(g_context->savedExecutionState);
  if (!ModuleHasEntry(module)) SetModuleState(module, 0);
  return 1;
}

int32_t GetRunningPhoneOperation(int report) {
  if (g_context == nullptr) return -1;
  SuiteOperation* entry = NewestEntry([](const SuiteOperation& e) { return IsPhoneKind(e.kind); });
  if (entry == nullptr) return 0;
  ReportError(kErrorPhoneBusy, 0, 0, {}, report);
  return entry->kind * 65536 + entry->module;
}

bool IsPhoneBlocked(const Cp932String& /*label*/, Cp932String* message) {
  if (message != nullptr) message->clear();
  return g_context != nullptr && g_context->hostReady == 0;
}

int IsPhoneConnected() {
  HWND host = HostWindow();
  if (host == nullptr) return -1;
  return static_cast<int>(SendMessage(host, kHostMsgIsPhoneConnected, 0, 0));
}

bool SetHostStatusText(const Cp932String& text, LPARAM detail) {
  if (g_context == nullptr) return false;
  HWND host = HostWindow();
  if (host == nullptr) {
    ReportError(kErrorNoHostWindow, 0, 0, {}, 1);
    return false;
  }
  return SendMessage(host, kHostMsgStatusText, reinterpret_cast<WPARAM>(text.c_str()), detail) != 0;
}

bool PostAlbumChanged(int32_t code) {
  return PostToHost(kHostMsgAlbumChanged, code);
}

bool PostCalendarChanged(int32_t code) {
  return PostToHost(kHostMsgCalendarChanged, code);
}

int EnableHostWindow1(bool enable) {
  return EnableLockWindow(g_context != nullptr ? g_context->lockWindow1 : nullptr, enable);
}

int EnableHostWindow2(bool enable) {
  return EnableLockWindow(g_context != nullptr ? g_context->lockWindow2 : nullptr, enable);
}

int32_t GetFileAccessMode() {
  if (g_context == nullptr) return 1;
  if (g_context->fileAccessMode == -1) g_context->fileAccessMode = 1;
  return g_context->fileAccessMode;
}

void ReportError(int32_t code, int32_t detail1, int32_t detail2, const Cp932String& text,
                 int report) {
  if (g_context == nullptr || g_context->errorRecord == nullptr || report == 0) return;
  SuiteErrorRecord& record = *g_context->errorRecord;
  record.code = code;
  record.detail1 = detail1;
  record.detail2 = detail2;
  // A long text is shortened on a character boundary: half a double-byte character would
  // make the host read a broken text.
  const size_t n = cp932::CutPoint(text, sizeof(record.text) - 1);
  std::memcpy(record.text, text.data(), n);
  record.text[n] = '\0';
  record.module = kAlbumModule;
}

Cp932String ModuleFolderName(int32_t module) {
  if (g_context == nullptr) return {};
  const int slot = (module >= 1 && module <= 3) ? module - 1 : 3;
  const char* name = g_context->moduleFolderNames[slot];
  return Cp932String(name, strnlen(name, kSuiteFolderNameBytes));
}

}  // namespace suite
