#include "print/CPrintInfoEx.h"

#include <algorithm>

#include "host/CCDialogExPh.h"
#include "host/SuiteRegistry.h"
#include "print/CDlgPrinting.h"

namespace {

using cp932::Lit;

constexpr char kDocumentName[] = "Quarn Port";
// A print job is registered as the album's modal work, keeping the machine awake: its
// progress window holds the album until the job ends.
constexpr int32_t kKindPrint = suite::kKindModalDialog;

bool IsPostcardSized(const printsys::Paper& paper) {
  return paper.width >= 990 && paper.width <= 1010 && paper.height >= 1470 && paper.height <= 1490;
}

void Tell(bool show, const char* utf8) {
  if (show) AlbumMessageBox(Lit(utf8), MB_ICONEXCLAMATION);
}

}  // namespace

int CPrintInfoEx::ReadPrinters(bool showMessages) {
  const printsys::Settings defaults = printsys::DefaultSettings();
  if (defaults.printer.empty()) {
    Tell(showMessages, "現在のプリンタの情報が取得できません。");
    return 0;
  }
  printers_ = printsys::Printers();
  if (printers_.empty()) {
    Tell(showMessages, "プリンタ一覧の情報が取得できません。");
    return 0;
  }
  const Cp932String keptFile = settings_.outputFile;
  settings_ = defaults;
  settings_.outputFile = keptFile;
  const auto found = std::find(printers_.begin(), printers_.end(), settings_.printer);
  current_ = found == printers_.end() ? 0 : static_cast<int>(found - printers_.begin());
  settings_.printer = printers_[static_cast<size_t>(current_)];
  if (!ReadPapers()) {
    Tell(showMessages, "用紙サイズの情報が取得できないため、印刷を行なうことはできません。");
    return 0;
  }
  SetCopies(settings_.copies);
  defaultPaper_ = settings_.paperSize;
  return 1;
}

int CPrintInfoEx::ReadPapers() {
  papers_.clear();
  selectedPaper_ = -1;
  if (current_ < 0) return 0;
  std::optional<std::vector<printsys::Paper>> papers = printsys::Papers(settings_.printer);
  if (!papers || papers->empty()) return 0;
  papers_ = std::move(*papers);
  const int selected = FindPaper(settings_.paperSize);
  SelectPaperIndex(selected >= 0 ? selected : 0);
  return 1;
}

int CPrintInfoEx::SelectPrinter(const Cp932String& name) {
  const auto found = std::find(printers_.begin(), printers_.end(), name);
  if (found == printers_.end()) return 0;
  current_ = static_cast<int>(found - printers_.begin());
  settings_.printer = name;
  return ReadPapers();
}

void CPrintInfoEx::SetPapersForTest(std::vector<printsys::Paper> papers, int16_t defaultPaper) {
  papers_ = std::move(papers);
  defaultPaper_ = defaultPaper;
  selectedPaper_ = papers_.empty() ? -1 : 0;
}

int CPrintInfoEx::FindPaper(int16_t number) const {
  for (size_t i = 0; i < papers_.size(); ++i)
    if (papers_[i].number == number) return static_cast<int>(i);
  return -1;
}

void CPrintInfoEx::SelectPaperIndex(int index) {
  selectedPaper_ = index;
  settings_.paperSize = papers_[static_cast<size_t>(index)].number;
}

int16_t CPrintInfoEx::SelectPaper(int16_t number, bool remember) {
  if (papers_.empty()) return defaultPaper_;
  int index = FindPaper(number);
  if (index < 0 && number == printsys::kPaperPostcard) {
    const auto postcard = std::find_if(papers_.begin(), papers_.end(), IsPostcardSized);
    if (postcard != papers_.end()) index = static_cast<int>(postcard - papers_.begin());
  }
  if (index < 0) index = FindPaper(defaultPaper_);
  if (index < 0)
    index = selectedPaper_ >= 0 && selectedPaper_ < static_cast<int>(papers_.size())
                ? selectedPaper_
                : 0;
  const int16_t chosen = papers_[static_cast<size_t>(index)].number;
  settings_.paperSize = chosen;
  if (remember) selectedPaper_ = index;
  return chosen;
}

void CPrintInfoEx::SetCopies(int copies) {
  settings_.copies = static_cast<int16_t>(std::clamp(copies, 1, 9999));
}

CPrintInfoEx::PageRange CPrintInfoEx::NormalisedRange() const {
  PageRange r = range_;
  if (r.maximum < r.minimum) r.maximum = r.minimum;
  const uint16_t low = std::min(r.from, r.to);
  const uint16_t high = std::max(r.from, r.to);
  r.from = std::clamp(low, r.minimum, r.maximum);
  r.to = std::clamp(high, r.minimum, r.maximum);
  return r;
}

int CPrintInfoEx::PrinterSetup(HWND owner) {
  const std::optional<printsys::Settings> chosen = printsys::RunSetupDialog(settings_, owner);
  if (!chosen || *chosen == settings_) return 0;
  const bool otherPrinter = chosen->printer != settings_.printer;
  settings_ = *chosen;
  if (otherPrinter) {
    const auto found = std::find(printers_.begin(), printers_.end(), settings_.printer);
    if (found == printers_.end()) printers_ = printsys::Printers();
    SelectPrinter(settings_.printer);
  } else {
    const int index = FindPaper(settings_.paperSize);
    if (index >= 0) selectedPaper_ = index;
  }
  return 1;
}

CPrintInfoEx::JobOutcome CPrintInfoEx::RunJob(int pageCount, const PageDrawer& draw, HWND owner) {
  if (!suite::BeginOperation(suite::kAlbumModule, kKindPrint, 1, 0, 0)) return JobOutcome::kRefused;
  PageRange range = range_;
  range.minimum = 1;
  range.maximum = static_cast<uint16_t>(std::max(1, pageCount));
  const CPrintInfoEx::PageRange pages = [&] {
    CPrintInfoEx copy = *this;
    copy.range_ = range;
    return copy.NormalisedRange();
  }();
  CDlgPrinting progress;
  progress.Create(owner, Lit(kDocumentName) + "\r\n" + printerName() + "\r\n" + portName());
  progress_ = &progress;
  printsys::Job job;
  Cp932String error;
  JobOutcome outcome = JobOutcome::kPrinted;
  if (!job.Start(settings_, Lit(kDocumentName), &error)) {
    progress.Destroy();
    progress_ = nullptr;
    AlbumMessageBox(error, MB_ICONEXCLAMATION);
    suite::EndOperation(suite::kAlbumModule, kKindPrint, 0);
    return JobOutcome::kFailed;
  }
  for (int number = pages.from; number <= pages.to; ++number) {
    if (!job.StartPage()) {
      outcome = JobOutcome::kFailed;
      break;
    }
    const Page page{number, pageCount, job.sheet(), job.printable(), job.resolution()};
    if (CDC* dc = job.dc()) draw(*dc, page);
    if (!job.EndPage()) {
      outcome = JobOutcome::kFailed;
      break;
    }
    if (progress.Cancelled()) {
      outcome = JobOutcome::kCancelled;
      break;
    }
  }
  if (outcome == JobOutcome::kPrinted) {
    if (!job.End()) outcome = JobOutcome::kFailed;
  } else {
    job.Abort();
  }
  progress.Destroy();
  progress_ = nullptr;
  suite::EndOperation(suite::kAlbumModule, kKindPrint, 0);
  return outcome;
}
