// The album's splitter windows: bars painted with the drawing resources instead of the
// system grey, and caption bars for whichever cells the splitter gives captions.
#pragma once

#include "platform/win/SplitterWnd.h"

class CSplitWndEx : public CSplitterWnd {
 protected:
  COLORREF BarColour() const override;
};
