#include "platform/win/PopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "platform/win/MenuSkin.h"
#include "platform/win/QtBridge.h"
#include "platform/win/QtText.h"
#include "platform/win/SkinQt.h"

namespace {

win::PopupMenuResponder& Responder() {
  static win::PopupMenuResponder responder;
  return responder;
}

bool ChoosableIn(const CMenu& menu, UINT id) {
  for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
    if (const CMenu* sub = menu.GetSubMenu(i)) {
      if (menu.IsItemEnabled(i) && ChoosableIn(*sub, id)) return true;
    } else if (menu.GetMenuItemID(i) == id && id != 0) {
      return menu.IsItemEnabled(i);
    }
  }
  return false;
}

void AddItems(QMenu* popup, const CMenu& menu) {
  for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
    const CMenu::Item* item = menu.GetItem(i);
    if ((item->flags & MF_SEPARATOR) != 0) {
      popup->addSeparator();
      continue;
    }
    const QString text = QtText::FromCp932(item->text);
    if (item->popup != nullptr) {
      QMenu* sub = popup->addMenu(text);
      sub->setEnabled(menu.IsItemEnabled(i));
      AddItems(sub, *item->popup);
      continue;
    }
    QAction* action = popup->addAction(text);
    action->setData(static_cast<uint>(item->id));
    action->setEnabled(menu.IsItemEnabled(i));
    if (menu.IsItemChecked(i)) {
      action->setCheckable(true);
      action->setChecked(true);
    }
  }
}

UINT ShowMenu(const CMenu& menu, POINT screen, HWND owner) {
  QPointer<QMenu> popup = new QMenu(QtBridge::WidgetOf(owner));
  if (const std::optional<win::ControlSkin> skin = win::MenuSkin())
    popup->setStyleSheet(win::MenuStyleSheet(*skin));
  AddItems(popup, menu);
  const QAction* chosen = popup->exec(QPoint(screen.x, screen.y));
  const UINT id = chosen != nullptr ? chosen->data().toUInt() : 0;
  delete popup.data();
  return id;
}

}  // namespace

UINT TrackPopupMenu(const CMenu* menu, UINT flags, int x, int y, HWND owner) {
  if (menu == nullptr) return 0;
  const POINT screen{x, y};
  UINT id = Responder() ? Responder()(*menu, screen) : ShowMenu(*menu, screen, owner);
  if (!ChoosableIn(*menu, id)) id = 0;
  if ((flags & TPM_RETURNCMD) != 0) return id;
  if (id != 0 && IsWindow(owner)) SendMessage(owner, WM_COMMAND, id, 0);
  return id != 0 ? 1 : 0;
}

namespace win {

void SetPopupMenuResponder(PopupMenuResponder responder) {
  Responder() = std::move(responder);
}

}  // namespace win
