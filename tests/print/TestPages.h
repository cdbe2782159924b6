// Measured pages for print tests, at 254 dots per inch so that a pixel is 0.1 mm: a sheet
// of the size given whose printable area starts the same distance in on every side.
#pragma once

#include "print/CPrintPaperSizeInfo.h"

inline CPrintPaperSizeInfo TestPage(int32_t sheetW, int32_t sheetH, int32_t inset) {
  printsys::DeviceMetrics m;
  m.dpiX = m.dpiY = 254;
  m.printablePixelsX = sheetW - 2 * inset;
  m.printablePixelsY = sheetH - 2 * inset;
  m.printableMmX = m.printablePixelsX / 10;
  m.printableMmY = m.printablePixelsY / 10;
  m.physicalPixelsX = sheetW;
  m.physicalPixelsY = sheetH;
  m.offsetPixelsX = m.offsetPixelsY = inset;
  CPrintPaperSizeInfo page;
  page.Measure(m);
  return page;
}

// A4 (2100 x 2970) printable from 5 mm in: 50, 50 to 2050, 2920.
inline CPrintPaperSizeInfo A4Page() {
  return TestPage(2100, 2970, 50);
}
