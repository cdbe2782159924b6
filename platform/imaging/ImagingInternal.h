// Shared between the parts of the imaging library; not for the album.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/imaging/Imaging.h"

namespace imaging::detail {

// A picture in memory: 32-bit pixels (blue, green, red, unused) in rows of stride bytes.
struct Canvas {
  uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  size_t stride = 0;
};

// What a header tells before decoding.
struct Header {
  int32_t format = kFormatUnknown;
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
};

// The comments a save writes, by id.
using CommentSet = std::map<int, std::string>;

// Whether a picture of that size may be decoded at all.
bool WithinLimits(int64_t width, int64_t height);

// Pixel memory. Every allocation of it is charged against the bound; one that does not fit,
// even after the pool has given back its buffers, or that the allocator refuses, throws
// std::bad_alloc, as the standard containers do. The entry points answer that with
// kErrorNoMemory (see Guarded), so a codec can allocate in a straight line. Nothing may
// throw inside a callback of a C library: allocate before calling into it.
void Charge(size_t bytes);
void Uncharge(size_t bytes);
// Frees the pool's buffers; the first thing given back when the bound is reached.
void EmptyPool();
// How much more may be charged now.
size_t PixelBytesLeft();
uint8_t* AllocateCharged(size_t bytes);
void FreeCharged(uint8_t* data, size_t bytes);

// A growable byte buffer of pixel memory.
class Buffer {
 public:
  Buffer() = default;
  ~Buffer() { Release(); }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

  uint8_t* data() { return data_; }
  const uint8_t* data() const { return data_; }
  size_t size() const { return size_; }
  size_t capacity() const { return capacity_; }

  // Sets the size; bytes up to the old size are kept, new ones are undefined.
  void Resize(size_t bytes);
  // Makes room for bytes in all without changing the size.
  void Reserve(size_t bytes) {
    if (bytes > capacity_) Grow(bytes);
  }
  void Append(const void* bytes, size_t count);
  // As Append, false instead of a throw (for the callbacks of C libraries).
  bool TryAppend(const void* bytes, size_t count) noexcept;
  void Clear() { size_ = 0; }
  void Release();

 private:
  void Grow(size_t atLeast);

  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

// Memory that a library allocates itself for a picture (a decoder's coefficients, an
// encoder's output), charged while the object lives.
class Reservation {
 public:
  explicit Reservation(size_t bytes) : bytes_(bytes) { Charge(bytes); }
  ~Reservation() { Uncharge(bytes_); }
  Reservation(const Reservation&) = delete;
  Reservation& operator=(const Reservation&) = delete;

 private:
  size_t bytes_;
};

// Runs the body of an entry point; an allocation that failed anywhere inside becomes
// kErrorNoMemory and any other exception kErrorFailure, so nothing thrown leaves the library.
template <class Body>
int Guarded(Body body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return kErrorNoMemory;
  } catch (const std::length_error&) {
    return kErrorNoMemory;
  } catch (...) {
    return kErrorFailure;
  }
}

// Pixel buffers of bitmaps: taken from a small pool of freed ones when one is large enough,
// since a fresh buffer of tens of megabytes costs more in page faults than the decode
// itself. AllocatePixels is false for a size outside the limits.
bool AllocatePixels(BitmapHandle* bitmap, int width, int height);
void ReleasePixels(BitmapHandle* bitmap);

// The pixels of a picture being made to replace a handle's own; given back if they are
// dropped on the way, when something further on fails.
class NewPixels {
 public:
  NewPixels() { handle_.structSize = sizeof(BitmapHandle); }
  ~NewPixels() { ReleasePixels(&handle_); }
  NewPixels(const NewPixels&) = delete;
  NewPixels& operator=(const NewPixels&) = delete;

  bool Allocate(int width, int height) { return AllocatePixels(&handle_, width, height); }
  const BitmapHandle& handle() const { return handle_; }
  // Gives the pixels and their size to target, whose own pixels go back.
  void ReplaceInto(BitmapHandle* target);

