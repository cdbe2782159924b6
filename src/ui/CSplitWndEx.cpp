#include "ui/CSplitWndEx.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

// The bars show where no pane covers the splitter; captions are painted over their cells.
void CSplitWndEx::PaintBars(CDC& dc) {
  dc.FillSolidRect(GetClientRect(), skin::Draw().GetColor(skin::kCtrlBorder));
  for (int r = 0; r < rows(); ++r)
    for (int c = 0; c < columns(); ++c) {
      const int height = CaptionHeight(r, c);
      if (height <= 0 || !IsRowShown(r) || !IsColumnShown(c)) continue;
      RECT caption = CellRect(r, c);
      caption.bottom = std::min(caption.bottom, caption.top + height);
      PaintCaption(dc, caption, r, c);
    }
}
