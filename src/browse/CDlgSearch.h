// The search dialog: the user ticks conditions (name, date, size, memo), the kinds to look
// for and whether to search only the photos shown; 検索 turns them into a search record,
// shows the search results category in the index tree and has the frame run the search.
// With hits the dialog closes, with none it stays for another try. The settings and the
// last 16 names and memos searched for are kept in the registry section "FindView".
#pragma once

#include "browse/SearchConditions.h"
#include "host/CCDialogExPh.h"

class CCheckBox;
class CComboBox;
class CDateTimeCtrl;
class CEdit;

class CDlgSearch : public CCDialogExPh {
 public:
  explicit CDlgSearch(HWND parent = nullptr);
  using CCDialogExPh::Control;

  // The conditions as the controls hold them.
  search::Conditions ReadControls() const;
  const search::Histories& histories() const { return histories_; }

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  HARBO_DECLARE_MESSAGE_MAP(CDlgSearch)

 private:
  bool FindControls();
  void FillLists();
  void ShowSettings();
  void ReadSettings();
  void WriteSettings() const;
  LRESULT OnGetDefId(WPARAM w, LPARAM l);
  void OnConditionChanged();
  void OnSearch();
  void Refuse(const search::Refusal& refusal);
  void Close(intptr_t result);

  CCheckBox* Check(UINT id) const;
  bool Ticked(UINT id) const;

  search::Conditions settings_;
  search::Histories histories_;
  CComboBox* nameText_ = nullptr;
  CComboBox* memoText_ = nullptr;
  CComboBox* dateType_ = nullptr;
  CComboBox* dateTerm_ = nullptr;
  CComboBox* sizeTerm_ = nullptr;
  CDateTimeCtrl* firstDate_ = nullptr;
  CDateTimeCtrl* secondDate_ = nullptr;
  CEdit* sizeFrom_ = nullptr;
  CEdit* sizeTo_ = nullptr;
};
