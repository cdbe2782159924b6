// The photos the image benchmarks read: generated once with realistic entropy (smooth
// gradients, sensor-like noise and sharp edges), written as JPEG at quality 90 and kept
// in a temporary folder between runs.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <filesystem>
#include <string>
#include <vector>

namespace benchphotos {

inline QImage Generate(int width, int height, uint32_t seed) {
  QImage image(width, height, QImage::Format_RGB32);
  QRandomGenerator random(seed);
  const int phase = static_cast<int>(seed % 97);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint32_t n = random.generate();
      const int noise = static_cast<int>(n & 15) - 8;
      const int r = (x * 200 / width + phase + noise) & 255;
      const int g = (y * 180 / height + 30 + static_cast<int>((n >> 4) & 7)) & 255;
      const int b = ((x + y) * 120 / (width + height) + 60 - noise) & 255;
      row[x] = qRgb(r, g, b);
    }
  }
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 12; ++i) {
    p.setBrush(QColor::fromHsv(static_cast<int>((seed * 37 + i * 53) % 360), 160, 200));
    p.setPen(QPen(Qt::black, width / 400 + 1));
    const int cx = static_cast<int>(random.bounded(width)),
              cy = static_cast<int>(random.bounded(height));
    p.drawEllipse(QPoint(cx, cy), width / 12, height / 10);
  }
  return image;
}

// 100 photos of 4000 x 3000 and 100 of 1600 x 1200, made when missing.
inline std::vector<std::string> Photos() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "harbo-bench-photos-v1";
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < 200; ++i) {
    const bool large = i < 100;
    const std::string path =
        (folder / ((large ? "large_" : "small_") + std::to_string(i) + ".jpg")).string();
    if (!std::filesystem::exists(path))
      Generate(large ? 4000 : 1600, large ? 3000 : 1200, static_cast<uint32_t>(i + 1))
          .save(QString::fromStdString(path), "JPEG", 90);
    paths.push_back(path);
  }
  return paths;
}

}  // namespace benchphotos
