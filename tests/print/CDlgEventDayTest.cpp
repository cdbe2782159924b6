// The holiday and anniversary editor driven as a person would: fields typed and chosen, OK
// pressed, the refusals it shows and the record it gives back.
#include <gtest/gtest.h>

#include <functional>

#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/RadioButton.h"
#include "print/CDlgEventDay.h"
#include "resources/DialogTemplates.h"
#include "tests/print/CalendarFixture.h"

namespace {

using cp932::Lit;
using namespace calevents;

class EventEditor : public CalendarFixture {
 protected:
  // Runs the editor on the record; the steps fill it in and press OK as often as they like,
  // and the dialog is cancelled afterwards when it is still open.
  intptr_t Run(const CalendarEvent& record, bool creating,
               const std::function<void(CDlgEventDay&)>& steps) {
    CDlgEventDay dialog(record, creating);
    win::SetDialogResponder([&](CDialog& d) -> intptr_t {
      auto& editor = dynamic_cast<CDlgEventDay&>(d);
      caption_ = cp932::ToUtf8Lossy(editor.GetWindowText());
      steps(editor);
      if (!editor.ended()) editor.SendMessage(WM_COMMAND, IDCANCEL, 0);
      return IDCANCEL;
    });
    const intptr_t result = dialog.DoModal();
    result_ = dialog.event();
    return result;
  }

  template <class T>
  static T* Get(CDlgEventDay& d, UINT id) {
    return dynamic_cast<T*>(d.Control(id));
  }
  static void Type(CDlgEventDay& d, UINT id, const std::string& utf8) {
    Get<CEdit>(d, id)->SetText(Lit(utf8));
  }
  static void Pick(CDlgEventDay& d, UINT id, int index) {
    Get<CComboBox>(d, id)->SelectAsUser(index);
  }
  static void Ok(CDlgEventDay& d) { d.SendMessage(WM_COMMAND, IDOK, 0); }

  std::string caption_;
  CalendarEvent result_;
};

TEST_F(EventEditor, TwentyNinthFebruaryIsRefusedOnceIn2027AndTakenEveryYear) {
  bool openAfterRefusal = false;
  const intptr_t result = Run(CalendarEvent{}, true, [&](CDlgEventDay& d) {
    Type(d, res::kControlEventName, "閏日");
    Type(d, res::kControlEventYear, "2027");
    Pick(d, res::kControlEventMonth, 1);
    Pick(d, res::kControlEventDay, 28);
    Ok(d);
    openAfterRefusal = !d.ended();
    Pick(d, res::kControlEventRepeat, kRepeatYearly);
    Ok(d);
  });
  EXPECT_EQ(caption_, "祝日または、記念日の作成");
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"2月29日はありません。\n入力しなおしてください。"});
  EXPECT_EQ(boxes_[0].type & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
  ASSERT_EQ(result, IDOK);
  EXPECT_EQ(result_.repeat, kRepeatYearly);
  EXPECT_EQ(result_.month, 2);
  EXPECT_EQ(result_.day, 29);
  EXPECT_EQ(result_.weekNumber, 0);
  EXPECT_EQ(result_.Name(), Lit("閏日"));
  EXPECT_EQ(CalendarNotices(), 1);
}

