#include "images/CImageStyle3.h"

#include <cstdio>

#include "host/CHarboPhotoApp.h"
#include "images/CImageItem.h"
#include "images/MemoLines.h"
#include "library/PhotoKind.h"
#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"

namespace {

// Drawing resources of a thumbnail.
constexpr int32_t kBorderPen = 110;    // COLOR_CTRLBORDER
constexpr int32_t kItemBrush = 112;    // COLOR_CTRLBACK
constexpr int32_t kMemoBrush = 113;    // COLOR_CTRLBACK2: the memo column and icon squares
constexpr int32_t kTextFont = 114;     // COLOR_CTRLFONT: font and text colour
constexpr int32_t kSelectBrush = 117;  // COLOR_SELECT

// Text stands this far inside its line.
constexpr int kTextInset = 2;

RECT EmptyAt(int x, int y) {
  return RECT{x, y, x, y};
}

RECT Inset(const RECT& r, int dx) {
  return RECT{r.left + dx, r.top, r.right - dx, r.bottom};
}

// The pen, brush and font, text colour and background mode a device context had, put back
// when the item is drawn.
class SavedDrawingState {
 public:
  explicit SavedDrawingState(CDC& dc)
      : dc_(dc),
        pen_(dc.SelectObject(HPEN{})),
        brush_(dc.SelectObject(HBRUSH{})),
        font_(dc.SelectObject(HFONT{})),
        textColour_(dc.SetTextColor(0)),
        mode_(dc.SetBkMode(TRANSPARENT)) {}
  ~SavedDrawingState() {
    dc_.SelectObject(pen_);
    dc_.SelectObject(brush_);
    dc_.SelectObject(font_);
    dc_.SetTextColor(textColour_);
    dc_.SetBkMode(mode_);
  }
  SavedDrawingState(const SavedDrawingState&) = delete;
  SavedDrawingState& operator=(const SavedDrawingState&) = delete;

 private:
  CDC& dc_;
  HPEN pen_;
  HBRUSH brush_;
  HFONT font_;
  COLORREF textColour_;
  int mode_;
};

bool IsPicture(const CPhotoItem& record) {
  return (record.flags() & (PhotoKind::kStill | PhotoKind::kBurstComposite)) != 0;
}

// The display size centred in the box, as the picture is painted.
RECT Centred(const RECT& box, BitmapSize display) {
  const int left = box.left + (box.right - box.left - display.width) / 2;
  const int top = box.top + (box.bottom - box.top - display.height) / 2;
  return RECT{left, top, left + display.width, top + display.height};
}

}  // namespace

CImageStyle3::CImageStyle3()
    : favouriteIcon_(LoadIconResource(kFavouriteIcon, kFavouriteIconSize, kFavouriteIconSize)) {
  CImageStyle3::Recompute();
}

// The memo column is three quarters of the picture wide and as high; there are no gaps
// between cells.
void CImageStyle3::Recompute() {
  memoWidth_ = imageSize_ * 3 / 4;
  memoHeight_ = imageSize_;
  horizontalGap_ = 0;
  verticalGap_ = 0;
  itemHeight_ = (Shows(kNameLine) ? kNameLineHeight : 0) + 2 + 6 + imageSize_ +
                (Shows(kDateLine) ? kDateLineHeight : 0);
  itemWidth_ = imageSize_ + 8 + (Shows(kMemoColumn) ? memoWidth_ : 0);
}

ItemParts CImageStyle3::PartRects(int x, int y) const {
  const int right = x - 2 + itemWidth_;
  const int nameBottom = y + (Shows(kNameLine) ? kNameLineHeight : 0);
  const int pictureTop = nameBottom + 3;
  const int dateBottom = y + itemHeight_ - 2;
  ItemParts parts;
  parts.name = Shows(kNameLine) ? RECT{x, y, right, nameBottom} : EmptyAt(x, y);
  parts.picture = RECT{x + 3, pictureTop, x + 3 + imageSize_, pictureTop + imageSize_};
  parts.date =
      Shows(kDateLine) ? RECT{x, dateBottom - kDateLineHeight, right, dateBottom} : EmptyAt(x, y);
  const int memoLeft = x + 6 + imageSize_;
  parts.memo = Shows(kMemoColumn)
                   ? RECT{memoLeft, pictureTop, memoLeft + memoWidth_, pictureTop + memoHeight_}
                   : EmptyAt(x, y);
  return parts;
}

RECT CImageStyle3::PictureBox(const RECT& square, bool portrait) {
  const int side = square.right - square.left;
  const int shorter = side * 3 / 4;
  if (portrait) {
    const int left = square.left + (side - shorter) / 2;
    return RECT{left, square.top, left + shorter, square.bottom};
  }
  const int top = square.top + (side - shorter) / 2;
  return RECT{square.left, top, square.right, top + shorter};
}

Cp932String CImageStyle3::DateText(const CPhotoItem& record) {
  if (record.year() == CPhotoItem::kUnknown && record.month() == CPhotoItem::kUnknown &&
      record.day() == CPhotoItem::kUnknown)
    return {};
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", record.year(), record.month(), record.day());
  return text;
}

