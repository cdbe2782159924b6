// The registry calls. An open key handle names its root and path rather than pointing into
// the store, so a handle stays meaningful when another process rewrites the file; every
// handle given out is remembered, so a closed or made-up handle is refused, not followed.
#include "platform/registry/Registry.h"

#include <cstring>
#include <set>

#include "platform/registry/RegistryStore.h"

struct HKEY__ {
  uintptr_t root = 0;
  std::vector<Cp932String> path;
  DWORD access = 0;
};

namespace {

using registry::internal::ChangeRoot;
using registry::internal::Key;
using registry::internal::SplitKeyPath;
using registry::internal::Value;

constexpr DWORD kAllAccess = 0xFFFFFFFF;
constexpr DWORD kGenericRead = 0x80000000;
constexpr DWORD kGenericWrite = 0x40000000;
constexpr DWORD kGenericAll = 0x10000000;
constexpr DWORD kMaximumAllowed = 0x02000000;

using Lock = std::lock_guard<std::recursive_mutex>;

std::set<HKEY>& LiveHandles() {
  static std::set<HKEY> handles;
  return handles;
}

// The key a handle stands for, with the rights it was opened with.
struct KeyRef {
  uintptr_t root = 0;
  std::vector<Cp932String> path;
  DWORD access = 0;
};

std::optional<KeyRef> Resolve(HKEY key) {
  const auto value = reinterpret_cast<uintptr_t>(key);
  if (registry::internal::IsRootKey(value)) return KeyRef{value, {}, kAllAccess};
  if (LiveHandles().count(key) == 0) return std::nullopt;
  return KeyRef{key->root, key->path, key->access};
}

// Resolves a handle that must carry the given right; the error when it does not.
LONG ResolveWithRight(HKEY key, DWORD right, KeyRef* ref) {
  std::optional<KeyRef> resolved = Resolve(key);
  if (!resolved) return ERROR_REG_INVALID_HANDLE;
  if ((resolved->access & right) == 0) return ERROR_REG_ACCESS_DENIED;
  *ref = std::move(*resolved);
  return ERROR_REG_SUCCESS;
}

// The generic rights mean the same as the key rights they stand for.
DWORD KeyRights(DWORD access) {
  if (access & (kGenericAll | kMaximumAllowed)) return kAllAccess;
  if (access & kGenericRead) access |= KEY_READ;
  if (access & kGenericWrite) access |= KEY_WRITE;
  return access;
}

HKEY NewHandle(const KeyRef& parent, const std::vector<Cp932String>& names, DWORD access) {
  auto* handle = new HKEY__{parent.root, parent.path, KeyRights(access)};
  handle->path.insert(handle->path.end(), names.begin(), names.end());
  LiveHandles().insert(handle);
  return handle;
}

template <typename K>
K* Walk(K& root, const std::vector<Cp932String>& path) {
  K* key = &root;
  for (const Cp932String& name : path) {
    if (key == nullptr) return nullptr;
    key = key->FindSubkey(name);
  }
  return key;
}

// The key behind a resolved handle in the newest state of its root; a handle whose key was
// deleted meanwhile reads as such.
const Key* Find(const KeyRef& ref, LONG* error) {
  const Key* key = Walk(registry::internal::CurrentRoot(ref.root), ref.path);
  if (key == nullptr) *error = ERROR_REG_KEY_DELETED;
  return key;
}

const Value* FindValue(const Key& key, const char* name) {
  return const_cast<Key&>(key).FindValue(name != nullptr ? name : "");
}

std::vector<Cp932String> Concat(std::vector<Cp932String> a, const std::vector<Cp932String>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Hands a value's data out the way the platform does: a null buffer asks for the size only,
// a short buffer gets nothing but the size it needs.
LONG CopyOut(const Value& value, DWORD* type, BYTE* data, DWORD* dataBytes) {
  if (data != nullptr && dataBytes == nullptr) return ERROR_REG_INVALID_PARAMETER;
  if (type != nullptr) *type = value.type;
  if (dataBytes == nullptr) return ERROR_REG_SUCCESS;
  const auto size = static_cast<DWORD>(value.data.size());
  const DWORD room = *dataBytes;
  *dataBytes = size;
  if (data == nullptr) return ERROR_REG_SUCCESS;
  if (room < size) return ERROR_REG_MORE_DATA;
  std::memcpy(data, value.data.data(), size);
  return ERROR_REG_SUCCESS;
}

// Copies a name with its terminating zero; nameBytes counts characters without the zero.
LONG CopyName(const Cp932String& source, char* name, DWORD* nameBytes) {
  if (name == nullptr || nameBytes == nullptr) return ERROR_REG_INVALID_PARAMETER;
  if (*nameBytes < source.size() + 1) return ERROR_REG_MORE_DATA;
  std::memcpy(name, source.c_str(), source.size() + 1);
  *nameBytes = static_cast<DWORD>(source.size());
  return ERROR_REG_SUCCESS;
}

// The stored form of a value, or nullopt when the data does not fit its type: a number
// takes four bytes, and a text keeps exactly one terminating zero.
std::optional<std::string> StoredData(DWORD type, const BYTE* data, DWORD dataBytes) {
  if (data == nullptr && dataBytes > 0) return std::nullopt;
  std::string bytes(reinterpret_cast<const char*>(data), data != nullptr ? dataBytes : 0);
  if (type == REG_DWORD && bytes.size() != 4) return std::nullopt;
  if (type == REG_SZ) bytes = bytes.substr(0, bytes.find('\0')) + '\0';
  return bytes;
}

LONG Report(LONG result, DWORD* errorInfo) {
  if (errorInfo != nullptr) *errorInfo = static_cast<DWORD>(result);
  return result;
}

// Makes every missing level below parent and tells whether any was new.
LONG CreateLevels(Key& root, const KeyRef& parent, const std::vector<Cp932String>& names,
                  bool& created) {
  Key* key = Walk(root, parent.path);
  if (key == nullptr) return ERROR_REG_KEY_DELETED;
  for (const Cp932String& name : names) {
    Key* next = key->FindSubkey(name);
    if (next == nullptr) {
      if ((parent.access & KEY_CREATE_SUB_KEY) == 0) return ERROR_REG_ACCESS_DENIED;
      next = &key->subkeys.emplace_back(Key{name, {}, {}});
      created = true;
    }
    key = next;
  }
  return ERROR_REG_SUCCESS;
}

}  // namespace

HKEY RegRootFromValue(uintptr_t value) {
  return value == 0 ? HKEY_CURRENT_USER : reinterpret_cast<HKEY>(value);
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD /*reserved*/, char* /*keyClass*/,
                     DWORD /*options*/, DWORD access, void* /*security*/, HKEY* result,
                     DWORD* disposition) {
  if (result == nullptr) return ERROR_REG_INVALID_PARAMETER;
  *result = nullptr;
  Lock lock(registry::internal::StoreMutex());
  std::optional<KeyRef> parent = Resolve(key);
  if (!parent) return ERROR_REG_INVALID_HANDLE;
  const std::vector<Cp932String> names = SplitKeyPath(subKey != nullptr ? subKey : "");
  bool created = false;
  const LONG status = ChangeRoot(parent->root, [&](Key& root, bool& changed) {
    const LONG made = CreateLevels(root, *parent, names, created);
    changed = created;
    return made;
  });
  if (status != ERROR_REG_SUCCESS) return status;
  if (disposition != nullptr)
    *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = NewHandle(*parent, names, access);
  return ERROR_REG_SUCCESS;
}

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD /*options*/, DWORD access, HKEY* result) {
  if (result == nullptr) return ERROR_REG_INVALID_PARAMETER;
  *result = nullptr;
  Lock lock(registry::internal::StoreMutex());
  std::optional<KeyRef> parent = Resolve(key);
  if (!parent) return ERROR_REG_INVALID_HANDLE;
  LONG error = ERROR_REG_SUCCESS;
  const Key* base = Find(*parent, &error);
  if (base == nullptr) return error;
  const std::vector<Cp932String> names = SplitKeyPath(subKey != nullptr ? subKey : "");
  if (Walk(*base, names) == nullptr) return ERROR_REG_FILE_NOT_FOUND;
  *result = NewHandle(*parent, names, access);
  return ERROR_REG_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
  Lock lock(registry::internal::StoreMutex());
  if (registry::internal::IsRootKey(reinterpret_cast<uintptr_t>(key))) return ERROR_REG_SUCCESS;
  if (LiveHandles().erase(key) == 0) return ERROR_REG_INVALID_HANDLE;
  delete key;
  return ERROR_REG_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, const char* name, DWORD* /*reserved*/, DWORD* type, BYTE* data,
                      DWORD* dataBytes) {
  Lock lock(registry::internal::StoreMutex());
  KeyRef ref;
  if (const LONG rc = ResolveWithRight(key, KEY_QUERY_VALUE, &ref); rc != ERROR_REG_SUCCESS)
    return rc;
  LONG error = ERROR_REG_SUCCESS;
  const Key* found = Find(ref, &error);
  if (found == nullptr) return error;
  const Value* value = FindValue(*found, name);
  if (value == nullptr) return ERROR_REG_FILE_NOT_FOUND;
  return CopyOut(*value, type, data, dataBytes);
}

