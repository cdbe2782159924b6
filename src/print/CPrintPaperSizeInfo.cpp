#include "print/CPrintPaperSizeInfo.h"

void CPrintPaperSizeInfo::Measure(const printsys::DeviceMetrics& d) {
  device_ = d;
  sheetWidth_ = sheetHeight_ = 0;
  printable_ = RECT{};
  unprintable_ = RECT{};
  if (d.printablePixelsX == 0 || d.printablePixelsY == 0) return;
  sheetWidth_ = d.physicalPixelsX * d.printableMmX * 10 / d.printablePixelsX;
  sheetHeight_ = d.physicalPixelsY * d.printableMmY * 10 / d.printablePixelsY;
  // The offsets round up, so that nothing is placed where the printer cannot print.
  const int32_t offsetX =
      (d.printablePixelsX - 1 + d.offsetPixelsX * d.printableMmX * 10) / d.printablePixelsX;
  const int32_t offsetY =
      (d.printablePixelsY - 1 + d.offsetPixelsY * d.printableMmY * 10) / d.printablePixelsY;
  printable_ = RECT{offsetX, offsetY, offsetX + d.printableMmX * 10, offsetY + d.printableMmY * 10};
  unprintable_ =
      RECT{offsetX, offsetY, sheetWidth_ - printable_.right, sheetHeight_ - printable_.bottom};
}

int32_t CPrintPaperSizeInfo::TextHeight(int32_t tenthsOfPoint) const {
  if (device_.printablePixelsY == 0) return 0;
  return device_.dpiY * tenthsOfPoint / 720 * device_.printableMmY * 10 / device_.printablePixelsY;
}
