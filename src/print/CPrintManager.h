// Ties printing together for the album: the user's styles, the printer and its papers, the
// measured page, the label sheets; lays a style out on the printer's page and prints pages
// of placed photos with it.
#pragma once

#include <vector>

#include "print/CPrintFormatSealList.h"
#include "print/CPrintFormats.h"
#include "print/CPrintInfoEx.h"
#include "print/CPrintPaperSizeInfo.h"
#include "print/PrintPageTemplate.h"
#include "print/PrintRenderer.h"

class CPrintManager {
 public:
  CPrintManager() = default;
  virtual ~CPrintManager() = default;
  CPrintManager(const CPrintManager&) = delete;
  CPrintManager& operator=(const CPrintManager&) = delete;

  // Reads the printers and the styles (restoring the built-in set when there are none),
  // applies the current style to the printer and measures its page. 0 when there is no
  // printer information or no style ("システムエラー" is shown then).
  int Start(bool showMessages = true);
  bool initialized() const { return initialized_; }

  CPrintFormats& formats() { return formats_; }
  CPrintInfoEx& printer() { return printer_; }
  const CPrintPaperSizeInfo& metrics() const { return metrics_; }
  const CPrintFormatSealList& seals() const { return seals_; }
  int32_t paperWidth() const { return paperWidth_; }
  int32_t paperHeight() const { return paperHeight_; }

  // Makes the style current when it is one of the list's, puts its paper and orientation
  // into the printer settings and measures the page again.
  void SelectStyle(CPrintFormat& style);
  // Measures the printer's page with the present settings.
  void Measure();
  void LayOut(CPrintFormat& style, PrintPageTemplate& out) const;

  // Prints the pages (the photos placed on each) with the style; the page range and copies
  // are the printer's. The style is selected first.
  CPrintInfoEx::JobOutcome Print(CPrintFormat& style,
                                 const std::vector<std::vector<printrender::PlacedPhoto>>& pages,
                                 POINT fineAdjust, HWND owner);

 private:
  bool initialized_ = false;
  CPrintFormats formats_;
  CPrintInfoEx printer_;
  CPrintPaperSizeInfo metrics_;
  int32_t paperWidth_ = 0;
  int32_t paperHeight_ = 0;
  CPrintFormatSealList seals_;
};
