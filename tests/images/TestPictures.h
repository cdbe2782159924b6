// Pictures made for the tests: gradients with noise and edges written through the
// toolkit's own writers, so that the album's decoders read files they did not write.
#pragma once

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <string>

namespace testpictures {

// A picture with smooth gradients, a sharp-edged block and some noise.
inline QImage Photo(int width, int height, uint32_t seed = 7) {
  QImage image(width, height, QImage::Format_RGB32);
  QRandomGenerator random(seed);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int n = static_cast<int>(random.bounded(24));
      row[x] = qRgb((x * 255 / width + n) & 255, (y * 255 / height + n) & 255, (128 + n) & 255);
    }
  }
  QPainter p(&image);
  p.fillRect(width / 4, height / 4, width / 3, height / 3, QColor(20, 200, 60));
  return image;
}

inline QImage Solid(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

inline bool Write(const QImage& image, const std::string& path, const char* format,
                  int quality = 90) {
  return image.save(QString::fromStdString(path), format, quality);
}

inline std::string Bytes(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = f.readAll();
  return std::string(data.constData(), static_cast<size_t>(data.size()));
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  QFile f(QString::fromStdString(path));
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A JPEG whose frame header claims another size (a decompression bomb when large).
inline std::string WithFrameSize(std::string jpeg, int width, int height) {
  for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
    const auto m = static_cast<uint8_t>(jpeg[i + 1]);
    if (static_cast<uint8_t>(jpeg[i]) == 0xFF && (m == 0xC0 || m == 0xC2)) {
      jpeg[i + 5] = static_cast<char>(height >> 8), jpeg[i + 6] = static_cast<char>(height & 0xFF);
      jpeg[i + 7] = static_cast<char>(width >> 8), jpeg[i + 8] = static_cast<char>(width & 0xFF);
      break;
    }
  }
  return jpeg;
}

}  // namespace testpictures
