// The splitter of the views above the easy print panel (two rows, one column). A cell given
// a caption text shows a caption bar above its pane, in the caption colours of an active
// or an inactive window and the caption font.
#pragma once

#include <map>
#include <utility>

#include "ui/CSplitWndEx.h"

class CSplitWndExCaptionForOrp : public CSplitWndEx {
  HARBO_DECLARE_MESSAGE_MAP(CSplitWndExCaptionForOrp)

 public:
  static constexpr int kCaptionHeight = 21;

  // Sets the cell's caption; empty removes the bar. The pane moves below it.
  void SetCaption(int row, int column, const Cp932String& text);
  Cp932String GetCaption(int row, int column) const;

 protected:
  int CaptionHeight(int row, int column) const override;
  void PaintCaption(CDC& dc, const RECT& caption, int row, int column) override;

 private:
  // WM_ACTIVATE: the captions change colour with the window's activation.
  LRESULT OnActivate(WPARAM w, LPARAM l);

  std::map<std::pair<int, int>, Cp932String> captions_;
};
