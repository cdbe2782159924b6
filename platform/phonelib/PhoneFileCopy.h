// Copies one file between the phone and the computer so that the destination either gets
// the whole file, with the source's modification time, or nothing: the data goes to a
// temporary file in the destination folder first and takes the final name in one rename.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"

namespace phonelib {

// Phone files are small; anything larger is refused rather than read into memory.
constexpr uint64_t kMaxTransferBytes = 256ull * 1024 * 1024;

enum class CopyResult { kCopied, kExists, kFailed };

struct CopyOrder {
  Cp932String from;
  Cp932String to;
  uint64_t expectedSize = 0;  // the copy fails when the source no longer has this size
  bool replace = false;       // else an existing destination is left alone (kExists)
  uint64_t maxBytes = kMaxTransferBytes;
};

CopyResult CopyPhoneFile(const CopyOrder& order);

// A name in the folder that is not taken yet: the name itself, else "stem(2).ext", ...
Cp932String FreeNameIn(const Cp932String& folder, const Cp932String& name);

}  // namespace phonelib
