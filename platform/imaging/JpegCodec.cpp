// JPEG through the TurboJPEG interface: headers, decoding at the smallest DCT scale that
// still covers the wanted size, encoding, and comments kept in COM segments. A comment
// with id 3 (description) is the plain text of a COM segment; other ids are written as
// "keyword", a zero byte, then the text.
#include <turbojpeg.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/imaging/ImagingInternal.h"

namespace imaging::detail {
namespace {

constexpr int kDescriptionId = 3;
constexpr size_t kMaxSegmentData = 65533;
constexpr uint8_t kMarkerCom = 0xFE;
constexpr uint8_t kMarkerSos = 0xDA;
constexpr uint8_t kMarkerEoi = 0xD9;

// One decompressor and one compressor per thread, made once.
struct TurboHandles {
  tjhandle decompressor = nullptr;
  tjhandle compressor = nullptr;
  ~TurboHandles() {
    if (decompressor != nullptr) tjDestroy(decompressor);
    if (compressor != nullptr) tjDestroy(compressor);
  }
};

TurboHandles& Handles() {
  thread_local TurboHandles handles;
  return handles;
}

tjhandle Decompressor() {
  TurboHandles& h = Handles();
  if (h.decompressor == nullptr) h.decompressor = tjInitDecompress();
  return h.decompressor;
}

tjhandle Compressor() {
  TurboHandles& h = Handles();
  if (h.compressor == nullptr) h.compressor = tjInitCompress();
  return h.compressor;
}

// The smallest scaled size that still covers the wanted size (never above 1/1).
tjscalingfactor ChooseScale(int width, int height, int wantW, int wantH) {
  int count = 0;
  const tjscalingfactor* factors = tjGetScalingFactors(&count);
  tjscalingfactor best{1, 1};
  for (int i = 0; i < count; ++i) {
    const tjscalingfactor f = factors[i];
    if (f.num > f.denom) continue;
    const int w = TJSCALED(width, f), h = TJSCALED(height, f);
    if (w < wantW || h < wantH) continue;
    if (w < TJSCALED(width, best) || (w == TJSCALED(width, best) && h < TJSCALED(height, best)))
      best = f;
  }
  return best;
}

// Every warning but one means damaged data (a truncated file, a bad Huffman code, a scan
// cut short), so that a partly received or corrupted photo is never shown, or saved over,
// as if it were whole. Extraneous bytes before a marker leave a sound picture; some cameras
// write them.
bool FailedBadly(tjhandle handle) {
  if (tjGetErrorCode(handle) != TJERR_WARNING) return true;
  const char* text = tjGetErrorStr2(handle);
  return text == nullptr || std::strstr(text, "extraneous bytes") == nullptr;
}

// A segment of the stream: its marker and its data (without the length field).
struct Segment {
  uint8_t marker = 0;
  const uint8_t* data = nullptr;
  size_t size = 0;
};

// Reads the next segment header at pos; false at the end of the header segments.
bool NextSegment(const uint8_t* data, size_t size, size_t* pos, Segment* seg) {
  size_t p = *pos;
  if (p >= size || data[p] != 0xFF) return false;
  while (p < size && data[p] == 0xFF) ++p;  // fill bytes
  if (p >= size) return false;
  seg->marker = data[p++];
  if (seg->marker == kMarkerSos || seg->marker == kMarkerEoi) return false;
  if (seg->marker == 0x01 || (seg->marker >= 0xD0 && seg->marker <= 0xD7)) {
    seg->data = data + p;
    seg->size = 0;
    *pos = p;
    return true;
  }
  if (p + 2 > size) return false;
  const size_t length = (static_cast<size_t>(data[p]) << 8) | data[p + 1];
  if (length < 2 || p + length > size) return false;
  seg->data = data + p + 2;
  seg->size = length - 2;
  *pos = p + length;
  return true;
}

// The id and text of one COM segment.
int CommentIdOf(const Segment& seg, std::string* text) {
  const uint8_t* zero = static_cast<const uint8_t*>(std::memchr(seg.data, 0, seg.size));
  if (zero != nullptr) {
    const size_t keyLength = static_cast<size_t>(zero - seg.data);
    const int id =
        CommentIdOfKeyword(std::string(reinterpret_cast<const char*>(seg.data), keyLength));
    if (id >= 0) {
      text->assign(reinterpret_cast<const char*>(zero + 1), seg.data + seg.size - zero - 1);
      return id;
    }
  }
  text->assign(reinterpret_cast<const char*>(seg.data), seg.size);
  return kDescriptionId;
}

// The COM segment for one comment.
void AppendComment(int id, const std::string& text, std::vector<uint8_t>& out) {
  std::string body = id == kDescriptionId ? text : std::string(CommentKeyword(id)) + '\0' + text;
  if (body.size() > kMaxSegmentData) body.resize(kMaxSegmentData);
  const size_t length = body.size() + 2;
  out.insert(out.end(), {0xFF, kMarkerCom, static_cast<uint8_t>(length >> 8),
                         static_cast<uint8_t>(length & 0xFF)});
  out.insert(out.end(), body.begin(), body.end());
}

// Where the comments go: after the start marker and a leading APP0 segment.
size_t CommentInsertPoint(const uint8_t* data, size_t size) {
  size_t pos = 2;
  Segment seg;
  size_t probe = pos;
  if (NextSegment(data, size, &probe, &seg) && seg.marker == 0xE0) pos = probe;
  return pos;
}

// The pixels as one grey byte each (the picture is known to be grey).
std::vector<uint8_t> GreyPlane(const BitmapHandle& b) {
  std::vector<uint8_t> grey(static_cast<size_t>(b.width) * b.height);
  for (int y = 0; y < b.height; ++y) {
    const uint8_t* p = b.pixels + static_cast<size_t>(y) * b.bytesPerLine;
    for (int x = 0; x < b.width; ++x) grey[static_cast<size_t>(y) * b.width + x] = p[x * 4];
  }
  return grey;
}

}  // namespace

int JpegHeader(const uint8_t* data, size_t size, Header* header) {
  tjhandle tj = Decompressor();
  int w = 0, h = 0, subsampling = 0, colourspace = 0;
  if (tj == nullptr) return kErrorNoMemory;
  if (tjDecompressHeader3(tj, data, static_cast<unsigned long>(size), &w, &h, &subsampling,
                          &colourspace) != 0)
    return kErrorCorrupt;
  header->format = kFormatJpeg;
  header->width = w;
  header->height = h;
  header->bitsPerPixel = colourspace == TJCS_GRAY ? 8 : 24;
  return kSuccess;
}

int JpegDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap) {
  tjhandle tj = Decompressor();
  int w = 0, h = 0, subsampling = 0, colourspace = 0;
  if (tjDecompressHeader3(tj, data, static_cast<unsigned long>(size), &w, &h, &subsampling,
                          &colourspace) != 0)
    return kErrorCorrupt;
  if (colourspace == TJCS_CMYK || colourspace == TJCS_YCCK) return OtherDecode(data, size, bitmap);
  const tjscalingfactor f = ChooseScale(w, h, bitmap->width, bitmap->height);
  const int sw = TJSCALED(w, f), sh = TJSCALED(h, f);
  const bool direct = sw == bitmap->width && sh == bitmap->height;
  const Canvas target = direct ? CanvasOf(*bitmap) : ScratchCanvas(sw, sh);
  if (tjDecompress2(tj, data, static_cast<unsigned long>(size), target.pixels, sw,
                    static_cast<int>(target.stride), sh, TJPF_BGRX, TJFLAG_LIMITSCANS) != 0 &&
      FailedBadly(tj))
    return kErrorCorrupt;
  if (!direct) PlaceIntoHandle(target, bitmap);
  return kSuccess;
}