LONG RegSetValueExA(HKEY key, const char* name, DWORD /*reserved*/, DWORD type, const BYTE* data,
                    DWORD dataBytes) {
  Lock lock(registry::internal::StoreMutex());
  KeyRef ref;
  if (const LONG rc = ResolveWithRight(key, KEY_SET_VALUE, &ref); rc != ERROR_REG_SUCCESS)
    return rc;
  std::optional<std::string> stored = StoredData(type, data, dataBytes);
  if (!stored) return ERROR_REG_INVALID_PARAMETER;
  const std::string valueName = name != nullptr ? name : "";
  return ChangeRoot(ref.root, [&](Key& root, bool& changed) {
    Key* target = Walk(root, ref.path);
    if (target == nullptr) return ERROR_REG_KEY_DELETED;
    if (Value* old = target->FindValue(valueName)) {
      *old = Value{old->name, type, *stored};
    } else {
      target->values.push_back(Value{valueName, type, *stored});
    }
    changed = true;
    return ERROR_REG_SUCCESS;
  });
}

LONG RegDeleteValueA(HKEY key, const char* name) {
  Lock lock(registry::internal::StoreMutex());
  KeyRef ref;
  if (const LONG rc = ResolveWithRight(key, KEY_SET_VALUE, &ref); rc != ERROR_REG_SUCCESS)
    return rc;
  const std::string valueName = name != nullptr ? name : "";
  return ChangeRoot(ref.root, [&](Key& root, bool& changed) {
    Key* target = Walk(root, ref.path);
    if (target == nullptr) return ERROR_REG_KEY_DELETED;
    Value* value = target->FindValue(valueName);
    if (value == nullptr) return ERROR_REG_FILE_NOT_FOUND;
    target->values.erase(target->values.begin() + (value - target->values.data()));
    changed = true;
    return ERROR_REG_SUCCESS;
  });
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
  Lock lock(registry::internal::StoreMutex());
  std::optional<KeyRef> ref = Resolve(key);
  if (!ref) return ERROR_REG_INVALID_HANDLE;
  std::vector<Cp932String> names = SplitKeyPath(subKey != nullptr ? subKey : "");
  // Deleting the key a handle stands for (an empty sub-key) is refused rather than guessed.
  if (names.empty()) return ERROR_REG_INVALID_PARAMETER;
  const Cp932String last = names.back();
  names.pop_back();
  return ChangeRoot(ref->root, [&](Key& root, bool& changed) {
    Key* parent = Walk(root, Concat(ref->path, names));
    Key* target = parent != nullptr ? parent->FindSubkey(last) : nullptr;
    if (target == nullptr) return ERROR_REG_FILE_NOT_FOUND;
    if (!target->subkeys.empty()) return ERROR_REG_ACCESS_DENIED;
    parent->subkeys.erase(parent->subkeys.begin() + (target - parent->subkeys.data()));
    changed = true;
    return ERROR_REG_SUCCESS;
  });
}

