// The header and footer editor and the caption options: what OK writes, the question
// before changes are dropped, and stored values out of range corrected on opening.
#include <gtest/gtest.h>

#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/RadioButton.h"
#include "print/CDlgMargin.h"
#include "print/CDlgPrintFormatPhotoOption.h"
#include "resources/PrintStyleDialogs.h"
#include "tests/print/StyleDialogFixture.h"

namespace {

using cp932::Lit;

class StyleOptionDialogs : public StyleDialogFixture {
 protected:
  template <class Dialog>
  static void Click(Dialog& d, UINT id) {
    CWnd* control = d.Control(id);
    if (auto* radio = dynamic_cast<CRadioButton*>(control)) radio->Click();
    if (auto* box = dynamic_cast<CCheckBox*>(control)) box->Click();
  }
  static std::string Text(CWnd* control) { return cp932::ToUtf8Lossy(control->GetWindowText()); }
  static void Type(CWnd* edit, const std::string& text) {
    dynamic_cast<CEdit*>(edit)->SetText(Lit(text));
  }

  void AnswerFonts() {
    shell::SetFontDialogResponderForTest([](const shell::FontChoice& initial) {
      shell::FontChoice chosen = initial;
      chosen.faceName = Lit("ＭＳ ゴシック");
      chosen.point = 120;
      chosen.bold = true;
      return std::optional(chosen);
    });
  }

