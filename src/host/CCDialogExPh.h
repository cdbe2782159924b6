// The album's dialog base: every modal dialog of the album runs as a modal operation of
// the suite (kind 4, keeping the machine awake), and builds its controls from its layout.
#pragma once

#include <memory>
#include <vector>

#include "platform/win/Controls.h"
#include "platform/win/Dialog.h"

class CCDialogExPh : public CDialog {
 public:
  using CDialog::CDialog;

  // -1 without a suite context or when the suite refuses the registration.
  intptr_t DoModal() override;

 protected:
  BOOL OnInitDialog() override;
  // The control made from the layout with this id, or null.
  CWnd* Control(UINT id) const;
  // A help button: the album's help, as its help command opens it.
  void OnHelp();
  // Gives the controls the album's control font and centres the dialog over the album's
  // main window (or its parent).
  void UseAlbumLook();

 private:
  std::vector<std::unique_ptr<CWnd>> controls_;
};

// Shows a message box wrapped as a suite operation of kind 5. Without a suite context, or
// when the registration fails, nothing is shown and 0 is returned. The owner defaults to
// the host main window; the caption to the album's title.
int AlbumMessageBox(const Cp932String& text, UINT type, HWND owner = nullptr);
