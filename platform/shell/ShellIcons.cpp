#include "platform/shell/ShellIcons.h"

#include <QIcon>
#include <QMimeDatabase>
#include <QPainter>
#include <QString>
#include <map>
#include <vector>

#include "platform/fileio/FileIo.h"
#include "platform/gdi/CDCBridge.h"

namespace shell {
namespace {

// The icon theme installed with the desktop; the offscreen platform names none itself.
constexpr const char* kThemeName = "Adwaita";
constexpr const char* kGenericIcon = "text-x-generic";

// The system image list: icons by index, and the index of each icon name.
struct ImageList {
  std::vector<QIcon> icons;
  std::map<QString, int> byName;
};

ImageList& List() {
  static ImageList list;
  return list;
}

void EnsureTheme() {
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor")
    QIcon::setThemeName(kThemeName);
}

// A plain page with a folded corner, drawn when not even the generic icon can be found.
QIcon DrawnFallback() {
  QImage page(kStandardIconSize, kStandardIconSize, QImage::Format_ARGB32);
  page.fill(Qt::transparent);
  QPainter p(&page);
  p.setPen(QColor(90, 90, 90));
  p.setBrush(Qt::white);
  const QPoint outline[] = {{6, 2}, {20, 2}, {26, 8}, {26, 29}, {6, 29}};
  p.drawPolygon(outline, 5);
  p.drawLine(20, 2, 20, 8);
  p.drawLine(20, 8, 26, 8);
  p.end();
  return QIcon(QPixmap::fromImage(page));
}

// The first icon the theme has among the type's names, else the generic one.
std::pair<QString, QIcon> IconForType(const QMimeType& type) {
  EnsureTheme();
  for (const QString& name : {type.iconName(), type.genericIconName()}) {
    if (!name.isEmpty() && QIcon::hasThemeIcon(name)) return {name, QIcon::fromTheme(name)};
  }
  if (QIcon::hasThemeIcon(kGenericIcon)) return {kGenericIcon, QIcon::fromTheme(kGenericIcon)};
  return {QStringLiteral("harbo-drawn-file"), DrawnFallback()};
}

int IndexOf(const QString& name, const QIcon& icon) {
  ImageList& list = List();
  const auto it = list.byName.find(name);
  if (it != list.byName.end()) return it->second;
  list.icons.push_back(icon);
  const int index = static_cast<int>(list.icons.size()) - 1;
  list.byName.emplace(name, index);
  return index;
}

}  // namespace

int StandardIconSize() {
  return kStandardIconSize;
}

int FileIconIndex(const Cp932String& path) {
  if (path.empty()) return -1;
  const auto disk = fileio::ToDiskPath(path);
  if (!disk || !fileio::IsFile(path)) return -1;
  static QMimeDatabase database;
  const QMimeType type = database.mimeTypeForFile(QString::fromStdString(*disk));
  const auto [name, icon] = IconForType(type);
  return IndexOf(name, icon);
}

bool DrawIcon(CDC& dc, int index, int x, int y) {
  const ImageList& list = List();
  QPainter* p = gdi::PainterOf(dc);
  if (index < 0 || index >= static_cast<int>(list.icons.size()) || p == nullptr) return false;
  list.icons[index].paint(p, QRect(x, y, kStandardIconSize, kStandardIconSize));
  return true;
}

}  // namespace shell
