// The system's temporary folder and unique temporary file names, as the calls of the same
// name provide them (the imaging saves write through such a file).
#pragma once

#include "platform/win/WinTypes.h"

constexpr DWORD kMaxTempPath = 260;

// Writes the temporary folder with a trailing separator ($TMPDIR, else /tmp); returns its
// length, or 0 when it does not fit in the buffer.
DWORD GetTempPathA(DWORD bufferLength, char* buffer);
// Makes a new, empty file "<folder>/<prefix, up to 3 characters>XXXXXX.tmp" and writes its
// path (at most kMaxTempPath bytes with the terminator); returns non-zero on success. Only
// unique == 0 (make the file) is supported.
UINT GetTempFileNameA(const char* folder, const char* prefix, UINT unique, char* buffer);