 private:
  BitmapHandle handle_;
};

// A scratch canvas of this thread, reused across loads.
Canvas ScratchCanvas(int width, int height);
// The bytes of the file being decoded by this thread, reused across loads.
Buffer& FileBuffer();
// Reused buffers are kept while idle up to this size; one grown past it by an unusually
// large picture is given back after that load.
constexpr size_t kKeepScratchBytes = kPixelMemoryBound / 16;
void TrimBuffer(Buffer& buffer);
void TrimScratch();
inline Canvas CanvasOf(const BitmapHandle& b) {
  return {b.pixels, b.width, b.height, static_cast<size_t>(b.bytesPerLine)};
}

// Shrinks rows as they come, in their stored order, into a destination no larger than the
// source in either direction: each row is resampled across at once, and every output row
// is finished as soon as its last source row has arrived, so the whole source never needs
// to be in memory. Allocates only when made.
class RowResampler {
 public:
  RowResampler(int sourceWidth, int sourceHeight, const Canvas& destination);
  ~RowResampler();
  RowResampler(const RowResampler&) = delete;
  RowResampler& operator=(const RowResampler&) = delete;
  void Push(const uint8_t* sourceRow) noexcept;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Where a decoder writes a picture row by row: straight into the handle when the sizes
// match, else through a RowResampler into it.
class RowSink {
 public:
  RowSink(int width, int height, BitmapHandle* bitmap);
  ~RowSink();
  RowSink(const RowSink&) = delete;
  RowSink& operator=(const RowSink&) = delete;
  // The row to write next (width words), and the call that hands it on.
  uint8_t* Row() noexcept;
  void RowDone() noexcept;

 private:
  BitmapHandle* bitmap_;
  int next_ = 0;
  Buffer row_;
  std::unique_ptr<RowResampler> resampler_;
};

// Resamples the whole of source into destination (separable area filter for shrinking,
// Catmull-Rom for enlarging).
void Resample(const Canvas& source, const Canvas& destination);
// Copies source into the handle's pixels at the handle's size, resampling when needed.
void PlaceIntoHandle(const Canvas& source, BitmapHandle* bitmap);
// Lays transparent pixels (bytes B, G, R, A) over white and sets the fourth byte to 255.
void FlattenOverWhite(const Canvas& canvas);
// True when every pixel has red == green == blue.
bool IsGrey(const BitmapHandle& bitmap);

// A photo file open for reading. Only a plain file is opened: a named pipe, a device or a
// folder called like a photo is refused before it is opened, so nothing can block on it.
class PhotoFile {
 public:
  PhotoFile() = default;
  ~PhotoFile();
  PhotoFile(const PhotoFile&) = delete;
  PhotoFile& operator=(const PhotoFile&) = delete;

  // kSuccess, or kErrorFileOpen.
  int Open(const char* path);
  uint64_t size() const { return size_; }
  // Reads on until bytes holds the first count bytes of the file; kErrorFileOpen when the
  // file ends before them or cannot be read.
  int ReadTo(Buffer& bytes, uint64_t count);

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

// Reads the first bytes of the file into bytes and the header from them. Only a JPEG whose
// frame header lies past them is read further, in steps, up to kMaxHeaderSearchBytes.
int ReadHeader(PhotoFile& file, Buffer& bytes, Header* header);
// Writes a whole file; anything but a plain file at the path is refused, never opened.
int WriteWholeFile(const char* path, const Buffer& data);

int32_t DetectFormat(const uint8_t* data, size_t size);
void CountDecode();

// The codecs. Each header reader fills the header from the first bytes of a file; each
// decoder writes the picture into the handle at the handle's size (already initialised).
int JpegHeader(const uint8_t* data, size_t size, Header* header);
// True when the bytes end inside the segments before the frame header, so that more of the
// file could still hold it.
bool JpegHeaderLiesFurther(const uint8_t* data, size_t size);
// Whether the whole file can hold the picture its header claims (see the codec), and the
// working memory its decoder takes beyond the pixels.
bool JpegFitsInFile(const uint8_t* data, size_t size, const Header& header);
size_t JpegWorkingBytes(const uint8_t* data, size_t size);
int JpegDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);
int JpegEncode(const BitmapHandle& bitmap, bool grey, int quality, const CommentSet& comments,
               Buffer& out);
int JpegComment(const uint8_t* data, size_t size, int id, std::string* text);

int PngHeader(const uint8_t* data, size_t size, Header* header);
bool PngFitsInFile(const uint8_t* data, size_t size, const Header& header);
int PngDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);
int PngEncode(const BitmapHandle& bitmap, bool grey, const CommentSet& comments, Buffer& out);
int PngComment(const uint8_t* data, size_t size, int id, std::string* text);

int BmpHeader(const uint8_t* data, size_t size, Header* header);
bool BmpFitsInFile(const uint8_t* data, size_t size);
int BmpDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);
int BmpEncode(const BitmapHandle& bitmap, int bitsPerPixel, bool grey, Buffer& out);

int OtherHeader(const uint8_t* data, size_t size, Header* header);
int OtherDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);

// The comment keywords used in PNG text chunks and keyed JPEG comments.
const char* CommentKeyword(int id);
int CommentIdOfKeyword(const std::string& keyword);
// The comments set for the next save, handed over and cleared.
CommentSet TakeCommentsForSave();

}  // namespace imaging::detail
