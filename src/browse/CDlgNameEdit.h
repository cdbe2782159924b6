// A one-line name editor: a prompt over an edit, OK and キャンセル. The caller gives the
// caption, the prompt, a length limit in bytes, the initial text and the names already in
// use; OK refuses an empty name and a name in use, and otherwise ends with the name.
#pragma once

#include <memory>
#include <vector>

#include "host/CCDialogExPh.h"

class CEdit;

class CDlgNameEdit : public CCDialogExPh {
 public:
  explicit CDlgNameEdit(HWND parent = nullptr);
  ~CDlgNameEdit() override;

  void SetCaption(const Cp932String& caption) { caption_ = caption; }
  void SetPrompt(const Cp932String& prompt) { prompt_ = prompt; }
  // The most bytes the edit takes; 0 takes any length.
  void SetLimit(size_t bytes) { limit_ = bytes; }
  void SetInitialText(const Cp932String& text) { initial_ = text; }
  void AddNameInUse(const Cp932String& name) { namesInUse_.push_back(name); }

  // The name the dialog ended with (OK), without leading and trailing blanks.
  const Cp932String& name() const { return name_; }
  // The dialog's edit while it runs, or null.
  CEdit* edit() const { return edit_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  bool CreateControls();
  CWnd* Made(UINT id) const;
  bool InUse(const Cp932String& name) const;
  void Refuse(const char* utf8, bool selectText);

  Cp932String caption_;
  Cp932String prompt_;
  Cp932String initial_;
  size_t limit_ = 0;
  std::vector<Cp932String> namesInUse_;
  Cp932String name_;
  CEdit* edit_ = nullptr;
  std::vector<std::unique_ptr<CWnd>> controls_;
};
