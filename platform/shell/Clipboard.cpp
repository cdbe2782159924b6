#include "platform/shell/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/shell/FileListData.h"

namespace {

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
  const std::optional<QList<QUrl>> urls = shell::UrlsOf(paths);
  if (!urls) return 0;
  clipboard->setMimeData(shell::FileListData(*urls, dropEffect));
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
  return FilesOf(clipboard != nullptr ? clipboard->mimeData() : nullptr);
}

}  // namespace shell
