// Shared between the parts of the imaging library; not for the album.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
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

// Pixel buffers: taken from a small pool of freed ones when one is large enough, since a
// fresh buffer of tens of megabytes costs more in page faults than the decode itself.
bool AllocatePixels(BitmapHandle* bitmap, int width, int height);
void ReleasePixels(BitmapHandle* bitmap);
// A scratch canvas of this thread, reused across loads.
Canvas ScratchCanvas(int width, int height);
// Reused buffers are kept up to this size; one grown past it by an unusually large
// picture is given back after that load.
constexpr size_t kKeepScratchBytes = 64u << 20;
void TrimBuffer(std::vector<uint8_t>& buffer);
void TrimScratch();
inline Canvas CanvasOf(const BitmapHandle& b) {
  return {b.pixels, b.width, b.height, static_cast<size_t>(b.bytesPerLine)};
}

// Resamples the whole of source into destination (separable area filter for shrinking,
// Catmull-Rom for enlarging).
void Resample(const Canvas& source, const Canvas& destination);
// Copies source into the handle's pixels at the handle's size, resampling when needed.
void PlaceIntoHandle(const Canvas& source, BitmapHandle* bitmap);
// Lays transparent pixels (bytes B, G, R, A) over white and sets the fourth byte to 255.
void FlattenOverWhite(const Canvas& canvas);
// True when every pixel has red == green == blue.
bool IsGrey(const BitmapHandle& bitmap);

// Whole-file reads into a buffer of this thread that is reused across loads.
int ReadWholeFile(const char* path, std::vector<uint8_t>& out);
int ReadFilePrefix(const char* path, size_t bytes, std::vector<uint8_t>& out, bool* whole);
int WriteWholeFile(const char* path, const std::vector<uint8_t>& data);
int32_t DetectFormat(const uint8_t* data, size_t size);
void CountDecode();

// The codecs. Each header reader fills the header from the first bytes of a file; each
// decoder writes the picture into the handle at the handle's size (already initialised).
int JpegHeader(const uint8_t* data, size_t size, Header* header);
int JpegDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);
int JpegEncode(const BitmapHandle& bitmap, bool grey, int quality, const CommentSet& comments,
               std::vector<uint8_t>& out);
int JpegComment(const uint8_t* data, size_t size, int id, std::string* text);

int PngHeader(const uint8_t* data, size_t size, Header* header);
int PngDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);
int PngEncode(const BitmapHandle& bitmap, bool grey, const CommentSet& comments,
              std::vector<uint8_t>& out);
int PngComment(const uint8_t* data, size_t size, int id, std::string* text);

int BmpHeader(const uint8_t* data, size_t size, Header* header);
int BmpDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);
int BmpEncode(const BitmapHandle& bitmap, int bitsPerPixel, bool grey, std::vector<uint8_t>& out);

int OtherHeader(const uint8_t* data, size_t size, Header* header);
int OtherDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap);

// The comment keywords used in PNG text chunks and keyed JPEG comments.
const char* CommentKeyword(int id);
int CommentIdOfKeyword(const std::string& keyword);
// The comments set for the next save, handed over and cleared.
CommentSet TakeCommentsForSave();

}  // namespace imaging::detail
