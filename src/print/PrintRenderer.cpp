#include "print/PrintRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>

#include "images/CLBitmap.h"
#include "library/CPhotoItem.h"
#include "platform/gdi/CDC.h"
#include "print/PrintCalendar.h"

namespace printrender {
namespace {

// The memo keeps 1 mm from its box's edges.
constexpr LONG kMemoInset = 10;
// Fonts are made for the page's unit: 254 units to the inch.
constexpr int kUnitsPerInch = 254;

RECT Offset(const RECT& r, LONG dx, LONG dy) {
  return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

RECT Box(const RECT& cell, POINT at, SIZE size) {
  const LONG left = cell.left + at.x;
  const LONG top = cell.top + at.y;
  return RECT{left, top, left + size.cx, top + size.cy};
}

// Text in a print font: the font made for the page's unit, its colour, no background.
class FontScope {
 public:
  FontScope(CDC& dc, const CPrintFont& font) : dc_(dc), font_(font) {
    previous_ = dc_.SelectObject(font_.BuildFont(kUnitsPerInch));
    dc_.SetTextColor(font_.color);
    dc_.SetBkMode(TRANSPARENT);
  }
  ~FontScope() { dc_.SelectObject(previous_); }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  CDC& dc_;
  CPrintFont font_;
  HFONT previous_ = nullptr;
};

UINT PlacementFormat(int32_t position) {
  UINT format = DT_WORDBREAK | DT_NOPREFIX;
  const int32_t across = position & 3;
  if (across == 1) format |= DT_CENTER;
  if (across == 2) format |= DT_RIGHT;
  const int32_t down = position & 0x1C;
  if (down == CPrintMarginText::kMiddle) format |= DT_VCENTER;
  if (down == CPrintMarginText::kBottom) format |= DT_BOTTOM;
  return format;
}

void DrawMarginText(CDC& dc, const CPrintMarginText& margin, const RECT& band,
                    const PageInfo& info) {
  if (!margin.show || band.bottom <= band.top) return;
  FontScope font(dc, margin.font);
  dc.DrawText(ExpandMarginText(margin.text, info.number, info.count, info.time), band,
              PlacementFormat(margin.position));
}

// The page's margins moved by the fine adjustment; measured from the printable area.
RECT Margins(const CPrintPaper& paper, const CPrintPaperSizeInfo& metrics, POINT adjust) {
  RECT m{paper.spaceLeft, paper.spaceTop, paper.spaceRight, paper.spaceBottom};
  if (!paper.enableArea) {
    const RECT& cut = metrics.unprintable();
    m = RECT{m.left - cut.left, m.top - cut.top, m.right - cut.right, m.bottom - cut.bottom};
  }
  return RECT{std::max<LONG>(0, m.left + adjust.x), std::max<LONG>(0, m.top + adjust.y),
              std::max<LONG>(0, m.right - adjust.x), std::max<LONG>(0, m.bottom - adjust.y)};
}

void DrawCaptions(CDC& dc, const CPrintPhotoOption& o, const PrintCell& cell, const RECT& shown,
                  const CPhotoItem& record, const RECT& cellRect) {
  if (o.memoVisible && cell.memo.cx > 0) {
    const RECT box = Box(cellRect, cell.memoAt, cell.memo);
    FontScope font(dc, o.memoFont);
    dc.DrawText(record.memo(),
                RECT{box.left + kMemoInset, box.top + kMemoInset, box.right - kMemoInset,
                     box.bottom - kMemoInset},
                DT_WORDBREAK | DT_NOPREFIX);
  }
  if (o.nameVisible) {
    const bool dateBeside = o.dateVisible && o.datePosition == o.namePosition;
    FontScope font(dc, o.nameFont);
    dc.DrawText(record.title(), Box(cellRect, cell.nameAt, cell.name),
                DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | (dateBeside ? DT_LEFT : DT_CENTER));
  }
  if (o.dateVisible) {
    RECT box = Box(cellRect, cell.dateAt, cell.date);
    // A date inside the photo keeps to the picture drawn.
    if (o.datePosition == 1 && shown.right > shown.left) {
      box.left = std::max(box.left, shown.left);
      box.right = std::min(box.right, shown.right);
      const LONG below = box.bottom - shown.bottom;
      if (below > 0) box = Offset(box, 0, -below);
    }
    FontScope font(dc, o.dateFont);
    dc.DrawText(DateText(record, o.dateFont.italic != 0), box,
                DT_SINGLELINE | DT_BOTTOM | DT_RIGHT | DT_NOPREFIX);
  }
}

}  // namespace

PrintTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return PrintTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min};
}

Cp932String ExpandMarginText(const Cp932String& text, int page, int count, const PrintTime& t) {
  Cp932String out;
  char buffer[32];
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const char code = text[++i];
    if (code == '&') {
      out += '&';
    } else if (code == 'd') {
      std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", t.year, t.month, t.day);
      out += buffer;
    } else if (code == 't') {
      std::snprintf(buffer, sizeof buffer, "%02d:%02d", t.hour, t.minute);
      out += buffer;
    } else if (code == 'p' || code == 's') {
      out += std::to_string(code == 'p' ? page : count);
    } else {
      out += '&';
      out += code;
    }
  }
  return out;
}

Cp932String DateText(const CPhotoItem& record, bool italic) {
  char text[32];
  std::snprintf(text, sizeof text, italic ? "%4d/%2d/%2d " : "%4d/%2d/%2d", record.year(),
                record.month(), record.day());
  return text;
}

