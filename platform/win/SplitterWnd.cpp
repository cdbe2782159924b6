#include "platform/win/SplitterWnd.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiObjects.h"

namespace win {

std::vector<TrackSpan> LayOutTracks(const std::vector<SplitTrack>& tracks, int length, int bar) {
  std::vector<TrackSpan> spans(tracks.size());
  int last = -1;
  for (size_t i = 0; i < tracks.size(); ++i)
    if (tracks[i].shown) last = static_cast<int>(i);
  int at = 0;
  for (int i = 0; i <= last; ++i) {
    if (!tracks[static_cast<size_t>(i)].shown) {
      spans[static_cast<size_t>(i)].start = at;
      continue;
    }
    const int left = std::max(0, length - at);
    int size = i == last ? left : std::min(tracks[static_cast<size_t>(i)].ideal, left);
    if (i != last && size < tracks[static_cast<size_t>(i)].minimum) size = 0;
    spans[static_cast<size_t>(i)] = TrackSpan{at, std::max(0, size)};
    // A squeezed-out track takes no bar of its own after it.
    at += size + (i == last || size == 0 ? 0 : bar);
  }
  return spans;
}

}  // namespace win

namespace {

bool Contains(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

bool CSplitterWnd::CreateStatic(HWND parent, int rows, int columns, DWORD style, UINT id) {
  if (rows < 1 || columns < 1 || rows > 16 || columns > 16) return false;
  rows_.assign(static_cast<size_t>(rows), {});
  columns_.assign(static_cast<size_t>(columns), {});
  panes_.assign(static_cast<size_t>(rows * columns), nullptr);
  const RECT area = parent != nullptr ? parent->GetClientRect() : RECT{0, 0, 100, 100};
  return Create({}, style | WS_CHILD, area, parent, id);
}

UINT CSplitterWnd::IdFromRowCol(int row, int column) const {
  return kFirstPaneId + static_cast<UINT>(row * 16 + column);
}

bool CSplitterWnd::ValidCell(int row, int column) const {
  return row >= 0 && column >= 0 && row < rows() && column < columns();
}

void CSplitterWnd::SetPane(int row, int column, CWnd* pane) {
  if (!ValidCell(row, column)) return;
  panes_[static_cast<size_t>(row * columns() + column)] = pane;
  RecalcLayout();
}

CWnd* CSplitterWnd::GetPane(int row, int column) const {
  return ValidCell(row, column) ? panes_[static_cast<size_t>(row * columns() + column)] : nullptr;
}

bool CSplitterWnd::IsChildPane(const CWnd* pane, int* row, int* column) const {
  for (int r = 0; r < rows(); ++r)
    for (int c = 0; c < columns(); ++c)
      if (pane != nullptr && GetPane(r, c) == pane) {
        if (row != nullptr) *row = r;
        if (column != nullptr) *column = c;
        return true;
      }
  return false;
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum) {
  if (row < 0 || row >= rows()) return;
  rows_[static_cast<size_t>(row)].ideal = std::max(0, ideal);
  rows_[static_cast<size_t>(row)].minimum = std::max(0, minimum);
}

void CSplitterWnd::SetColumnInfo(int column, int ideal, int minimum) {
  if (column < 0 || column >= columns()) return;
  columns_[static_cast<size_t>(column)].ideal = std::max(0, ideal);
  columns_[static_cast<size_t>(column)].minimum = std::max(0, minimum);
}

void CSplitterWnd::GetRowInfo(int row, int* current, int* minimum) const {
  if (row < 0 || row >= rows()) return;
  if (current != nullptr) *current = RowSpans()[static_cast<size_t>(row)].size;
  if (minimum != nullptr) *minimum = rows_[static_cast<size_t>(row)].minimum;
}

void CSplitterWnd::GetColumnInfo(int column, int* current, int* minimum) const {
  if (column < 0 || column >= columns()) return;
  if (current != nullptr) *current = ColumnSpans()[static_cast<size_t>(column)].size;
  if (minimum != nullptr) *minimum = columns_[static_cast<size_t>(column)].minimum;
}

void CSplitterWnd::ShowRow(int row, bool show) {
  if (row < 0 || row >= rows()) return;
  rows_[static_cast<size_t>(row)].shown = show;
  RecalcLayout();
}

void CSplitterWnd::ShowColumn(int column, bool show) {
  if (column < 0 || column >= columns()) return;
  columns_[static_cast<size_t>(column)].shown = show;
  RecalcLayout();
}

bool CSplitterWnd::IsRowShown(int row) const {
  return row >= 0 && row < rows() && rows_[static_cast<size_t>(row)].shown;
}

bool CSplitterWnd::IsColumnShown(int column) const {
  return column >= 0 && column < columns() && columns_[static_cast<size_t>(column)].shown;
}

std::vector<win::TrackSpan> CSplitterWnd::RowSpans() const {
  const int length = GetClientRect().bottom;
  if (!keepLastRow_) return win::LayOutTracks(rows_, length, kBarSize);
  // The first shown row gets what the others' ideal heights and their bars leave.
  std::vector<win::SplitTrack> tracks = rows_;
  int first = -1;
  int others = 0;
  for (size_t i = 0; i < tracks.size(); ++i) {
    if (!tracks[i].shown) continue;
    if (first < 0)
      first = static_cast<int>(i);
    else
      others += tracks[i].ideal + kBarSize;
  }
  if (first >= 0) tracks[static_cast<size_t>(first)].ideal = std::max(0, length - others);
  return win::LayOutTracks(tracks, length, kBarSize);
}

void CSplitterWnd::KeepLastRow(bool keep) {
  keepLastRow_ = keep;
}

std::vector<win::TrackSpan> CSplitterWnd::ColumnSpans() const {
  return win::LayOutTracks(columns_, GetClientRect().right, kBarSize);
}

RECT CSplitterWnd::CellRect(int row, int column) const {
  if (!ValidCell(row, column)) return {};
  const win::TrackSpan r = RowSpans()[static_cast<size_t>(row)];
  const win::TrackSpan c = ColumnSpans()[static_cast<size_t>(column)];
  return RECT{c.start, r.start, c.start + c.size, r.start + r.size};
}

// A pane shows when its row and column are shown and have room; it sits below its caption.
void CSplitterWnd::RecalcLayout() {
  if (!IsWindow(this)) return;
  for (int r = 0; r < rows(); ++r) {
    for (int c = 0; c < columns(); ++c) {
      CWnd* pane = GetPane(r, c);
      if (pane == nullptr || !IsWindow(pane)) continue;
      const RECT cell = CellRect(r, c);
      const int top = std::min(cell.bottom, cell.top + CaptionHeight(r, c));
      const bool visible = IsRowShown(r) && IsColumnShown(c) && cell.right > cell.left;
      pane->MoveWindow(cell.left, top, cell.right - cell.left, cell.bottom - top, true);
      pane->ShowWindow(visible ? SW_SHOW : SW_HIDE);
    }
  }
  Invalidate();
}

CWnd* CSplitterWnd::PaneAt(POINT point) const {
  for (int r = 0; r < rows(); ++r)
    for (int c = 0; c < columns(); ++c)
      if (IsRowShown(r) && IsColumnShown(c) && Contains(CellRect(r, c), point))
        return GetPane(r, c);
  return nullptr;
}

// The bar under a point: the one that ends a shown row or column which another follows.
CSplitterWnd::Drag CSplitterWnd::BarAt(POINT point) const {
  const auto barAfter = [](const std::vector<win::SplitTrack>& tracks,
                           const std::vector<win::TrackSpan>& spans, int at) {
    int previous = -1;
    for (size_t i = 0; i < tracks.size(); ++i) {
      if (!tracks[i].shown) continue;
      if (previous >= 0) {
        const int end =
            spans[static_cast<size_t>(previous)].start + spans[static_cast<size_t>(previous)].size;
        if (at >= end && at < spans[i].start) return previous;
      }
      previous = static_cast<int>(i);
    }
    return -1;
  };
  const int column = barAfter(columns_, ColumnSpans(), point.x);
  if (column >= 0) return Drag{true, column};
  return Drag{false, barAfter(rows_, RowSpans(), point.y)};
}

void CSplitterWnd::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {
  RecalcLayout();
}

void CSplitterWnd::OnPaint() {
  CPaintDC dc(this);
  PaintBars(dc);
}

COLORREF CSplitterWnd::BarColour() const {
  return GetSysColor(COLOR_BTNFACE);
}

void CSplitterWnd::PaintBars(CDC& dc) {
  dc.FillSolidRect(GetClientRect(), BarColour());
  for (int r = 0; r < rows(); ++r)
    for (int c = 0; c < columns(); ++c) {
      const int height = CaptionHeight(r, c);
      if (height <= 0 || !IsRowShown(r) || !IsColumnShown(c)) continue;
      RECT caption = CellRect(r, c);
      caption.bottom = std::min(caption.bottom, caption.top + height);
      PaintCaption(dc, caption, r, c);
    }
}

void CSplitterWnd::OnLButtonDown(POINT point) {
  drag_ = BarAt(point);
}

void CSplitterWnd::OnMouseMove(POINT point) {
  if (drag_.track < 0) return;
  const std::vector<win::TrackSpan> spans = drag_.vertical ? ColumnSpans() : RowSpans();
  const int start = spans[static_cast<size_t>(drag_.track)].start;
  const int ideal = std::max(0, (drag_.vertical ? point.x : point.y) - start);
  if (!drag_.vertical && keepLastRow_) {
    // The bar moves the border of the row below it, which keeps its height.
    const size_t below = static_cast<size_t>(drag_.track) + 1;
    if (below < rows_.size())
      rows_[below].ideal = std::max(0, GetClientRect().bottom - point.y - kBarSize);
    RecalcLayout();
    return;
  }
  if (drag_.vertical)
    columns_[static_cast<size_t>(drag_.track)].ideal = ideal;
  else
    rows_[static_cast<size_t>(drag_.track)].ideal = ideal;
  RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(POINT point) {
  OnMouseMove(point);
  drag_ = Drag{};
}
