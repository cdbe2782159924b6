// The editor of one holiday or anniversary: its name, kind, colour, repeat and date (a day,
// or the n-th weekday of the month). Only the fields the chosen repeat uses are enabled. OK
// checks the name, the year and the date, writes the record back and tells the host that the
// calendar changed; the dialog stays open on any refusal.
#pragma once

#include "host/CCDialogExPh.h"
#include "platform/win/MessageMap.h"
#include "print/CalendarEvent.h"

class CCheckBox;
class CDC;
class CComboBox;
class CEdit;
class CRadioButton;

class CDlgEventDay : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgEventDay)

 public:
  // Years the editor takes.
  static constexpr int kFirstYear = 1990;
  static constexpr int kLastYear = 2100;

  // Edits the record; creating decides the caption.
  CDlgEventDay(const CalendarEvent& event, bool creating, HWND parent = nullptr);
  ~CDlgEventDay() override;

  // The record as the dialog ended with OK (as given until then).
  const CalendarEvent& event() const { return event_; }
  // The colour the swatch shows.
  COLORREF color() const { return color_; }

  using CCDialogExPh::Control;

  // A colour's swatch: the colour inside a grey frame.
  static void PaintSwatch(CDC& dc, const RECT& rect, COLORREF color);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnPaint() override;

 private:
  void OnChangeColor();
  void UpdateFields();

  bool FindControls();
  void FillChoices();
  void ShowEvent();
  CalendarEvent TakeEvent() const;
  // The year text as a year in range, or -1.
  int CheckedYear() const;
  bool CheckName();
  bool CheckDate(const CalendarEvent& e);
  void Refuse(const Cp932String& text);

  CalendarEvent event_;
  bool creating_;
  COLORREF color_;
  CEdit* name_ = nullptr;
  CRadioButton* anniversary_ = nullptr;
  CRadioButton* holiday_ = nullptr;
  CComboBox* repeat_ = nullptr;
  CEdit* year_ = nullptr;
  CComboBox* month_ = nullptr;
  CComboBox* day_ = nullptr;
  CCheckBox* byWeekday_ = nullptr;
  CComboBox* weekNumber_ = nullptr;
  CComboBox* weekday_ = nullptr;
};
