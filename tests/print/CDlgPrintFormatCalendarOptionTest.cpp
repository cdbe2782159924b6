// The calendar option dialog driven as a person would: the event list with its create,
// edit, delete and reset, the colours, weekday names, font and switch written into the
// parameter block on OK, and nothing changed on cancel.
#include <gtest/gtest.h>

#include <functional>

#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/RadioButton.h"
#include "print/CDlgEventDay.h"
#include "print/CDlgPrintFormatCalendarOption.h"
#include "resources/DialogTemplates.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/print/CalendarFixture.h"

namespace {

using cp932::Lit;
using Options = CDlgPrintFormatCalendarOption;

class CalendarOptions : public CalendarFixture {
 protected:
  void SetUp() override {
    CalendarFixture::SetUp();
    WriteBytes(DataFolderFile(), Lit("h\n1,0,1,1,0,0,1,0x000000ff,\"元日\"\n"
                                     "1,0,1,0,1,2,1,0x000000ff,\"成人の日\"\n"
                                     "0,0,0,25,0,0,2,0x00000000,\"給料日\"\n"));
  }

  // Runs the dialog on the block: the steps drive the option dialog, the editor answers any
  // editor it opens; the dialog is cancelled afterwards when it is still open.
  intptr_t Run(const std::function<void(Options&)>& steps,
               const std::function<void(CDlgEventDay&)>& editor = {}) {
    Options dialog(param_);
    win::SetDialogResponder([&](CDialog& d) -> intptr_t {
      if (auto* e = dynamic_cast<CDlgEventDay*>(&d)) {
        editorCaptions_.push_back(cp932::ToUtf8Lossy(e->GetWindowText()));
        if (editor) editor(*e);
        return IDCANCEL;
      }
      auto& options = dynamic_cast<Options&>(d);
      steps(options);
      rows_ = Rows(options);
      if (!options.ended()) options.SendMessage(WM_COMMAND, IDCANCEL, 0);
      return IDCANCEL;
    });
    const intptr_t result = dialog.DoModal();
    result_ = dialog.param();
    return result;
  }

  static void Press(Options& d, UINT id) {
    d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }
  // The list's rows as "name | description" in UTF-8.
  static std::vector<std::string> Rows(Options& d) {
    std::vector<std::string> rows;
    for (int row = 0; row < d.list()->GetItemCount(); ++row)
      rows.push_back(cp932::ToUtf8Lossy(d.list()->GetItemText(row, 0)) + " | " +
                     cp932::ToUtf8Lossy(d.list()->GetItemText(row, 1)));
    return rows;
  }
  static void NameAndOk(CDlgEventDay& e, const std::string& name) {
    dynamic_cast<CEdit*>(e.Control(res::kControlEventName))->SetText(Lit(name));
    e.SendMessage(WM_COMMAND, IDOK, 0);
  }

  CPrintParam param_;
  CPrintParam result_;
  std::vector<std::string> rows_;
  std::vector<std::string> editorCaptions_;
};

TEST_F(CalendarOptions, ListsTheDefaultEventsAndCreatesEditsAndDeletesThem) {
  std::vector<std::string> opened;
  const intptr_t result = Run(
      [&](Options& d) {
        opened = Rows(d);
        Press(d, res::kControlCalCreate);
        d.list()->SelectItem(0);
        Press(d, res::kControlCalEdit);
        d.list()->SelectItem(1);
        Press(d, res::kControlCalDelete);
        d.SendMessage(WM_COMMAND, IDOK, 0);
      },
      [&](CDlgEventDay& e) {
        NameAndOk(e, editorCaptions_.size() == 1 ? "結婚記念日" : "お正月");
      });
  EXPECT_EQ(opened,
            (std::vector<std::string>{"元日 | 毎年  1月  1日", "成人の日 | 毎年  1月 第2月曜",
                                      "給料日 | 毎月 25日"}));
  EXPECT_EQ(editorCaptions_,
            (std::vector<std::string>{"祝日または、記念日の作成", "祝日または、記念日の詳細"}));
  ASSERT_EQ(result, IDOK);
  ASSERT_EQ(rows_.size(), 3u);
  EXPECT_EQ(rows_[0], "お正月 | 毎年  1月  1日");
  EXPECT_EQ(rows_[1], "給料日 | 毎月 25日");
  EXPECT_EQ(rows_[2].substr(0, rows_[2].find(" |")), "結婚記念日");
  CalendarEventTable stored;
  stored.Load();
  EXPECT_EQ(TheApp().ReadInt("Print\\Calendar", "Init", 1), 0);
  EXPECT_EQ(stored.count(), 3);
  EXPECT_EQ(stored.at(0).Name(), Lit("お正月"));
  EXPECT_TRUE(stored.at(1).IsFree()) << "the deleted event's slot";
  EXPECT_EQ(stored.at(3).Name(), Lit("結婚記念日")) << "the first free slot when created";
  EXPECT_EQ(CalendarNotices(), 3) << "after each editor's OK and after the dialog's";
}

TEST_F(CalendarOptions, EditAndDeleteWantASelectedRowAndAFullTableTakesNoMore) {
  CalendarEventTable full;
  CalendarEvent e;
  for (int slot = 0; slot < CalendarEventTable::kSlots; ++slot) {
    e.SetName("e" + std::to_string(slot));
    full.Set(slot, e);
  }
  ASSERT_TRUE(full.Save());
  Run([&](Options& d) {
    d.list()->SetItemState(-1, 0, LVIS_SELECTED);
    Press(d, res::kControlCalEdit);
    Press(d, res::kControlCalDelete);
    Press(d, res::kControlCalCreate);
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"選択してください。", "選択してください。",
                                                  "これ以上作成できません。"}));
  EXPECT_TRUE(editorCaptions_.empty());
  EXPECT_EQ(rows_.size(), 64u);
}

