// Message maps: a window class declares, per message and per command id, the member that
// handles it, and per command id the member that updates its enabled and checked state.
// The tables are the window's table of contents; dispatch walks them, then the base class.
#pragma once

#include <vector>

#include "platform/win/WinTypes.h"

class CMenu;

// The enabled and checked state of one command, as the update handler sets it.
class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : id_(id) {}
  UINT id() const { return id_; }
  void Enable(bool on = true) { enabled_ = on; }
  void SetCheck(int check = 1) { checked_ = check; }
  void SetRadio(bool on = true) {
    checked_ = on ? 1 : 0;
    radio_ = true;
  }
  bool enabled() const { return enabled_; }
  int checked() const { return checked_; }
  bool radio() const { return radio_; }

 private:
  UINT id_;
  bool enabled_ = true;
  int checked_ = 0;
  bool radio_ = false;
};

template <class T>
struct MessageMap {
  struct Message {
    UINT message;
    LRESULT (T::*handler)(WPARAM, LPARAM);
  };
  struct Command {
    UINT id;
    void (T::*handler)();
  };
  struct Update {
    UINT id;
    void (T::*handler)(CCmdUI*);
  };
  std::vector<Message> messages;
  std::vector<Command> commands;
  std::vector<Update> updates;

  bool DispatchMessage(T& self, UINT message, WPARAM w, LPARAM l, LRESULT* result) const {
    for (const auto& entry : messages) {
      if (entry.message != message) continue;
      *result = (self.*entry.handler)(w, l);
      return true;
    }
    return false;
  }

  bool DispatchCommand(T& self, UINT id) const {
    for (const auto& entry : commands) {
      if (entry.id != id) continue;
      (self.*entry.handler)();
      return true;
    }
    return false;
  }

  bool DispatchUpdate(T& self, CCmdUI* ui) const {
    for (const auto& entry : updates) {
      if (entry.id != ui->id()) continue;
      (self.*entry.handler)(ui);
      return true;
    }
    return false;
  }

  bool HasCommand(UINT id) const {
    for (const auto& entry : commands)
      if (entry.id == id) return true;
    return false;
  }
};

// Declares the map of a window class and the overrides that dispatch through it.
#define HARBO_DECLARE_MESSAGE_MAP(Class)                                     \
 public:                                                                     \
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;                               \
  bool HasCommandHandler(UINT id) const override;                            \
                                                                             \
 protected:                                                                  \
  static const MessageMap<Class>& GetMessageMap();                           \
  bool OnWndMsg(UINT message, WPARAM w, LPARAM l, LRESULT* result) override; \
                                                                             \
 private:

// Defines the dispatch overrides: the class's own map first, then the base class.
#define HARBO_IMPLEMENT_MESSAGE_MAP(Class, Base)                                       \
  bool Class::OnWndMsg(UINT message, WPARAM w, LPARAM l, LRESULT* result) {            \
    return GetMessageMap().DispatchMessage(*this, message, w, l, result) ||            \
           Base::OnWndMsg(message, w, l, result);                                      \
  }                                                                                    \
  bool Class::OnCmdMsg(UINT id, CCmdUI* ui) {                                          \
    const auto& map = GetMessageMap();                                                 \
    if (ui != nullptr) return map.DispatchUpdate(*this, ui) || Base::OnCmdMsg(id, ui); \
    return map.DispatchCommand(*this, id) || Base::OnCmdMsg(id, ui);                   \
  }                                                                                    \
  bool Class::HasCommandHandler(UINT id) const {                                       \
    return GetMessageMap().HasCommand(id) || Base::HasCommandHandler(id);              \
  }
