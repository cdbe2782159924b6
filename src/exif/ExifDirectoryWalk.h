// Walks the directories of a TIFF block in file order: each directory's entries, a
// sub-directory wherever its pointer stands, then the next directory of the chain. The
// order is therefore directory 0, the Exif and GPS directories where their pointers
// stand, then directory 1.
#pragma once

#include <cstdint>
#include <set>

#include "exif/ExifBlockReader.h"
#include "exif/ExifTagTable.h"

namespace exif {

// What the walk asks of its user at each step.
class WalkHandler {
 public:
  enum class Step { kGoOn, kStop };

  virtual ~WalkHandler() = default;
  // A directory's walk starts; the mark given back comes with each of its entries.
  virtual uint32_t EnterDirectory() = 0;
  // A shown tag with its decoded value; kStop ends the whole walk successfully.
  virtual Step Shown(uint32_t mark, const TagInfo& info, const ExifValue& value) = 0;
  // A sub-directory pointer, just before the sub-directory is walked.
  virtual void Pointer(uint32_t mark, const TagInfo& info) = 0;
  // True when an entry that cannot be decoded ends the whole walk; false when it ends
  // only the walk of its directory.
  virtual bool UnreadableEndsWalk() const = 0;
};

class ExifDirectoryWalk {
 public:
  enum class Result { kFound, kEnded, kFailed };

  // Sub-directories nest two deep in real photos (main, Exif, interoperability).
  static constexpr int kMaxDepth = 4;
  // Directories in one walk, sub-directories and chained ones together.
  static constexpr size_t kMaxDirectories = 64;

  // The value buffer receives each decoded value in turn.
  ExifDirectoryWalk(ExifBlockReader& block, ExifValue& buffer, WalkHandler& handler)
      : block_(block), buffer_(buffer), handler_(handler) {}

  // kFound when the handler stopped the walk, kFailed when an entry could not be decoded
  // (for handlers that end the walk on it), a directory came round a second time or the
  // nesting went too deep; kEnded otherwise.
  Result Walk(uint32_t firstDirectory);

 private:
  enum class EntryResult;

  Result WalkChain(uint32_t offset, int depth);
  Result WalkDirectory(uint32_t offset, int depth, uint32_t* next);
  EntryResult WalkEntry(uint64_t pos, uint32_t mark, int depth);
  EntryResult FollowPointer(const TagInfo& info, uint32_t mark, int depth);
  bool Admit(uint32_t offset, int depth);
  EntryResult Unreadable() const;
  static bool IsPointer(const TagInfo& info);

  ExifBlockReader& block_;
  ExifValue& buffer_;
  WalkHandler& handler_;
  std::set<uint32_t> visited_;
};

}  // namespace exif
