#include "platform/shell/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "platform/fileio/FileIo.h"

namespace {

constexpr const char* kUriList = "text/uri-list";
constexpr const char* kGnomeCopiedFiles = "x-special/gnome-copied-files";
// Where the file managers of KDE look for the effect of a file list.
constexpr const char* kKdeCutSelection = "application/x-kde-cutselection";

// The clipboard is held by one owner at a time, from open to close.
struct ClipboardState {
  bool open = false;
};

ClipboardState& State() {
  static ClipboardState state;
  return state;
}

QClipboard* SystemClipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
             ? QGuiApplication::clipboard()
             : nullptr;
}

std::optional<QList<QUrl>> UrlsOf(const std::vector<Cp932String>& paths) {
  QList<QUrl> urls;
  for (const Cp932String& path : paths) {
    const std::optional<std::string> disk = fileio::ToDiskPath(path);
    if (!disk) return std::nullopt;
    urls.push_back(QUrl::fromLocalFile(QString::fromStdString(*disk)));
  }
  return urls;
}

QMimeData* FileListData(const QList<QUrl>& urls, DWORD dropEffect) {
  auto* data = new QMimeData();
  data->setUrls(urls);
  const bool move = dropEffect == DROPEFFECT_MOVE;
  QByteArray gnome = move ? "cut" : "copy";
  QStringList lines;
  for (const QUrl& url : urls) {
    gnome += "\n" + url.toEncoded();
    lines.push_back(url.toLocalFile());
  }
  data->setData(kGnomeCopiedFiles, gnome);
  data->setData(kKdeCutSelection, move ? "1" : "0");
  data->setText(lines.join('\n'));
  return data;
}

DWORD EffectOf(const QMimeData& data) {
  if (data.hasFormat(kGnomeCopiedFiles))
    return data.data(kGnomeCopiedFiles).startsWith("cut") ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  if (data.hasFormat(kKdeCutSelection))
    return data.data(kKdeCutSelection) == "1" ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  return DROPEFFECT_COPY;
}

}  // namespace

BOOL OpenClipboard(HWND /*owner*/) {
  if (SystemClipboard() == nullptr || State().open) return 0;
  State().open = true;
  return 1;
}

BOOL EmptyClipboard() {
  QClipboard* clipboard = SystemClipboard();
  if (clipboard == nullptr || !State().open) return 0;
  clipboard->clear();
  return 1;
}

BOOL SetClipboardFiles(const std::vector<Cp932String>& paths, DWORD dropEffect) {
  QClipboard* clipboard = SystemClipboard();
  if (clipboard == nullptr || !State().open || paths.empty()) return 0;
  const std::optional<QList<QUrl>> urls = UrlsOf(paths);
  if (!urls) return 0;
  clipboard->setMimeData(FileListData(*urls, dropEffect));
  return 1;
}

BOOL CloseClipboard() {
  if (!State().open) return 0;
  State().open = false;
  return 1;
}

namespace shell {

std::optional<ClipboardFiles> ReadClipboardFiles() {
  QClipboard* clipboard = SystemClipboard();
  const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  ClipboardFiles files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const std::optional<Cp932String> path = fileio::FromDiskPath(url.toLocalFile().toStdString());
    if (path) files.paths.push_back(*path);
  }
  files.dropEffect = EffectOf(*data);
  return files;
}

}  // namespace shell
