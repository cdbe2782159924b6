// The desktop's print system as the album sees it: the printers (the print system's queues
// and, always last, a printer that writes a PDF file, so that a user without a printer can
// still make the pages), each printer's papers with the numbers of the system's paper
// table (1 Letter, 9 A4, 43 the Japanese postcard, ...) and their sizes, the default
// printer, the printer setup dialog, and print jobs whose pages are drawn through a device
// context in units of 0.1 mm from the sheet's corner.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

namespace printsys {

constexpr int16_t kPaperLetter = 1;
constexpr int16_t kPaperA4 = 9;
constexpr int16_t kPaperPostcard = 43;

struct Paper {
  Cp932String name;
  int16_t number = 0;
  int32_t width = 0;  // 0.1 mm, portrait
  int32_t height = 0;
};

// What a job is printed with: the printer and its paper, orientation and copies; for the
// file printer the file written.
struct Settings {
  Cp932String printer;
  int16_t paperSize = kPaperA4;
  bool portrait = true;
  int16_t copies = 1;
  Cp932String outputFile;
  bool operator==(const Settings&) const = default;
};

// The name of the printer that writes a PDF file.
Cp932String FilePrinterName();
bool IsFilePrinter(const Cp932String& printer);

// The printers' names, the file printer last.
std::vector<Cp932String> Printers();
// The default printer (the file printer when the print system has none) with its default
// paper.
Settings DefaultSettings();
// The papers a printer offers; nothing when the printer is unknown. A printer that names
// none (a queue without a driver) offers the common sheets.
std::optional<std::vector<Paper>> Papers(const Cp932String& printer);
// Where the printer's jobs go: the print system's device, or "FILE:".
Cp932String PortOf(const Cp932String& printer);

// A page of a printer as its device reports it: resolution, the printable area in
// millimetres and pixels, the whole sheet in pixels, and where the printable area starts.
struct DeviceMetrics {
  int32_t dpiX = 0;
  int32_t dpiY = 0;
  int32_t printableMmX = 0;
  int32_t printableMmY = 0;
  int32_t printablePixelsX = 0;
  int32_t printablePixelsY = 0;
  int32_t physicalPixelsX = 0;
  int32_t physicalPixelsY = 0;
  int32_t offsetPixelsX = 0;
  int32_t offsetPixelsY = 0;
};
// The metrics of the printer's page with the paper and orientation of the settings;
// zeros for an unknown printer.
DeviceMetrics MeasurePage(const Settings& settings);

// The printer setup dialog (printer, paper, orientation) on a copy of the settings;
// nothing when the user cancels. Tests answer it with a responder.
using SetupResponder = std::function<std::optional<Settings>(const Settings& shown)>;
void SetSetupResponderForTest(SetupResponder responder);
std::optional<Settings> RunSetupDialog(const Settings& current, HWND owner);

// One print job. The document starts on the first page; each page is drawn through dc()
// in 0.1 mm from the sheet's corner. A file printer's file appears whole when the job ends,
// and not at all when it is aborted.
class Job {
 public:
  Job();
  ~Job();
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  // Starts the document; false, with the reason in error, when the printer refuses.
  bool Start(const Settings& settings, const Cp932String& documentName, Cp932String* error);
  bool StartPage();
  // The current page's device context, or null outside a page.
  CDC* dc();
  bool EndPage();
  void Abort();
  // Ends the document; false when the output could not be written.
  bool End();

  // The sheet in 0.1 mm as printed (turned for landscape), and the printable area in it.
  SIZE sheet() const;
  RECT printable() const;
  int pagesStarted() const;
  // The device's dots per inch: the printer's own, 300 for the file printer.
  int resolution() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace printsys
