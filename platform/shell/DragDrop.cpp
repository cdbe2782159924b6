#include "platform/shell/DragDrop.h"

#include <QDrag>
#include <memory>

#include "platform/shell/FileListData.h"
#include "platform/win/QtBridge.h"

namespace {

shell::DragResponder& Responder() {
  static shell::DragResponder responder;
  return responder;
}

Qt::DropActions ActionsOf(DWORD effects) {
  Qt::DropActions actions;
  if ((effects & DROPEFFECT_COPY) != 0) actions |= Qt::CopyAction;
  if ((effects & DROPEFFECT_MOVE) != 0) actions |= Qt::MoveAction;
  return actions;
}

DWORD EffectOf(Qt::DropAction action) {
  if (action == Qt::CopyAction) return DROPEFFECT_COPY;
  if (action == Qt::MoveAction) return DROPEFFECT_MOVE;
  return DROPEFFECT_NONE;
}

}  // namespace

DWORD DoDragFiles(HWND source, const std::vector<Cp932String>& paths, DWORD allowedEffects) {
  const std::optional<QList<QUrl>> urls = shell::UrlsOf(paths);
  if (paths.empty() || !urls || ActionsOf(allowedEffects) == Qt::IgnoreAction)
    return DROPEFFECT_NONE;
  const DWORD offered = (allowedEffects & DROPEFFECT_MOVE) != 0 ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  if (Responder()) {
    std::unique_ptr<QMimeData> data(shell::FileListData(*urls, offered));
    const std::optional<shell::ClipboardFiles> files = shell::FilesOf(data.get());
    const DWORD taken = files ? Responder()(*files, allowedEffects) : DROPEFFECT_NONE;
    return (taken & allowedEffects) != 0 ? taken : DROPEFFECT_NONE;
  }
  QWidget* widget = QtBridge::WidgetOf(source);
  if (widget == nullptr) return DROPEFFECT_NONE;
  auto* drag = new QDrag(widget);
  drag->setMimeData(shell::FileListData(*urls, offered));
  return EffectOf(drag->exec(ActionsOf(allowedEffects), Qt::CopyAction));
}

namespace shell {

void SetDragResponderForTest(DragResponder responder) {
  Responder() = std::move(responder);
}

}  // namespace shell
