#include "platform/win/Menu.h"

#include <QGuiApplication>
#include <optional>

#include "platform/win/Wnd.h"

void CMenu::AppendItem(UINT id, const Cp932String& text, UINT flags) {
  items_.push_back(Item{id, text, flags, nullptr});
}

void CMenu::AppendSeparator() {
  items_.push_back(Item{0, {}, MF_SEPARATOR, nullptr});
}

CMenu& CMenu::AppendPopup(const Cp932String& text) {
  items_.push_back(Item{static_cast<UINT>(-1), text, MF_POPUP, std::make_unique<CMenu>()});
  return *items_.back().popup;
}

const CMenu::Item* CMenu::GetItem(int index) const {
  if (index < 0 || index >= GetMenuItemCount()) return nullptr;
  return &items_[static_cast<size_t>(index)];
}

CMenu::Item* CMenu::MutableItem(int index) {
  if (index < 0 || index >= GetMenuItemCount()) return nullptr;
  return &items_[static_cast<size_t>(index)];
}

UINT CMenu::GetMenuItemID(int index) const {
  const Item* item = GetItem(index);
  if (item == nullptr || (item->flags & MF_SEPARATOR) != 0) return 0;
  return item->popup ? static_cast<UINT>(-1) : item->id;
}

CMenu* CMenu::GetSubMenu(int index) const {
  const Item* item = GetItem(index);
  return item != nullptr ? item->popup.get() : nullptr;
}

const CMenu::Item* CMenu::FindItem(UINT id) const {
  for (const auto& item : items_) {
    if (item.popup) {
      if (const Item* found = item.popup->FindItem(id)) return found;
    } else if (item.id == id && (item.flags & MF_SEPARATOR) == 0) {
      return &item;
    }
  }
  return nullptr;
}

void CMenu::EnableItem(int index, bool enable) {
  Item* item = MutableItem(index);
  if (item == nullptr) return;
  item->flags = enable ? (item->flags & ~MF_GRAYED) : (item->flags | MF_GRAYED);
}

void CMenu::CheckItem(int index, int check, bool radio) {
  Item* item = MutableItem(index);
  if (item == nullptr) return;
  item->flags &= ~(MF_CHECKED | MF_RADIOCHECK);
  if (check != 0) item->flags |= MF_CHECKED | (radio ? MF_RADIOCHECK : 0);
}

bool CMenu::IsItemEnabled(int index) const {
  const Item* item = GetItem(index);
  return item != nullptr && (item->flags & MF_GRAYED) == 0;
}

bool CMenu::IsItemChecked(int index) const {
  const Item* item = GetItem(index);
  return item != nullptr && (item->flags & MF_CHECKED) != 0;
}

void DestroyMenu(HMENU menu) {
  delete menu;
}

WORD CAcceleratorTable::Find(UINT vk, BYTE modifiers) const {
  for (const auto& entry : entries_) {
    const BYTE wanted = entry.fVirt & (FSHIFT | FCONTROL | FALT);
    if (entry.key == vk && wanted == modifiers) return entry.cmd;
  }
  return 0;
}

namespace {
std::optional<Qt::KeyboardModifiers> g_modifiersOverride;

Qt::KeyboardModifiers CurrentModifiers() {
  if (g_modifiersOverride) return *g_modifiersOverride;
  if (QGuiApplication::instance() == nullptr) return Qt::NoModifier;
  return QGuiApplication::queryKeyboardModifiers();
}
}  // namespace

short GetKeyState(int vk) {
  const Qt::KeyboardModifiers mods = CurrentModifiers();
  bool down = false;
  if (vk == static_cast<int>(VK_SHIFT)) down = mods.testFlag(Qt::ShiftModifier);
  if (vk == static_cast<int>(VK_CONTROL)) down = mods.testFlag(Qt::ControlModifier);
  if (vk == static_cast<int>(VK_MENU)) down = mods.testFlag(Qt::AltModifier);
  return down ? static_cast<short>(-128) : 0;
}

int TranslateAccelerator(HWND window, HACCEL table, MSG* msg) {
  if (table == nullptr || msg == nullptr || !IsWindow(window)) return 0;
  if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) return 0;
  BYTE mods = 0;
  if (GetKeyState(VK_SHIFT) < 0) mods |= FSHIFT;
  if (GetKeyState(VK_CONTROL) < 0) mods |= FCONTROL;
  if (GetKeyState(VK_MENU) < 0) mods |= FALT;
  const WORD cmd = table->Find(static_cast<UINT>(msg->wParam), mods);
  if (cmd == 0) return 0;
  SendMessage(window, WM_COMMAND, MAKEWPARAM(cmd, 1), 0);
  return 1;
}

namespace win {

void SetKeyModifiersForTest(bool shift, bool control, bool alt) {
  Qt::KeyboardModifiers mods;
  if (shift) mods |= Qt::ShiftModifier;
  if (control) mods |= Qt::ControlModifier;
  if (alt) mods |= Qt::AltModifier;
  g_modifiersOverride = mods;
}

void ClearKeyModifiersForTest() {
  g_modifiersOverride.reset();
}

}  // namespace win