  CPrintMarginText header_{CPrintMarginText::kHeader};
  CPrintMarginText footer_{CPrintMarginText::kFooter};
};

TEST_F(StyleOptionDialogs, MarginOkWritesTextsSwitchesPlacesAndFonts) {
  header_.font.faceName = "Serif";
  header_.font.point = 95;
  header_.position = CPrintMarginText::kRight | CPrintMarginText::kMiddle;
  AnswerFonts();
  CDlgMargin dialog(header_, footer_);
  std::string shownFont;
  const intptr_t result = Run<CDlgMargin>(dialog, [&](CDlgMargin& d) {
    Keep(d, "margin");
    EXPECT_EQ(
        dynamic_cast<CRadioButton*>(d.Control(res::kControlMarginHeader + (res::kBandLeft + 2)))
            ->GetCheck(),
        BST_CHECKED);
    shownFont = Text(d.Control(res::kControlMarginHeader + res::kBandFontName));
    const UINT footer = res::kControlMarginFooter;
    Type(d.Control(footer + res::kBandText), "&p / &s");
    Click(d, footer + res::kBandHide);
    Click(d, footer + (res::kBandLeft + 2));
    Click(d, footer + res::kBandTop + 2);
    Press(d, footer + res::kBandFont);
    d.SendMessage(WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(shownFont, "Serif 9pt");
  ASSERT_EQ(result, IDOK);
  EXPECT_EQ(dialog.header(), header_);
  EXPECT_EQ(dialog.footer().text, "&p / &s");
  EXPECT_EQ(dialog.footer().show, 0);
  EXPECT_EQ(dialog.footer().position, CPrintMarginText::kRight | CPrintMarginText::kBottom);
  EXPECT_EQ(dialog.footer().font.faceName, Lit("ＭＳ ゴシック"));
  EXPECT_EQ(dialog.footer().font.point, 120);
  EXPECT_EQ(dialog.footer().font.bold, 1);
  EXPECT_EQ(dialog.footer().font.color, footer_.font.color) << "the chooser picks no colour";
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(StyleOptionDialogs, MarginAsksBeforeDroppingChangesAndOnlyThen) {
  CDlgMargin untouched(header_, footer_);
  EXPECT_EQ(Run<CDlgMargin>(untouched, [](CDlgMargin&) {}), IDCANCEL);
  EXPECT_TRUE(boxes_.empty()) << "nothing changed: nothing to ask";

  const auto edit = [](CDlgMargin& d) {
    Type(d.Control(res::kControlMarginHeader + res::kBandText), "new");
    d.SendMessage(WM_COMMAND, IDCANCEL, 0);
  };
  bool stillOpen = false;
  boxAnswer_ = IDCANCEL;
  CDlgMargin back(header_, footer_);
  Run<CDlgMargin>(back, [&](CDlgMargin& d) {
    edit(d);
    stillOpen = !d.ended();
    boxAnswer_ = IDNO;
  });
  EXPECT_TRUE(stillOpen) << "cancel in the question goes back to the dialog";
  ASSERT_EQ(BoxTexts().front(), "変更されています。更新しますか？");
  EXPECT_EQ(boxes_[0].type & 0xF, MB_YESNOCANCEL);

  boxAnswer_ = IDNO;
  CDlgMargin dropped(header_, footer_);
  EXPECT_EQ(Run<CDlgMargin>(dropped, edit), IDCANCEL);
  EXPECT_EQ(dropped.header(), header_);

  boxAnswer_ = IDYES;
  CDlgMargin kept(header_, footer_);
  EXPECT_EQ(Run<CDlgMargin>(kept, edit), IDOK);
  EXPECT_EQ(kept.header().text, "new");
}

TEST_F(StyleOptionDialogs, PhotoOptionCorrectsStoredValuesAndOkWritesTheChoices) {
  CPrintPhotoOption option;
  option.namePosition = 5;
  option.datePosition = 1;
  option.memoPosition = 4;
  option.memoAlternate = 2;
  option.scaleOver = 3;
  option.memoWidth = CPrintPhotoOption::kMemoLarge;
  option.dateFont.faceName = "Sans";
  option.dateFont.point = 105;
  const CPrintPhotoOption corrected = CDlgPrintFormatPhotoOption::Corrected(option);
  EXPECT_EQ(corrected.namePosition, 0);
  EXPECT_EQ(corrected.datePosition, 1);
  EXPECT_EQ(corrected.memoPosition, 0);
  EXPECT_EQ(corrected.memoAlternate, 1);
  EXPECT_EQ(corrected.scaleOver, 1);

  AnswerFonts();
  shell::SetColorDialogResponderForTest([](COLORREF) { return std::optional<COLORREF>(0x123456); });
  CDlgPrintFormatPhotoOption dialog(option);
  std::string dateFont;
  int memoSize = -1;
  const intptr_t result =
      Run<CDlgPrintFormatPhotoOption>(dialog, [&](CDlgPrintFormatPhotoOption& d) {
        Keep(d, "photo-option");
        dateFont = Text(d.Control(res::kControlOptionDate + res::kRowFontName));
        auto* size = dynamic_cast<CComboBox*>(d.Control(res::kControlOptionMemoSize));
        memoSize = size->GetCurSel();
        size->SelectAsUser(0);
        dynamic_cast<CComboBox*>(d.Control(res::kControlOptionMemo + res::kRowPosition))
            ->SelectAsUser(3);
        dynamic_cast<CCheckBox*>(d.Control(res::kControlOptionName + res::kRowShow))->Click();
        Press(d, res::kControlOptionMemo + res::kRowColor);
        Press(d, res::kControlOptionName + res::kRowFont);
        dynamic_cast<CRadioButton*>(d.Control(res::kControlOptionStretch))->Click();
        d.SendMessage(WM_COMMAND, IDOK, 0);
      });
  EXPECT_EQ(dateFont, "Sans : 10pt");
  EXPECT_EQ(memoSize, 2);
  ASSERT_EQ(result, IDOK);
  CPrintPhotoOption expected = corrected;
  expected.memoWidth = CPrintPhotoOption::kMemoSmall;
  expected.memoPosition = 3;
  expected.nameVisible = 0;
  expected.memoFont.color = 0x123456;
  expected.nameFont.faceName = Lit("ＭＳ ゴシック");
  expected.nameFont.point = 120;
  expected.nameFont.bold = 1;
  expected.stretch = 1;
  EXPECT_EQ(dialog.option(), expected);
}

}  // namespace