TEST_F(CalendarOptions, ResetAsksFirstAndThenListsTheDefaultFileAgain) {
  CalendarEventTable own;
  CalendarEvent e;
  e.SetName("mine");
  e.repeat = calevents::kRepeatWeekly;
  e.weekday = 2;
  own.Set(10, e);
  ASSERT_TRUE(own.Save());
  std::vector<std::string> afterNo;
  boxAnswer_ = IDNO;
  Run([&](Options& d) {
    Press(d, res::kControlCalReset);
    afterNo = Rows(d);
    boxAnswer_ = IDYES;
    Press(d, res::kControlCalReset);
  });
  EXPECT_EQ(afterNo, std::vector<std::string>{"mine | 毎週火曜"});
  EXPECT_EQ(rows_.size(), 3u);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "祝日と記念日が初期値にリセットされます。よろしいですか？");
  EXPECT_EQ(boxes_[0].type & (MB_YESNO | MB_ICONQUESTION), MB_YESNO | MB_ICONQUESTION);
  CalendarEventTable stored;
  stored.Load();
  EXPECT_EQ(stored.at(10).Name(), "mine") << "cancelled: the registry is as it was";
}

TEST_F(CalendarOptions, OkWritesTheColoursWeekdayNamesFontAndSwitchIntoTheBlock) {
  param_.calendarFont.faceName = Lit("ＭＳ Ｐゴシック");
  shell::SetColorDialogResponderForTest(
      [](COLORREF initial) -> std::optional<COLORREF> { return initial == 0xFF ? 0x00AA00 : 0; });
  Run([&](Options& d) {
    dynamic_cast<CComboBox*>(d.Control(res::kControlCalColorTarget))->SelectAsUser(7);
    Press(d, res::kControlCalColorChange);
    dynamic_cast<CRadioButton*>(d.Control(res::kControlCalEnglish))->Click();
    dynamic_cast<CCheckBox*>(d.Control(res::kControlCalEventNames))->Click();
    Press(d, res::kControlCalBold);
    Press(d, res::kControlCalUnderline);
    Press(d, res::kControlCalUnderline);
    d.SendMessage(WM_COMMAND, IDOK, 0);
  });
  CPrintParam expected;
  expected.calendarWeekColor[7] = 0x00AA00;
  expected.calendarLogoType = 1;
  expected.calendarFrame = 0;
  expected.calendarFont.faceName = Lit("ＭＳ Ｐゴシック");
  expected.calendarFont.bold = 1;
  EXPECT_EQ(result_, expected) << "only the calendar's options change";
  EXPECT_EQ(CalendarNotices(), 1);
}

TEST_F(CalendarOptions, AFailedStoreIsToldAndKeepsTheDialogOpenWithTheBlockUnchanged) {
  bool open = false;
  fileio::FailNthWriteForTest(1);
  Run([&](Options& d) {
    Press(d, res::kControlCalBold);
    d.SendMessage(WM_COMMAND, IDOK, 0);
    open = !d.ended();
  });
  fileio::FailNthWriteForTest(0);
  EXPECT_TRUE(open);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"祝日と記念日を保存できませんでした。"});
  EXPECT_EQ(result_, param_);
  EXPECT_EQ(TheApp().ReadInt("Print\\Calendar", "Init", 1), 1);
  EXPECT_EQ(CalendarNotices(), 0);
}

TEST_F(CalendarOptions, CancelLeavesTheBlockAndTheRegistryAlone) {
  Run([&](Options& d) {
    Press(d, res::kControlCalBold);
    d.list()->SelectItem(0);
    Press(d, res::kControlCalDelete);
  });
  EXPECT_EQ(result_, param_);
  EXPECT_EQ(TheApp().ReadInt("Print\\Calendar", "Init", 1), 1);
  EXPECT_EQ(CalendarNotices(), 0);
}

}  // namespace
