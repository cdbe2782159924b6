// Menus and accelerator tables as data: items with ids, texts, enabled and checked states
// and sub-menus. The host turns a menu into its menu bar and hands chosen ids back.
#pragma once

#include <memory>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_RADIOCHECK = 0x0200;
constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
 public:
  struct Item {
    UINT id = 0;
    Cp932String text;
    UINT flags = MF_STRING;
    std::unique_ptr<CMenu> popup;
  };

  void AppendItem(UINT id, const Cp932String& text, UINT flags = MF_STRING);
  void AppendSeparator();
  // Appends a pop-up and returns it for filling.
  CMenu& AppendPopup(const Cp932String& text);

  int GetMenuItemCount() const { return static_cast<int>(items_.size()); }
  // The item's id; (UINT)-1 for a pop-up, 0 for a separator or an index out of range.
  UINT GetMenuItemID(int index) const;
  CMenu* GetSubMenu(int index) const;
  const Item* GetItem(int index) const;
  // Finds an item by id anywhere in the menu, sub-menus included.
  const Item* FindItem(UINT id) const;

  void EnableItem(int index, bool enable);
  void CheckItem(int index, int check, bool radio = false);
  bool IsItemEnabled(int index) const;
  bool IsItemChecked(int index) const;

 private:
  Item* MutableItem(int index);

  std::vector<Item> items_;
};

// Frees a menu that was handed out as a handle.
void DestroyMenu(HMENU menu);

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F5 = 0x74;
constexpr UINT VK_F6 = 0x75;

struct ACCEL {
  BYTE fVirt = 0;
  WORD key = 0;
  WORD cmd = 0;
};

class CAcceleratorTable {
 public:
  explicit CAcceleratorTable(std::vector<ACCEL> entries) : entries_(std::move(entries)) {}
  const std::vector<ACCEL>& entries() const { return entries_; }
  // The command of a key with the given modifier flags (FSHIFT, FCONTROL, FALT), or 0.
  WORD Find(UINT vk, BYTE modifiers) const;

 private:
  std::vector<ACCEL> entries_;
};
using HACCEL = const CAcceleratorTable*;

// Sends WM_COMMAND (high word 1) to the window when the key message matches the table.
int TranslateAccelerator(HWND window, HACCEL table, MSG* msg);

// Negative while the key is down (only VK_SHIFT, VK_CONTROL and VK_MENU are tracked).
short GetKeyState(int vk);

namespace win {
// The modifiers that GetKeyState reports, for tests that build key messages by hand.
void SetKeyModifiersForTest(bool shift, bool control, bool alt);
void ClearKeyModifiersForTest();
}  // namespace win
