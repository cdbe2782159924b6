// Reading file information, loading and saving: the file layer over the codecs. Formats
// are told by their first bytes, so a mislabelled extension changes nothing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/fileio/FileIo.h"
#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

// File information needs only the first bytes of a file; more is read when the header
// lies further in (large metadata segments before a JPEG frame header).
constexpr size_t kHeaderPrefixBytes = 64 * 1024;

std::atomic<uint64_t> decodeCount{0};
std::atomic<uint64_t> saveCount{0};

// Reads the header of the bytes with the codec of their format.
int HeaderOf(const uint8_t* data, size_t size, detail::Header* header) {
  header->format = detail::DetectFormat(data, size);
  switch (header->format) {
    case kFormatJpeg:
      return detail::JpegHeader(data, size, header);
    case kFormatPng:
      return detail::PngHeader(data, size, header);
    case kFormatBmp:
      return detail::BmpHeader(data, size, header);
    case kFormatOther:
      return detail::OtherHeader(data, size, header);
    default:
      return kErrorFormat;
  }
}

int DecodeAs(int32_t format, const uint8_t* data, size_t size, BitmapHandle* bitmap) {
  switch (format) {
    case kFormatJpeg:
      return detail::JpegDecode(data, size, bitmap);
    case kFormatPng:
      return detail::PngDecode(data, size, bitmap);
    case kFormatBmp:
      return detail::BmpDecode(data, size, bitmap);
    default:
      return detail::OtherDecode(data, size, bitmap);
  }
}

// The size to decode at: the handle's when it asks for no more than the file has, else
// the file's own (enlarging is a separate resize).
void ChooseTarget(const detail::Header& h, const BitmapHandle& b, const FileInfo* info, int* w,
                  int* h2) {
  const bool atHandle = info != nullptr && (info->flags & kLoadAtHandleSize) != 0 && b.width > 0 &&
                        b.height > 0 && b.width <= h.width && b.height <= h.height;
  *w = atHandle ? b.width : h.width;
  *h2 = atHandle ? b.height : h.height;
}

std::vector<uint8_t>& FileBuffer() {
  thread_local std::vector<uint8_t> buffer;
  return buffer;
}

int EncodeAs(int format, const BitmapHandle& b, int bits, int quality,
             const detail::CommentSet& comments, std::vector<uint8_t>& out) {
  const bool grey = bits > 0 && bits <= 8 && detail::IsGrey(b);
  switch (format) {
    case kFormatJpeg:
      return detail::JpegEncode(b, grey, JpegQualityFor(quality), comments, out);
    case kFormatPng:
      return detail::PngEncode(b, grey, comments, out);
    case kFormatBmp:
      return detail::BmpEncode(b, bits, grey, out);
    default:
      return kErrorFormat;
  }
}

}  // namespace

