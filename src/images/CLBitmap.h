// One picture as the album draws it: the decoded pixels of an imaging-library bitmap, the
// file's information, the size the decode was made for, the size to draw at and the
// display adjustments. Files that cannot be decoded are drawn as their type's shell icon.
// The photo record derives from this class.
#pragma once

#include <cstdint>

#include "images/AdjustmentRecord.h"
#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CDC;
class CLBmpCashList;

namespace imaging {
struct BitmapHandle;
struct FileInfo;
}  // namespace imaging

struct BitmapSize {
  int32_t width = 0;
  int32_t height = 0;
};

class CLBitmap {
 public:
  // Quality factors of the imaging library's save: 2 is the best, 255 the smallest.
  static constexpr int kBestQuality = 2;
  static constexpr int kWorstQuality = 255;

  CLBitmap();
  virtual ~CLBitmap();
  CLBitmap(const CLBitmap&) = delete;
  CLBitmap& operator=(const CLBitmap&) = delete;

  // Decodes the file for display in a width x height box (0 takes the file's side), never
  // at more pixels than the file has. With adjustments the result joins the cache. Returns
  // 1 when the picture or its icon is ready, 0 when neither could be had.
  int Load(const Cp932String& path, int width, int height, const AdjustmentRecord* adjustments,
           bool stretch);
  // Whether Load with these arguments would be served by the pixels already held, without
  // reading the file.
  bool IsReadyFor(const AdjustmentRecord& wanted, int width, int height) const;
  // As Load, but scales a picture smaller than the box up to it (printing).
  int LoadEnlarging(const Cp932String& path, int width, int height,
                    const AdjustmentRecord* adjustments, bool stretch);
  // Frees everything, then reads only the file's information. Returns 1 or 0.
  int ReadFileInfo(const Cp932String& path);
  // Leaves the cache and frees the pixels (and the file information when asked).
  void Free(bool alsoFileInfo);

  bool IsValid() const { return iconIndex_ >= 0 || HasPixels(); }
  bool HasPixels() const;
  // The file's own width and height, 0 x 0 without file information.
  BitmapSize FileSize() const;

  // Draws the pixels stretched into the rectangle, or the icon centred in it.
  void Paint(CDC& dc, const RECT& rect) const;
  // As Paint, through a transition effect (codes of imaging::Effect).
  void PaintWithEffect(CDC& dc, const RECT& rect, int effect) const;
  // Draws the pixels at the rectangle's position and size (printing).
  void PaintForPrint(CDC& dc, const RECT& rect) const;

  // Single adjustments of the present pixels; false when there are none.
  bool Rotate(int hundredthsOfDegree);
  bool Hue(int degrees);
  bool Saturation(int change);
  bool Brightness(int change);
  bool Contrast(int change);
  bool Invert();
  bool ColourOperation4();
  bool Mosaic(int divisor);

  // Writes the pixels in the file's own format and bit depth through a temporary file; the
  // destination is replaced only when the whole file was written. Returns 1 or 0.
  int Save(const Cp932String& path, int quality);

  void SetAdjustments(const AdjustmentRecord& record) { adjustments_ = record; }
  const AdjustmentRecord& adjustments() const { return adjustments_; }
  AdjustmentRecord& adjustments() { return adjustments_; }

  // The system image list index of the file's icon; -1 for no path.
  static int ShellIconIndex(const Cp932String& path);

  // Photo-level operations; the path is the photo's own file.
  // Loads with the own adjustments and draws the display size centred in the rectangle;
  // the centred rectangle goes to placed. Returns 1 when something was drawn.
  int DrawFitted(CDC& dc, const RECT& rect, const Cp932String& path, RECT* placed);
  // Whether the photo stands upright as displayed (after its rotation).
  bool IsPortrait(const Cp932String& path);
  // Writes the photo at its own size with its adjustments; a negative quality keeps the
  // copy within the byte size of the photo's own file. Returns 1 or 0.
  int SaveAdjustedCopy(const Cp932String& path, const Cp932String& destination, int quality);
  // Saves the present pixels with the best quality whose file stays within the limit (at
  // most 9 saves); when none does, the smallest file is written and the call succeeds. A
  // PNG photo is saved once at the best quality. Returns 1, or 0 when nothing was written.
  int SaveWithinSize(const Cp932String& path, const Cp932String& destination, uint32_t byteLimit);

  uint32_t cacheCost() const { return cacheCost_; }
  bool stretched() const { return stretched_ != 0; }
  int iconIndex() const { return iconIndex_; }
  BitmapSize bitmapSize() const { return {bitmapWidth_, bitmapHeight_}; }
  BitmapSize displaySize() const { return {displayWidth_, displayHeight_}; }
  const imaging::BitmapHandle* bitmap() const { return bitmap_; }
  const imaging::FileInfo* fileInfo() const { return fileInfo_; }

 private:
  friend class CLBmpCashList;
  enum class Sizing { kStandard, kEnlarging };

  int LoadWith(Sizing sizing, const Cp932String& path, int width, int height,
               const AdjustmentRecord* adjustments, bool stretch);
  bool TakeCacheHit(const AdjustmentRecord& wanted, int width, int height, bool stretch);
  bool EnsureFileInfo(const Cp932String& path);
  bool Decode(Sizing sizing, const Cp932String& path, int width, int height, bool stretch);
  bool LoadPixels(const Cp932String& path, int width, int height);
  bool FinishSize(bool enlarging, int width, int height, int handleW, int handleH);
  void ApplyAdjustments(const AdjustmentRecord& a);
  int FallBackToIcon(const Cp932String& path);
  bool SaveTrial(const char* trialPath, int quality, uint64_t* size);
  void PaintIcon(CDC& dc, const RECT& rect) const;

  uint32_t cacheCost_ = 0;
  uint8_t stretched_ = 0;
  imaging::BitmapHandle* bitmap_ = nullptr;
  imaging::FileInfo* fileInfo_ = nullptr;
  int32_t iconIndex_ = -1;
  int32_t bitmapWidth_ = 0;
  int32_t bitmapHeight_ = 0;
  int32_t displayWidth_ = 0;
  int32_t displayHeight_ = 0;
  AdjustmentRecord adjustments_;

  // The adjustments the present pixels were made with; a cache hit needs the same ones.
  AdjustmentRecord pixelAdjustments_;

  // Links of the cache's list, kept in the bitmap so that membership is a constant-time
  // test on every draw.
  CLBitmap* cachePrev_ = nullptr;
  CLBitmap* cacheNext_ = nullptr;
  bool cacheListed_ = false;
};
