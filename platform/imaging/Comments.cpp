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

namespace {

// Only JPEG and PNG files carry comments, so only they are read whole for one.
int FindComment(const char* path, int id, std::string* text) {
  detail::PhotoFile file;
  if (file.Open(path) != kSuccess) return kErrorFileOpen;
  detail::Buffer bytes;
  int result = file.ReadTo(bytes, std::min<uint64_t>(file.size(), 8));
  if (result != kSuccess) return result;
  const int32_t format = detail::DetectFormat(bytes.data(), bytes.size());
  if (format != kFormatJpeg && format != kFormatPng) return kSuccess;
  if (file.size() > kMaxFileBytes) return kErrorTooLarge;
  result = file.ReadTo(bytes, file.size());
  if (result != kSuccess) return result;
  if (format == kFormatJpeg) return detail::JpegComment(bytes.data(), bytes.size(), id, text);
  return detail::PngComment(bytes.data(), bytes.size(), id, text);
}

}  // namespace

int ReadComment(const char* path, int id, char* buffer, uint32_t size, int /*flags*/) {
  if (path == nullptr || buffer == nullptr || size == 0) return kErrorInvalidArgument;
  if (detail::CommentKeyword(id) == nullptr) return kErrorInvalidArgument;
  return detail::Guarded([&] {
    std::string text;
    const int result = FindComment(path, id, &text);
    if (result != kSuccess) return result;
    const size_t length = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
  });
}

// A comment that cannot be kept for want of memory is not written by the next save either.
void SetComment(int id, const char* text, uint32_t length) {
  if (detail::CommentKeyword(id) == nullptr) return;
  PendingComments().erase(id);
  if (text == nullptr) return;
  try {
    PendingComments()[id] = std::string(text, strnlen(text, length));
  } catch (const std::bad_alloc&) {
    PendingComments().erase(id);
  }
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