TEST_F(EventEditor, ALeapYearTakesTheTwentyNinthAndNoMonthTakesTheThirtySecond) {
  Run(CalendarEvent{}, true, [&](CDlgEventDay& d) {
    Type(d, res::kControlEventName, "a");
    Pick(d, res::kControlEventMonth, 3);
    Pick(d, res::kControlEventDay, 30);
    Pick(d, res::kControlEventRepeat, kRepeatYearly);
    Ok(d);  // 31 April
    Pick(d, res::kControlEventRepeat, kRepeatMonthly);
    Ok(d);  // every month: no date check
  });
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"4月31日はありません。\n入力しなおしてください。"});
  EXPECT_EQ(result_.day, 31);
  EXPECT_EQ(result_.repeat, kRepeatMonthly);

  boxes_.clear();
  const intptr_t result = Run(CalendarEvent{}, true, [&](CDlgEventDay& d) {
    Type(d, res::kControlEventName, "a");
    Type(d, res::kControlEventYear, "2028");
    Pick(d, res::kControlEventMonth, 1);
    Pick(d, res::kControlEventDay, 28);
    Ok(d);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(result_.year, 2028);
}

TEST_F(EventEditor, RefusesAnEmptyNameALongNameAndYearsThatAreNotFourDigitsInRange) {
  std::vector<std::string> steps;
  const intptr_t result = Run(CalendarEvent{}, true, [&](CDlgEventDay& d) {
    Ok(d);
    Type(d, res::kControlEventName, std::string(46, 'n') + "あい");
    Ok(d);
    int start = -1, end = -1;
    Get<CEdit>(d, res::kControlEventName)->GetSel(&start, &end);
    EXPECT_EQ(start, 0) << "the long name is selected for retyping";
    EXPECT_GT(end, 0);
    Type(d, res::kControlEventName, std::string(46, 'n') + "あ");
    for (const char* year : {"20270", "1989", "2101", "２０２７", "20a7", ""}) {
      Type(d, res::kControlEventYear, year);
      Ok(d);
    }
    EXPECT_FALSE(d.ended());
    Type(d, res::kControlEventYear, "2100");
    Ok(d);
  });
  const std::string years = "1990 ～ 2100年の値で入力して下さい。";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"名前を入力してください。",
                                                  "名前の入力は半角48文字までです。", years, years,
                                                  years, years, years, years}));
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(result_.Name().size(), 48u);
  EXPECT_EQ(result_.year, 2100);
}

TEST_F(EventEditor, TheWeekdaySwitchGivesWeekNumberAndWeekdayInsteadOfTheDay) {
  CalendarEvent record;
  record.SetName(Lit("成人の日"));
  record.kind = kKindHoliday;
  record.repeat = kRepeatYearly;
  record.month = 1;
  record.weekNumber = 2;
  record.weekday = 1;
  record.color = 0x0000FF;
  shell::SetColorDialogResponderForTest([](COLORREF initial) -> std::optional<COLORREF> {
    return initial == 0x0000FF ? std::optional<COLORREF>(0x123456) : std::nullopt;
  });
  bool dayEnabled = true, weekdayEnabled = false, yearEnabled = true;
  Run(record, false, [&](CDlgEventDay& d) {
    EXPECT_EQ(Get<CCheckBox>(d, res::kControlEventByWeekday)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(Get<CComboBox>(d, res::kControlEventWeekNumber)->GetCurSel(), 1);
    EXPECT_EQ(Get<CRadioButton>(d, res::kControlEventHoliday)->GetCheck(), BST_CHECKED);
    dayEnabled = Get<CComboBox>(d, res::kControlEventDay)->IsWindowEnabled();
    weekdayEnabled = Get<CComboBox>(d, res::kControlEventWeekday)->IsWindowEnabled();
    yearEnabled = Get<CEdit>(d, res::kControlEventYear)->IsWindowEnabled();
    Pick(d, res::kControlEventWeekNumber, 2);
    Get<CRadioButton>(d, res::kControlEventAnniversary)->Click();
    d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlEventColor, BN_CLICKED), 0);
    Ok(d);
  });
  EXPECT_EQ(caption_, "祝日または、記念日の詳細");
  EXPECT_FALSE(dayEnabled);
  EXPECT_TRUE(weekdayEnabled);
  EXPECT_FALSE(yearEnabled) << "a yearly event has no year";
  EXPECT_EQ(result_.day, 0);
  EXPECT_EQ(result_.weekNumber, 3);
  EXPECT_EQ(result_.weekday, 1);
  EXPECT_EQ(result_.kind, kKindAnniversary);
  EXPECT_EQ(result_.color, 0x123456u);
}

TEST_F(EventEditor, CancelKeepsTheRecordAndPostsNothing) {
  CalendarEvent record;
  record.SetName("keep");
  const intptr_t result =
      Run(record, false, [&](CDlgEventDay& d) { Type(d, res::kControlEventName, "changed"); });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(result_, record);
  EXPECT_EQ(CalendarNotices(), 0);
}

}  // namespace
