#include "images/CLBitmap.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "host/SuiteRegistry.h"
#include "images/CLBmpCashList.h"
#include "platform/fileio/FileIo.h"
#include "platform/fileio/TempFileName.h"
#include "platform/gdi/CDC.h"
#include "platform/imaging/Imaging.h"
#include "platform/shell/ShellIcons.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr DWORD kCopyRasterOperation = 0x00CC0020;
constexpr int kMaxRotation = 36000;
constexpr int kMinMosaicDivisor = 2;
constexpr int kMaxMosaicDivisor = 32;
constexpr int kMinMosaicTile = 2;
constexpr const char* kTempPrefix = "Ldt";

// The system image list is fetched once, when the first bitmap is made, by asking for the
// icon of an empty path; the index that comes back is of no use.
void FetchSystemImageList() {
  static const int once = (shell::FileIconIndex(""), 0);
  (void)once;
}

// The box fitted to the file's proportions in floating point, truncated; a side is never
// below one pixel, so a very long picture still decodes.
void FitToFile(int fileW, int fileH, int* w, int* h) {
  const double box = static_cast<double>(*w) / *h, file = static_cast<double>(fileW) / fileH;
  if (box > file)
    *w = static_cast<int>(static_cast<double>(*h) * fileW / fileH);
  else if (box < file)
    *h = static_cast<int>(static_cast<double>(*w) * fileH / fileW);
  *w = std::max(1, *w);
  *h = std::max(1, *h);
}

// A temporary file in the system's temporary folder, deleted when the object goes.
struct TempFile {
  char path[kMaxTempPath] = {};
  bool made = false;

  TempFile() {
    char folder[kMaxTempPath];
    made = GetTempPathA(kMaxTempPath, folder) != 0 &&
           GetTempFileNameA(folder, kTempPrefix, 0, path) != 0;
  }
  ~TempFile() {
    if (made) DeleteFileA(path);
  }
};

// Copies the written file over the destination, through the suite's file library when
// the suite runs with it.
bool CopyOver(const char* from, const Cp932String& to) {
  if (suite::GetFileAccessMode() == 1) {
    DWORD error = 0;
    return AdCopyFileA(from, to.c_str(), 0, &error) != 0;
  }
  return CopyFileA(from, to.c_str(), 0) != 0;
}

bool EndsWithPng(const Cp932String& path) {
  const size_t dot = path.rfind('.');
  if (dot == Cp932String::npos || path.size() - dot != 4) return false;
  return cp932::AsciiUpper(path.substr(dot)) == ".PNG";
}

}  // namespace

CLBitmap::CLBitmap() {
  FetchSystemImageList();
}

CLBitmap::~CLBitmap() {
  Free(true);
}

bool CLBitmap::HasPixels() const {
  return bitmap_ != nullptr && bitmap_->pixels != nullptr;
}

BitmapSize CLBitmap::FileSize() const {
  if (fileInfo_ == nullptr) return {};
  return {fileInfo_->width, fileInfo_->height};
}

void CLBitmap::Free(bool alsoFileInfo) {
  CLBmpCashList::Instance().Remove(this);
  if (bitmap_ != nullptr) {
    if (bitmap_->pixels != nullptr) imaging::FreeBitmap(bitmap_);
    delete bitmap_;
    bitmap_ = nullptr;
  }
  if (alsoFileInfo) {
    delete fileInfo_;
    fileInfo_ = nullptr;
  }
  iconIndex_ = -1;
}

int CLBitmap::ReadFileInfo(const Cp932String& path) {
  Free(true);
  return EnsureFileInfo(path) ? 1 : 0;
}

bool CLBitmap::EnsureFileInfo(const Cp932String& path) {
  if (fileInfo_ != nullptr) return true;
  auto info = std::make_unique<imaging::FileInfo>();
  if (imaging::ReadFileInfo(path.c_str(), info.get(), sizeof(imaging::FileInfo), 0, nullptr) < 1)
    return false;
  fileInfo_ = info.release();
  return true;
}

int CLBitmap::Load(const Cp932String& path, int width, int height,
                   const AdjustmentRecord* adjustments, bool stretch) {
  return LoadWith(Sizing::kStandard, path, width, height, adjustments, stretch);
}

int CLBitmap::LoadEnlarging(const Cp932String& path, int width, int height,
                            const AdjustmentRecord* adjustments, bool stretch) {
  return LoadWith(Sizing::kEnlarging, path, width, height, adjustments, stretch);
}

