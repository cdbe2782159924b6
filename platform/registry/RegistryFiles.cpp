// The registry's files: one per root key, cached in memory, read again whenever another
// process replaced the file, and rewritten whole and atomically after every change.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "platform/fileio/FileIo.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"

namespace registry::internal {

namespace {

// What identifies one version of a file: a rewrite always makes a new inode, and the
// size and modification time catch the rest.
struct FileStamp {
  bool present = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t mtimeNs = 0;
  bool operator==(const FileStamp&) const = default;
};

struct Root {
  std::string file;  // the disk path the cached keys belong to
  FileStamp stamp;
  bool loaded = false;
  // False when the file exists but could not be read: writing would destroy what it holds.
  bool writable = true;
  // The text of a file that had unreadable parts; it is saved beside the file before the
  // first rewrite, so that nothing in it is lost for good.
  std::string damagedText;
  Key keys;
  // Changes made while writes were deferred, not yet in the file.
  bool pending = false;
};

std::map<uintptr_t, Root>& Roots() {
  static std::map<uintptr_t, Root> roots;
  return roots;
}

const char* RootFileName(uintptr_t root) {
  switch (root) {
    case 0x80000000u:
      return "HKEY_CLASSES_ROOT.reg";
    case 0x80000001u:
      return "HKEY_CURRENT_USER.reg";
    case 0x80000002u:
      return "HKEY_LOCAL_MACHINE.reg";
    default:
      return nullptr;
  }
}

std::string EnvDir(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string HomeDir() {
  std::string home = EnvDir("HOME");
  if (!home.empty()) return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/tmp";
}

std::string RegistryFolder() {
  std::string dir = EnvDir("HARBO_REGISTRY_DIR");
  if (!dir.empty()) return dir;
  dir = EnvDir("XDG_CONFIG_HOME");
  // A relative config folder is meaningless by the XDG rules and is ignored.
  if (!dir.empty() && dir[0] == '/') return dir + "/harbo-suite";
  return HomeDir() + "/.config/harbo-suite";
}

std::string RootFilePath(uintptr_t root) {
  return RegistryFolder() + "/" + RootFileName(root);
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return FileStamp{};
    return std::nullopt;
  }
  const int64_t mtime = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
  return FileStamp{true, info.st_dev, info.st_ino, info.st_size, mtime};
}

std::optional<std::string> ReadDiskFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string text;
  char buffer[16384];
  ssize_t n = 0;
  while ((n = read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
    if (n > 0) text.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (n < 0) return std::nullopt;
  return text;
}

void Load(Root& root, const std::string& path, const std::optional<FileStamp>& stamp) {
  root = Root{path, stamp.value_or(FileStamp{}), true, stamp.has_value(), "", Key{}};
  if (!stamp || !stamp->present) return;
  std::optional<std::string> text = ReadDiskFile(path);
  if (!text) {
    root.writable = false;
    return;
  }
  const ParseResult parsed = ParseText(*text, root.keys);
  if (!parsed.isRegistryFile || parsed.badLines > 0) root.damagedText = std::move(*text);
}

Root& Refreshed(uintptr_t rootKey) {
  Root& root = Roots()[rootKey];
  // Unwritten changes are newer than anything in the file, which stays locked meanwhile.
  if (root.pending) return root;
  const std::string path = RootFilePath(rootKey);
  const std::optional<FileStamp> stamp = StampOf(path);
  if (root.loaded && root.file == path && stamp && *stamp == root.stamp) return root;
  Load(root, path, stamp);
  return root;
}

// An exclusive lock on the root's lock file for the time of one change (or of one scope of
// deferred writes), so that two
// processes changing the same root never lose each other's change. Without a lock file
// (a folder that cannot be written) the change goes ahead and fails at the write.
class FileLock {
 public:
  explicit FileLock(const std::string& path)
      : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
    if (fd_ >= 0) {
      while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~FileLock() {
    if (fd_ >= 0) close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

std::string LockPath(uintptr_t rootKey) {
  return RegistryFolder() + "/." + RootFileName(rootKey) + ".lock";
}

// The open scopes of deferred writes and the locks of the roots they changed.
struct Deferral {
  int depth = 0;
  std::map<uintptr_t, std::unique_ptr<FileLock>> locks;
};

Deferral& TheDeferral() {
  static Deferral deferral;
  return deferral;
}

// Locks the root for one change, or for the rest of the deferral when one is open.
std::unique_ptr<FileLock> LockForChange(uintptr_t rootKey) {
  Deferral& deferral = TheDeferral();
  if (deferral.depth == 0) return std::make_unique<FileLock>(LockPath(rootKey));
  if (deferral.locks.count(rootKey) == 0)
    deferral.locks[rootKey] = std::make_unique<FileLock>(LockPath(rootKey));
  return nullptr;
}

bool Save(Root& root, const Key& keys) {
  if (!root.writable) return false;
  if (!root.damagedText.empty() &&
      !fileio::WriteDiskFileAtomic(root.file + ".damaged", root.damagedText)) {
    return false;
  }
  root.damagedText.clear();
  if (!fileio::WriteDiskFileAtomic(root.file, SerializeText(keys))) return false;
  root.stamp = StampOf(root.file).value_or(FileStamp{});
  return true;
}

// A change while writes are deferred works on the cached keys themselves: the edits check
// before they change anything, and the file is written only at the end.
LONG ChangeDeferred(Root& root, const Edit& edit) {
  // A file that could not be read is never written, so the change would be lost.
  if (!root.writable) return ERROR_REG_WRITE_FAULT;
  bool changed = false;
  const LONG result = edit(root.keys, changed);
  if (changed) root.pending = true;
  return result;
}

}  // namespace

std::recursive_mutex& StoreMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

bool IsRootKey(uintptr_t root) {
  return RootFileName(root) != nullptr;
}

const Key& CurrentRoot(uintptr_t root) {
  return Refreshed(root).keys;
}

LONG ChangeRoot(uintptr_t rootKey, const Edit& edit) {
  std::error_code ignored;
  std::filesystem::create_directories(RegistryFolder(), ignored);
  const std::unique_ptr<FileLock> lock = LockForChange(rootKey);
  Root& root = Refreshed(rootKey);
  if (TheDeferral().depth > 0) return ChangeDeferred(root, edit);
  Key keys = root.keys;
  bool changed = false;
  const LONG result = edit(keys, changed);
  if (result != ERROR_REG_SUCCESS || !changed) return result;
  // The registry calls leave the thread's last error alone, whatever the file calls set.
  const DWORD lastError = GetLastError();
  const bool saved = Save(root, keys);
  SetLastError(lastError);
  if (!saved) return ERROR_REG_WRITE_FAULT;
  root.keys = std::move(keys);
  return ERROR_REG_SUCCESS;
}

void BeginDeferredWrites() {
  ++TheDeferral().depth;
}

bool EndDeferredWrites() {
  Deferral& deferral = TheDeferral();
  if (deferral.depth == 0 || --deferral.depth > 0) return true;
  bool saved = true;
  const DWORD lastError = GetLastError();
  for (auto& [rootKey, root] : Roots()) {
    if (!root.pending) continue;
    root.pending = false;
    if (Save(root, root.keys)) continue;
    // The file keeps what it had; so does the cache, read again from it.
    root.loaded = false;
    saved = false;
  }
  SetLastError(lastError);
  deferral.locks.clear();
  return saved;
}

void LoadRoot(uintptr_t rootKey, Key keys) {
  Root& root = Roots()[rootKey];
  root.file = RootFilePath(rootKey);
  root.stamp = StampOf(root.file).value_or(FileStamp{});
  root.loaded = true;
  root.writable = true;
  root.damagedText.clear();
  root.keys = std::move(keys);
}

void ForgetRoots() {
  Roots().clear();
}

}  // namespace registry::internal
