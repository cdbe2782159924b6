#include "platform/print/PrintSystem.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cmath>

#include "platform/fileio/FileIo.h"
#include "platform/gdi/CDCBridge.h"
#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

namespace printsys {
namespace {

SetupResponder g_setupResponder;

constexpr double kTenthsPerInch = 254.0;
// The file printer's photos are made at this resolution, as for a good photo printer.
constexpr int kFileResolution = 300;

int32_t Tenths(double millimetres) {
  return static_cast<int32_t>(std::lround(millimetres * 10.0));
}

Paper PaperOf(const QPageSize& size) {
  const QSizeF mm = size.size(QPageSize::Millimeter);
  return Paper{QtText::ToCp932Lossy(size.name()), static_cast<int16_t>(size.windowsId()),
               Tenths(mm.width()), Tenths(mm.height())};
}

// The sheets offered by a printer that names none, and by the file printer.
std::vector<Paper> CommonPapers() {
  std::vector<Paper> papers;
  for (QPageSize::PageSizeId id :
       {QPageSize::A4, QPageSize::A5, QPageSize::JisB5, QPageSize::Letter, QPageSize::Postcard})
    papers.push_back(PaperOf(QPageSize(id)));
  return papers;
}

std::optional<QPrinterInfo> QueueNamed(const Cp932String& printer) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(QtText::FromCp932(printer));
  if (info.isNull()) return std::nullopt;
  return info;
}

QPageSize PageSizeOf(int16_t number) {
  const QPageSize::PageSizeId id = QPageSize::id(number);
  return QPageSize(id == QPageSize::Custom ? QPageSize::A4 : id);
}

}  // namespace

Cp932String FilePrinterName() {
  return cp932::Lit("PDFファイルに保存");
}

bool IsFilePrinter(const Cp932String& printer) {
  return printer == FilePrinterName();
}

std::vector<Cp932String> Printers() {
  std::vector<Cp932String> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    if (std::optional<Cp932String> converted = QtText::ToCp932(name)) names.push_back(*converted);
  names.push_back(FilePrinterName());
  return names;
}

Settings DefaultSettings() {
  Settings settings;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  const std::optional<Cp932String> name = QtText::ToCp932(info.printerName());
  if (info.isNull() || !name) {
    settings.printer = FilePrinterName();
    return settings;
  }
  settings.printer = *name;
  const QPageSize size = info.defaultPageSize();
  if (size.isValid() && size.windowsId() > 0)
    settings.paperSize = static_cast<int16_t>(size.windowsId());
  return settings;
}

std::optional<std::vector<Paper>> Papers(const Cp932String& printer) {
  if (IsFilePrinter(printer)) return CommonPapers();
  const std::optional<QPrinterInfo> info = QueueNamed(printer);
  if (!info) return std::nullopt;
  std::vector<Paper> papers;
  for (const QPageSize& size : info->supportedPageSizes())
    if (size.isValid()) papers.push_back(PaperOf(size));
  return papers.empty() ? CommonPapers() : papers;
}

Cp932String PortOf(const Cp932String& printer) {
  if (IsFilePrinter(printer)) return "FILE:";
  const std::optional<QPrinterInfo> info = QueueNamed(printer);
  const QString location = info ? info->location() : QString();
  return location.isEmpty() ? Cp932String("CUPS") : QtText::ToCp932Lossy(location);
}

DeviceMetrics MeasurePage(const Settings& settings) {
  QPrinter printer(QPrinter::HighResolution);
  if (IsFilePrinter(settings.printer)) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(kFileResolution);
  } else {
    if (!QueueNamed(settings.printer)) return {};
    printer.setPrinterName(QtText::FromCp932(settings.printer));
  }
  printer.setPageSize(PageSizeOf(settings.paperSize));
  printer.setPageOrientation(settings.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
  const QPageLayout layout = printer.pageLayout();
  const int dpi = printer.resolution();
  const QRect paint = layout.paintRectPixels(dpi);
  const QRect full = layout.fullRectPixels(dpi);
  const QRectF paintMm = layout.paintRect(QPageLayout::Millimeter);
  DeviceMetrics m;
  m.dpiX = m.dpiY = dpi;
  m.printableMmX = static_cast<int32_t>(std::lround(paintMm.width()));
  m.printableMmY = static_cast<int32_t>(std::lround(paintMm.height()));
  m.printablePixelsX = paint.width();
  m.printablePixelsY = paint.height();
  m.physicalPixelsX = full.width();
  m.physicalPixelsY = full.height();
  m.offsetPixelsX = paint.left();
  m.offsetPixelsY = paint.top();
  return m;
}

void SetSetupResponderForTest(SetupResponder responder) {
  g_setupResponder = std::move(responder);
}

