#include "platform/fileio/FileIo.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/fileio/FileIoInternal.h"

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// The folder part of a disk path: "." for a bare name, "/" for a name in the root.
std::string ParentOf(const std::string& diskPath) {
  std::string path = diskPath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool IsFolderOnDisk(const std::string& diskPath) {
  struct stat info {};
  return stat(diskPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// stat() on a code page 932 path, setting the last error either way.
std::optional<struct stat> StatArg(const Cp932String& path) {
  std::optional<std::string> disk = fileio::internal::DiskPathArg(path.c_str());
  if (!disk) return std::nullopt;
  struct stat info {};
  if (stat(disk->c_str(), &info) != 0) {
    fileio::internal::FailWithErrno(*disk);
    return std::nullopt;
  }
  SetLastError(ERROR_SUCCESS);
  return info;
}

bool IsOwnerWritable(const struct stat& info) {
  return (info.st_mode & S_IWUSR) != 0;
}

// A name that the shell would show as hidden: a dot file other than "." and "..".
bool IsHiddenName(const std::string& diskPath) {
  const size_t slash = diskPath.rfind('/');
  const std::string name = slash == std::string::npos ? diskPath : diskPath.substr(slash + 1);
  return name.size() > 1 && name[0] == '.' && name != "..";
}

// Writes a call's error code where the suite's library asks for it and passes the result on.
BOOL Report(BOOL result, DWORD* errorInfo) {
  if (errorInfo != nullptr) *errorInfo = result ? ERROR_SUCCESS : GetLastError();
  return result;
}

std::optional<fileio::DirEntry> EntryFor(const std::string& folder, const char* diskName,
                                         int* skipped) {
  std::optional<Cp932String> name = fileio::FromDiskPath(diskName);
  if (!name) {
    ++*skipped;
    return std::nullopt;
  }
  fileio::DirEntry entry{*name, false, 0};
  struct stat info {};
  if (stat((folder + "/" + diskName).c_str(), &info) == 0) {
    entry.isDirectory = S_ISDIR(info.st_mode);
    entry.size = entry.isDirectory ? 0 : static_cast<uint64_t>(info.st_size);
  }
  return entry;
}

}  // namespace

namespace fileio::internal {

DWORD ErrorFromErrno(int error, const std::string& diskPath) {
  switch (error) {
    case 0:
      return ERROR_SUCCESS;
    case ENOENT:
      return IsFolderOnDisk(ParentOf(diskPath)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
    case ELOOP:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return ERROR_ACCESS_DENIED;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return ERROR_DISK_FULL;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG:
      return ERROR_INVALID_NAME;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case EBUSY:
    case ETXTBSY:
      return ERROR_SHARING_VIOLATION;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    default:
      return ERROR_WRITE_FAULT;
  }
}

BOOL FailWithErrno(const std::string& diskPath) {
  return Fail(ErrorFromErrno(errno, diskPath));
}

BOOL Fail(DWORD code) {
  SetLastError(code);
  return kFalse;
}

int OpenDiskFileForReading(const std::string& diskPath) {
  constexpr int kNoFile = -1;
  struct stat info {};
  if (stat(diskPath.c_str(), &info) != 0) {
    FailWithErrno(diskPath);
    return kNoFile;
  }
  if (!S_ISREG(info.st_mode)) {
    Fail(ERROR_ACCESS_DENIED);
    return kNoFile;
  }
  // The entry may have been replaced since: the open must not block on a pipe either.
  const int fd = open(diskPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    FailWithErrno(diskPath);
    return kNoFile;
  }
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    Fail(ERROR_ACCESS_DENIED);
    return kNoFile;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  SetLastError(ERROR_SUCCESS);
  return fd;
}

std::optional<std::string> DiskPathArg(const char* path) {
  if (path == nullptr || *path == '\0') {
    Fail(path == nullptr ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
    return std::nullopt;
  }
  return ToDiskPath(path);
}

}  // namespace fileio::internal

using fileio::internal::DiskPathArg;
using fileio::internal::Fail;
using fileio::internal::FailWithErrno;
using fileio::internal::kFalse;
using fileio::internal::kTrue;

DWORD GetLastError() {
  return lastError;
}

void SetLastError(DWORD code) {
  lastError = code;
}

BOOL CreateDirectoryA(const char* path, void* /*securityAttributes*/) {
  std::optional<std::string> disk = DiskPathArg(path);
  if (!disk) return kFalse;
  if (mkdir(disk->c_str(), 0777) != 0) {
    // An existing entry of any kind is "already exists" for this call, not "file exists".
    return errno == EEXIST ? Fail(ERROR_ALREADY_EXISTS) : FailWithErrno(*disk);
  }
  SetLastError(ERROR_SUCCESS);
  return kTrue;
}

BOOL RemoveDirectoryA(const char* path) {
  std::optional<std::string> disk = DiskPathArg(path);
  if (!disk) return kFalse;
  if (rmdir(disk->c_str()) != 0) {
    return errno == EEXIST ? Fail(ERROR_DIR_NOT_EMPTY) : FailWithErrno(*disk);
  }
  SetLastError(ERROR_SUCCESS);
  return kTrue;
}

BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists) {
  std::optional<std::string> fromDisk = DiskPathArg(from);
  if (!fromDisk) return kFalse;
  std::optional<std::string> toDisk = DiskPathArg(to);
  if (!toDisk) return kFalse;
  return fileio::internal::CopyDiskFile(*fromDisk, *toDisk, failIfExists != kFalse);
}

BOOL MoveFileA(const char* from, const char* to) {
  std::optional<std::string> fromDisk = DiskPathArg(from);
  if (!fromDisk) return kFalse;
  std::optional<std::string> toDisk = DiskPathArg(to);
  if (!toDisk) return kFalse;
  if (fileio::internal::RenameDisk(*fromDisk, *toDisk, true) == 0) {
    SetLastError(ERROR_SUCCESS);
    return kTrue;
  }
  if (errno == EEXIST) return Fail(ERROR_ALREADY_EXISTS);
  if (errno != EXDEV || IsFolderOnDisk(*fromDisk)) return FailWithErrno(*fromDisk);
  // Another file system: a file moves as a whole copy followed by removing the original.
  if (!fileio::internal::CopyDiskFile(*fromDisk, *toDisk, true)) return kFalse;
  if (unlink(fromDisk->c_str()) != 0) return FailWithErrno(*fromDisk);
  SetLastError(ERROR_SUCCESS);
  return kTrue;
}

BOOL DeleteFileA(const char* path) {
  std::optional<std::string> disk = DiskPathArg(path);
  if (!disk) return kFalse;
  struct stat info {};
  if (lstat(disk->c_str(), &info) != 0) return FailWithErrno(*disk);
  // A read-only file is protected from deletion, whoever runs the program.
  if (S_ISDIR(info.st_mode) || (!S_ISLNK(info.st_mode) && !IsOwnerWritable(info))) {
    return Fail(ERROR_ACCESS_DENIED);
  }
  if (unlink(disk->c_str()) != 0) return FailWithErrno(*disk);
  SetLastError(ERROR_SUCCESS);
  return kTrue;
}

DWORD GetFileAttributesA(const char* path) {
  std::optional<std::string> disk = DiskPathArg(path);
  if (!disk) return INVALID_FILE_ATTRIBUTES;
  struct stat info {};
  if (stat(disk->c_str(), &info) != 0) {
    FailWithErrno(*disk);
    return INVALID_FILE_ATTRIBUTES;
  }
  DWORD attributes = 0;
  if (S_ISDIR(info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (!IsOwnerWritable(info)) attributes |= FILE_ATTRIBUTE_READONLY;
  if (IsHiddenName(*disk)) attributes |= FILE_ATTRIBUTE_HIDDEN;
  SetLastError(ERROR_SUCCESS);
  return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

BOOL SetFileAttributesA(const char* path, DWORD attributes) {
  std::optional<std::string> disk = DiskPathArg(path);
  if (!disk) return kFalse;
  struct stat info {};
  if (stat(disk->c_str(), &info) != 0) return FailWithErrno(*disk);
  // Only the read-only flag has a form on this disk: the owner's write permission.
  mode_t mode = info.st_mode & 07777;
  mode = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~S_IWUSR) : (mode | S_IWUSR);
  if (chmod(disk->c_str(), mode) != 0) return FailWithErrno(*disk);
  SetLastError(ERROR_SUCCESS);
  return kTrue;
}

BOOL AdCreateDirectoryA(const char* path, void* securityAttributes, DWORD* errorInfo) {
  return Report(CreateDirectoryA(path, securityAttributes), errorInfo);
}

BOOL AdCopyFileA(const char* from, const char* to, BOOL failIfExists, DWORD* errorInfo) {
  return Report(CopyFileA(from, to, failIfExists), errorInfo);
}

BOOL AdMoveFileA(const char* from, const char* to, DWORD* errorInfo) {
  return Report(MoveFileA(from, to), errorInfo);
}

BOOL AdDeleteFileA(const char* path, DWORD* errorInfo) {
  return Report(DeleteFileA(path), errorInfo);
}

BOOL AdSetFileAttributesA(const char* path, DWORD attributes, DWORD* errorInfo) {
  return Report(SetFileAttributesA(path, attributes), errorInfo);
}

namespace fileio {

std::optional<std::string> ToDiskPath(const Cp932String& path) {
  std::optional<std::string> utf8 = cp932::ToUtf8(path);
  if (!utf8) SetLastError(ERROR_NO_UNICODE_TRANSLATION);
  return utf8;
}

std::optional<Cp932String> FromDiskPath(const std::string& utf8) {
  std::optional<Cp932String> name = cp932::FromUtf8(utf8);
  // Some characters share one code page 932 form (U+301C and U+FF5E both become 0x8160);
  // such a name would lead back to a different file, so only exact round trips count.
  if (name && cp932::ToUtf8(*name) == utf8) return name;
  SetLastError(ERROR_NO_UNICODE_TRANSLATION);
  return std::nullopt;
}

int OpenFileForReading(const Cp932String& path) {
  std::optional<std::string> disk = DiskPathArg(path.c_str());
  return disk ? internal::OpenDiskFileForReading(*disk) : -1;
}

bool Exists(const Cp932String& path) {
  return StatArg(path).has_value();
}

bool IsDirectory(const Cp932String& path) {
  std::optional<struct stat> info = StatArg(path);
  return info && S_ISDIR(info->st_mode);
}

bool IsFile(const Cp932String& path) {
  std::optional<struct stat> info = StatArg(path);
  return info && S_ISREG(info->st_mode);
}

std::optional<uint64_t> FileSize(const Cp932String& path) {
  std::optional<struct stat> info = StatArg(path);
  if (!info) return std::nullopt;
  if (!S_ISREG(info->st_mode)) {
    Fail(ERROR_ACCESS_DENIED);
    return std::nullopt;
  }
  return static_cast<uint64_t>(info->st_size);
}

std::optional<int64_t> LastWriteTime(const Cp932String& path) {
  std::optional<struct stat> info = StatArg(path);
  if (!info) return std::nullopt;
  return static_cast<int64_t>(info->st_mtim.tv_sec);
}

std::optional<FileTime> LastWriteFileTime(const Cp932String& path) {
  std::optional<struct stat> info = StatArg(path);
  if (!info) return std::nullopt;
  return FileTime{info->st_mtim.tv_sec, static_cast<int32_t>(info->st_mtim.tv_nsec)};
}

std::optional<FileTime> LastAccessFileTime(const Cp932String& path) {
  std::optional<struct stat> info = StatArg(path);
  if (!info) return std::nullopt;
  return FileTime{info->st_atim.tv_sec, static_cast<int32_t>(info->st_atim.tv_nsec)};
}

bool SetFileTimes(const Cp932String& path, const FileTime* lastAccess, const FileTime* lastWrite) {
  std::optional<std::string> disk = DiskPathArg(path.c_str());
  if (!disk) return false;
  const auto spec = [](const FileTime* t) {
    if (t == nullptr) return timespec{0, UTIME_OMIT};
    if (t->nanoseconds < 0 || t->nanoseconds > 999'999'999) return timespec{0, -1};
    return timespec{static_cast<time_t>(t->seconds), t->nanoseconds};
  };
  const timespec times[2] = {spec(lastAccess), spec(lastWrite)};
  if (times[0].tv_nsec == -1 || times[1].tv_nsec == -1) return Fail(ERROR_INVALID_PARAMETER);
  if (utimensat(AT_FDCWD, disk->c_str(), times, 0) != 0) return FailWithErrno(*disk);
  SetLastError(ERROR_SUCCESS);
  return true;
}

bool CreateFolderPath(const Cp932String& path, bool useSuiteLibrary) {
  if (path.empty()) return Fail(ERROR_PATH_NOT_FOUND);
  // '/' is never a trail byte, so the code page 932 text splits safely on it.
  for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    const Cp932String level = path.substr(0, end);
    if (!level.empty() && level.back() != '/' && !IsDirectory(level)) {
      DWORD error = ERROR_SUCCESS;
      const BOOL made = useSuiteLibrary ? AdCreateDirectoryA(level.c_str(), nullptr, &error)
                                        : CreateDirectoryA(level.c_str(), nullptr);
      // Another program may have made the same level a moment ago; that is success too.
      if (!made && !IsDirectory(level)) return Fail(useSuiteLibrary ? error : GetLastError());
    }
    if (end == Cp932String::npos) break;
  }
  SetLastError(ERROR_SUCCESS);
  return true;
}

std::optional<std::vector<DirEntry>> ListFolder(const Cp932String& path, int* skippedNames) {
  int skipped = 0;
  std::optional<std::string> disk = DiskPathArg(path.c_str());
  if (!disk) return std::nullopt;
  DIR* dir = opendir(disk->c_str());
  if (dir == nullptr) {
    FailWithErrno(*disk);
    return std::nullopt;
  }
  std::vector<DirEntry> entries;
  while (const dirent* item = readdir(dir)) {
    const std::string name = item->d_name;
    if (name == "." || name == "..") continue;
    if (std::optional<DirEntry> entry = EntryFor(*disk, item->d_name, &skipped)) {
      entries.push_back(std::move(*entry));
    }
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  if (skippedNames != nullptr) *skippedNames = skipped;
  SetLastError(ERROR_SUCCESS);
  return entries;
}

}  // namespace fileio