std::optional<PhotoPlacement> PlacePhoto(const RECT& box, const CPrintPhotoOption& options,
                                         const CPhotoItem& record, CLBitmap& picture, int dpi) {
  const LONG boxW = box.right - box.left;
  const LONG boxH = box.bottom - box.top;
  if (boxW <= 0 || boxH <= 0) return std::nullopt;
  if (picture.fileInfo() == nullptr && picture.ReadFileInfo(record.path()) == 0)
    return std::nullopt;
  BitmapSize file = picture.FileSize();
  if (record.adjustments().TurnsSideways()) std::swap(file.width, file.height);
  if (file.width <= 0 || file.height <= 0) return std::nullopt;
  // The picture's size on the page, in 0.1 mm.
  double w = boxW;
  double h = boxH;
  if (!options.stretch) {
    const double fit = std::min(boxW / double(file.width), boxH / double(file.height));
    const double cover = std::max(boxW / double(file.width), boxH / double(file.height));
    const double scale = options.scaleOver ? fit : cover;
    w = file.width * scale;
    h = file.height * scale;
  }
  const auto round = [](double v) { return static_cast<LONG>(std::lround(v)); };
  PhotoPlacement p;
  const LONG left = box.left + round((boxW - w) / 2);
  const LONG top = box.top + round((boxH - h) / 2);
  p.placed = RECT{left, top, left + round(w), top + round(h)};
  p.pixelsW = std::max(1, static_cast<int>(std::lround(w * dpi / 254.0)));
  p.pixelsH = std::max(1, static_cast<int>(std::lround(h * dpi / 254.0)));
  p.fileLarger = file.width >= p.pixelsW && file.height >= p.pixelsH;
  return p;
}

// The picture is made at the device's pixels for its place: a larger photo decoded down to
// them, a smaller one enlarged up to them. A picture already made at that size is kept.
bool LoadPlaced(CLBitmap& picture, const CPhotoItem& record, const PhotoPlacement& p) {
  if (picture.HasPixels() && picture.bitmapSize().width == p.pixelsW &&
      picture.bitmapSize().height == p.pixelsH)
    return true;
  const AdjustmentRecord adjustments = record.adjustments();
  const int loaded =
      p.fileLarger ? picture.Load(record.path(), p.pixelsW, p.pixelsH, &adjustments, true)
                   : picture.LoadEnlarging(record.path(), p.pixelsW, p.pixelsH, &adjustments, true);
  return loaded != 0 && picture.HasPixels();
}

RECT PaintPlaced(CDC& dc, const RECT& box, const CLBitmap& picture, const PhotoPlacement& p) {
  dc.SelectClipRect(&box);
  picture.PaintForPrint(dc, p.placed);
  return Intersect(p.placed, box);
}

RECT DrawPhoto(CDC& dc, const RECT& box, const CPrintPhotoOption& options, const CPhotoItem& record,
               int dpi) {
  CLBitmap picture;
  const std::optional<PhotoPlacement> p = PlacePhoto(box, options, record, picture, dpi);
  if (!p || !LoadPlaced(picture, record, *p)) return RECT{};
  return PaintPlaced(dc, box, picture, *p);
}

namespace {

// A label style's printer offset moves the page as the fine adjustment does.
POINT PageShift(const CPrintFormat& style, POINT fineAdjust) {
  if (style.attr != CPrintFormat::kSeal) return fineAdjust;
  return POINT{fineAdjust.x + style.paper.offsetX, fineAdjust.y + style.paper.offsetY};
}

}  // namespace

void DrawPage(CDC& dc, const RECT& pageRect, const CPrintFormat& style,
              const PrintPageTemplate& layout, const CPrintPaperSizeInfo& metrics,
              const std::vector<PlacedPhoto>& photos, const PageInfo& given) {
  PageInfo info = given;
  info.fineAdjust = PageShift(style, given.fineAdjust);
  const RECT m = Margins(style.paper, metrics, info.fineAdjust);
  const RECT inner{pageRect.left + m.left, pageRect.top + m.top, pageRect.right - m.right,
                   pageRect.bottom - m.bottom};
  dc.SelectClipRect(nullptr);
  DrawMarginText(dc, style.paper.header, RECT{inner.left, pageRect.top, inner.right, inner.top},
                 info);
  DrawMarginText(dc, style.paper.footer,
                 RECT{inner.left, inner.bottom, inner.right, pageRect.bottom}, info);
  for (const PlacedPhoto& placed : photos) {
    if (placed.record == nullptr || placed.cell < 0 ||
        placed.cell >= static_cast<int>(layout.cells.size()))
      continue;
    const PrintCell& cell = layout.cells[static_cast<size_t>(placed.cell)];
    const CPrintParam& block = cell.area == 0 ? style.paramMain : style.paramSub;
    const RECT cellRect = Offset(cell.rect, info.fineAdjust.x, info.fineAdjust.y);
    const RECT photoBox = Intersect(Box(cellRect, cell.photoAt, cell.photo), inner);
    const RECT shown = DrawPhoto(dc, photoBox, block.photoOption, *placed.record, info.dpi);
    dc.SelectClipRect(&inner);
    DrawCaptions(dc, block.photoOption, cell, shown, *placed.record, cellRect);
    dc.SelectClipRect(nullptr);
  }
  for (const PrintMonth& month : layout.months) {
    const CPrintParam& block = month.area == 0 ? style.paramMain : style.paramSub;
    printcalendar::DrawMonth(dc, Offset(month.rect, info.fineAdjust.x, info.fineAdjust.y),
                             month.year, month.month, block, info.events);
  }
}

}  // namespace printrender
