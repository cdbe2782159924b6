// Shows the album's menu (a CMenu) as the main window's menu bar. Before a pop-up opens the
// album brings the CMenu's states up to date and the actions follow them; a chosen item
// goes back as its command id. No toolkit shortcuts are made: keys reach the album's own
// accelerators through the pre-translation. The bar and its menus take the look the album
// sets for its menus (its colour scheme), and follow it when it changes.
#pragma once

#include <QObject>
#include <functional>

#include "platform/win/Menu.h"

class QMenu;
class QMenuBar;

class MenuBridge : public QObject {
 public:
  using CommandHandler = std::function<void(UINT id)>;
  // Called before a pop-up opens, with the CMenu and its position in its parent.
  using PopupHandler = std::function<void(HMENU menu, int index)>;

  MenuBridge(QMenuBar* bar, CommandHandler onCommand, PopupHandler onPopup);
  ~MenuBridge() override;

  // Fills the bar from the menu, which must live until Clear().
  void Build(HMENU menu);
  // Empties the bar, so that nothing refers to the menu any more.
  void Clear();

 private:
  QMenu* MakePopup(CMenu* menu, int index, const Cp932String& text, QWidget* parent);
  void AddItems(QMenu* popup, CMenu* menu);
  void AddItem(QMenu* popup, CMenu* menu, int index);
  void PopupOpening(QMenu* popup, CMenu* menu, int index);
  void ApplySkin();

  QMenuBar* bar_;
  CommandHandler onCommand_;
  PopupHandler onPopup_;
  int skinListener_ = 0;
};

// Sets each action of the pop-up (and of its sub-menus) enabled and checked as the CMenu says.
void RefreshActions(QMenu* popup, const CMenu& menu);
