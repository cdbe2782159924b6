// The printer side of printing: the printers and the current one, the current printer's
// papers and the one selected, orientation, copies and the page range, the printer setup
// dialog, and the print job that draws its pages under a small window with Cancel.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/print/PrintSystem.h"

class CDC;
class CDlgPrinting;

class CPrintInfoEx {
 public:
  CPrintInfoEx() = default;
  virtual ~CPrintInfoEx() = default;

  // Reads the printers (the current one being the print system's default) and its papers;
  // 0, with the reason shown when asked for, when either cannot be had.
  int ReadPrinters(bool showMessages);
  // Reads the current printer's papers; the selected one is the settings' paper, else the
  // first. 0 without papers or without a current printer.
  int ReadPapers();
  // Puts a style's paper into the settings: the paper of that number, for the postcard
  // (43) one of 100 x 148 mm under any number, else the printer's default paper, else the
  // selected one. Answers the number put in.
  int16_t SelectPaper(int16_t number, bool remember);

  void SetOrientation(bool portrait) { settings_.portrait = portrait; }
  bool IsPortrait() const { return settings_.portrait; }
  int16_t copies() const { return settings_.copies; }
  void SetCopies(int copies);

  struct PageRange {
    uint16_t from = 1;
    uint16_t to = 1;
    uint16_t minimum = 1;
    uint16_t maximum = 1;
  };
  const PageRange& range() const { return range_; }
  void SetRange(const PageRange& range) { range_ = range; }
  // The pages a job prints: the smaller end first, both within minimum ... maximum.
  PageRange NormalisedRange() const;

  // The setup dialog; when the user chose another printer its papers are read again. 1
  // when the settings changed.
  int PrinterSetup(HWND owner);

  const std::vector<Cp932String>& printers() const { return printers_; }
  int currentPrinter() const { return current_; }
  // Makes the printer of that name the current one and reads its papers; 0 for an unknown
  // name.
  int SelectPrinter(const Cp932String& name);
  Cp932String printerName() const { return settings_.printer; }
  Cp932String portName() const { return printsys::PortOf(settings_.printer); }
  const std::vector<printsys::Paper>& papers() const { return papers_; }
  int selectedPaper() const { return selectedPaper_; }
  int16_t defaultPaper() const { return defaultPaper_; }
  const printsys::Settings& settings() const { return settings_; }
  // Where the file printer writes its document.
  void SetOutputFile(const Cp932String& path) { settings_.outputFile = path; }

  // Stand-ins for a printer's papers (tests of paper selection).
  void SetPapersForTest(std::vector<printsys::Paper> papers, int16_t defaultPaper);

  int pimSwitch() const { return pimSwitch_; }
  void SetPimSwitch(int on) { pimSwitch_ = on != 0 ? 1 : 0; }

  // A page of a job: its number (from 1), the number of pages of the document, and where
  // the sheet and its printable area are, in 0.1 mm from the sheet's corner.
  struct Page {
    int number = 1;
    int count = 1;
    SIZE sheet{};
    RECT printable{};
    int dpi = 300;
  };
  using PageDrawer = std::function<void(CDC& dc, const Page& page)>;
  enum class JobOutcome { kPrinted, kCancelled, kRefused, kFailed };
  // Prints the pages of the range, each drawn by the drawer, under the progress window;
  // the document is called "Quarn Port". Refused when the suite has an operation that
  // excludes printing, failed when the printer does not take the document.
  JobOutcome RunJob(int pageCount, const PageDrawer& draw, HWND owner);
  // The progress window of the job under way, or null.
  CDlgPrinting* progressWindow() const { return progress_; }

 private:
  void SelectPaperIndex(int index);
  int FindPaper(int16_t number) const;

  std::vector<Cp932String> printers_;
  int current_ = -1;
  printsys::Settings settings_;
  std::vector<printsys::Paper> papers_;
  int selectedPaper_ = -1;
  int16_t defaultPaper_ = printsys::kPaperA4;
  PageRange range_;
  int pimSwitch_ = 0;
  CDlgPrinting* progress_ = nullptr;
};
