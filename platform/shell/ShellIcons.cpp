#include "platform/shell/ShellIcons.h"

#include <unistd.h>

#include <QByteArray>
#include <QIcon>
#include <QMimeDatabase>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <map>
#include <vector>

#include "platform/fileio/FileIo.h"
#include "platform/gdi/CDCBridge.h"
#include "platform/shell/ShellIconsQt.h"

namespace shell {
namespace {

// The icon theme installed with the desktop; the offscreen platform names none itself.
constexpr const char* kThemeName = "Adwaita";
constexpr const char* kGenericIcon = "text-x-generic";

// The system image list: the icon names of each index, and the index of each name. The
// icons themselves are made when first drawn, since a process without a window system
// (the command-line tool) may ask for indexes but can draw none.
struct Entry {
  QStringList names;
  QIcon icon;
  bool resolved = false;
};

struct ImageList {
  std::vector<Entry> entries;
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

// The first icon the theme has among the names, else the generic one, else a drawn page.
QIcon Resolve(const QStringList& names) {
  EnsureTheme();
  for (const QString& name : names)
    if (!name.isEmpty() && QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
  if (QIcon::hasThemeIcon(kGenericIcon)) return QIcon::fromTheme(kGenericIcon);
  return DrawnFallback();
}

int IndexOf(const QMimeType& type) {
  ImageList& list = List();
  const QString key = type.iconName();
  const auto it = list.byName.find(key);
  if (it != list.byName.end()) return it->second;
  list.entries.push_back({{type.iconName(), type.genericIconName()}, {}, false});
  const int index = static_cast<int>(list.entries.size()) - 1;
  list.byName.emplace(key, index);
  return index;
}

// The type database looks this far into a file for the content's signature.
constexpr qsizetype kTypeSignatureBytes = 16 * 1024;

// The first bytes of a plain file, read through the file layer so that anything else (a
// named pipe would block the type database's own open or read) has no icon.
bool ReadHead(const Cp932String& path, QByteArray* head) {
  const int fd = fileio::OpenFileForReading(path);
  if (fd < 0) return false;
  head->resize(kTypeSignatureBytes);
  qsizetype got = 0;
  while (got < head->size()) {
    const ssize_t n = read(fd, head->data() + got, static_cast<size_t>(head->size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += n;
  }
  close(fd);
  head->truncate(got);
  return true;
}

}  // namespace

int StandardIconSize() {
  return kStandardIconSize;
}

int FileIconIndex(const Cp932String& path) {
  if (path.empty()) return -1;
  const auto disk = fileio::ToDiskPath(path);
  if (!disk) return -1;
  QByteArray head;
  if (!ReadHead(path, &head)) return -1;
  static QMimeDatabase database;
  return IndexOf(database.mimeTypeForFileNameAndData(QString::fromStdString(*disk), head));
}

int FileIconIndexOfName(const Cp932String& name) {
  if (name.empty()) return -1;
  const auto disk = fileio::ToDiskPath(name);
  if (!disk) return -1;
  static QMimeDatabase database;
  return IndexOf(
      database.mimeTypeForFile(QString::fromStdString(*disk), QMimeDatabase::MatchExtension));
}

QIcon IconOfIndex(int index) {
  ImageList& list = List();
  if (index < 0 || index >= static_cast<int>(list.entries.size())) return {};
  Entry& entry = list.entries[static_cast<size_t>(index)];
  if (!entry.resolved) entry.icon = Resolve(entry.names), entry.resolved = true;
  return entry.icon;
}

bool DrawIcon(CDC& dc, int index, int x, int y, int size) {
  QPainter* p = gdi::PainterOf(dc);
  const QIcon icon = IconOfIndex(index);
  if (icon.isNull() || p == nullptr) return false;
  icon.paint(p, QRect(x, y, size, size));
  return true;
}

}  // namespace shell
