// The print style dialogs driven as a person would: a dialog runs with a responder that
// takes the test's steps, optionally keeps a picture of it, and cancels it when it is still
// open afterwards; the desktop's colour and font choosers answer as the test says.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/shell/FontDialog.h"
#include "platform/win/QtBridge.h"
#include "tests/print/CalendarFixture.h"

class StyleDialogFixture : public CalendarFixture {
 protected:
  void TearDown() override {
    shell::SetFontDialogResponderForTest(nullptr);
    win::SetDialogResponder(nullptr);
    CalendarFixture::TearDown();
  }

  // Runs the dialog; the steps see it as the given type. Other dialogs it opens are
  // answered by `others` (cancelled without it).
  template <class Dialog>
  static intptr_t Run(Dialog& dialog, const std::function<void(Dialog&)>& steps,
                      const std::function<intptr_t(CDialog&)>& others = {}) {
    win::SetDialogResponder([&](CDialog& d) -> intptr_t {
      auto* ours = dynamic_cast<Dialog*>(&d);
      if (ours != &dialog) return others ? others(d) : IDCANCEL;
      steps(*ours);
      if (!ours->ended()) ours->SendMessage(WM_COMMAND, IDCANCEL, 0);
      return IDCANCEL;
    });
    return dialog.DoModal();
  }

  static void Press(CWnd& d, UINT id) { d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

  // Keeps a picture of the dialog for a person to look at when HARBO_PICTURES names a folder.
  static void Keep(CWnd& window, const std::string& name) {
    const char* folder = std::getenv("HARBO_PICTURES");
    if (folder == nullptr) return;
    QtBridge::WidgetOf(&window)->grab().toImage().save(
        QString::fromStdString(std::string(folder) + "/" + name + ".png"));
  }
};
