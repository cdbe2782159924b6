// The registry's in-memory form and its text file format; not for use outside
// platform/registry.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

namespace registry::internal {

struct Value {
  Cp932String name;  // empty for the key's default value
  DWORD type = 0;
  std::string data;  // texts keep their terminating zero
};

struct Key {
  Cp932String name;
  std::vector<Value> values;
  std::vector<Key> subkeys;

  Key* FindSubkey(std::string_view name);
  const Key* FindSubkey(std::string_view name) const;
  Value* FindValue(std::string_view name);
};

// Key names and value names compare without regard to ASCII case; double-byte characters
// compare exactly.
bool SameName(std::string_view a, std::string_view b);

// Splits a key path at its backslashes, never at a trail byte that happens to be 0x5C.
// Empty names (a leading, doubled or trailing backslash) are left out.
std::vector<Cp932String> SplitKeyPath(std::string_view path);

struct ParseResult {
  bool isRegistryFile = false;  // false: the header is missing, nothing was loaded
  int badLines = 0;             // lines that were skipped as unreadable
};

// Reads the text form of one root's file into root (which it clears first).
ParseResult ParseText(std::string_view text, Key& root);

// The text form of a root, which ParseText reads back to the same keys and values.
std::string SerializeText(const Key& root);

// The stored roots. Every function below expects the caller to hold StoreMutex().
std::recursive_mutex& StoreMutex();

// True for the root key values that have a file (the classes, user and machine roots).
bool IsRootKey(uintptr_t root);

// The root's keys, read again first when its file changed on disk since the last look.
const Key& CurrentRoot(uintptr_t root);

// Changes a root: edit works on a copy of its newest keys while the file is locked against
// other processes and sets changed when it altered anything; the altered copy is written to
// the file and takes the old one's place only when that write succeeded. Returns edit's
// result, or ERROR_REG_WRITE_FAULT when the file could not be written.
using Edit = std::function<LONG(Key& root, bool& changed)>;
LONG ChangeRoot(uintptr_t root, const Edit& edit);

// Deferred writes (see registry::DeferredWrites): while at least one scope is open, changes
// stay in memory and their roots locked; the last end writes each changed root once and
// returns false when a write failed.
void BeginDeferredWrites();
bool EndDeferredWrites();

// Replaces a root's cached keys as if they had just been read from its file.
void LoadRoot(uintptr_t root, Key keys);

// Forgets every cached root.
void ForgetRoots();

}  // namespace registry::internal
