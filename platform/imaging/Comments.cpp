// Text comments: the ids the album uses, their keywords in files, reading from a file and
// the comments set for the next save.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

struct CommentName {
  int id;
  const char* keyword;
};

// The standard PNG keywords where one fits; the manufacturer is the device that made the
// picture (PNG's "Source").
constexpr CommentName kNames[] = {
    {0, "Author"},   {1, "Copyright"}, {2, "Creation Time"}, {3, "Description"}, {5, "Source"},
    {9, "Software"}, {175, "Title"},   {176, "Disclaimer"},  {177, "Warning"},   {178, "Comment"},
};

detail::CommentSet& PendingComments() {
  static detail::CommentSet pending;
  return pending;
}

}  // namespace

namespace detail {

const char* CommentKeyword(int id) {
  for (const auto& n : kNames)
    if (n.id == id) return n.keyword;
  return nullptr;
}

int CommentIdOfKeyword(const std::string& keyword) {
  for (const auto& n : kNames)
    if (keyword == n.keyword) return n.id;
  return -1;
}

CommentSet TakeCommentsForSave() {
  CommentSet taken;
  taken.swap(PendingComments());
  return taken;
}

}  // namespace detail

int ReadComment(const char* path, int id, char* buffer, uint32_t size, int /*flags*/) {
  if (path == nullptr || buffer == nullptr || size == 0) return kErrorInvalidArgument;
  if (detail::CommentKeyword(id) == nullptr) return kErrorInvalidArgument;
  std::vector<uint8_t> bytes;
  if (detail::ReadWholeFile(path, bytes) != kSuccess) return kErrorFileOpen;
  std::string text;
  int result = kErrorFormat;
  switch (detail::DetectFormat(bytes.data(), bytes.size())) {
    case kFormatJpeg:
      result = detail::JpegComment(bytes.data(), bytes.size(), id, &text);
      break;
    case kFormatPng:
      result = detail::PngComment(bytes.data(), bytes.size(), id, &text);
      break;
    default:
      result = kSuccess;
      break;  // formats without comments have none
  }
  if (result != kSuccess) return result;
  const size_t length = std::min<size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

void SetComment(int id, const char* text, uint32_t length) {
  if (detail::CommentKeyword(id) == nullptr) return;
  if (text == nullptr) {
    PendingComments().erase(id);
    return;
  }
  PendingComments()[id] = std::string(text, strnlen(text, length));
}

int GetComment(int id, char* buffer, uint32_t size) {
  const auto& pending = PendingComments();
  const auto it = pending.find(id);
  if (it == pending.end()) return -1;
  const int length = static_cast<int>(it->second.size());
  if (buffer == nullptr || size == 0) return length;
  const size_t copied = std::min<size_t>(it->second.size(), size - 1);
  std::memcpy(buffer, it->second.data(), copied);
  buffer[copied] = '\0';
  return static_cast<int>(copied);
}

}  // namespace imaging
