// The list of photos that the send and export dialogs offer: the photos selected in the
// view first (they start ticked), then the others. A tick is the photo's selection mark;
// Space ticks or unticks the highlighted rows, a double click one row, Ctrl+A highlights
// every row; the headers sort by name or by date (a second click turns the order round);
// a click on a row's tick box ticks or unticks it; unticked rows are grey. The dialog shows the
// focused photo's thumbnail beside the list.
#pragma once

#include <functional>

#include "images/CImageItems.h"
#include "platform/win/ListCtrl.h"

class CDC;

class TickedPhotoList {
 public:
  explicit TickedPhotoList(CImageItems& view) : view_(view) {}

  // The thumbnails beside the list are this many pixels, without captions.
  void SetThumbnailSize(int pixels);
  // Fills the dialog's list (its name and date columns made, the first row focused);
  // ticksChanged hears of every tick changed from the list.
  void Fill(CListCtrl* list, std::function<void()> ticksChanged);
  // Answers a notification of the list; the dialog is repainted when the focus moves.
  LRESULT OnNotify(NMHDR* header, CWnd* dialog);
  // Draws the focused photo's thumbnail with its cell's corner at the point.
  void PaintFocused(CDC& dc, POINT at);

  const CImageItems& shown() const { return shown_; }
  CImageItem* ItemAt(int row) const;
  void Toggle(int row);
  void ToggleHighlighted();
  void HighlightAll();
  void SortByColumn(int column);
  static Cp932String CellText(const CImageItem& item, int column);

 private:
  bool OnTickBox(const NMITEMACTIVATE& click) const;

  CImageItems& view_;
  CImageItems shown_{false};
  CListCtrl* list_ = nullptr;
  std::function<void()> ticksChanged_;
  int sortColumn_ = -1;
  bool sortAscending_ = true;
};
