// The suite's main window: the index tree and the phone buttons on the left, the album area
// in the middle, the album's menus on the bar and a status bar. It drives the album's
// lifetime: create, show, follow resizes, route commands, save and destroy on close.
#pragma once

#include <QMainWindow>
#include <memory>

#include "host/SuiteContext.h"
#include "hostapp/AlbumModule.h"
#include "hostapp/HostOptions.h"
#include "hostapp/HostParameters.h"
#include "platform/win/Controls.h"
#include "platform/win/TreeCtrl.h"

class HostWindow;
class QComboBox;
class MenuBridge;

class HostMainWindow : public QMainWindow {
 public:
  HostMainWindow(const HostOptions& options, const AlbumModule& album, HostTexts texts);
  ~HostMainWindow() override;

  // Starts the album inside the window; false with a message when it cannot.
  bool Start(QString* error);
  // Focuses the album's photo of the path in its visible view; false when it shows none.
  bool FocusPhoto(const QString& path);
  // Runs a command as the menu would; returns when the command (and any dialog) is done.
  void RunCommand(UINT id) { Command(id); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool CreateHostWindows();
  QWidget* BuildIndexColumn();
  bool CreatePhoneButton(CButton* button, UINT id, const char* text);
  bool CreateAlbum(QString* error);
  void ShowAlbum();
  void BuildMenus();
  void RouteTreeSelection();
  void WatchPhone();
  void PhoneMayHaveChanged();
  // Without a phone folder given, the devices the desktop mounts are offered in the phone
  // list, looked for every few seconds; the chosen one is the phone.
  void LookForMountedPhones();
  void ChoosePhone(int index);
  void AlbumAreaResized(int width, int height);
  void Command(UINT id);
  void HostCommand(UINT id);
  void ShutDown();

  HostOptions options_;
  const AlbumModule& album_;
  HostTexts texts_;
  SuiteErrorRecord errorRecord_{};
  SuiteContext context_{};
  HostParameterBlock block_{};
  std::unique_ptr<HostWindow> hostWindow_;
  CTreeCtrl tree_;
  QComboBox* phoneList_ = nullptr;
  CButton readButton_;
  CButton sendButton_;
  MenuBridge* menus_ = nullptr;
  HMENU albumMenu_ = nullptr;
  bool albumRunning_ = false;
  bool phoneConnected_ = false;
};
