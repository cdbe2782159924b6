// The calendar options of a print parameter block: the colours of the weekdays, holidays
// and the month title, the weekday names, the calendar font, whether event names are
// printed, and the holidays and anniversaries themselves, created, edited, deleted or reset
// to the suite's defaults. The dialog works on copies; OK writes the options into its block,
// stores the events and tells the host that the calendar changed.
#pragma once

#include "host/CCDialogExPh.h"
#include "platform/win/MessageMap.h"
#include "print/CPrintParam.h"
#include "print/CalendarEventTable.h"

class CButton;
class CDC;
class CCheckBox;
class CComboBox;
class CListCtrl;
class CRadioButton;

class CDlgPrintFormatCalendarOption : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgPrintFormatCalendarOption)

 public:
  // The sample of the calendar font.
  static constexpr const char* kSampleText = "012 ABC abc あいう";

  explicit CDlgPrintFormatCalendarOption(const CPrintParam& param, HWND parent = nullptr);
  ~CDlgPrintFormatCalendarOption() override;

  // The parameter block with the options as the dialog ended with OK (as given until then).
  const CPrintParam& param() const { return param_; }
  // The dialog's copy of the event table.
  const CalendarEventTable& events() const { return events_; }

  using CCDialogExPh::Control;
  CListCtrl* list() const { return list_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnPaint() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  void OnColorTarget();
  void OnChangeColor();
  void OnFontFace();
  void OnBold();
  void OnItalic();
  void OnUnderline();
  void OnCreateEvent();
  void OnEditEvent();
  void OnDeleteEvent();
  void OnResetEvents();

  bool FindControls();
  void ShowOptions();
  void FillFaces();
  void FillList();
  void ShowToggles();
  void TakeOptions();
  // The slot of the selected row, or -1 after telling the user to select one.
  int SelectedSlot();
  int SelectedRow() const;
  void PaintSample(CDC& dc);

  CPrintParam param_;
  CPrintParam working_;
  CalendarEventTable events_;
  CComboBox* colorTarget_ = nullptr;
  CRadioButton* japanese_ = nullptr;
  CRadioButton* english_ = nullptr;
  CComboBox* face_ = nullptr;
  CButton* bold_ = nullptr;
  CButton* italic_ = nullptr;
  CButton* underline_ = nullptr;
  CCheckBox* eventNames_ = nullptr;
  CListCtrl* list_ = nullptr;
};
