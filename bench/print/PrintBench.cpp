// Printing's speed and size: ten pages of an index sheet of 12-megapixel photos made into a
// PDF at 300 dpi, against decoding the same photos at their printed size and encoding each
// as JPEG (as the PDF holds them) in the same run; and the PDF's size against the sum of
// those JPEGs. Processor time of this thread.
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "bench/BenchAlbum.h"
#include "bench/BenchTiming.h"
#include "bench/images/BenchPhotos.h"
#include "host/CHarboPhotoApp.h"
#include "images/CLBitmap.h"
#include "platform/fileio/FileIo.h"
#include "platform/imaging/Imaging.h"
#include "print/CPrintManager.h"

namespace {

using bench::CpuSeconds;

constexpr int kPages = 10;
constexpr int kJpegQuality = 94;  // the quality the PDF writer stores photos at

// Decoding a photo at the size the page shows it, then encoding that as JPEG.
size_t DecodeAndEncode(const std::string& path, int width, int height) {
  CLBitmap picture;
  picture.Load(path, width, height, nullptr, true);
  const imaging::BitmapHandle* bitmap = picture.bitmap();
  if (bitmap == nullptr) return 0;
  const QImage image(bitmap->pixels, bitmap->width, bitmap->height, bitmap->width * 4,
                     QImage::Format_RGB32);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", kJpegQuality);
  return static_cast<size_t>(buffer.size());
}

}  // namespace

int RunPrintBench() {
  const std::vector<std::string> photos = benchphotos::Photos();
  benchalbum::TempAlbum album("/tmp/harbo-print-bench-XXXXXX");
  TheApp().OpenUserAlbum();
  CPhotoManager& library = *TheApp().library();
  CPrintManager manager;
  if (!manager.Start(false)) return 1;
  manager.printer().SelectPrinter(printsys::FilePrinterName());
  const std::string pdf = album.root + "/index.pdf";
  manager.printer().SetOutputFile(pdf);
  CPrintFormat style = *manager.formats().Get(0);
  manager.SelectStyle(style);
  PrintPageTemplate layout;
  manager.LayOut(style, layout);
  const int cells = static_cast<int>(layout.cells.size());
  std::vector<std::vector<printrender::PlacedPhoto>> pages(kPages);
  for (int i = 0; i < kPages * cells; ++i) {
    const std::string& path = photos[static_cast<size_t>(i % 100)];
    CPhotoItem* record = library.AddFile(4, path, 2027, 5, 3, 12, 0, 0, 0);
    pages[static_cast<size_t>(i / cells)].push_back({i % cells, record});
  }
  manager.printer().SetRange({1, kPages, 1, kPages});

  const double start = CpuSeconds();
  manager.Print(style, pages, POINT{}, nullptr);
  const double printing = CpuSeconds() - start;
  const uint64_t pdfBytes = fileio::FileSize(pdf).value_or(0);

  // The photos fit their boxes whole (the style's choice): 4000 x 3000 in the box.
  const SIZE box = layout.cells[0].photo;
  const double scale = std::min(box.cx / 4000.0, box.cy / 3000.0);
  const int width = static_cast<int>(4000 * scale * 300 / 254 + 0.5);
  const int height = static_cast<int>(3000 * scale * 300 / 254 + 0.5);
  size_t jpegBytes = 0;
  const double referenceStart = CpuSeconds();
  for (int i = 0; i < kPages * cells; ++i)
    jpegBytes += DecodeAndEncode(photos[static_cast<size_t>(i % 100)], width, height);
  const double reference = CpuSeconds() - referenceStart;

  std::printf("index sheet, %d pages of %d photos of 4000 x 3000 at 300 dpi (%d x %d each):\n",
              kPages, cells, width, height);
  std::printf(
      "  into PDF %.2f s against decode at printed size + JPEG encode %.2f s: %.2fx "
      "(goal <= 1.5x)\n",
      printing, reference, printing / reference);
  std::printf("  PDF %.1f MB against the JPEGs' %.1f MB: %.2fx (goal <= 1.1x)\n", pdfBytes / 1e6,
              jpegBytes / 1e6, static_cast<double>(pdfBytes) / static_cast<double>(jpegBytes));
  return 0;
}
