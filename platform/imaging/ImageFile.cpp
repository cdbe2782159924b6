// Reading file information, loading and saving: the file layer over the codecs. Formats
// are told by their first bytes, so a mislabelled extension changes nothing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
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

int EncodeAs(int format, const BitmapHandle& b, int bits, int quality,
             const detail::CommentSet& comments, detail::Buffer& out) {
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

// Whether the file's bytes can hold the picture its header claims; a file that claims
// far more than it could hold is a decompression bomb, refused before any pixel memory.
bool FitsInFile(const detail::Header& h, const detail::Buffer& bytes) {
  switch (h.format) {
    case kFormatJpeg:
      return detail::JpegFitsInFile(bytes.data(), bytes.size(), h);
    case kFormatPng:
      return detail::PngFitsInFile(bytes.data(), bytes.size(), h);
    case kFormatBmp:
      return detail::BmpFitsInFile(bytes.data(), bytes.size());
    default:
      return true;
  }
}

// What the decoder of the format allocates itself for this file, beyond the pixels.
size_t WorkingBytes(const detail::Header& h, const detail::Buffer& bytes) {
  return h.format == kFormatJpeg ? detail::JpegWorkingBytes(bytes.data(), bytes.size()) : 0;
}

// The reusable buffers of this thread go back to their idle size however a load ends.
struct TrimAfterLoad {
  ~TrimAfterLoad() {
    detail::TrimBuffer(detail::FileBuffer());
    detail::TrimScratch();
  }
};

// The handle's new pixels go back unless the decode filled them.
struct KeepPixelsIfDecoded {
  BitmapHandle* bitmap;
  int result = kErrorFailure;
  ~KeepPixelsIfDecoded() {
    if (result != kSuccess) detail::ReleasePixels(bitmap);
  }
};

int Load(const char* path, BitmapHandle* bitmap, FileInfo* info) {
  detail::PhotoFile file;
  if (file.Open(path) != kSuccess) return kErrorFileOpen;
  if (file.size() > kMaxFileBytes) return kErrorTooLarge;
  const TrimAfterLoad trim;
  detail::Buffer& bytes = detail::FileBuffer();
  detail::Header h;
  int result = detail::ReadHeader(file, bytes, &h);
  if (result != kSuccess) return result;
  if (!detail::WithinLimits(h.width, h.height)) return kErrorTooLarge;
  result = file.ReadTo(bytes, file.size());
  if (result != kSuccess) return result;
  if (!FitsInFile(h, bytes)) return kErrorTooLarge;
  const detail::Reservation working(WorkingBytes(h, bytes));
  int w = 0, ht = 0;
  ChooseTarget(h, *bitmap, info, &w, &ht);
  if (!detail::AllocatePixels(bitmap, w, ht)) return kErrorNoMemory;
  KeepPixelsIfDecoded keep{bitmap};
  bitmap->order = kOrderTopDown;
  bitmap->bitsPerPixel = h.bitsPerPixel;
  detail::CountDecode();
  keep.result = DecodeAs(h.format, bytes.data(), bytes.size(), bitmap);
  return keep.result;
}

int Save(const char* path, const BitmapHandle* bitmap, int format, int bitsPerPixel,
         int qualityFactor, const detail::CommentSet& comments) {
  if (path == nullptr || bitmap == nullptr || bitmap->structSize != sizeof(BitmapHandle))
    return kErrorInvalidArgument;
  if (bitmap->pixels == nullptr) return kErrorNoBitmap;
  if (qualityFactor < 2 || qualityFactor > 255) return kErrorInvalidArgument;
  BitmapHandle upright = *bitmap;
  detail::Buffer flipped;
  if (bitmap->order == kOrderBottomUp) {
    // Encoders read top row first; a bottom-up handle is written through a flipped copy.
    const size_t rowBytes = static_cast<size_t>(bitmap->bytesPerLine);
    flipped.Resize(rowBytes * bitmap->height);
    for (int y = 0; y < bitmap->height; ++y)
      std::memcpy(flipped.data() + static_cast<size_t>(y) * rowBytes,
                  bitmap->pixels + static_cast<size_t>(bitmap->height - 1 - y) * rowBytes,
                  rowBytes);
    upright.pixels = flipped.data();
    upright.order = kOrderTopDown;
  }
  detail::Buffer encoded;
  const int result = EncodeAs(format, upright, bitsPerPixel, qualityFactor, comments, encoded);
  if (result != kSuccess) return result;
  return detail::WriteWholeFile(path, encoded);
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

PhotoFile::~PhotoFile() {
  if (fd_ >= 0) close(fd_);
}

int PhotoFile::Open(const char* path) {
  if (path == nullptr) return kErrorFileOpen;
  fd_ = fileio::OpenFileForReading(path);
  struct stat st {};
  if (fd_ < 0 || fstat(fd_, &st) != 0) return kErrorFileOpen;
  size_ = static_cast<uint64_t>(st.st_size);
  return kSuccess;
}

int PhotoFile::ReadTo(Buffer& bytes, uint64_t count) {
  if (count > size_) return kErrorFileOpen;
  size_t got = bytes.size();
  if (got >= count) return kSuccess;
  bytes.Resize(static_cast<size_t>(count));
  while (got < count) {
    const ssize_t n = pread(fd_, bytes.data() + got, count - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  bytes.Resize(got);
  return got == count ? kSuccess : kErrorFileOpen;
}

int ReadHeader(PhotoFile& file, Buffer& bytes, Header* header) {
  bytes.Clear();
  int result = file.ReadTo(bytes, std::min<uint64_t>(file.size(), kHeaderPrefixBytes));
  if (result != kSuccess) return result;
  result = HeaderOf(bytes.data(), bytes.size(), header);
  // Each step reads four times as much, so a header near the cap costs a few reads.
  while (result != kSuccess && header->format == kFormatJpeg && bytes.size() < file.size() &&
         bytes.size() < kMaxHeaderSearchBytes &&
         JpegHeaderLiesFurther(bytes.data(), bytes.size())) {
    const uint64_t more = std::min<uint64_t>(
        {file.size(), kMaxHeaderSearchBytes, static_cast<uint64_t>(bytes.size()) * 4});
    result = file.ReadTo(bytes, more);
    if (result != kSuccess) return result;
    result = HeaderOf(bytes.data(), bytes.size(), header);
  }
  return result;
}

// Anything but a plain file at the path is refused before it is opened: a named pipe would
// block the open, and a device would swallow the picture while the save reported success.
// The open does not block either, should the entry be replaced in between.
int WriteWholeFile(const char* path, const Buffer& data) {
  auto disk = fileio::ToDiskPath(path);
  if (!disk) return kErrorFileOpen;
  struct stat st {};
  if (stat(disk->c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return kErrorFileOpen;
  const int fd =
      open(disk->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
  if (fd < 0) return kErrorFileOpen;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return kErrorFileOpen;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
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
  return detail::Guarded([&] {
    detail::PhotoFile file;
    if (file.Open(path) != kSuccess) return kErrorFileOpen;
    detail::Buffer bytes;
    detail::Header h;
    const int result = detail::ReadHeader(file, bytes, &h);
    if (result != kSuccess) return result;
    *info = FileInfo{};
    info->structSize = structSize;
    info->format = h.format;
    info->width = h.width;
    info->height = h.height;
    info->bitsPerPixel = h.bitsPerPixel;
    return kSuccess;
  });
}

int LoadFile(const char* path, BitmapHandle* bitmap, uint32_t structSize, int /*bitsPerPixel*/,
             int /*loadFlags*/, void* /*options*/, FileInfo* info) {
  if (path == nullptr || bitmap == nullptr || structSize != sizeof(BitmapHandle) ||
      bitmap->structSize != sizeof(BitmapHandle))
    return kErrorInvalidArgument;
  return detail::Guarded([&] { return Load(path, bitmap, info); });
}

int JpegQualityFor(int qualityFactor) {
  const int f = std::clamp(qualityFactor, 2, 255);
  return 100 - ((f - 2) * 99 + 126) / 253;
}

int SaveFile(const char* path, const BitmapHandle* bitmap, int format, int bitsPerPixel,
             int qualityFactor, int /*flags*/) {
  ++saveCount;
  return detail::Guarded([&] {
    const detail::CommentSet comments = detail::TakeCommentsForSave();
    return Save(path, bitmap, format, bitsPerPixel, qualityFactor, comments);
  });
}

uint64_t DecodeCountForTest() {
  return decodeCount.load();
}
uint64_t SaveCountForTest() {
  return saveCount.load();
}

}  // namespace imaging
