// JPEG through the TurboJPEG interface: headers, decoding at the smallest DCT scale that
// still covers the wanted size, encoding, and comments kept in COM segments. A comment
// with id 3 (description) is the plain text of a COM segment; other ids are written as
// "keyword", a zero byte, then the text.
#include <turbojpeg.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "platform/imaging/ImagingInternal.h"

namespace imaging::detail {
namespace {

constexpr int kDescriptionId = 3;
constexpr size_t kMaxSegmentData = 65533;
constexpr uint8_t kMarkerCom = 0xFE;
constexpr uint8_t kMarkerSos = 0xDA;
constexpr uint8_t kMarkerEoi = 0xD9;
// Each 8 x 8 block that a decoder keeps whole holds 64 coefficients of two bytes.
constexpr size_t kBlockBytes = 64 * 2;

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
void AppendComment(int id, const std::string& text, Buffer& out) {
  std::string body = id == kDescriptionId ? text : std::string(CommentKeyword(id)) + '\0' + text;
  if (body.size() > kMaxSegmentData) body.resize(kMaxSegmentData);
  const size_t length = body.size() + 2;
  const uint8_t header[4] = {0xFF, kMarkerCom, static_cast<uint8_t>(length >> 8),
                             static_cast<uint8_t>(length & 0xFF)};
  out.Append(header, sizeof header);
  out.Append(body.data(), body.size());
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
void GreyPlane(const BitmapHandle& b, Buffer& grey) {
  grey.Resize(static_cast<size_t>(b.width) * b.height);
  for (int y = 0; y < b.height; ++y) {
    const uint8_t* p = b.pixels + static_cast<size_t>(y) * b.bytesPerLine;
    for (int x = 0; x < b.width; ++x) grey.data()[static_cast<size_t>(y) * b.width + x] = p[x * 4];
  }
}

// Start-of-frame markers: C0..CF but for C4 (Huffman tables), C8 (reserved) and CC
// (arithmetic conditioning).
bool IsFrameMarker(uint8_t m) {
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}
bool IsArithmetic(uint8_t m) {
  return m >= 0xC9;
}
bool IsProgressive(uint8_t m) {
  return m == 0xC2 || m == 0xC6 || m == 0xCA || m == 0xCE;
}

// The frame header and the number of components in the first scan.
struct Frame {
  uint8_t marker = 0;
  size_t width = 0;
  size_t height = 0;
  int components = 0;
  uint8_t h[4] = {};
  uint8_t v[4] = {};
  int firstScanComponents = 0;
  uint8_t hMax = 1;
  uint8_t vMax = 1;

  // The 8 x 8 blocks of one component, in whole MCUs as a decoder lays them out.
  size_t Blocks(int c) const {
    const size_t across = (width * h[c] + hMax - 1) / hMax,
                 down = (height * v[c] + vMax - 1) / vMax;
    const size_t blocksAcross = (across + 7) / 8, blocksDown = (down + 7) / 8;
    return (blocksAcross + h[c] - 1) / h[c] * h[c] * ((blocksDown + v[c] - 1) / v[c] * v[c]);
  }
};

// Reads the frame header's size and sampling factors.
bool ReadFrameHeader(const Segment& seg, Frame* f) {
  if (seg.size < 6) return false;
  f->marker = seg.marker;
  f->height = (static_cast<size_t>(seg.data[1]) << 8) | seg.data[2];
  f->width = (static_cast<size_t>(seg.data[3]) << 8) | seg.data[4];
  f->components = seg.data[5];
  if (f->components < 1 || f->components > 4 || seg.size < 6 + 3 * size_t(f->components))
    return false;
  for (int c = 0; c < f->components; ++c) {
    f->h[c] = std::max<uint8_t>(1, seg.data[7 + 3 * c] >> 4);
    f->v[c] = std::max<uint8_t>(1, seg.data[7 + 3 * c] & 0x0F);
    f->hMax = std::max(f->hMax, f->h[c]);
    f->vMax = std::max(f->vMax, f->v[c]);
  }
  return true;
}

// The number of components of the scan that starts at pos, 0 when none does.
int ScanComponentsAt(const uint8_t* data, size_t size, size_t pos) {
  while (pos < size && data[pos] == 0xFF) ++pos;
  if (pos + 3 >= size || data[pos] != kMarkerSos) return 0;
  return data[pos + 3];
}

// Walks the header segments to the frame header and the first scan.
bool ReadFrame(const uint8_t* data, size_t size, Frame* f) {
  size_t pos = 2;
  Segment seg;
  bool found = false;
  while (NextSegment(data, size, &pos, &seg))
    if (!found && IsFrameMarker(seg.marker)) found = ReadFrameHeader(seg, f);
  if (found) f->firstScanComponents = ScanComponentsAt(data, size, pos);
  return found;
}

}  // namespace

int JpegHeader(const uint8_t* data, size_t size, Header* header) {
  tjhandle tj = Decompressor();
  int w = 0, h = 0, subsampling = 0, colourspace = 0;
  if (tj == nullptr) return kErrorNoMemory;
  // Bytes that end before the frame header read as a header without a size.
  if (tjDecompressHeader3(tj, data, static_cast<unsigned long>(size), &w, &h, &subsampling,
                          &colourspace) != 0 ||
      w <= 0 || h <= 0)
    return kErrorCorrupt;
  header->format = kFormatJpeg;
  header->width = w;
  header->height = h;
  header->bitsPerPixel = colourspace == TJCS_GRAY ? 8 : 24;
  return kSuccess;
}

bool JpegHeaderLiesFurther(const uint8_t* data, size_t size) {
  size_t pos = 2;
  Segment seg;
  while (NextSegment(data, size, &pos, &seg))
    if (IsFrameMarker(seg.marker)) return false;
  // The walk stopped: further bytes help only when it ran out of them before a scan.
  size_t p = pos;
  if (p >= size) return true;
  if (data[p] != 0xFF) return false;
  while (p < size && data[p] == 0xFF) ++p;
  if (p >= size) return true;
  const uint8_t marker = data[p++];
  if (marker == kMarkerSos || marker == kMarkerEoi) return false;
  if (p + 2 > size) return true;
  const size_t length = (static_cast<size_t>(data[p]) << 8) | data[p + 1];
  return length >= 2 && p + length > size;
}

// A Huffman code is at least one bit long, and every 8 x 8 block of every component needs at
// least one (its DC difference), so a Huffman-coded file holds at least one bit per block
// of its first component. Arithmetic coding can spend far less on a flat block, so its
// files are not held to this.
bool JpegFitsInFile(const uint8_t* data, size_t size, const Header& /*header*/) {
  Frame f;
  if (!ReadFrame(data, size, &f) || IsArithmetic(f.marker)) return true;
  return static_cast<uint64_t>(size) * 8 >= f.Blocks(0);
}

// A decoder that meets the picture in more than one scan (progressive, or components in
// separate scans) keeps every coefficient of the whole picture until the last scan,
// whatever the scale it decodes at.
size_t JpegWorkingBytes(const uint8_t* data, size_t size) {
  Frame f;
  if (!ReadFrame(data, size, &f)) return 0;
  if (!IsProgressive(f.marker) && f.firstScanComponents >= f.components) return 0;
  size_t blocks = 0;
  for (int c = 0; c < f.components; ++c) blocks += f.Blocks(c);
  return blocks * kBlockBytes;
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
               Buffer& out) {
  tjhandle tj = Compressor();
  if (tj == nullptr) return kErrorNoMemory;
  Buffer plane;
  if (grey) GreyPlane(bitmap, plane);
  // The encoder allocates its output itself, at most this large.
  const int sampling = grey ? TJSAMP_GRAY : TJSAMP_420;
  const Reservation encoderOutput(tjBufSize(bitmap.width, bitmap.height, sampling));
  unsigned char* jpeg = nullptr;
  unsigned long jpegSize = 0;
  const int rc =
      grey ? tjCompress2(tj, plane.data(), bitmap.width, bitmap.width, bitmap.height, TJPF_GRAY,
                         &jpeg, &jpegSize, sampling, quality, 0)
           : tjCompress2(tj, bitmap.pixels, bitmap.width, bitmap.bytesPerLine, bitmap.height,
                         TJPF_BGRX, &jpeg, &jpegSize, sampling, quality, 0);
  // Freed however the copy below ends.
  const std::unique_ptr<unsigned char, void (*)(unsigned char*)> owned(jpeg, tjFree);
  if (rc != 0) return kErrorFailure;
  const size_t insertAt = CommentInsertPoint(jpeg, jpegSize);
  out.Clear();
  out.Append(jpeg, insertAt);
  for (const auto& [id, text] : comments) AppendComment(id, text, out);
  out.Append(jpeg + insertAt, jpegSize - insertAt);
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