int CLBitmap::LoadWith(Sizing sizing, const Cp932String& path, int width, int height,
                       const AdjustmentRecord* adjustments, bool stretch) {
  const std::optional<AdjustmentRecord> adjust =
      adjustments != nullptr ? std::optional<AdjustmentRecord>(*adjustments) : std::nullopt;
  width = std::max(0, width);
  height = std::max(0, height);
  const AdjustmentRecord wanted = adjust.value_or(AdjustmentRecord{});
  int cacheW = width, cacheH = height;
  if (wanted.TurnsSideways()) std::swap(cacheW, cacheH);
  if (TakeCacheHit(wanted, cacheW, cacheH, stretch)) return 1;
  Free(true);
  if (!EnsureFileInfo(path) || !Decode(sizing, path, width, height, stretch))
    return FallBackToIcon(path);
  pixelAdjustments_ = wanted;
  if (!adjust) return 1;
  ApplyAdjustments(*adjust);
  stretched_ = stretch ? 1 : 0;
  CLBmpCashList::Instance().Add(this);
  return 1;
}

bool CLBitmap::IsReadyFor(const AdjustmentRecord& wanted, int width, int height) const {
  if (!(wanted == pixelAdjustments_)) return false;
  width = std::max(0, width);
  height = std::max(0, height);
  BitmapSize file = FileSize();
  if (wanted.TurnsSideways()) {
    std::swap(width, height);
    std::swap(file.width, file.height);
  }
  if (width == 0) width = file.width;
  if (height == 0) height = file.height;
  return CLBmpCashList::Instance().IsUsable(this, width, height);
}

bool CLBitmap::TakeCacheHit(const AdjustmentRecord& wanted, int width, int height, bool stretch) {
  if (!(wanted == pixelAdjustments_)) return false;
  // A zero side asks for the file's own side, which the cache test must see as such.
  BitmapSize file = FileSize();
  if (wanted.TurnsSideways()) std::swap(file.width, file.height);
  if (width == 0) width = file.width;
  if (height == 0) height = file.height;
  if (!CLBmpCashList::Instance().IsUsable(this, width, height)) return false;
  displayWidth_ = width;
  displayHeight_ = height;
  if (stretch || width <= 0 || height <= 0) return true;
  const int64_t box = static_cast<int64_t>(width) * bitmapHeight_;
  const int64_t bitmap = static_cast<int64_t>(bitmapWidth_) * height;
  if (box < bitmap)
    displayHeight_ =
        static_cast<int>(static_cast<int64_t>(displayWidth_) * bitmapHeight_ / bitmapWidth_);
  else if (box > bitmap)
    displayWidth_ =
        static_cast<int>(static_cast<int64_t>(displayHeight_) * bitmapWidth_ / bitmapHeight_);
  return true;
}

bool CLBitmap::Decode(Sizing sizing, const Cp932String& path, int width, int height, bool stretch) {
  const int fileW = fileInfo_->width, fileH = fileInfo_->height;
  if (width == 0) width = fileW;
  if (height == 0) height = fileH;
  if (!stretch && width > 0 && height > 0 && fileW > 0 && fileH > 0)
    FitToFile(fileW, fileH, &width, &height);
  bitmapWidth_ = displayWidth_ = width;
  bitmapHeight_ = displayHeight_ = height;
  const bool enlarging = sizing == Sizing::kEnlarging;
  const bool atBox =
      enlarging ? (width >= fileW && height >= fileH) : (width < fileW && height < fileH);
  const int handleW = atBox ? width : fileW, handleH = atBox ? height : fileH;
  return LoadPixels(path, handleW, handleH) &&
         FinishSize(enlarging, width, height, handleW, handleH);
}

bool CLBitmap::LoadPixels(const Cp932String& path, int width, int height) {
  auto handle = std::make_unique<imaging::BitmapHandle>();
  if (imaging::InitBitmap(handle.get(), sizeof(imaging::BitmapHandle), width, height,
                          fileInfo_->bitsPerPixel) != 1)
    return false;
  fileInfo_->flags = imaging::kLoadAtHandleSize;
  if (imaging::LoadFile(path.c_str(), handle.get(), sizeof(imaging::BitmapHandle),
                        fileInfo_->bitsPerPixel, 1, nullptr, fileInfo_) != 1)
    return false;
  bitmap_ = handle.release();
  if (bitmap_->order != imaging::kOrderTopDown &&
      imaging::NormaliseRowOrder(nullptr, bitmap_, sizeof(imaging::BitmapHandle),
                                 imaging::kOrderTopDown) != 1)
    return false;
  return true;
}

// The standard loader shrinks pixels to the handle's size when the file differs from it;
// the enlarging one resamples up to the box when the file is smaller in either direction.
bool CLBitmap::FinishSize(bool enlarging, int width, int height, int handleW, int handleH) {
  const int fileW = fileInfo_->width, fileH = fileInfo_->height;
  if (enlarging) {
    if (fileW >= width && fileH >= height) return true;
    return imaging::ResizeBitmap(bitmap_, width, height, imaging::kResizeMayEnlarge) == 1;
  }
  if (fileW == handleW && fileH == handleH) return true;
  return imaging::ResizeBitmap(bitmap_, handleW, handleH, 0) == 1;
}

