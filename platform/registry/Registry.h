// The registry: keys under root key handles, holding 32-bit numbers, texts and binary
// values. Each root key is one file in the registry folder ($HARBO_REGISTRY_DIR, else
// $XDG_CONFIG_HOME/harbo-suite/, else ~/.config/harbo-suite/), re-read when another process
// has changed it and written atomically after every change, so that a crash mid-write leaves
// the old file whole. Key and value names compare without regard to ASCII case.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win/WinTypes.h"

struct HKEY__;
using HKEY = HKEY__*;

#define HARBO_ROOT_KEY(v) (reinterpret_cast<HKEY>(static_cast<uintptr_t>(v)))
inline const HKEY HKEY_CLASSES_ROOT = HARBO_ROOT_KEY(0x80000000u);
inline const HKEY HKEY_CURRENT_USER = HARBO_ROOT_KEY(0x80000001u);
inline const HKEY HKEY_LOCAL_MACHINE = HARBO_ROOT_KEY(0x80000002u);

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

constexpr LONG ERROR_REG_SUCCESS = 0;
constexpr LONG ERROR_REG_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_REG_ACCESS_DENIED = 5;
constexpr LONG ERROR_REG_INVALID_HANDLE = 6;
constexpr LONG ERROR_REG_INVALID_PARAMETER = 87;
constexpr LONG ERROR_REG_MORE_DATA = 234;
constexpr LONG ERROR_REG_NO_MORE_ITEMS = 259;
constexpr LONG ERROR_REG_WRITE_FAULT = 29;
// The key behind an open handle was deleted meanwhile.
constexpr LONG ERROR_REG_KEY_DELETED = 1018;

constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;

constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// The root handle for a value the host passes: 0 reads as HKEY_CURRENT_USER.
HKEY RegRootFromValue(uintptr_t value);

// The platform calls: the same arguments and results as the calls of the same name.
// A key path is a sequence of names separated by backslashes.
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                     DWORD access, void* security, HKEY* result, DWORD* disposition);
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD access, HKEY* result);
LONG RegCloseKey(HKEY key);
LONG RegQueryValueExA(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataBytes);
LONG RegSetValueExA(HKEY key, const char* name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataBytes);
LONG RegDeleteValueA(HKEY key, const char* name);
// Deletes a key that has no subkeys.
LONG RegDeleteKeyA(HKEY key, const char* subKey);
LONG RegEnumKeyExA(HKEY key, DWORD index, char* name, DWORD* nameBytes, DWORD* reserved,
                   char* keyClass, DWORD* classBytes, void* lastWrite);
LONG RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameBytes, DWORD* reserved,
                   DWORD* type, BYTE* data, DWORD* dataBytes);

// The suite's file-access library versions, with a trailing error-information argument.
LONG AdRegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                       DWORD access, void* security, HKEY* result, DWORD* disposition,
                       DWORD* errorInfo);
LONG AdRegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD access, HKEY* result,
                     DWORD* errorInfo);
LONG AdRegDeleteKeyA(HKEY key, const char* subKey, DWORD* errorInfo);
LONG AdRegCloseKey(HKEY key, DWORD* errorInfo);

namespace registry {

// Parses the text form of one root's file into the store and returns false, loading
// nothing, when the text is not a registry file. Exposed for the fuzz target and tests.
bool ParseForTest(const char* data, size_t size);

// Forgets every cached root, so that the next call reads the files again (tests that change
// HARBO_REGISTRY_DIR call it).
void ResetCache();

// Holds the file writes back while it lives, for work that sets hundreds of values at once:
// changes are made in memory at once, the changed roots stay locked against other
// processes, and each is written once when the outermost scope commits or ends. Reads see
// the changes meanwhile. When a write fails, the root is read again from its file, so that
// nothing unsaved seems saved.
class DeferredWrites {
 public:
  DeferredWrites();
  ~DeferredWrites() { Commit(); }
  DeferredWrites(const DeferredWrites&) = delete;
  DeferredWrites& operator=(const DeferredWrites&) = delete;
  // Ends this scope; false when a root could not be written. Inside another scope the
  // writes wait for the outermost one and the answer is true.
  bool Commit();

 private:
  bool open_ = true;
};

}  // namespace registry
