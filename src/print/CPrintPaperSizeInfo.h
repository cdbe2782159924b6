// The printer's page as its device reports it (resolution, printable area and sheet in
// pixels and millimetres), and what the layout needs from it in 0.1 mm: the sheet, the
// printable rectangle, the unprintable margins, and the height of text of a point size.
#pragma once

#include <cstdint>

#include "platform/print/PrintSystem.h"

class CPrintPaperSizeInfo {
 public:
  CPrintPaperSizeInfo() = default;
  virtual ~CPrintPaperSizeInfo() = default;

  // Takes the device's metrics and derives the rest.
  void Measure(const printsys::DeviceMetrics& device);
  // The height of text of that many tenths of a point, in 0.1 mm; 0 without a page.
  int32_t TextHeight(int32_t tenthsOfPoint) const;

  const printsys::DeviceMetrics& device() const { return device_; }
  int32_t sheetWidth() const { return sheetWidth_; }
  int32_t sheetHeight() const { return sheetHeight_; }
  const RECT& printable() const { return printable_; }
  // The unprintable margins: left, top, right, bottom.
  const RECT& unprintable() const { return unprintable_; }

 private:
  printsys::DeviceMetrics device_;
  int32_t sheetWidth_ = 0;
  int32_t sheetHeight_ = 0;
  RECT printable_{};
  RECT unprintable_{};
};