void CLBitmap::ApplyAdjustments(const AdjustmentRecord& a) {
  if (a.rotation != 0) Rotate(a.rotation * 100);
  if (a.hue != 0) Hue(a.hue);
  if (a.saturation != 0) Saturation(a.saturation);
  if (a.invert != 0) Invert();
  if (a.brightness != 0) Brightness(a.brightness);
  if (a.contrast != 0) Contrast(a.contrast);
  if (a.colourOperation4 != 0) ColourOperation4();
  if (a.mosaicDivisor > 1) Mosaic(a.mosaicDivisor);
}

int CLBitmap::FallBackToIcon(const Cp932String& path) {
  Free(false);
  if (iconIndex_ < 0) iconIndex_ = ShellIconIndex(path);
  if (iconIndex_ < 0) return 0;
  bitmapWidth_ = displayWidth_ = shell::StandardIconSize();
  bitmapHeight_ = displayHeight_ = shell::StandardIconSize();
  return 1;
}

int CLBitmap::ShellIconIndex(const Cp932String& path) {
  if (path.empty()) return -1;
  return shell::FileIconIndex(path);
}

void CLBitmap::Paint(CDC& dc, const RECT& rect) const {
  if (HasPixels()) {
    imaging::CreatePaintPalette(dc, bitmap_);
    imaging::PaintBitmap(dc, bitmap_, nullptr, nullptr, &rect, nullptr, kCopyRasterOperation);
    return;
  }
  PaintIcon(dc, rect);
}

void CLBitmap::PaintWithEffect(CDC& dc, const RECT& rect, int effect) const {
  if (HasPixels()) {
    imaging::PaintWithEffect(dc, bitmap_, nullptr, nullptr, &rect, nullptr, kCopyRasterOperation,
                             effect);
    return;
  }
  PaintIcon(dc, rect);
}

void CLBitmap::PaintIcon(CDC& dc, const RECT& rect) const {
  if (iconIndex_ < 0) return;
  const int x = rect.left + (rect.right - rect.left - bitmapWidth_) / 2;
  const int y = rect.top + (rect.bottom - rect.top - bitmapHeight_) / 2;
  shell::DrawIcon(dc, iconIndex_, x, y);
}

void CLBitmap::PaintForPrint(CDC& dc, const RECT& rect) const {
  if (!HasPixels()) return;
  imaging::PrintBitmap(dc, bitmap_, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, 0);
}

bool CLBitmap::Rotate(int hundredthsOfDegree) {
  if (!HasPixels()) return false;
  const int angle = std::clamp(hundredthsOfDegree, -kMaxRotation, kMaxRotation);
  if (imaging::RotateBitmap(bitmap_, angle, imaging::kRotateGrowCanvas, kWhite) != 1) return false;
  if (angle % 18000 == 9000 || angle % 18000 == -9000) {
    std::swap(bitmapWidth_, bitmapHeight_);
    displayWidth_ = bitmapWidth_;
    displayHeight_ = bitmapHeight_;
  }
  return true;
}

bool CLBitmap::Hue(int degrees) {
  return HasPixels() && imaging::ChangeHue(bitmap_, std::clamp(degrees, -360, 360)) == 1;
}

bool CLBitmap::Saturation(int change) {
  return HasPixels() && imaging::ChangeSaturation(bitmap_, std::clamp(change, -1000, 1000)) == 1;
}

bool CLBitmap::Brightness(int change) {
  return HasPixels() && imaging::ChangeBrightness(bitmap_, std::clamp(change, -1000, 1000)) == 1;
}

bool CLBitmap::Contrast(int change) {
  return HasPixels() && imaging::ChangeContrast(bitmap_, std::clamp(change, -1000, 1000)) == 1;
}

bool CLBitmap::Invert() {
  return HasPixels() && imaging::InvertColors(bitmap_) == 1;
}

bool CLBitmap::ColourOperation4() {
  return HasPixels() && imaging::ColourOperation(bitmap_, imaging::kColourOperationGrey) == 1;
}

bool CLBitmap::Mosaic(int divisor) {
  if (!HasPixels()) return false;
  const int d = std::clamp(divisor, kMinMosaicDivisor, kMaxMosaicDivisor);
  const int tile = std::max(kMinMosaicTile, std::min(bitmapWidth_, bitmapHeight_) / d);
  return imaging::Mosaic(bitmap_, tile) == 1;
}