// The toolkit's print dialog chooses the printer, the paper and the orientation; the file
// printer stays chosen when the user keeps the dialog's PDF choice.
std::optional<Settings> RunSetupDialog(const Settings& current, HWND owner) {
  if (g_setupResponder) return g_setupResponder(current);
  QPrinter printer(QPrinter::HighResolution);
  if (!IsFilePrinter(current.printer)) printer.setPrinterName(QtText::FromCp932(current.printer));
  printer.setPageSize(PageSizeOf(current.paperSize));
  printer.setPageOrientation(current.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
  QPrintDialog dialog(&printer, owner != nullptr ? owner->widget() : nullptr);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  Settings chosen = current;
  const std::optional<Cp932String> name = QtText::ToCp932(printer.printerName());
  chosen.printer = printer.outputFormat() == QPrinter::PdfFormat || !name || name->empty()
                       ? FilePrinterName()
                       : *name;
  const int number = printer.pageLayout().pageSize().windowsId();
  if (number > 0) chosen.paperSize = static_cast<int16_t>(number);
  chosen.portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
  return chosen;
}

struct Job::Impl {
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  std::unique_ptr<CDC> dc;
  std::unique_ptr<QTemporaryFile> temporary;
  Cp932String outputFile;
  int pages = 0;
  bool started = false;

  double TenthsPerPixel() const { return kTenthsPerInch / printer.resolution(); }
  RECT ToTenths(const QRect& pixels) const {
    const double k = TenthsPerPixel();
    const auto at = [k](int pixels) { return static_cast<LONG>(std::lround(pixels * k)); };
    return RECT{at(pixels.left()), at(pixels.top()), at(pixels.left() + pixels.width()),
                at(pixels.top() + pixels.height())};
  }
  void PreparePage() {
    painter.resetTransform();
    const double scale = 1.0 / TenthsPerPixel();
    painter.scale(scale, scale);
    const RECT sheet = ToTenths(printer.pageLayout().fullRectPixels(printer.resolution()));
    dc = gdi::WrapPainter(&painter, QSize(sheet.right, sheet.bottom));
  }
};

Job::Job() : impl_(std::make_unique<Impl>()) {}

Job::~Job() {
  if (impl_->started) Abort();
}

bool Job::Start(const Settings& settings, const Cp932String& documentName, Cp932String* error) {
  QPrinter& printer = impl_->printer;
  if (IsFilePrinter(settings.printer)) {
    impl_->temporary = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/harbo-print-XXXXXX");
    if (settings.outputFile.empty() || !impl_->temporary->open()) {
      if (error != nullptr) *error = cp932::Lit("出力するファイルを作れません。");
      return false;
    }
    impl_->temporary->close();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(impl_->temporary->fileName());
    printer.setResolution(kFileResolution);
    impl_->outputFile = settings.outputFile;
  } else {
    printer.setPrinterName(QtText::FromCp932(settings.printer));
  }
  printer.setDocName(QtText::FromCp932(documentName));
  printer.setFullPage(true);
  printer.setPageSize(PageSizeOf(settings.paperSize));
  printer.setPageOrientation(settings.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
  printer.setCopyCount(std::max<int>(1, settings.copies));
  if (!impl_->painter.begin(&printer)) {
    if (error != nullptr) *error = cp932::Lit("プリンタに出力を始められません。");
    return false;
  }
  impl_->started = true;
  return true;
}

bool Job::StartPage() {
  if (!impl_->started) return false;
  if (impl_->pages > 0 && !impl_->printer.newPage()) return false;
  ++impl_->pages;
  impl_->PreparePage();
  return true;
}

CDC* Job::dc() {
  return impl_->dc.get();
}

bool Job::EndPage() {
  impl_->dc.reset();
  return impl_->started;
}

void Job::Abort() {
  impl_->dc.reset();
  if (!impl_->started) return;
  impl_->started = false;
  impl_->printer.abort();
  if (impl_->painter.isActive()) impl_->painter.end();
  impl_->temporary.reset();
}

bool Job::End() {
  impl_->dc.reset();
  if (!impl_->started) return false;
  impl_->started = false;
  if (!impl_->painter.end()) return false;
  if (impl_->temporary == nullptr) return true;
  // The file printer's document goes to its place whole.
  const std::optional<std::string> bytes =
      fileio::ReadFile(QtText::ToCp932Lossy(impl_->temporary->fileName()));
  impl_->temporary.reset();
  return bytes.has_value() && fileio::WriteFileAtomic(impl_->outputFile, *bytes);
}

SIZE Job::sheet() const {
  const RECT r =
      impl_->ToTenths(impl_->printer.pageLayout().fullRectPixels(impl_->printer.resolution()));
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT Job::printable() const {
  return impl_->ToTenths(impl_->printer.pageLayout().paintRectPixels(impl_->printer.resolution()));
}

int Job::resolution() const {
  return impl_->printer.resolution();
}

int Job::pagesStarted() const {
  return impl_->pages;
}

}  // namespace printsys
