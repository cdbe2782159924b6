// The imaging library the album draws with: bitmap handles, file information, loading at
// a size, saving with a quality factor, text comments, painting, transition effects,
// colour operations, mosaic, rotation and resizing. Calls return 1 on success and a
// negative error code otherwise, unless a comment says more.
//
// Pixels are kept as 32-bit words, bytes blue, green, red, unused, in rows of width * 4
// bytes; the bits per pixel of a handle are those of the picture it came from, which a save
// writes again. Transparent pixels are laid over white when a file is loaded.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win/WinTypes.h"

class CDC;

namespace imaging {

// Error codes.
constexpr int kSuccess = 1;
constexpr int kErrorFailure = -1;
constexpr int kErrorInvalidArgument = -2;
constexpr int kErrorNoMemory = -3;
constexpr int kErrorFileOpen = -4;
constexpr int kErrorFormat = -5;  // not a picture any decoder knows
constexpr int kErrorCorrupt = -6;
constexpr int kErrorTooLarge = -7;  // refused before allocating: a decompression bomb
constexpr int kErrorNoBitmap = -8;
constexpr int kErrorWrite = -9;

// File format codes.
constexpr int32_t kFormatUnknown = 0;
constexpr int32_t kFormatBmp = 1;
constexpr int32_t kFormatJpeg = 2;
constexpr int32_t kFormatPng = 3;
constexpr int32_t kFormatOther = 4;  // read through the toolkit's readers

// Row order codes: 4 is top row first, the only order the album works with; a BMP file
// loads bottom row first.
constexpr int32_t kOrderBottomUp = 2;
constexpr int32_t kOrderTopDown = 4;

// Pictures larger than this are refused before any pixel memory is allocated.
constexpr int32_t kMaxSide = 30000;
constexpr int64_t kMaxPixels = 100'000'000;

// All the pixel memory of the process: bitmap pixels (the album's cache included), the pool
// of reusable buffers, scratch canvases, resampling rows, file bytes, encoded files and the
// working memory the decoders take for a picture. The largest picture accepted (kMaxPixels
// at 4 bytes a pixel, 400 MB) fits once at its own size with room for its file; a request
// that would pass the bound, after the pool has given back its buffers, fails with
// kErrorNoMemory. The other limits are sized from it.
constexpr size_t kPixelMemoryBound = size_t{512} << 20;
// Files are read whole only to be decoded; a larger one is refused before it is read.
constexpr uint64_t kMaxFileBytes = kPixelMemoryBound / 2;
// How far into a JPEG file its frame header is looked for. Metadata segments (Exif,
// extended XMP with depth maps, ICC profiles, maker thumbnails) stay well below this, and
// no file is ever read further for its header.
constexpr uint64_t kMaxHeaderSearchBytes = 16u << 20;

// The bitmap handle record; the caller allocates it and initialises it with InitBitmap.
struct BitmapHandle {
  uint32_t structSize = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
  int32_t bytesPerLine = 0;
  int32_t order = kOrderTopDown;
  uint8_t* pixels = nullptr;  // width * height words, or none
  size_t capacity = 0;        // bytes allocated at pixels
};

// The file information record; the caller zeroes it (value-initialises it).
constexpr int32_t kLoadAtHandleSize = 1;  // load flag: decode to the handle's own size
struct FileInfo {
  uint32_t structSize = 0;
  int32_t format = kFormatUnknown;
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
  int32_t flags = 0;
};

// Kernel.
int InitBitmap(BitmapHandle* bitmap, uint32_t structSize, int width, int height, int bitsPerPixel);
void FreeBitmap(BitmapHandle* bitmap);
constexpr int kResizeMayEnlarge = 2;
int ResizeBitmap(BitmapHandle* bitmap, int width, int height, int flags);
constexpr int kRotateGrowCanvas = 1;
int RotateBitmap(BitmapHandle* bitmap, int hundredthsOfDegree, int flags, COLORREF fill);
int NormaliseRowOrder(BitmapHandle* destination, BitmapHandle* bitmap, uint32_t structSize,
                      int order);
// The colour at a pixel as 0x00BBGGRR; 0 outside the bitmap.
COLORREF GetPixelColor(const BitmapHandle* bitmap, int row, int column);

// File. Formats are told by their content, never by the name's extension.
int ReadFileInfo(const char* path, FileInfo* info, uint32_t structSize, int flags, void* options);
int LoadFile(const char* path, BitmapHandle* bitmap, uint32_t structSize, int bitsPerPixel,
             int loadFlags, void* options, FileInfo* info);
// The quality factor runs from 2 (best) to 255 (smallest file); see JpegQualityFor.
int SaveFile(const char* path, const BitmapHandle* bitmap, int format, int bitsPerPixel,
             int qualityFactor, int flags);
// The encoder quality (100 best .. 1) a quality factor is written with.
int JpegQualityFor(int qualityFactor);
// The best quality factor written at no more than the encoder quality.
int QualityFactorFor(int jpegQuality);
// The encoder quality (1 .. 100) a JPEG file was written with, estimated from its
// luminance quantisation table; 0 for a file that is no JPEG or has no such table.
int EstimateJpegQuality(const char* path);

// Text comments. Ids: 0 author, 1 copyright, 2 date and time, 3 description,
// 5 manufacturer, 9 software, 175 title, 176 disclaimer, 177 warning, 178 other.
constexpr uint32_t kCommentBufferBytes = 1024;
// The comment's length, copied into the buffer with a terminator; 0 when absent, negative
// on error.
int ReadComment(const char* path, int id, char* buffer, uint32_t size, int flags);
// Sets (or with a null text clears) the comment the next save writes; that save uses up
// every comment set, so they never leak into later, unrelated files.
void SetComment(int id, const char* text, uint32_t length);
// The comment set for saving: its length (with a null buffer, the length alone); -1 when
// none is set.
int GetComment(int id, char* buffer, uint32_t size);

// Display. A true-colour surface needs no palette: this returns none.
void* CreatePaintPalette(CDC& dc, const BitmapHandle* bitmap);
// Paints the source part (whole when null) stretched into the destination rectangle.
void PaintBitmap(CDC& dc, const BitmapHandle* bitmap, const RECT* source, const RECT* sourceClip,
                 const RECT* destination, const RECT* destinationClip, DWORD rasterOperation);
void PrintBitmap(CDC& dc, const BitmapHandle* bitmap, int left, int top, int width, int height,
                 int flags);
// As PaintBitmap through a transition effect (gdi::Effect codes); returns when it is done.
int PaintWithEffect(CDC& dc, const BitmapHandle* bitmap, const RECT* source, const RECT* sourceClip,
                    const RECT* destination, const RECT* destinationClip, DWORD rasterOperation,
                    int effect);

// Colour.
int InvertColors(BitmapHandle* bitmap);
int ChangeSaturation(BitmapHandle* bitmap, int change);
int ChangeBrightness(BitmapHandle* bitmap, int change);
int ChangeContrast(BitmapHandle* bitmap, int change);
int ChangeHue(BitmapHandle* bitmap, int degrees);
// Operation 4 makes the picture greyscale (luminance into every channel); other
// operations are not known.
constexpr int kColourOperationGrey = 4;
int ColourOperation(BitmapHandle* bitmap, int operation);

// Image effects: averages tiles of tileSize x tileSize pixels (at least 2).
int Mosaic(BitmapHandle* bitmap, int tileSize);

// Number of file decodes and of file saves since the process started (tests and
// benchmarks).
uint64_t DecodeCountForTest();
uint64_t SaveCountForTest();
// Gives back the pixel buffers kept for reuse: the pool, and this thread's idle scratch,
// file and resampling buffers.
void ReleaseBufferPool();

// The pixel memory held now, counted as kPixelMemoryBound counts it, and the most held at
// once since the last reset (tests).
size_t PixelBytesHeldForTest();
size_t PixelBytesPeakForTest();
void ResetPixelBytesPeakForTest();
// Makes the n-th pixel memory allocation from now on (1 = the next one) fail as an
// exhausted allocator does; 0 turns the failure off.
void FailNthAllocationForTest(int n);
// Lowers (or, with 0, restores) the bound for tests that fill it.
void SetPixelMemoryBoundForTest(size_t bytes);

}  // namespace imaging
