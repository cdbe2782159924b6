// Every other format the toolkit's image readers know (GIF, TIFF, WebP and so on), and the
// compressed bitmap variants.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <climits>

#include "platform/imaging/ImagingInternal.h"

namespace imaging::detail {
namespace {

// The image as read (at most 4 bytes a pixel for the formats read here) and its 32-bit copy.
constexpr size_t kDecodedBytesPerPixel = 8;

// A read-only device over the bytes, without copying them.
struct ReaderOver {
  QByteArray bytes;
  QBuffer buffer;
  QImageReader reader;

  ReaderOver(const uint8_t* data, size_t size)
      : bytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                      static_cast<qsizetype>(size))),
        buffer(&bytes) {
    buffer.open(QIODevice::ReadOnly);
    reader.setDevice(&buffer);
    reader.setAutoTransform(false);
  }
};

int BitsOf(QImage::Format format) {
  switch (format) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
      return 8;
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA64:
      return 32;
    default:
      return 24;
  }
}

}  // namespace

int OtherHeader(const uint8_t* data, size_t size, Header* header) {
  ReaderOver r(data, size);
  if (!r.reader.canRead()) return kErrorFormat;
  const QSize s = r.reader.size();
  if (!s.isValid()) return kErrorFormat;
  header->format = kFormatOther;
  header->width = s.width();
  header->height = s.height();
  header->bitsPerPixel = BitsOf(r.reader.imageFormat());
  return kSuccess;
}

// The toolkit decodes at the picture's own size and then converts it to 32 bits; both
// images are charged while they live, and the reader is told to allocate no more than is
// left under the bound, in case it learns the size only while reading.
int OtherDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap) {
  ReaderOver r(data, size);
  const QSize s = r.reader.size();
  if (s.isValid() && !WithinLimits(s.width(), s.height())) return kErrorTooLarge;
  const size_t pixels = s.isValid() ? static_cast<size_t>(s.width()) * s.height() : 0;
  const Reservation decoded(pixels * kDecodedBytesPerPixel);
  r.reader.setAllocationLimit(
      static_cast<int>(std::clamp<size_t>(PixelBytesLeft() >> 20, 1, INT_MAX)));
  QImage image;
  if (!r.reader.read(&image) || image.isNull()) return kErrorCorrupt;
  if (!WithinLimits(image.width(), image.height())) return kErrorTooLarge;
  image.convertTo(QImage::Format_ARGB32);
  if (image.isNull() || image.format() != QImage::Format_ARGB32) return kErrorNoMemory;
  const Canvas source{image.bits(), image.width(), image.height(),
                      static_cast<size_t>(image.bytesPerLine())};
  FlattenOverWhite(source);
  PlaceIntoHandle(source, bitmap);
  return kSuccess;
}

}  // namespace imaging::detail
