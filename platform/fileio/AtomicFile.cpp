// Whole-file reads, atomic writes and copies. A file is never written in place: the data
// goes to a temporary file beside the target, is flushed to the disk and then takes the
// target's name in one rename, so a failure at any point leaves the old file whole.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/fileio/FaultInjection.h"
#include "platform/fileio/FileIo.h"
#include "platform/fileio/FileIoInternal.h"

using fileio::internal::Fail;
using fileio::internal::FailWithErrno;
using fileio::internal::kFalse;
using fileio::internal::kTrue;
using fileio::internal::OpenDiskFileForReading;

namespace {

// Counts down to the atomic write that the tests want to fail; 0 means none.
std::atomic<int> writesUntilFailure{0};
std::atomic<unsigned> tempCounter{0};

// The mode that asks for a new file's usual permissions (0666 less the umask, as open()
// applies them). An existing file with no permissions at all is refused before this matters.
constexpr mode_t kNewFileMode = 0;

bool TakeInjectedFailure() {
  int left = writesUntilFailure.load();
  while (left > 0 && !writesUntilFailure.compare_exchange_weak(left, left - 1)) {
  }
  return left == 1;
}

std::string FolderOf(const std::string& diskPath) {
  const size_t slash = diskPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : diskPath.substr(0, slash);
}

std::string NameOf(const std::string& diskPath) {
  const size_t slash = diskPath.rfind('/');
  return slash == std::string::npos ? diskPath : diskPath.substr(slash + 1);
}

// Data reaches the disk in pieces of this size, so that a disk filling up, or a crash,
// can meet a file half written, as it would on a real disk.
constexpr size_t kWriteChunkBytes = 64 * 1024;

// A new temporary file beside target, named so that listings and other writers pass it by:
// ".<name>.tmp-<process id>-<number>".
constexpr std::string_view kTempMarker = ".tmp-";

struct TempFile {
  int fd = -1;
  std::string path;
};

std::optional<TempFile> CreateTempBeside(const std::string& target, mode_t mode) {
  const std::string stem = FolderOf(target) + "/." + NameOf(target) + std::string(kTempMarker) +
                           std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    TempFile temp{-1, stem + std::to_string(tempCounter++)};
    temp.fd = open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temp.fd >= 0) {
      if (mode != kNewFileMode) fchmod(temp.fd, mode);
      return temp;
    }
    if (errno != EEXIST) break;
  }
  FailWithErrno(target);
  return std::nullopt;
}

// A fault point of the tests: false (errno set) when the point is armed to fail.
bool PassFaultPoint(fileio::faults::Point point) {
  const int injected = fileio::faults::Hit(point);
  if (injected == 0) return true;
  errno = injected;
  return false;
}

// Writes everything in pieces, retrying short writes. An injected failure stops halfway
// with a full disk, so that the clean-up after a partly written temporary file is what
// gets tested.
bool WriteAll(int fd, std::string_view data, bool injectFailure) {
  const size_t limit = injectFailure ? data.size() / 2 : data.size();
  size_t done = 0;
  while (done < limit) {
    if (!PassFaultPoint(fileio::faults::Point::kWrite)) return false;
    const ssize_t n = write(fd, data.data() + done, std::min(limit - done, kWriteChunkBytes));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  if (injectFailure) errno = ENOSPC;
  return !injectFailure;
}

bool Flush(int fd) {
  return PassFaultPoint(fileio::faults::Point::kFlush) && fsync(fd) == 0;
}

void SyncFolder(const std::string& diskPath) {
  const int fd = open(FolderOf(diskPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The rename has happened by now; a folder that cannot be flushed (some file systems
  // refuse) still holds the new file, so this is not reported as a failure.
  Flush(fd);
  close(fd);
}

// Flushes and closes the temporary file and gives it the target's name. On failure the
// temporary file is removed and the last error set from the errno of the failing step.
bool Commit(TempFile& temp, const std::string& target, bool noReplace) {
  bool ok = Flush(temp.fd);
  const int saved = errno;
  ok = (close(temp.fd) == 0) && ok;
  if (ok) ok = fileio::internal::RenameDisk(temp.path, target, noReplace) == 0;
  if (!ok) {
    const int error = errno != 0 ? errno : saved;
    unlink(temp.path.c_str());
    Fail(error == EEXIST ? ERROR_FILE_EXISTS : fileio::internal::ErrorFromErrno(error, target));
    return false;
  }
  SyncFolder(target);
  return true;
}

void Abandon(TempFile& temp, const std::string& target) {
  const int error = errno;
  close(temp.fd);
  unlink(temp.path.c_str());
  Fail(fileio::internal::ErrorFromErrno(error, target));
}

// The permissions a new version of target gets: the old ones, or the usual for a new file.
// A read-only or non-file target is refused, as writing over it would be.
std::optional<mode_t> ModeForReplacing(const std::string& target) {
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) return kNewFileMode;
  if (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0) {
    Fail(ERROR_ACCESS_DENIED);
    return std::nullopt;
  }
  return info.st_mode & 07777;
}

bool CopyContents(int from, int to) {
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAll(to, std::string_view(buffer, static_cast<size_t>(n)), false)) return false;
  }
}

// Gives the copy the source's last-access and last-write times, as a copy keeps them.
bool KeepTimes(int fd, const struct stat& source) {
  const timespec times[2] = {source.st_atim, source.st_mtim};
  return futimens(fd, times) == 0;
}

// The process id in a temporary file's name, or 0 when the name is not one of ours.
pid_t WriterOfTemporary(std::string_view name) {
  if (name.size() < 2 || name[0] != '.') return 0;
  const size_t marker = name.rfind(kTempMarker);
  if (marker == std::string_view::npos) return 0;
  const std::string rest(name.substr(marker + kTempMarker.size()));
  char* end = nullptr;
  const long pid = std::strtol(rest.c_str(), &end, 10);
  return pid > 0 && end != nullptr && *end == '-' ? static_cast<pid_t>(pid) : 0;
}

// A writer is gone when no process of its id exists. Our own process counts as alive, so
// that a write in progress is never swept away.
bool WriterIsGone(pid_t pid) {
  if (pid == getpid()) return false;
  return kill(pid, 0) != 0 && errno == ESRCH;
}

std::optional<std::string> ReadAll(int fd) {
  std::string data;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return data;
    data.append(buffer, static_cast<size_t>(n));
  }
}

}  // namespace

