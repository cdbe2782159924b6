#include "platform/gdi/Icons.h"

#include <map>
#include <memory>
#include <tuple>

#include "platform/gdi/IconsQt.h"

namespace {

// What was cut from which resource: the kind (whole picture, strip image, cell), the
// resource and the kind's numbers (size; index; cell rectangle).
enum class Cut { kWhole, kStrip, kCell };
using IconKey = std::tuple<Cut, int, int, int, int, int>;

std::map<IconKey, std::unique_ptr<gdi::Icon>>& LoadedIcons() {
  static std::map<IconKey, std::unique_ptr<gdi::Icon>> icons;
  return icons;
}

QImage Source(int resource) {
  return QImage(QStringLiteral(":/icons/%1.png").arg(resource));
}

QImage Picture(int resource, int width, int height) {
  const QImage source = Source(resource);
  if (source.isNull()) return {};
  const QImage sized =
      source.size() == QSize(width, height)
          ? source
          : source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return sized.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage StripImage(int resource, int index) {
  const QImage source = Source(resource);
  const int side = source.height();
  if (source.isNull() || side <= 0 || index >= source.width() / side) return {};
  return source.copy(index * side, 0, side, side)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Cell(int resource, int x, int y, int width, int height) {
  const QImage source = Source(resource);
  if (source.isNull() || !source.rect().contains(QRect(x, y, width, height))) return {};
  return source.copy(x, y, width, height).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The icon kept under the key, made by the maker the first time; null when it makes none.
template <class Maker>
HICON KeptIcon(const IconKey& key, Maker make) {
  auto& icons = LoadedIcons();
  if (const auto it = icons.find(key); it != icons.end()) return it->second.get();
  QImage picture = make();
  if (picture.isNull()) return nullptr;
  auto icon = std::make_unique<gdi::Icon>();
  icon->image = std::move(picture);
  return icons.emplace(key, std::move(icon)).first->second.get();
}

}  // namespace

HICON LoadIconResource(int resource, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  return KeptIcon({Cut::kWhole, resource, width, height, 0, 0},
                  [&] { return Picture(resource, width, height); });
}

HICON LoadStripImage(int resource, int index) {
  if (index < 0) return nullptr;
  return KeptIcon({Cut::kStrip, resource, index, 0, 0, 0},
                  [&] { return StripImage(resource, index); });
}

HICON LoadBitmapCell(int resource, int x, int y, int width, int height) {
  if (x < 0 || y < 0 || width <= 0 || height <= 0) return nullptr;
  return KeptIcon({Cut::kCell, resource, x, y, width, height},
                  [&] { return Cell(resource, x, y, width, height); });
}

namespace gdi {

const QImage* ImageOfIcon(HICON icon) {
  if (icon == nullptr) return nullptr;
  for (const auto& [key, loaded] : LoadedIcons())
    if (loaded.get() == icon) return &icon->image;
  return nullptr;
}

}  // namespace gdi
