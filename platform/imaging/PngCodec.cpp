// PNG through libpng, with the comments in tEXt chunks (keyword, zero byte, text; the text
// bytes are kept as they are, so code page 932 texts come back unchanged).
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <optional>
#include <string>

#include "platform/imaging/ImagingInternal.h"

namespace imaging::detail {
namespace {

constexpr size_t kSignatureBytes = 8;
// libpng buffers each chunk but the image data whole; a chunk claiming more than this (a
// text bomb) is refused instead of allocated, and so is a flood of ancillary chunks.
constexpr png_alloc_size_t kMaxChunkBytes = 4u << 20;
constexpr png_uint_32 kMaxAncillaryChunks = 256;
// Deflate codes at most 258 bytes (one length code) in two bits (that code and a distance
// code of one bit each), so inflated data is at most 1032 times the compressed bytes. The
// slack covers the stream's first literal and block headers, which only lower the ratio.
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kInflateSlack = 1024;

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* r = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > r->size - r->pos) png_error(png, "truncated");
  std::memcpy(out, r->data + r->pos, length);
  r->pos += length;
}

// The encoded file grows in the buffer; when memory runs out the write ends through
// libpng's error path, as nothing may be thrown through libpng.
struct PngOutput {
  Buffer* out;
  bool noMemory = false;
};

