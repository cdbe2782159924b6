// File calls with code page 932 names. Names are converted to UTF-8 on the way to the
// disk and back on the way in; a name without a code page 932 form is refused, never
// turned into a lossy name. Every call sets the thread's last error (GetLastError).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

// Error codes, as the album's platform numbers them.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_HANDLE_DISK_FULL = 39;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

DWORD GetLastError();
void SetLastError(DWORD code);

// Platform calls: the same effect and result as the calls of the same name.
BOOL CreateDirectoryA(const char* path, void* securityAttributes);
BOOL RemoveDirectoryA(const char* path);
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists);
BOOL MoveFileA(const char* from, const char* to);
BOOL DeleteFileA(const char* path);
DWORD GetFileAttributesA(const char* path);
BOOL SetFileAttributesA(const char* path, DWORD attributes);

// The suite's file-access library: the platform call of the same name without "Ad", with
// one more argument, the address of an error-information field (may be null) that receives
// the call's error code.
BOOL AdCreateDirectoryA(const char* path, void* securityAttributes, DWORD* errorInfo);
BOOL AdCopyFileA(const char* from, const char* to, BOOL failIfExists, DWORD* errorInfo);
BOOL AdMoveFileA(const char* from, const char* to, DWORD* errorInfo);
BOOL AdDeleteFileA(const char* path, DWORD* errorInfo);
BOOL AdSetFileAttributesA(const char* path, DWORD attributes, DWORD* errorInfo);

namespace fileio {

// The UTF-8 form of a code page 932 path; nullopt (last error 1113) when it has none.
std::optional<std::string> ToDiskPath(const Cp932String& path);
// The code page 932 form of a name from the disk; nullopt when it has none.
std::optional<Cp932String> FromDiskPath(const std::string& utf8);

// Opens a file for reading and returns its descriptor (the caller closes it), or -1 with
// the last error set. Anything but a plain file is refused (access denied) before it is
// opened: a named pipe would block the open or the first read for ever, and a device or a
// folder holds no photo. Every reader of outside files opens them through this.
int OpenFileForReading(const Cp932String& path);

bool Exists(const Cp932String& path);
bool IsDirectory(const Cp932String& path);
bool IsFile(const Cp932String& path);
std::optional<uint64_t> FileSize(const Cp932String& path);
// Last-write time as seconds since 1970 (local clock not applied).
std::optional<int64_t> LastWriteTime(const Cp932String& path);

// A file time to the nanosecond, counted from 1970 (local clock not applied).
struct FileTime {
  int64_t seconds = 0;
  int32_t nanoseconds = 0;
  bool operator==(const FileTime&) const = default;
};
std::optional<FileTime> LastWriteFileTime(const Cp932String& path);
std::optional<FileTime> LastAccessFileTime(const Cp932String& path);
// Sets a file's last-access and last-write times; a null time is left as it is. Copies
// keep their source's times through this; a made file (a burst composite) takes the time
// of the photos it was made of.
bool SetFileTimes(const Cp932String& path, const FileTime* lastAccess, const FileTime* lastWrite);

// Makes every missing level of a folder path, walking it from the left; the folder is made
// with AdCreateDirectoryA when useSuiteLibrary is set, else with CreateDirectoryA.
bool CreateFolderPath(const Cp932String& path, bool useSuiteLibrary);

struct DirEntry {
  Cp932String name;  // file name only
  bool isDirectory = false;
  uint64_t size = 0;
};
// Lists a folder. Entries whose names have no code page 932 form are left out and counted.
std::optional<std::vector<DirEntry>> ListFolder(const Cp932String& path,
                                                int* skippedNames = nullptr);

// Removes the temporary files that atomic writes and copies of ended processes left in the
// folder (a crash between creating and renaming one); returns how many were removed.
// Temporary files of running processes, this one included, stay.
int RemoveStaleTemporaries(const Cp932String& folder);

// Whole-file reads and atomic writes: the data goes to a temporary file in the same folder,
// is flushed to the disk and then replaces the target in one rename; on any failure the
// target stays as it was.
std::optional<std::string> ReadFile(const Cp932String& path);
bool WriteFileAtomic(const Cp932String& path, std::string_view data);
// The same for a path that is already in the disk's UTF-8 form (the registry's own files,
// whose folder comes from the environment).
bool WriteDiskFileAtomic(const std::string& diskPath, std::string_view data);

// Makes the n-th atomic write from now on (1 = the next one) fail as a full disk would,
// after part of the data reached the temporary file; 0 turns the failure off. Every atomic
// write counts, the registry's included, as they all go to the same failing disk.
void FailNthWriteForTest(int n);

}  // namespace fileio
