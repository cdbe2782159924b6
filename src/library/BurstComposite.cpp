#include "library/BurstComposite.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "library/AlbumText.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"
#include "platform/imaging/Imaging.h"

namespace burst {
namespace {

constexpr int kDescriptionComment = 3;
constexpr int kBestQuality = 2;
constexpr uint32_t kHeaderBytes = 54;

// A decoded member picture, freed with the object.
class Picture {
 public:
  explicit Picture(const Cp932String& path) {
    imaging::InitBitmap(&bitmap_, sizeof bitmap_, 0, 0, 24);
    imaging::FileInfo info{};
    ok_ = imaging::LoadFile(path.c_str(), &bitmap_, sizeof bitmap_, 24, 0, nullptr, &info) ==
          imaging::kSuccess;
  }
  ~Picture() { imaging::FreeBitmap(&bitmap_); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  bool ok() const { return ok_; }
  int width() const { return bitmap_.width; }
  int height() const { return bitmap_.height; }
  const imaging::BitmapHandle* handle() const { return &bitmap_; }

 private:
  imaging::BitmapHandle bitmap_{};
  bool ok_ = false;
};

void PutLe(std::string& out, size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<char>(value >> (8 * i));
}

// Copies the member's pixels into its cell, one pixel for one pixel.
void PaintCell(const Picture& picture, int cell, const Grid& grid, int cellW, int cellH,
               std::vector<uint32_t>& pixels) {
  const int left = (cell % grid.columns) * cellW;
  const int top = (cell / grid.columns) * cellH;
  const size_t width = static_cast<size_t>(grid.columns) * cellW;
  for (int y = 0; y < cellH; ++y)
    for (int x = 0; x < cellW; ++x)
      pixels[(top + y) * width + left + x] = imaging::GetPixelColor(picture.handle(), y, x);
}

// The grid's pixels; a member that cannot be read, or has another size, leaves its cell
// black. Empty when the first member cannot be read or the grid would be too large.
std::vector<uint32_t> ComposePixels(const std::vector<const CPhotoItem*>& used, Grid grid,
                                    int* cellW, int* cellH) {
  const Picture first(used[0]->path());
  if (!first.ok()) return {};
  *cellW = first.width();
  *cellH = first.height();
  const int64_t width = int64_t{grid.columns} * *cellW;
  const int64_t height = int64_t{grid.rows} * *cellH;
  if (width > imaging::kMaxSide || height > imaging::kMaxSide ||
      width * height > imaging::kMaxPixels)
    return {};
  std::vector<uint32_t> pixels(static_cast<size_t>(width * height), 0);
  PaintCell(first, 0, grid, *cellW, *cellH, pixels);
  for (size_t i = 1; i < used.size(); ++i) {
    const Picture member(used[i]->path());
    if (member.ok() && member.width() == *cellW && member.height() == *cellH)
      PaintCell(member, static_cast<int>(i), grid, *cellW, *cellH, pixels);
  }
  return pixels;
}

// Loads the bitmap file and writes it as a JPEG with the suite's description comment.
bool ConvertToJpeg(const Cp932String& bmp, const Cp932String& jpeg) {
  Picture picture(bmp);
  if (!picture.ok()) return false;
  static const char kComment[] = "Quarn Port";
  imaging::SetComment(kDescriptionComment, kComment, sizeof kComment - 1);
  return imaging::SaveFile(jpeg.c_str(), picture.handle(), imaging::kFormatJpeg, 24, kBestQuality,
                           0) == imaging::kSuccess;
}

// Date and time of the first member's last write; unknown fields as the record wants them.
void TakeShootingTime(const Cp932String& path, CPhotoItem& item) {
  const std::optional<int64_t> written = fileio::LastWriteTime(path);
  const time_t seconds = static_cast<time_t>(written.value_or(0));
  tm local{};
  if (!written || localtime_r(&seconds, &local) == nullptr) {
    item.SetDate(0, 0, 0);
    item.SetTime(CPhotoItem::kUnknown, CPhotoItem::kUnknown, CPhotoItem::kUnknown);
    return;
  }
  item.SetDate(static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint16_t>(local.tm_mon + 1),
               static_cast<uint16_t>(local.tm_mday));
  item.SetTime(static_cast<uint16_t>(local.tm_hour), static_cast<uint16_t>(local.tm_min),
               static_cast<uint16_t>(local.tm_sec));
}

void DeleteFile(const Cp932String& path) {
  DeleteFileA(path.c_str());
}

// The composite is dated as its first shot: it takes that photo's last-write time, which
// the copy into the album folder keeps.
bool TakeFileTime(const Cp932String& from, const Cp932String& to) {
  const std::optional<fileio::FileTime> written = fileio::LastWriteFileTime(from);
  return written && fileio::SetFileTimes(to, &*written, &*written);
}

}  // namespace

Grid GridFor(int count) {
  const int columns = count > 16 ? 5 : count > 9 ? 4 : count > 4 ? 3 : count > 1 ? 2 : 1;
  return {columns, count > 0 ? (columns + count - 1) / columns : 0};
}

Cp932String BaseName(std::string_view fileName) {
  std::string_view base = fileName;
  const size_t dot = base.rfind('.');
  if (dot != std::string_view::npos && dot + 1 < base.size()) base = base.substr(0, dot);
  for (char mark : {'~', '-', '_'}) {
    const size_t at = albumtext::FindLastChar(base, mark);
    if (at == std::string_view::npos || at == 0) continue;
    base = base.substr(0, at);
    break;
  }
  return Cp932String(base) + cp932::Lit("(連写)");
}

std::string BitmapFile(int width, int height, const std::vector<uint32_t>& pixels) {
  const uint32_t imageBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4;
  std::string out(kHeaderBytes + imageBytes, '\0');
  out[0] = 'B';
  out[1] = 'M';
  PutLe(out, 2, kHeaderBytes + imageBytes, 4);
  PutLe(out, 10, kHeaderBytes, 4);
  PutLe(out, 14, 40, 4);
  PutLe(out, 18, static_cast<uint32_t>(width), 4);
  PutLe(out, 22, static_cast<uint32_t>(height), 4);
  PutLe(out, 26, 1, 2);
  PutLe(out, 28, 32, 2);
  PutLe(out, 34, imageBytes, 4);
  // Rows are stored bottom-up; each pixel as blue, green, red and an unused byte.
  for (int y = 0; y < height; ++y) {
    char* row = out.data() + kHeaderBytes + static_cast<size_t>(height - 1 - y) * width * 4;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixels[static_cast<size_t>(y) * width + x];
      row[x * 4] = static_cast<char>(c >> 16);
      row[x * 4 + 1] = static_cast<char>(c >> 8);
      row[x * 4 + 2] = static_cast<char>(c);
    }
  }
  return out;
}

std::unique_ptr<CPhotoItem> Create(CPhotoManager& library, const CPhotoItem* const* members,
                                   int count) {
  if (members == nullptr || count < 2) return nullptr;
  std::vector<const CPhotoItem*> sorted(members, members + count);
  std::stable_sort(sorted.begin(), sorted.end(), [](const CPhotoItem* a, const CPhotoItem* b) {
    return a->title() < b->title();
  });
  const std::vector<const CPhotoItem*> used(sorted.end() - std::min<ptrdiff_t>(count, kMaxMembers),
                                            sorted.end());
  const Grid grid = GridFor(static_cast<int>(used.size()));
  int cellW = 0, cellH = 0;
  const std::vector<uint32_t> pixels = ComposePixels(used, grid, &cellW, &cellH);
  if (pixels.empty()) return nullptr;

  const Cp932String work = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
  const Cp932String base = suite::JoinPath({work, BaseName(sorted[0]->fileName())});
  const Cp932String bmp = base + ".bmp";
  const Cp932String jpeg = base + ".Jpg";
  if (!fileio::CreateFolderPath(work, false) ||
      !fileio::WriteFileAtomic(bmp, BitmapFile(grid.columns * cellW, grid.rows * cellH, pixels)))
    return nullptr;
  const bool converted = ConvertToJpeg(bmp, jpeg);
  DeleteFile(bmp);
  if (!converted) return nullptr;
  if (!fileio::FileSize(jpeg) || !TakeFileTime(sorted[0]->path(), jpeg)) {
    DeleteFile(jpeg);
    return nullptr;
  }
  Cp932String path, name;
  if (!library.StoreBurstComposite(jpeg, &path, &name)) return nullptr;
  auto item = std::make_unique<CPhotoItem>();
  item->SetFlags(PhotoKind::kBurstComposite);
  item->SetPath(path, false);
  item->SetSourceName(name);
  TakeShootingTime(sorted[0]->path(), *item);
  item->SetSize(static_cast<int32_t>(fileio::FileSize(path).value_or(0)));
  return item;
}

}  // namespace burst