int CLBitmap::Save(const Cp932String& path, int quality) {
  if (!HasPixels() || fileInfo_ == nullptr) return 0;
  const int q = std::clamp(quality, kBestQuality, kWorstQuality);
  TempFile temp;
  if (!temp.made) return 0;
  if (imaging::SaveFile(temp.path, bitmap_, fileInfo_->format, fileInfo_->bitsPerPixel, q, 0) < 1)
    return 0;
  return CopyOver(temp.path, path) ? 1 : 0;
}

int CLBitmap::DrawFitted(CDC& dc, const RECT& rect, const Cp932String& path, RECT* placed) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w < 1 || h < 1) return 0;
  const AdjustmentRecord own = adjustments_;
  if (Load(path, w, h, &own, false) != 1) return 0;
  RECT centred;
  centred.left = (w - displayWidth_) / 2 + rect.left;
  centred.top = (h - displayHeight_) / 2 + rect.top;
  centred.right = centred.left + displayWidth_;
  centred.bottom = centred.top + displayHeight_;
  Paint(dc, centred);
  if (placed != nullptr) *placed = centred;
  return 1;
}

bool CLBitmap::IsPortrait(const Cp932String& path) {
  if (fileInfo_ == nullptr && !EnsureFileInfo(path)) return false;
  const BitmapSize s = FileSize();
  // Not wider than high as shown: a square stands upright however it is turned.
  return adjustments_.TurnsSideways() ? s.width >= s.height : s.width <= s.height;
}

int CLBitmap::SaveAdjustedCopy(const Cp932String& path, const Cp932String& destination,
                               int quality) {
  Free(true);
  const AdjustmentRecord own = adjustments_;
  int result = 0;
  if (Load(path, 0, 0, &own, true) == 1 && HasPixels()) {
    if (quality >= 0) {
      result = Save(destination, quality);
    } else {
      const auto size = fileio::FileSize(path);
      result = size ? SaveWithinSize(path, destination,
                                     static_cast<uint32_t>(std::min<uint64_t>(*size, UINT32_MAX)))
                    : 0;
    }
  }
  Free(true);
  return result;
}

bool CLBitmap::SaveTrial(const char* trialPath, int quality, uint64_t* size) {
  if (imaging::SaveFile(trialPath, bitmap_, fileInfo_->format, fileInfo_->bitsPerPixel, quality,
                        0) < 1)
    return false;
  const auto written = fileio::FileSize(trialPath);
  if (!written) return false;
  *size = *written;
  return true;
}

// Bisects the quality factor in a trial file, then copies the chosen file over the
// destination once. When no quality brings the file within the limit, the smallest result
// (the worst quality) is kept and the call still succeeds: the caller compares the size
// with its own limit and decides.
namespace {
// Quality steps below a photo's own quality that the size-limited save tries first.
constexpr int kFirstQualityStep = 2;
constexpr int kLastQualityStep = 16;
}  // namespace

int CLBitmap::SaveWithinSize(const Cp932String& path, const Cp932String& destination,
                             uint32_t byteLimit) {
  if (!HasPixels() || fileInfo_ == nullptr) return 0;
  if (EndsWithPng(path)) return Save(destination, kBestQuality);
  TempFile trial;
  if (!trial.made) return 0;
  // high is always a quality known to fit, or the worst quality when none fitted yet.
  int low = kBestQuality, high = kWorstQuality, middle = kBestQuality;
  uint64_t size = UINT64_MAX;
  // A copy a little below the photo's own quality nearly always fits within the photo's
  // bytes, so the search starts there and, while the copies come out close to the limit,
  // steps down a growing distance, taking the first quality that fits. Anything else is
  // bisected, within the same eight passes.
  const int own = imaging::EstimateJpegQuality(path.c_str());
  int pass = 0;
  for (int step = kFirstQualityStep; own > 0 && pass < 8 && step <= kLastQualityStep; step *= 2) {
    const int factor = imaging::QualityFactorFor(std::max(1, own - step));
    if (factor < low) break;
    ++pass;
    if (!SaveTrial(trial.path, factor, &size)) return 0;
    if (size <= byteLimit) return CopyOver(trial.path, destination) ? 1 : 0;
    low = std::min(factor + 1, kWorstQuality);
    if (size > static_cast<uint64_t>(byteLimit) * 3 / 2) break;
  }
  for (; pass < 8 && low < high; ++pass) {
    middle = (low + high) / 2;
    if (!SaveTrial(trial.path, middle, &size)) return 0;
    if (size == byteLimit) break;
    if (size > byteLimit)
      low = middle + 1;
    else
      high = middle;
  }
  // The trial file holds the last pass; when that one was too large, save again at the
  // best quality known to fit (or the smallest there is).
  if (size > byteLimit && !SaveTrial(trial.path, high, &size)) return 0;
  return CopyOver(trial.path, destination) ? 1 : 0;
}
