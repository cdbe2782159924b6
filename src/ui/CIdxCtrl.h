// The toolkit's owner-drawn list of entries: each item carries a text, a value, a level
// (its indent), a state and three icon cells (normal, under the mouse, selected). It
// scrolls by rows with the wheel and the keys, shows the item under the mouse, the
// selected item and the keyboard focus, and is painted with the drawing resources, so a
// new colour scheme repaints it. Its owner hears of the user's choices through callbacks:
// a changed selection, a double click and, when it wants one, a context menu.
#pragma once

#include <functional>
#include <vector>

#include "platform/gdi/Icons.h"
#include "platform/win/Wnd.h"

class CDC;

class CIdxCtrl : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CIdxCtrl)

 public:
  static constexpr int kItemHeight = 20;
  static constexpr int kIconSide = 14;
  static constexpr int kLevelIndent = 16;
  // A wheel notch scrolls this many rows.
  static constexpr int kWheelRows = 3;
  static constexpr int kWheelDelta = 120;

  // Item state bits.
  static constexpr UINT kStateFocused = 0x1;
  static constexpr UINT kStateSelected = 0x2;

  // The icons of an item; an empty cell draws no icon in that look. (Made with {}, which
  // empties every cell: a default argument cannot use member initialisers here.)
  struct IconCells {
    HICON normal;
    HICON hover;
    HICON selected;
  };

  struct Item {
    Cp932String text;
    LPARAM value = 0;
    int level = 0;
    UINT state = 0;
    IconCells icons;
  };

  using ItemHandler = std::function<void(int index)>;
  // The item under the mouse (-1 for none) and the point on the screen.
  using ContextMenuHandler = std::function<void(int index, POINT screen)>;

  using CWnd::Create;
  bool Create(HWND parent, UINT id, const RECT& rect);

  // Appends an item; returns its index.
  int AddItem(const Cp932String& text, LPARAM value, int level = 0, IconCells icons = {});
  void DeleteAllItems();
  int GetCount() const { return static_cast<int>(items_.size()); }
  // The item at the index, or null.
  const Item* GetItem(int index) const;
  Cp932String GetItemText(int index) const;
  bool SetItemText(int index, const Cp932String& text);
  LPARAM GetItemData(int index) const;
  // The first item with the value, or -1.
  int FindItem(LPARAM value) const;

  // The selected item, or -1.
  int GetCurSel() const { return selected_; }
  // Selects the item (-1 clears the selection) and scrolls it into view. Only the user's
  // choices reach the selection handler.
  void SetCurSel(int index);

  // The first row shown; scrolling keeps the last row in view.
  int topIndex() const { return top_; }
  void SetTopIndex(int index);
  int hoverIndex() const { return hover_; }
  // The item at a point of the client area, or -1.
  int HitTest(POINT point) const;

  void SetSelChangeHandler(ItemHandler handler) { onSelChange_ = std::move(handler); }
  void SetDoubleClickHandler(ItemHandler handler) { onDoubleClick_ = std::move(handler); }
  void SetContextMenuHandler(ContextMenuHandler handler) { onContextMenu_ = std::move(handler); }

  // Paints the list as it looks now.
  void Draw(CDC& dc);

 protected:
  void OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnLButtonDown(POINT point) override;
  void OnMouseMove(POINT point) override;
  void OnMouseLeave() override;

 private:
  LRESULT OnDoubleClick(WPARAM w, LPARAM l);
  LRESULT OnWheel(WPARAM w, LPARAM l);
  LRESULT OnKeyDown(WPARAM key, LPARAM flags);
  LRESULT OnRButtonUp(WPARAM w, LPARAM l);
  LRESULT OnSysColorChange(WPARAM w, LPARAM l);

  // The user chose the item: it is selected, and the owner hears of it when it changed.
  void Choose(int index);
  void SetHover(int index);
  int VisibleRows() const;
  int LastTop() const;
  void EnsureVisible(int index);
  void DrawItem(CDC& dc, int index, const RECT& row);
  void DrawFocus(CDC& dc, const RECT& row);
  void DrawScrollMark(CDC& dc, const RECT& client);

  std::vector<Item> items_;
  int selected_ = -1;
  int hover_ = -1;
  int top_ = 0;
  int wheelRest_ = 0;
  ItemHandler onSelChange_;
  ItemHandler onDoubleClick_;
  ContextMenuHandler onContextMenu_;
};
