#include "print/CPrintManager.h"

#include "host/CCDialogExPh.h"
#include "print/CalendarEventTable.h"
#include "print/PrintLayout.h"

int CPrintManager::Start(bool showMessages) {
  if (!printer_.ReadPrinters(showMessages)) return 0;
  if (!formats_.LoadList() || formats_.current() == nullptr) {
    CPrintFormats::WriteBuiltIn();
    if (!formats_.LoadList() || formats_.current() == nullptr) {
      if (showMessages) AlbumMessageBox(cp932::Lit("システムエラー"), MB_ICONEXCLAMATION);
      return 0;
    }
  }
  initialized_ = true;
  SelectStyle(*formats_.current());
  return 1;
}

void CPrintManager::SelectStyle(CPrintFormat& style) {
  for (int i = 0; i < formats_.count(); ++i)
    if (formats_.Get(i) == &style) formats_.SetCurrent(i);
  printer_.SelectPaper(static_cast<int16_t>(style.paper.sizeId), true);
  printer_.SetOrientation(style.paper.vLine != 0);
  Measure();
}

void CPrintManager::Measure() {
  metrics_.Measure(printsys::MeasurePage(printer_.settings()));
  const int index = printer_.selectedPaper();
  if (index < 0 || index >= static_cast<int>(printer_.papers().size())) {
    paperWidth_ = paperHeight_ = 0;
    return;
  }
  const printsys::Paper& paper = printer_.papers()[static_cast<size_t>(index)];
  paperWidth_ = paper.width;
  paperHeight_ = paper.height;
}

void CPrintManager::LayOut(CPrintFormat& style, PrintPageTemplate& out) const {
  printlayout::LayOut(style, metrics_, PrintYearMonth::Now(), out);
}

CPrintInfoEx::JobOutcome CPrintManager::Print(
    CPrintFormat& style, const std::vector<std::vector<printrender::PlacedPhoto>>& pages,
    POINT fineAdjust, HWND owner) {
  SelectStyle(style);
  PrintPageTemplate layout;
  LayOut(style, layout);
  CalendarEventTable events;
  events.Load();
  printrender::PageInfo info;
  info.time = printrender::Now();
  info.fineAdjust = fineAdjust;
  info.events = &events;
  const int count = std::max<int>(1, static_cast<int>(pages.size()));
  return printer_.RunJob(
      count,
      [&](CDC& dc, const CPrintInfoEx::Page& page) {
        info.number = page.number;
        info.count = page.count;
        info.dpi = page.dpi;
        static const std::vector<printrender::PlacedPhoto> kNone;
        const auto index = static_cast<size_t>(page.number - 1);
        printrender::DrawPage(dc, page.printable, style, layout, metrics_,
                              index < pages.size() ? pages[index] : kNone, info);
      },
      owner);
}