LONG RegEnumKeyExA(HKEY key, DWORD index, char* name, DWORD* nameBytes, DWORD* /*reserved*/,
                   char* keyClass, DWORD* classBytes, void* /*lastWrite*/) {
  Lock lock(registry::internal::StoreMutex());
  KeyRef ref;
  if (const LONG rc = ResolveWithRight(key, KEY_ENUMERATE_SUB_KEYS, &ref); rc != ERROR_REG_SUCCESS)
    return rc;
  LONG error = ERROR_REG_SUCCESS;
  const Key* found = Find(ref, &error);
  if (found == nullptr) return error;
  if (index >= found->subkeys.size()) return ERROR_REG_NO_MORE_ITEMS;
  // Keys have no class here; a caller asking for one gets an empty text.
  if (keyClass != nullptr && classBytes != nullptr && *classBytes > 0) keyClass[0] = '\0';
  if (classBytes != nullptr) *classBytes = 0;
  return CopyName(found->subkeys[index].name, name, nameBytes);
}

LONG RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameBytes, DWORD* /*reserved*/,
                   DWORD* type, BYTE* data, DWORD* dataBytes) {
  Lock lock(registry::internal::StoreMutex());
  KeyRef ref;
  if (const LONG rc = ResolveWithRight(key, KEY_QUERY_VALUE, &ref); rc != ERROR_REG_SUCCESS)
    return rc;
  LONG error = ERROR_REG_SUCCESS;
  const Key* found = Find(ref, &error);
  if (found == nullptr) return error;
  if (index >= found->values.size()) return ERROR_REG_NO_MORE_ITEMS;
  const Value& value = found->values[index];
  const LONG named = CopyName(value.name, name, nameBytes);
  return named != ERROR_REG_SUCCESS ? named : CopyOut(value, type, data, dataBytes);
}

