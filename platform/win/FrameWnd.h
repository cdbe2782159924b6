// A frame window: a window with client panes that are made when it is created, an
// accelerator table, and command routing through its message map.
#pragma once

#include "platform/win/Menu.h"
#include "platform/win/Wnd.h"

class CFrameWnd : public CWnd {
 public:
  BOOL PreTranslateMessage(MSG* msg) override;
  void SetAccelerators(HACCEL table) { accelerators_ = table; }
  HACCEL accelerators() const { return accelerators_; }

 protected:
  // Makes the panes; false fails the creation.
  virtual bool OnCreateClient() { return true; }
  int OnCreate() override { return OnCreateClient() ? 0 : -1; }

 private:
  HACCEL accelerators_ = nullptr;
};

class CWinApp {
 public:
  virtual ~CWinApp() = default;

  // Offers a message to the windows from its target up to the main window, then nothing
  // else: true when one of them consumed it. The walk ends at a dialog, whose keys belong to
  // it alone; a message for a window outside the album gets the main window's accelerators.
  virtual BOOL PreTranslateMessage(MSG* msg);
  HWND mainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window) { mainWindow_ = window; }

 private:
  HWND mainWindow_ = nullptr;
};
