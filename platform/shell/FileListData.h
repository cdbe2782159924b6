// The file list that the clipboard and drags carry, in the forms the desktop's file
// managers read: "text/uri-list", "x-special/gnome-copied-files" with the effect, KDE's cut
// mark, and the paths as plain text. Platform-internal: it speaks the toolkit's types.
#pragma once

#include <QList>
#include <QMimeData>
#include <QUrl>
#include <optional>
#include <vector>

#include "platform/shell/Clipboard.h"

namespace shell {

// The files' addresses; nullopt when a path has no disk form.
std::optional<QList<QUrl>> UrlsOf(const std::vector<Cp932String>& paths);
// A new block with the list in every form (the caller or the toolkit owns it).
QMimeData* FileListData(const QList<QUrl>& urls, DWORD dropEffect);
// The local files of a block and the effect it asks for; nullopt when it holds no addresses.
std::optional<ClipboardFiles> FilesOf(const QMimeData* data);

}  // namespace shell
