#include "platform/gdi/Icons.h"

#include <map>
#include <memory>
#include <tuple>

#include "platform/gdi/IconsQt.h"

namespace {

using IconKey = std::tuple<int, int, int>;

std::map<IconKey, std::unique_ptr<gdi::Icon>>& LoadedIcons() {
  static std::map<IconKey, std::unique_ptr<gdi::Icon>> icons;
  return icons;
}

QImage Picture(int resource, int width, int height) {
  const QImage source(QStringLiteral(":/icons/%1.png").arg(resource));
  if (source.isNull()) return {};
  const QImage sized =
      source.size() == QSize(width, height)
          ? source
          : source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return sized.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

HICON LoadIconResource(int resource, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const IconKey key{resource, width, height};
  auto& icons = LoadedIcons();
  if (const auto it = icons.find(key); it != icons.end()) return it->second.get();
  QImage picture = Picture(resource, width, height);
  if (picture.isNull()) return nullptr;
  auto icon = std::make_unique<gdi::Icon>();
  icon->image = std::move(picture);
  return icons.emplace(key, std::move(icon)).first->second.get();
}

namespace gdi {

const QImage* ImageOfIcon(HICON icon) {
  if (icon == nullptr) return nullptr;
  for (const auto& [key, loaded] : LoadedIcons())
    if (loaded.get() == icon) return &icon->image;
  return nullptr;
}

}  // namespace gdi
