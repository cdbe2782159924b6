// The user's print styles: their names in a list with create (a copy of the selected style
// made in the wizard), details (the selected style in the wizard), delete and close. Each
// change is saved with the list at once.
#pragma once

#include "host/CCDialogExPh.h"
#include "platform/win/MessageMap.h"

class CListCtrl;
struct CPrintFormat;
class CPrintFormats;
class CPrintInfoEx;

class CDlgPrintFormatList : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgPrintFormatList)

 public:
  CDlgPrintFormatList(CPrintFormats& formats, const CPrintInfoEx* printer, HWND parent = nullptr);

  using CCDialogExPh::Control;
  CListCtrl* list() const { return list_; }

 protected:
  BOOL OnInitDialog() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  void OnCreateStyle();
  void OnDetails();
  void OnDelete();

  void FillList(int selected);
  // The selected style's index, or -1 after telling the user to select one.
  int SelectedIndex();
  void Save();

  CPrintFormats& formats_;
  const CPrintInfoEx* printer_;
  CListCtrl* list_ = nullptr;
};