void WriteToBuffer(png_structp png, png_bytep data, png_size_t length) {
  auto* output = static_cast<PngOutput*>(png_get_io_ptr(png));
  if (output->out->TryAppend(data, length)) return;
  output->noMemory = true;
  png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// Silences libpng's warnings; errors still end the read through the jump.
void IgnoreWarning(png_structp, png_const_charp) {}

uint32_t BigEndian32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

// Asks libpng for 8-bit blue, green, red, alpha whatever the file holds.
void RequestBgra(png_structp png, png_infop info) {
  const int type = png_get_color_type(png, info);
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (type == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8)
    png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// libpng's read structures, destroyed however the decode ends.
struct PngReadStructs {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, IgnoreWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  ~PngReadStructs() {
    if (png != nullptr) png_destroy_read_struct(&png, info == nullptr ? nullptr : &info, nullptr);
  }
};

// Where the rows go: whole into a canvas through row pointers (interlaced pictures, whose
// passes fill the rows in turn), or one by one into a sink.
struct RowTarget {
  int width;
  int height;
  png_bytep* rows;
  RowSink* sink;
};

// The decode itself. No object with a destructor lives here, and nothing here allocates:
// libpng leaves by longjmp.
int ReadRows(png_structp png, png_infop info, MemoryReader* reader, const RowTarget* target) {
  if (setjmp(png_jmpbuf(png))) return kErrorCorrupt;
  png_set_read_fn(png, reader, ReadFromMemory);
  png_read_info(png, info);
  if (static_cast<int>(png_get_image_width(png, info)) != target->width ||
      static_cast<int>(png_get_image_height(png, info)) != target->height)
    return kErrorCorrupt;
  RequestBgra(png, info);
  if (target->rows != nullptr) {
    png_read_image(png, target->rows);
    return kSuccess;
  }
  for (int y = 0; y < target->height; ++y) {
    uint8_t* row = target->sink->Row();
    png_read_row(png, row, nullptr);
    FlattenOverWhite(Canvas{row, target->width, 1, static_cast<size_t>(target->width) * 4});
    target->sink->RowDone();
  }
  return kSuccess;
}

int WriteRows(png_structp png, png_infop info, const BitmapHandle* b, bool grey, png_textp texts,
              int textCount, png_bytep* rows) {
  if (setjmp(png_jmpbuf(png))) return kErrorFailure;
  png_set_IHDR(png, info, b->width, b->height, 8, grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (textCount > 0) png_set_text(png, info, texts, textCount);
  png_write_info(png, info);
  if (!grey) {
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  }
  png_write_image(png, rows);
  png_write_end(png, info);
  return kSuccess;
}

// Whether every chunk up to the end chunk lies inside the bytes. libpng allocates a chunk's
// declared length before reading it, so a file that claims more than it holds is refused
// here rather than allocated.
bool ChunksFitInFile(const uint8_t* data, size_t size) {
  size_t pos = kSignatureBytes;
  while (pos + 12 <= size) {
    const uint32_t length = BigEndian32(data + pos);
    if (length > size - pos - 12) return false;
    if (std::memcmp(data + pos + 4, "IEND", 4) == 0) return true;
    pos += 12 + static_cast<size_t>(length);
  }
  return false;
}

// Finds the text of one keyword among the tEXt chunks of the file.
bool FindText(const uint8_t* data, size_t size, const char* keyword, std::string* text) {
  size_t pos = kSignatureBytes;
  while (pos + 12 <= size) {
    const uint32_t length = BigEndian32(data + pos);
    if (length > size - pos - 12) return false;
    const uint8_t* type = data + pos + 4;
    const uint8_t* body = data + pos + 8;
    if (std::memcmp(type, "IEND", 4) == 0) return false;
    const uint8_t* zero = static_cast<const uint8_t*>(std::memchr(body, 0, length));
    if (std::memcmp(type, "tEXt", 4) == 0 && zero != nullptr &&
        std::string(reinterpret_cast<const char*>(body), static_cast<size_t>(zero - body)) ==
            keyword) {
      text->assign(reinterpret_cast<const char*>(zero + 1), body + length - zero - 1);
      return true;
    }
    pos += 12 + static_cast<size_t>(length);
  }
  return false;
}

}  // namespace

int PngHeader(const uint8_t* data, size_t size, Header* header) {
  if (size < 29 || std::memcmp(data + 12, "IHDR", 4) != 0) return kErrorCorrupt;
  header->format = kFormatPng;
  header->width = static_cast<int32_t>(std::min<uint32_t>(BigEndian32(data + 16), INT32_MAX));
  header->height = static_cast<int32_t>(std::min<uint32_t>(BigEndian32(data + 20), INT32_MAX));
  const int type = data[25];
  header->bitsPerPixel = (type == 0 || type == 3) ? 8 : (type == 2 ? 24 : 32);
  return header->width > 0 && header->height > 0 ? kSuccess : kErrorCorrupt;
}

bool PngFitsInFile(const uint8_t* data, size_t size, const Header& header) {
  const uint64_t depth = data[24];
  static constexpr uint64_t kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  const uint64_t channels = data[25] < 7 ? kChannels[data[25]] : 0;
  uint64_t imageData = 0;
  for (size_t pos = kSignatureBytes; pos + 12 <= size;) {
    const uint32_t length = BigEndian32(data + pos);
    if (length > size - pos - 12) break;
    if (std::memcmp(data + pos + 4, "IDAT", 4) == 0) imageData += length;
    pos += 12 + static_cast<size_t>(length);
  }
  // The rows hold at least every pixel's bits; the filter byte of each row comes on top.
  const uint64_t bits = static_cast<uint64_t>(header.width) * static_cast<uint64_t>(header.height) *
                        depth * std::max<uint64_t>(channels, 1);
  return (bits + 7) / 8 <= imageData * kMaxInflateRatio + kInflateSlack;
}

int PngDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap) {
  Header h;
  if (PngHeader(data, size, &h) != kSuccess || !ChunksFitInFile(data, size)) return kErrorCorrupt;
  // Everything is allocated before libpng runs; a plain picture streams row by row into the
  // handle, so a thumbnail never needs the whole picture in memory.
  const bool interlaced = data[28] != 0;
  const bool direct = h.width == bitmap->width && h.height == bitmap->height;
  Canvas canvas;
  std::vector<png_bytep> rows;
  std::optional<RowSink> sink;
  if (interlaced) {
    canvas = direct ? CanvasOf(*bitmap) : ScratchCanvas(h.width, h.height);
    rows.resize(static_cast<size_t>(h.height));
    for (int y = 0; y < h.height; ++y) rows[y] = canvas.pixels + y * canvas.stride;
  } else {
    sink.emplace(h.width, h.height, bitmap);
  }
  PngReadStructs structs;
  if (structs.png == nullptr || structs.info == nullptr) return kErrorNoMemory;
  png_set_user_limits(structs.png, kMaxSide, kMaxSide);
  png_set_chunk_malloc_max(structs.png, kMaxChunkBytes);
  png_set_chunk_cache_max(structs.png, kMaxAncillaryChunks);
  MemoryReader reader{data, size, 0};
  const RowTarget target{h.width, h.height, interlaced ? rows.data() : nullptr,
                         sink ? &*sink : nullptr};
  const int result = ReadRows(structs.png, structs.info, &reader, &target);
  if (result != kSuccess || !interlaced) return result;
  FlattenOverWhite(canvas);
  if (!direct) PlaceIntoHandle(canvas, bitmap);
  return kSuccess;
}

int PngEncode(const BitmapHandle& bitmap, bool grey, const CommentSet& comments, Buffer& out) {
  Buffer plane;
  std::vector<png_bytep> rows(bitmap.height);
  if (grey) {
    plane.Resize(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y) {
      const uint8_t* p = bitmap.pixels + static_cast<size_t>(y) * bitmap.bytesPerLine;
      for (int x = 0; x < bitmap.width; ++x)
        plane.data()[static_cast<size_t>(y) * bitmap.width + x] = p[x * 4];
    }
  }
  for (int y = 0; y < bitmap.height; ++y)
    rows[y] = grey ? plane.data() + static_cast<size_t>(y) * bitmap.width
                   : bitmap.pixels + static_cast<size_t>(y) * bitmap.bytesPerLine;
  std::vector<png_text> texts;
  std::vector<std::string> keys;
  keys.reserve(comments.size());
  for (const auto& [id, text] : comments) {
    keys.emplace_back(CommentKeyword(id));
    png_text t{};
    t.compression = PNG_TEXT_COMPRESSION_NONE;
    t.key = keys.back().data();
    t.text = const_cast<char*>(text.c_str());
    t.text_length = text.size();
    texts.push_back(t);
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, IgnoreWarning);
  if (png == nullptr) return kErrorNoMemory;
  png_infop info = png_create_info_struct(png);
  out.Clear();
  PngOutput output{&out};
  png_set_write_fn(png, &output, WriteToBuffer, FlushNothing);
  const int result = info == nullptr ? kErrorNoMemory
                                     : WriteRows(png, info, &bitmap, grey, texts.data(),
                                                 static_cast<int>(texts.size()), rows.data());
  png_destroy_write_struct(&png, info == nullptr ? nullptr : &info);
  return output.noMemory ? kErrorNoMemory : result;
}

int PngComment(const uint8_t* data, size_t size, int id, std::string* text) {
  text->clear();
  const char* keyword = CommentKeyword(id);
  if (keyword == nullptr) return kErrorInvalidArgument;
  FindText(data, size, keyword, text);
  return kSuccess;
}

}  // namespace imaging::detail
