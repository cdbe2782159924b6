#include "ui/CSplitWndEx.h"

#include "ui/CDrawObject.h"
#include "ui/Skin.h"

COLORREF CSplitWndEx::BarColour() const {
  return skin::Draw().GetColor(skin::kCtrlBorder);
}
