// A static splitter window: a grid of rows and columns, each cell holding one pane window
// that is a child of the splitter. Each row and column has an ideal size and a minimum; the
// last shown row (column) takes what is left. A row or column can be hidden, and the bars
// between shown ones can be dragged with the mouse to change the ideal size before them.
#pragma once

#include <vector>

#include "platform/win/Wnd.h"

class CDC;

namespace win {

// One row or column along an axis.
struct SplitTrack {
  int ideal = 0;
  int minimum = 0;
  bool shown = true;
};

// Where a track lies along the axis: its start and size (0 when hidden or squeezed out).
struct TrackSpan {
  int start = 0;
  int size = 0;
};

// Lays the tracks out over the length with a bar between shown tracks. Each shown track
// but the last takes its ideal size, no more than is left; one that gets less than its
// minimum gets nothing. The last shown track takes the rest.
std::vector<TrackSpan> LayOutTracks(const std::vector<SplitTrack>& tracks, int length, int bar);

}  // namespace win

class CSplitterWnd : public CWnd {
 public:
  // The child id of the pane of row 0, column 0; others follow by row * 16 + column.
  static constexpr UINT kFirstPaneId = 0xE900;
  static constexpr int kBarSize = 4;

  // Makes the splitter as a child of the parent with that many rows and columns.
  bool CreateStatic(HWND parent, int rows, int columns, DWORD style = WS_CHILD | WS_VISIBLE,
                    UINT id = kFirstPaneId);
  UINT IdFromRowCol(int row, int column) const;
  int rows() const { return static_cast<int>(rows_.size()); }
  int columns() const { return static_cast<int>(columns_.size()); }

  // Places a pane (a window already created as a child of the splitter) in a cell.
  void SetPane(int row, int column, CWnd* pane);
  CWnd* GetPane(int row, int column) const;
  // The cell of a pane, or false when it is none of this splitter's.
  bool IsChildPane(const CWnd* pane, int* row, int* column) const;

  void SetRowInfo(int row, int ideal, int minimum);
  void SetColumnInfo(int column, int ideal, int minimum);
  // The current size of a row or column (0 when hidden) and its minimum.
  void GetRowInfo(int row, int* current, int* minimum) const;
  void GetColumnInfo(int column, int* current, int* minimum) const;
  // Whether the rows after the first keep their ideal heights when the splitter is resized,
  // the first row taking the rest (a bar's drag then sets the height of the row below it).
  // Otherwise the last shown row takes the rest.
  void KeepLastRow(bool keep);
  void ShowRow(int row, bool show);
  void ShowColumn(int column, bool show);
  bool IsRowShown(int row) const;
  bool IsColumnShown(int column) const;

  // Places every pane again for the splitter's size.
  virtual void RecalcLayout();
  // The rectangle of a cell in the splitter's client area (its caption included).
  RECT CellRect(int row, int column) const;
  // The pane under a point of the splitter's client area, or null.
  CWnd* PaneAt(POINT point) const;

 protected:
  // The height a caption takes at the top of a cell; the pane is placed below it.
  virtual int CaptionHeight(int /*row*/, int /*column*/) const { return 0; }
  // Paints the splitter's own parts: the bars and, through PaintCaption, the captions.
  void PaintBars(CDC& dc);
  // The colour of the bars (the splitter's background where no pane covers it).
  virtual COLORREF BarColour() const;
  virtual void PaintCaption(CDC& /*dc*/, const RECT& /*caption*/, int /*row*/, int /*column*/) {}

  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint() override;
  void OnLButtonDown(POINT point) override;
  void OnMouseMove(POINT point) override;
  void OnLButtonUp(POINT point) override;

 private:
  struct Drag {
    bool vertical = false;  // a bar between columns
    int track = -1;         // the row or column before the bar
  };

  bool ValidCell(int row, int column) const;
  Drag BarAt(POINT point) const;
  std::vector<win::TrackSpan> RowSpans() const;
  std::vector<win::TrackSpan> ColumnSpans() const;

  std::vector<win::SplitTrack> rows_;
  std::vector<win::SplitTrack> columns_;
  bool keepLastRow_ = false;
  std::vector<CWnd*> panes_;
  Drag drag_;
};
