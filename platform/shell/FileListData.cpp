#include "platform/shell/FileListData.h"

#include "platform/fileio/FileIo.h"

namespace shell {

namespace {

constexpr const char* kGnomeCopiedFiles = "x-special/gnome-copied-files";
// Where the file managers of KDE look for the effect of a file list.
constexpr const char* kKdeCutSelection = "application/x-kde-cutselection";

DWORD EffectOf(const QMimeData& data) {
  if (data.hasFormat(kGnomeCopiedFiles))
    return data.data(kGnomeCopiedFiles).startsWith("cut") ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  if (data.hasFormat(kKdeCutSelection))
    return data.data(kKdeCutSelection) == "1" ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  return DROPEFFECT_COPY;
}

}  // namespace

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

std::optional<ClipboardFiles> FilesOf(const QMimeData* data) {
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
