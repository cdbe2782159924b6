// The easy print panel below the views: photos placed on the pages of a print style. Until
// printing is available on this desktop the panel stays hidden and holds nothing, so no
// photo is placed in its layout and there is nothing to print.
#pragma once

#include "platform/win/Wnd.h"

class CPhotoItem;

class CHarboPhotoPrintView : public CWnd {
 public:
  bool Create(HWND parent, UINT id);

  // Whether printing is available at all (a print system with a printer or a file printer).
  static bool PrintingAvailable() { return false; }
  // Whether the photo is placed in the print layout (delete and rename refuse such photos).
  bool IsPlaced(const CPhotoItem* record) const;
  bool HasSomethingToPrint() const { return false; }
  // Lays the preview out again for the panel's size.
  void Relayout() { Invalidate(); }
};