LONG AdRegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                       DWORD access, void* security, HKEY* result, DWORD* disposition,
                       DWORD* errorInfo) {
  return Report(RegCreateKeyExA(key, subKey, reserved, keyClass, options, access, security, result,
                                disposition),
                errorInfo);
}

LONG AdRegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD access, HKEY* result,
                     DWORD* errorInfo) {
  return Report(RegOpenKeyExA(key, subKey, options, access, result), errorInfo);
}

LONG AdRegDeleteKeyA(HKEY key, const char* subKey, DWORD* errorInfo) {
  return Report(RegDeleteKeyA(key, subKey), errorInfo);
}

LONG AdRegCloseKey(HKEY key, DWORD* errorInfo) {
  return Report(RegCloseKey(key), errorInfo);
}

namespace registry {

bool ParseForTest(const char* data, size_t size) {
  Key keys;
  const std::string_view text(data != nullptr ? data : "", data != nullptr ? size : 0);
  if (!internal::ParseText(text, keys).isRegistryFile) return false;
  Lock lock(internal::StoreMutex());
  internal::LoadRoot(reinterpret_cast<uintptr_t>(HKEY_CURRENT_USER), std::move(keys));
  return true;
}

void ResetCache() {
  Lock lock(internal::StoreMutex());
  internal::ForgetRoots();
}

DeferredWrites::DeferredWrites() {
  Lock lock(internal::StoreMutex());
  internal::BeginDeferredWrites();
}

bool DeferredWrites::Commit() {
  if (!open_) return true;
  open_ = false;
  Lock lock(internal::StoreMutex());
  return internal::EndDeferredWrites();
}

}  // namespace registry