namespace detail {

int32_t DetectFormat(const uint8_t* data, size_t size) {
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return kFormatJpeg;
  if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return kFormatPng;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return kFormatBmp;
  return size > 0 ? kFormatOther : kFormatUnknown;
}

void CountDecode() {
  ++decodeCount;
}

int ReadFilePrefix(const char* path, size_t bytes, std::vector<uint8_t>& out, bool* whole) {
  auto disk = fileio::ToDiskPath(path);
  if (!disk) return kErrorFileOpen;
  const int fd = open(disk->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return kErrorFileOpen;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return kErrorFileOpen;
  }
  const size_t want = std::min<size_t>(bytes, static_cast<size_t>(st.st_size));
  if (out.size() < want) out.resize(want);
  size_t got = 0;
  while (got < want) {
    const ssize_t n = read(fd, out.data() + got, want - got);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  out.resize(got);
  if (whole != nullptr) *whole = got == static_cast<size_t>(st.st_size);
  return got == want ? kSuccess : kErrorFileOpen;
}

int ReadWholeFile(const char* path, std::vector<uint8_t>& out) {
  return ReadFilePrefix(path, SIZE_MAX, out, nullptr);
}

int WriteWholeFile(const char* path, const std::vector<uint8_t>& data) {
  auto disk = fileio::ToDiskPath(path);
  if (!disk) return kErrorFileOpen;
  const int fd = open(disk->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return kErrorFileOpen;
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool ok = done == data.size() && close(fd) == 0;
  if (!ok) unlink(disk->c_str());
  return ok ? kSuccess : kErrorWrite;
}

}  // namespace detail

int ReadFileInfo(const char* path, FileInfo* info, uint32_t structSize, int /*flags*/,
                 void* /*options*/) {
  if (path == nullptr || info == nullptr || structSize != sizeof(FileInfo))
    return kErrorInvalidArgument;
  std::vector<uint8_t> prefix;
  bool whole = false;
  int result = detail::ReadFilePrefix(path, kHeaderPrefixBytes, prefix, &whole);
  if (result != kSuccess) return result;
  detail::Header h;
  result = HeaderOf(prefix.data(), prefix.size(), &h);
  if (result != kSuccess && !whole) {
    if (detail::ReadWholeFile(path, prefix) != kSuccess) return kErrorFileOpen;
    result = HeaderOf(prefix.data(), prefix.size(), &h);
  }
  if (result != kSuccess) return result;
  *info = FileInfo{};
  info->structSize = structSize;
  info->format = h.format;
  info->width = h.width;
  info->height = h.height;
  info->bitsPerPixel = h.bitsPerPixel;
  return kSuccess;
}

int LoadFile(const char* path, BitmapHandle* bitmap, uint32_t structSize, int /*bitsPerPixel*/,
             int /*loadFlags*/, void* /*options*/, FileInfo* info) {
  if (path == nullptr || bitmap == nullptr || structSize != sizeof(BitmapHandle) ||
      bitmap->structSize != sizeof(BitmapHandle))
    return kErrorInvalidArgument;
  std::vector<uint8_t>& bytes = FileBuffer();
  if (detail::ReadWholeFile(path, bytes) != kSuccess) return kErrorFileOpen;
  detail::Header h;
  int result = HeaderOf(bytes.data(), bytes.size(), &h);
  if (result != kSuccess) return result;
  if (!detail::WithinLimits(h.width, h.height)) return kErrorTooLarge;
  int w = 0, ht = 0;
  ChooseTarget(h, *bitmap, info, &w, &ht);
  if (!detail::AllocatePixels(bitmap, w, ht)) return kErrorNoMemory;
  bitmap->order = kOrderTopDown;
  bitmap->bitsPerPixel = h.bitsPerPixel;
  detail::CountDecode();
  result = DecodeAs(h.format, bytes.data(), bytes.size(), bitmap);
  if (result != kSuccess) detail::ReleasePixels(bitmap);
  detail::TrimBuffer(bytes);
  detail::TrimScratch();
  return result;
}

int JpegQualityFor(int qualityFactor) {
  const int f = std::clamp(qualityFactor, 2, 255);
  return 100 - ((f - 2) * 99 + 126) / 253;
}

int SaveFile(const char* path, const BitmapHandle* bitmap, int format, int bitsPerPixel,
             int qualityFactor, int /*flags*/) {
  const detail::CommentSet comments = detail::TakeCommentsForSave();
  ++saveCount;
  if (path == nullptr || bitmap == nullptr || bitmap->structSize != sizeof(BitmapHandle))
    return kErrorInvalidArgument;
  if (bitmap->pixels == nullptr) return kErrorNoBitmap;
  if (qualityFactor < 2 || qualityFactor > 255) return kErrorInvalidArgument;
  BitmapHandle upright = *bitmap;
  std::vector<uint8_t> flipped;
  if (bitmap->order == kOrderBottomUp) {
    // Encoders read top row first; a bottom-up handle is written through a flipped copy.
    flipped.resize(static_cast<size_t>(bitmap->bytesPerLine) * bitmap->height);
    for (int y = 0; y < bitmap->height; ++y)
      std::memcpy(
          flipped.data() + static_cast<size_t>(y) * bitmap->bytesPerLine,
          bitmap->pixels + static_cast<size_t>(bitmap->height - 1 - y) * bitmap->bytesPerLine,
          bitmap->bytesPerLine);
    upright.pixels = flipped.data();
    upright.order = kOrderTopDown;
  }
  std::vector<uint8_t> encoded;
  const int result = EncodeAs(format, upright, bitsPerPixel, qualityFactor, comments, encoded);
  if (result != kSuccess) return result;
  return detail::WriteWholeFile(path, encoded);
}

uint64_t DecodeCountForTest() {
  return decodeCount.load();
}
uint64_t SaveCountForTest() {
  return saveCount.load();
}

}  // namespace imaging