int JpegEncode(const BitmapHandle& bitmap, bool grey, int quality, const CommentSet& comments,
               std::vector<uint8_t>& out) {
  tjhandle tj = Compressor();
  if (tj == nullptr) return kErrorNoMemory;
  std::vector<uint8_t> plane;
  if (grey) plane = GreyPlane(bitmap);
  unsigned char* jpeg = nullptr;
  unsigned long jpegSize = 0;
  const int rc =
      grey ? tjCompress2(tj, plane.data(), bitmap.width, bitmap.width, bitmap.height, TJPF_GRAY,
                         &jpeg, &jpegSize, TJSAMP_GRAY, quality, 0)
           : tjCompress2(tj, bitmap.pixels, bitmap.width, bitmap.bytesPerLine, bitmap.height,
                         TJPF_BGRX, &jpeg, &jpegSize, TJSAMP_420, quality, 0);
  if (rc != 0) {
    tjFree(jpeg);
    return kErrorFailure;
  }
  const size_t insertAt = CommentInsertPoint(jpeg, jpegSize);
  out.assign(jpeg, jpeg + insertAt);
  for (const auto& [id, text] : comments) AppendComment(id, text, out);
  out.insert(out.end(), jpeg + insertAt, jpeg + jpegSize);
  tjFree(jpeg);
  return kSuccess;
}

int JpegComment(const uint8_t* data, size_t size, int id, std::string* text) {
  if (size < 2 || data[0] != 0xFF || data[1] != 0xD8) return kErrorFormat;
  size_t pos = 2;
  Segment seg;
  while (NextSegment(data, size, &pos, &seg)) {
    if (seg.marker != kMarkerCom) continue;
    if (CommentIdOf(seg, text) == id) return kSuccess;
  }
  text->clear();
  return kSuccess;
}

}  // namespace imaging::detail
