#include "platform/gdi/Icons.h"

#include <map>
#include <memory>
#include <tuple>

#include "platform/gdi/IconsQt.h"

namespace {

// Resource, width and height; strip images use their index for the width and -1 for the
// height, so that they never meet an icon of the same resource.
using IconKey = std::tuple<int, int, int>;

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
  return KeptIcon({resource, width, height}, [&] { return Picture(resource, width, height); });
}

HICON LoadStripImage(int resource, int index) {
  if (index < 0) return nullptr;
  return KeptIcon({resource, index, -1}, [&] { return StripImage(resource, index); });
}

namespace gdi {

const QImage* ImageOfIcon(HICON icon) {
  if (icon == nullptr) return nullptr;
  for (const auto& [key, loaded] : LoadedIcons())
    if (loaded.get() == icon) return &icon->image;
  return nullptr;
}

}  // namespace gdi