namespace fileio::internal {

namespace {

int RenameUnchecked(const std::string& from, const std::string& to, bool noReplace) {
  if (!noReplace) return rename(from.c_str(), to.c_str());
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // The file system cannot refuse an existing target in the rename itself; check first.
  struct stat info {};
  if (lstat(to.c_str(), &info) == 0) {
    errno = EEXIST;
    return -1;
  }
  return rename(from.c_str(), to.c_str());
}

}  // namespace

int RenameDisk(const std::string& from, const std::string& to, bool noReplace) {
  if (!PassFaultPoint(faults::Point::kRename)) return -1;
  return RenameUnchecked(from, to, noReplace);
}

BOOL CopyDiskFile(const std::string& fromDisk, const std::string& toDisk, bool noReplace) {
  if (!PassFaultPoint(faults::Point::kCopy)) return FailWithErrno(toDisk);
  const int from = OpenDiskFileForReading(fromDisk);
  if (from < 0) return kFalse;
  struct stat info {};
  if (fstat(from, &info) != 0) {
    close(from);
    return FailWithErrno(fromDisk);
  }
  struct stat existing {};
  const bool targetExists = stat(toDisk.c_str(), &existing) == 0;
  std::optional<TempFile> temp;
  if (targetExists && noReplace) {
    Fail(ERROR_FILE_EXISTS);
  } else if (!targetExists || ModeForReplacing(toDisk)) {
    temp = CreateTempBeside(toDisk, info.st_mode & 07777);
  }
  if (!temp) {
    close(from);
    return kFalse;
  }
  const bool copied = CopyContents(from, temp->fd) && KeepTimes(temp->fd, info);
  close(from);
  if (!copied) {
    Abandon(*temp, toDisk);
    return kFalse;
  }
  if (!Commit(*temp, toDisk, noReplace)) return kFalse;
  SetLastError(ERROR_SUCCESS);
  return kTrue;
}

}  // namespace fileio::internal

namespace fileio {

bool WriteDiskFileAtomic(const std::string& diskPath, std::string_view data) {
  std::optional<mode_t> mode = ModeForReplacing(diskPath);
  if (!mode) return false;
  std::optional<TempFile> temp = CreateTempBeside(diskPath, *mode);
  if (!temp) return false;
  if (!WriteAll(temp->fd, data, TakeInjectedFailure())) {
    Abandon(*temp, diskPath);
    return false;
  }
  if (!Commit(*temp, diskPath, false)) return false;
  SetLastError(ERROR_SUCCESS);
  return true;
}

bool WriteFileAtomic(const Cp932String& path, std::string_view data) {
  std::optional<std::string> disk = internal::DiskPathArg(path.c_str());
  return disk && WriteDiskFileAtomic(*disk, data);
}

std::optional<std::string> ReadFile(const Cp932String& path) {
  std::optional<std::string> disk = internal::DiskPathArg(path.c_str());
  if (!disk) return std::nullopt;
  const int fd = internal::OpenDiskFileForReading(*disk);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> data;
  if (!(data = ReadAll(fd))) {
    Fail(ERROR_READ_FAULT);
  } else {
    SetLastError(ERROR_SUCCESS);
  }
  close(fd);
  return data;
}

int RemoveStaleTemporaries(const Cp932String& folder) {
  std::optional<std::string> disk = internal::DiskPathArg(folder.c_str());
  if (!disk) return 0;
  DIR* dir = opendir(disk->c_str());
  if (dir == nullptr) return 0;
  int removed = 0;
  while (const dirent* item = readdir(dir)) {
    const pid_t writer = WriterOfTemporary(item->d_name);
    if (writer == 0 || !WriterIsGone(writer)) continue;
    const std::string path = *disk + "/" + item->d_name;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && unlink(path.c_str()) == 0)
      ++removed;
  }
  closedir(dir);
  return removed;
}

void FailNthWriteForTest(int n) {
  writesUntilFailure.store(n > 0 ? n : 0);
}

}  // namespace fileio
