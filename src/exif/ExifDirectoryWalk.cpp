#include "exif/ExifDirectoryWalk.h"

namespace exif {

// What one entry did to the walk of its directory.
enum class ExifDirectoryWalk::EntryResult { kNext, kEndDirectory, kFound, kFailed };

ExifDirectoryWalk::Result ExifDirectoryWalk::Walk(uint32_t firstDirectory) {
  visited_.clear();
  return WalkChain(firstDirectory, 0);
}

// A directory and the directories chained behind it.
ExifDirectoryWalk::Result ExifDirectoryWalk::WalkChain(uint32_t offset, int depth) {
  for (;;) {
    uint32_t next = 0;
    const Result result = WalkDirectory(offset, depth, &next);
    if (result != Result::kEnded || next == 0) return result;
    offset = next;
  }
}

// The entry count, the entries, then the offset of the next directory (0 when it cannot
// be read). A directory whose entries do not all lie inside the block is not read.
ExifDirectoryWalk::Result ExifDirectoryWalk::WalkDirectory(uint32_t offset, int depth,
                                                           uint32_t* next) {
  *next = 0;
  if (!Admit(offset, depth)) return Result::kFailed;
  uint16_t count = 0;
  if (!block_.ReadU16(offset, &count)) return Result::kEnded;
  const uint64_t entries = uint64_t{offset} + 2;
  const uint64_t end = entries + uint64_t{count} * ExifBlockReader::kEntryBytes;
  if (end > block_.size()) return Result::kEnded;
  const uint32_t mark = handler_.EnterDirectory();
  for (uint64_t pos = entries; pos < end; pos += ExifBlockReader::kEntryBytes) {
    const EntryResult result = WalkEntry(pos, mark, depth);
    if (result == EntryResult::kFound) return Result::kFound;
    if (result == EntryResult::kFailed) return Result::kFailed;
    if (result == EntryResult::kEndDirectory) return Result::kEnded;
  }
  if (!block_.ReadU32(end, next)) *next = 0;
  return Result::kEnded;
}

// One entry: a shown tag goes to the handler, a pointer is followed, others are passed.
ExifDirectoryWalk::EntryResult ExifDirectoryWalk::WalkEntry(uint64_t pos, uint32_t mark,
                                                            int depth) {
  ExifEntry entry;
  if (!block_.ReadEntry(pos, &entry)) return Unreadable();
  const TagInfo* info = FindTag(entry.tag);
  if (info == nullptr) return EntryResult::kNext;
  if (!block_.ReadValue(entry, &buffer_)) return Unreadable();
  if (IsPointer(*info))
    return buffer_.numbers.empty() ? Unreadable() : FollowPointer(*info, mark, depth);
  return handler_.Shown(mark, *info, buffer_) == WalkHandler::Step::kStop ? EntryResult::kFound
                                                                          : EntryResult::kNext;
}

// Walks the sub-directory the pointer in the buffer names; the walk of the pointer's own
// directory goes on behind it unless the sub-directory found or failed.
ExifDirectoryWalk::EntryResult ExifDirectoryWalk::FollowPointer(const TagInfo& info, uint32_t mark,
                                                                int depth) {
  const uint32_t target = buffer_.numbers[0];
  handler_.Pointer(mark, info);
  const Result result = WalkChain(target, depth + 1);
  if (result == Result::kFound) return EntryResult::kFound;
  if (result == Result::kFailed) return EntryResult::kFailed;
  return EntryResult::kNext;
}

// A directory is walked once per walk, within the depth and count bounds.
bool ExifDirectoryWalk::Admit(uint32_t offset, int depth) {
  if (depth > kMaxDepth || visited_.size() >= kMaxDirectories) return false;
  return visited_.insert(offset).second;
}

ExifDirectoryWalk::EntryResult ExifDirectoryWalk::Unreadable() const {
  return handler_.UnreadableEndsWalk() ? EntryResult::kFailed : EntryResult::kEndDirectory;
}

bool ExifDirectoryWalk::IsPointer(const TagInfo& info) {
  return info.kind == TagKind::kDirectory;
}

}  // namespace exif
