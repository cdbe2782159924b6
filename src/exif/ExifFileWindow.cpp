#include "exif/ExifFileWindow.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Reads exactly count bytes at pos, retrying interrupted and short reads.
bool ReadFully(int fd, uint64_t pos, uint8_t* out, size_t count) {
  while (count > 0) {
    const ssize_t got = pread(fd, out, count, static_cast<off_t>(pos));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    out += got;
    pos += static_cast<uint64_t>(got);
    count -= static_cast<size_t>(got);
  }
  return true;
}

}  // namespace

void ExifFileWindow::Attach(int fd, uint64_t size) {
  fd_ = fd;
  size_ = size;
  start_ = 0;
  filled_ = 0;
}

void ExifFileWindow::Detach() {
  Attach(-1, 0);
}

bool ExifFileWindow::Read(uint64_t pos, void* out, size_t count) {
  if (fd_ < 0 || count > size_ || pos > size_ - count) return false;
  auto* bytes = static_cast<uint8_t*>(out);
  if (count > kWindowBytes) return ReadFully(fd_, pos, bytes, count);
  if (!Covers(pos, count) && !Fill(pos)) return false;
  std::memcpy(bytes, buffer_.data() + (pos - start_), count);
  return true;
}

bool ExifFileWindow::Covers(uint64_t pos, size_t count) const {
  return pos >= start_ && pos - start_ + count <= filled_;
}

// Loads the window starting at pos, as far as the readable range goes.
bool ExifFileWindow::Fill(uint64_t pos) {
  const size_t count = static_cast<size_t>(std::min<uint64_t>(kWindowBytes, size_ - pos));
  filled_ = 0;
  if (!ReadFully(fd_, pos, buffer_.data(), count)) return false;
  start_ = pos;
  filled_ = count;
  return true;
}
