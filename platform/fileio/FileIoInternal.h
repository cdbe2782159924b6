// Helpers shared by the file calls' source files; not for use outside platform/fileio.
#pragma once

#include <optional>
#include <string>

#include "platform/fileio/FileIo.h"

namespace fileio::internal {

constexpr BOOL kTrue = 1;
constexpr BOOL kFalse = 0;

// The error code for an errno left by a call on diskPath. A missing entry reads as "file
// not found" when its folder exists and as "path not found" when it does not.
DWORD ErrorFromErrno(int error, const std::string& diskPath);

// Sets the last error from errno for diskPath and returns kFalse, for one-line failures.
BOOL FailWithErrno(const std::string& diskPath);

// Sets the last error and returns kFalse.
BOOL Fail(DWORD code);

// The disk form of a platform call's path argument; on a null path or a name without a
// UTF-8 form it sets the last error and returns nullopt.
std::optional<std::string> DiskPathArg(const char* path);

// Opens a plain file for reading without ever blocking; -1 with the last error set.
int OpenDiskFileForReading(const std::string& diskPath);

// Copies the file at fromDisk to toDisk through a temporary file, so that the target is
// either the whole copy or untouched, with the source's times. With noReplace an existing
// target is refused.
BOOL CopyDiskFile(const std::string& fromDisk, const std::string& toDisk, bool noReplace);

// Renames from onto to; with noReplace an existing target is refused with EEXIST. Returns
// 0 or -1 with errno set, like rename().
int RenameDisk(const std::string& from, const std::string& to, bool noReplace);

}  // namespace fileio::internal
