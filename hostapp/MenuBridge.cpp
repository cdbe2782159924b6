#include "hostapp/MenuBridge.h"

#include <QMenu>
#include <QMenuBar>

#include "platform/win/MenuSkin.h"
#include "platform/win/QtText.h"
#include "platform/win/SkinQt.h"

namespace {

void RefreshAction(QAction* action, const CMenu& menu, int index) {
  const CMenu::Item* item = menu.GetItem(index);
  if (item == nullptr || (item->flags & MF_SEPARATOR) != 0) return;
  action->setEnabled(menu.IsItemEnabled(index));
  if (item->popup != nullptr) {
    if (action->menu() != nullptr) RefreshActions(action->menu(), *item->popup);
    return;
  }
  // Only a checked item is checkable, so unchecked items show no empty box.
  const bool checked = menu.IsItemChecked(index);
  action->setCheckable(checked);
  action->setChecked(checked);
}

}  // namespace

void RefreshActions(QMenu* popup, const CMenu& menu) {
  const QList<QAction*> actions = popup->actions();
  const int count = std::min<int>(static_cast<int>(actions.size()), menu.GetMenuItemCount());
  for (int i = 0; i < count; ++i) RefreshAction(actions[i], menu, i);
}

MenuBridge::MenuBridge(QMenuBar* bar, CommandHandler onCommand, PopupHandler onPopup)
    : QObject(bar), bar_(bar), onCommand_(std::move(onCommand)), onPopup_(std::move(onPopup)) {
  skinListener_ = win::AddMenuSkinListener([this] { ApplySkin(); });
  ApplySkin();
}

MenuBridge::~MenuBridge() {
  win::RemoveMenuSkinListener(skinListener_);
}

// The menus are the bar's children, so the bar's sheet reaches every one of them.
void MenuBridge::ApplySkin() {
  const std::optional<win::ControlSkin> skin = win::MenuSkin();
  bar_->setStyleSheet(skin ? win::MenuStyleSheet(*skin) : QString());
}

void MenuBridge::Build(HMENU menu) {
  Clear();
  if (menu == nullptr) return;
  for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
    CMenu* sub = menu->GetSubMenu(i);
    if (sub == nullptr) continue;
    bar_->addMenu(MakePopup(sub, i, menu->GetItem(i)->text, bar_));
  }
}

void MenuBridge::Clear() {
  // Later, not now: Clear may run while one of these menus is still emitting a signal.
  for (QAction* action : bar_->actions()) action->menu()->deleteLater();
  bar_->clear();
}

QMenu* MenuBridge::MakePopup(CMenu* menu, int index, const Cp932String& text, QWidget* parent) {
  auto* popup = new QMenu(QtText::FromCp932(text), parent);
  AddItems(popup, menu);
  RefreshActions(popup, *menu);
  connect(popup, &QMenu::aboutToShow, this,
          [this, popup, menu, index] { PopupOpening(popup, menu, index); });
  return popup;
}

void MenuBridge::AddItems(QMenu* popup, CMenu* menu) {
  for (int i = 0; i < menu->GetMenuItemCount(); ++i) AddItem(popup, menu, i);
}

// One action per item, in the CMenu's order, so that positions match when refreshing.
// The text keeps its '&' mnemonic and its "\t" part, which the toolkit shows as the
// shortcut text without binding a key.
void MenuBridge::AddItem(QMenu* popup, CMenu* menu, int index) {
  const CMenu::Item* item = menu->GetItem(index);
  if ((item->flags & MF_SEPARATOR) != 0 || (item->id == 0 && item->popup == nullptr)) {
    popup->addSeparator();
    return;
  }
  if (item->popup != nullptr) {
    popup->addMenu(MakePopup(item->popup.get(), index, item->text, popup));
    return;
  }
  QAction* action = popup->addAction(QtText::FromCp932(item->text));
  const UINT id = item->id;
  connect(action, &QAction::triggered, this, [this, id] { onCommand_(id); });
}

void MenuBridge::PopupOpening(QMenu* popup, CMenu* menu, int index) {
  if (onPopup_) onPopup_(menu, index);
  RefreshActions(popup, *menu);
}
