// Bounded reads from an open file through a small window buffer. The segment search and
// the directory walk read many short pieces at scattered positions; the window keeps that
// to few system calls, and a read that would pass the end of the readable range fails
// instead of returning short.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class ExifFileWindow {
 public:
  static constexpr size_t kWindowBytes = 4096;

  // Reads from the descriptor, which stays owned by the caller; size counts the readable
  // bytes from position 0.
  void Attach(int fd, uint64_t size);
  void Detach();
  bool IsAttached() const { return fd_ >= 0; }
  uint64_t size() const { return size_; }

  // Copies count bytes from pos; false when any of them lies outside the readable range or
  // the file cannot be read.
  bool Read(uint64_t pos, void* out, size_t count);

 private:
  bool Covers(uint64_t pos, size_t count) const;
  bool Fill(uint64_t pos);

  int fd_ = -1;
  uint64_t size_ = 0;
  uint64_t start_ = 0;
  size_t filled_ = 0;
  std::array<uint8_t, kWindowBytes> buffer_{};
};