void CImageStyle3::DrawItem(CDC& dc, const CImageItem& item, int x, int y) {
  CDrawObject* draw = TheApp().drawObject();
  if (draw == nullptr || !dc.IsValid()) return;
  const SavedDrawingState saved(dc);
  DrawBackground(dc, *draw, item, x, y);
  CPhotoItem* record = item.record();
  if (record == nullptr) return;
  const ItemParts parts = PartRects(x, y);
  DrawPicture(dc, *draw, *record, parts.picture);
  dc.SelectObject(draw->GetFont(kTextFont));
  dc.SetTextColor(draw->GetColor(kTextFont));
  if (Shows(kNameLine)) DrawName(dc, *record, parts.name);
  if (Shows(kMemoColumn)) DrawMemo(dc, *draw, *record, parts.memo);
  if (Shows(kDateLine)) DrawDate(dc, *record, parts.date);
  DrawFavouriteMark(dc, *record, parts.picture);
}

// The item's box leaves the last two pixels of its cell to the window, so that neighbouring
// items stand apart.
void CImageStyle3::DrawBackground(CDC& dc, CDrawObject& draw, const CImageItem& item, int x,
                                  int y) {
  dc.SelectObject(draw.GetPen(kBorderPen));
  dc.SelectObject(draw.GetBrush(item.selected() != 0 ? kSelectBrush : kItemBrush));
  dc.Rectangle(RECT{x, y, x + itemWidth_ - 2, y + itemHeight_ - 2});
}

// A photo is fitted into its picture box through the bitmap cache. Anything else (a movie,
// another file) shows its type's icon, or the picture when the file turns out to decode,
// centred in the filled square; a file that never decodes is asked for its icon only once.
// A picture that would need a decode past the draw's budget is left as its empty box.
void CImageStyle3::DrawPicture(CDC& dc, CDrawObject& draw, CPhotoItem& record, const RECT& square) {
  if (!IsReady(record)) {
    if (!budget_.Allows()) {
      ++pending_;
      return;
    }
    budget_.Spend();
  }
  if (!IconOnly(record)) LoadFor(record, square);
  if (record.HasPixels()) {
    if (!IsPicture(record)) dc.FillRect(square, draw.GetBrush(kMemoBrush));
    const RECT box = IsPicture(record) ? PictureBox(square, record.IsPortrait()) : square;
    record.Paint(dc, Centred(box, record.displaySize()));
    return;
  }
  dc.FillRect(square, draw.GetBrush(kMemoBrush));
  record.Paint(dc, square);
}

int CImageStyle3::LoadFor(CPhotoItem& record, const RECT& square) {
  const AdjustmentRecord own = record.adjustments();
  if (!IsPicture(record))
    return record.IsValid() ? 1 : record.Load(record.path(), imageSize_, imageSize_, &own, false);
  const RECT box = PictureBox(square, record.IsPortrait());
  const int w = box.right - box.left, h = box.bottom - box.top;
  // The loader's box is the picture's before its rotation.
  const bool sideways = own.TurnsSideways();
  return record.Load(record.path(), sideways ? h : w, sideways ? w : h, &own, false);
}

// A file that did not decode holds its type's icon, which is drawn as it is.
bool CImageStyle3::IconOnly(const CPhotoItem& record) {
  return record.IsValid() && !record.HasPixels();
}

bool CImageStyle3::IsReady(CPhotoItem& record) {
  if (!IsPicture(record) || IconOnly(record)) return record.IsValid();
  if (!record.HasPixels()) return false;
  const RECT box = PictureBox(RECT{0, 0, imageSize_, imageSize_}, record.IsPortrait());
  const int w = box.right - box.left, h = box.bottom - box.top;
  const AdjustmentRecord& own = record.adjustments();
  const bool sideways = own.TurnsSideways();
  return record.IsReadyFor(own, sideways ? h : w, sideways ? w : h);
}

bool CImageStyle3::Prepare(CPhotoItem& record) {
  if (IsReady(record)) return false;
  LoadFor(record, RECT{0, 0, imageSize_, imageSize_});
  return true;
}

void CImageStyle3::DrawName(CDC& dc, const CPhotoItem& record, const RECT& line) {
  dc.DrawText(record.title(), Inset(line, kTextInset),
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The column is filled and ruled every line; the memo is written line by line until the
// next line would pass the column's bottom.
void CImageStyle3::DrawMemo(CDC& dc, CDrawObject& draw, const CPhotoItem& record,
                            const RECT& column) {
  dc.FillRect(column, draw.GetBrush(kMemoBrush));
  dc.SelectObject(draw.GetPen(kBorderPen));
  for (int y = column.top + kMemoLineHeight - 1; y < column.bottom; y += kMemoLineHeight) {
    dc.MoveTo(column.left, y);
    dc.LineTo(column.right, y);
  }
  const std::string_view memo = record.memo();
  const RECT text = Inset(column, kTextInset);
  const auto width = [&dc](std::string_view c) { return static_cast<int>(dc.GetTextExtent(c).cx); };
  size_t at = 0;
  for (int top = column.top; top + kMemoLineHeight <= column.bottom && at < memo.size();
       top += kMemoLineHeight) {
    const memolines::Line line = memolines::NextLine(memo, at, text.right - text.left, width);
    dc.DrawText(Cp932String(memo.substr(line.begin, line.length)),
                RECT{text.left, top, text.right, top + kMemoLineHeight - 1},
                DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    at = line.next;
  }
}

void CImageStyle3::DrawDate(CDC& dc, const CPhotoItem& record, const RECT& line) {
  dc.DrawText(DateText(record), Inset(line, kTextInset),
              DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CImageStyle3::DrawFavouriteMark(CDC& dc, const CPhotoItem& record, const RECT& square) {
  if ((record.favourites() & CPhotoManager::kFavouriteBits) == 0) return;
  dc.DrawIcon(square.left + 3, square.top + 3, favouriteIcon_);
}
