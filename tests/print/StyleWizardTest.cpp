// The style wizard and the style list driven as a person would: the pages a style passes
// through, the reset to a kind's starting values, input kept within its ranges, and the
// list's create, details and delete with their limits.
#include <gtest/gtest.h>

#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/RadioButton.h"
#include "print/CDlgMargin.h"
#include "print/CDlgPrintFormatList.h"
#include "print/CDlgPrintFormatWizard.h"
#include "print/CPrintFormats.h"
#include "resources/PrintStyleDialogs.h"
#include "tests/print/StyleDialogFixture.h"

namespace {

using cp932::Lit;
using Wizard = CDlgPrintFormatWizard;

class StyleWizard : public StyleDialogFixture {
 protected:
  void SetUp() override {
    StyleDialogFixture::SetUp();
    ASSERT_TRUE(formats_.LoadList({2026, 5}));
  }

  // Runs the wizard on the style; the steps drive it, `others` answers the dialogs it opens.
  intptr_t RunWizard(const CPrintFormat& style, const std::function<void(Wizard&)>& steps,
                     const std::function<intptr_t(CDialog&)>& others = {}) {
    Wizard wizard(style, Wizard::Mode::kDetails, nullptr);
    const intptr_t result = Run<Wizard>(wizard, steps, others);
    result_ = wizard.style();
    return result;
  }

  static void Type(Wizard& d, UINT id, const std::string& text) {
    dynamic_cast<CEdit*>(d.Control(id))->SetText(Lit(text));
  }
  static void Choose(Wizard& d, UINT id) { dynamic_cast<CRadioButton*>(d.Control(id))->Click(); }
  static void Pick(Wizard& d, UINT id, int index) {
    dynamic_cast<CComboBox*>(d.Control(id))->SelectAsUser(index);
  }
  // Shown on its page (the wizard itself is not shown while a test drives it).
  static bool Shown(Wizard& d, UINT id) { return !QtBridge::WidgetOf(d.Control(id))->isHidden(); }
  static void Next(Wizard& d) { Press(d, res::kControlWizNext); }
  static void Back(Wizard& d) { Press(d, res::kControlWizBack); }
  static void Finish(Wizard& d) { Press(d, res::kControlWizFinish); }
  static std::string Heading(Wizard& d) {
    return cp932::ToUtf8Lossy(d.Control(res::kControlWizHeading)->GetWindowText());
  }

  CPrintFormat Basic() const { return *formats_.Get(0); }
  CPrintFormat Calendar() const { return *formats_.Get(7); }

  CPrintFormats formats_;
  CPrintFormat result_;
};

TEST_F(StyleWizard, ABasicStyleSkipsTheCalendarPageBothWaysAndACalendarStyleShowsIt) {
  std::vector<int> pages;
  std::vector<std::string> headings;
  RunWizard(Basic(), [&](Wizard& d) {
    Keep(d, "wizard-name");
    headings.push_back(Heading(d));
    Next(d);
    Keep(d, "wizard-paper");
    pages.push_back(d.page());
    Next(d);
    Keep(d, "wizard-cells");
    pages.push_back(d.page());
    headings.push_back(Heading(d));
    Back(d);
    pages.push_back(d.page());
    Back(d);
    pages.push_back(d.page());
  });
  EXPECT_EQ(pages, (std::vector<int>{1, 3, 1, 0}));
  EXPECT_EQ(headings, (std::vector<std::string>{"スタイル名とスタイルの種類を入力してください",
                                                "写真の列行数やサイズを設定してください"}));
  pages.clear();
  RunWizard(Calendar(), [&](Wizard& d) {
    Next(d);
    Next(d);
    Keep(d, "wizard-calendar");
    pages.push_back(d.page());
    headings.push_back(Heading(d));
    Next(d);
    pages.push_back(d.page());
    Back(d);
    pages.push_back(d.page());
  });
  EXPECT_EQ(pages, (std::vector<int>{2, 3, 2}));
  EXPECT_EQ(headings.back(), "カレンダーの位置と年月を選択してください");
}

TEST_F(StyleWizard, FinishStoresTheShownPageAndLeavesPagesNotVisitedAlone) {
  CPrintFormat style = Basic();
  style.paramMain.SetCells(3, 7);
  style.paper.spaceLeft = 123;
  EXPECT_EQ(RunWizard(style,
                      [&](Wizard& d) {
                        Type(d, res::kControlWc1Name, "mine");
                        Finish(d);
                      }),
            IDOK);
  CPrintFormat expected = style;
  expected.name = "mine";
  EXPECT_EQ(result_, expected);

  EXPECT_EQ(RunWizard(style, [&](Wizard& d) { Type(d, res::kControlWc1Name, "other"); }), IDCANCEL);
  EXPECT_EQ(result_, style) << "cancelled";
}

TEST_F(StyleWizard, AnEmptyNameIsRefusedAndKeepsTheFirstPage) {
  int page = -1;
  RunWizard(Basic(), [&](Wizard& d) {
    Type(d, res::kControlWc1Name, "");
    Next(d);
    page = d.page();
    Finish(d);
  });
  EXPECT_EQ(page, 0);
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"名前を入力してください。", "名前を入力してください。"}));
  EXPECT_EQ(result_, Basic());
}

TEST_F(StyleWizard, ALabelKindStartsFromTheLabelSheetValuesAndKeepsTheCaptionFonts) {
  CPrintFormat style = Basic();
  style.paramMain.photoOption.nameFont.faceName = "Serif";
  style.paramMain.photoOption.dateFont.color = 0x00112233;
  bool offsetShown = false;
  bool offsetShownForBasic = true;
  RunWizard(style, [&](Wizard& d) {
    Next(d);
    offsetShownForBasic = Shown(d, res::kControlWc2OffsetX);
    Back(d);
    Choose(d, res::kControlWc1Seal);
    Next(d);
    offsetShown = Shown(d, res::kControlWc2OffsetX);
    Keep(d, "wizard-label-paper");
    Finish(d);
  });
  EXPECT_FALSE(offsetShownForBasic);
  EXPECT_TRUE(offsetShown);
  EXPECT_EQ(result_.attr, CPrintFormat::kSeal);
  EXPECT_EQ(result_.paper.sizeId, CPrintPaper::kPostcard);
  EXPECT_EQ(result_.paper.enableArea, 0);
  EXPECT_EQ((std::vector<int>{result_.paper.spaceLeft, result_.paper.spaceTop,
                              result_.paper.spaceRight, result_.paper.spaceBottom}),
            (std::vector<int>{90, 190, 90, 190}));
  const CPrintParam& p = result_.paramMain;
  EXPECT_EQ((std::vector<int>{p.cols, p.rows, p.photoSizeX, p.photoSizeY, p.spaceSizeX,
                              p.spaceSizeY, p.autoPhotoSize, p.autoSpaceSize}),
            (std::vector<int>{4, 4, 190, 260, 20, 20, 0, 0}));
  EXPECT_EQ(p.photoOption.nameVisible + p.photoOption.dateVisible + p.photoOption.memoVisible, 0);
  EXPECT_EQ(p.photoOption.stretch, 1);
  EXPECT_EQ(p.photoOption.nameFont.faceName, "Serif");
  EXPECT_EQ(p.photoOption.dateFont.color, 0x00112233u);
  EXPECT_EQ(result_.mix, 0);
}

TEST_F(StyleWizard, ALabelStylesPrinterOffsetIsKeptWithinFiveMillimetres) {
  const CPrintFormat label = *formats_.Get(8);
  RunWizard(label, [&](Wizard& d) {
    Next(d);
    Type(d, res::kControlWc2OffsetX, "-80");
    Type(d, res::kControlWc2OffsetY, "7");
    Finish(d);
  });
  EXPECT_EQ(result_.paper.offsetX, -CPrintPaper::kMaxOffset);
  EXPECT_EQ(result_.paper.offsetY, 7);
  ASSERT_TRUE(result_.Save("Print\\Offset"));
  PutRaw("Print\\Offset\\Paper", "OffsetY", 999);
  CPrintFormat stored;
  stored.Load("Print\\Offset", false);
  EXPECT_EQ(stored.paper.offsetX, -CPrintPaper::kMaxOffset);
  EXPECT_EQ(stored.paper.offsetY, CPrintPaper::kMaxOffset) << "a stored value out of range";
}

TEST_F(StyleWizard, TheSameKindChosenAgainKeepsTheStyle) {
  CPrintFormat style = Calendar();
  RunWizard(style, [&](Wizard& d) {
    Choose(d, res::kControlWc1Basic);
    Choose(d, res::kControlWc1Calendar);
    Finish(d);
  });
  EXPECT_EQ(result_, style);
}

TEST_F(StyleWizard, NumbersAreKeptWithinTheirRanges) {
  RunWizard(Basic(), [&](Wizard& d) {
    Next(d);
    Type(d, res::kControlWc2Left, "7000");
    Type(d, res::kControlWc2Left + 2, "");
    Next(d);
    Type(d, res::kControlWc4Cols, "12");
    Type(d, res::kControlWc4Rows, "0");
    dynamic_cast<CCheckBox*>(d.Control(res::kControlWc4AutoSize))->SetCheck(0);
    Type(d, res::kControlWc4Width, "10");
    Type(d, res::kControlWc4Height, "99999");
    Type(d, res::kControlWc4SpaceX, "5001");
    Finish(d);
  });
  EXPECT_EQ(result_.paper.spaceLeft, 5000);
  EXPECT_EQ(result_.paper.spaceTop, 0);
  const CPrintParam& p = result_.paramMain;
  EXPECT_EQ(p.cols, 8);
  EXPECT_EQ(p.rows, 1);
  EXPECT_EQ(p.autoPhotoSize, 0);
  EXPECT_EQ(p.photoSizeX, 50);
  EXPECT_EQ(p.photoSizeY, 5000);
  EXPECT_EQ(p.spaceSizeX, 5000);
}

TEST_F(StyleWizard, CalendarBoxesTakeEffectWhenChangedOnly) {
  CPrintFormat style = Calendar();
  style.paramMain.calendarStartYear = 1999;
  style.paramMain.calendarStartMonth = 4;
  RunWizard(style, [&](Wizard& d) {
    Next(d);
    Next(d);
    Finish(d);
  });
  EXPECT_EQ(result_, style) << "a year before the ones offered stays";
  RunWizard(style, [&](Wizard& d) {
    Next(d);
    Next(d);
    Pick(d, res::kControlWc3Size, 2);
    Pick(d, res::kControlWc3Period, 3);
    Pick(d, res::kControlWc3Start, 1);
    Finish(d);
  });
  EXPECT_EQ(result_.paramMain.calendarWidth, CPrintParam::kShareOneThird);
  EXPECT_EQ(result_.paramMain.calendarMonthCount, 12);
  EXPECT_EQ(result_.paramMain.calendarStartYear, -1);
  EXPECT_EQ(result_.paramMain.calendarStartMonth, -2);
  RunWizard(Calendar(), [&](Wizard& d) {
    Next(d);
    Next(d);
    Pick(d, res::kControlWc3Start, 2);
    Pick(d, res::kControlWc3Year, 1);
    Pick(d, res::kControlWc3Month, 11);
    Finish(d);
  });
  EXPECT_EQ(result_.paramMain.calendarStartYear, PrintYearMonth::Now().year + 1);
  EXPECT_EQ(result_.paramMain.calendarStartMonth, 12);
}

TEST_F(StyleWizard, TheHeaderAndFooterButtonEditsTheStylesBands) {
  RunWizard(
      Basic(),
      [&](Wizard& d) {
        Next(d);
        Press(d, res::kControlWc2HeaderFooter);
        Finish(d);
      },
      [](CDialog& d) -> intptr_t {
        auto& margin = dynamic_cast<CDlgMargin&>(d);
        dynamic_cast<CEdit*>(margin.Control(res::kControlMarginFooter + res::kBandText))
            ->SetText("page &p");
        margin.SendMessage(WM_COMMAND, IDOK, 0);
        return IDOK;
      });
  EXPECT_EQ(result_.paper.footer.text, "page &p");
}

class StyleListDialog : public StyleWizard {
 protected:
  // Runs the list; the wizards it opens are answered by `wizard`.
  void RunList(const std::function<void(CDlgPrintFormatList&)>& steps,
               const std::function<intptr_t(Wizard&)>& wizard = {}) {
    CDlgPrintFormatList dialog(formats_, nullptr);
    Run<CDlgPrintFormatList>(
        dialog,
        [&](CDlgPrintFormatList& d) {
          steps(d);
          rows_.clear();
          for (int row = 0; row < d.list()->GetItemCount(); ++row)
            rows_.push_back(cp932::ToUtf8Lossy(d.list()->GetItemText(row, 0)));
          selected_ = -1;
          for (int row = 0; row < d.list()->GetItemCount(); ++row)
            if (d.list()->IsItemSelected(row)) selected_ = row;
        },
        [&](CDialog& d) -> intptr_t {
          auto& w = dynamic_cast<Wizard&>(d);
          captions_.push_back(cp932::ToUtf8Lossy(w.GetWindowText()));
          return wizard ? wizard(w) : IDCANCEL;
        });
  }
  static intptr_t FinishWizard(Wizard& w) {
    Finish(w);
    return IDOK;
  }
  static int StoredCount() { return TheApp().ReadInt("Print", "FormatCount", -1); }

  std::vector<std::string> rows_;
  std::vector<std::string> captions_;
  int selected_ = -1;
};

TEST_F(StyleListDialog, CreateCopiesTheSelectedStyleUnderANewNameAndSavesTheList) {
  RunList(
      [](CDlgPrintFormatList& d) {
        Keep(d, "style-list");
        d.list()->SelectItem(7);
        Press(d, res::kControlStyleCreate);
      },
      FinishWizard);
  EXPECT_EQ(captions_, std::vector<std::string>{"印刷スタイルの作成"});
  ASSERT_EQ(formats_.count(), 11);
  EXPECT_EQ(rows_.size(), 11u);
  EXPECT_EQ(selected_, 10);
  CPrintFormat expected = *formats_.Get(7);
  expected.name = Lit("ｺﾋﾟｰ") + expected.name;
  EXPECT_EQ(*formats_.Get(10), expected);
  EXPECT_EQ(formats_.currentIndex(), 10);
  CPrintFormats stored;
  ASSERT_TRUE(stored.LoadList());
  EXPECT_EQ(stored.count(), 11);
  EXPECT_EQ(stored.Get(10)->name, expected.name);
}

TEST_F(StyleListDialog, ACancelledWizardAddsNothingAndDetailsWriteBack) {
  RunList([](CDlgPrintFormatList& d) { Press(d, res::kControlStyleCreate); });
  EXPECT_EQ(formats_.count(), 10);
  RunList(
      [](CDlgPrintFormatList& d) {
        d.list()->SelectItem(2);
        Press(d, res::kControlStyleDetails);
      },
      [](Wizard& w) {
        Type(w, res::kControlWc1Name, "renamed");
        return FinishWizard(w);
      });
  EXPECT_EQ(captions_.back(), "印刷スタイルの詳細");
  EXPECT_EQ(rows_[2], "renamed");
  CPrintFormats stored;
  ASSERT_TRUE(stored.LoadList());
  EXPECT_EQ(stored.Get(2)->name, "renamed");
}

TEST_F(StyleListDialog, DeletingTheLastEntrySelectsTheOneBeforeAndOneStyleAlwaysStays) {
  RunList([](CDlgPrintFormatList& d) {
    d.list()->SelectItem(9);
    Press(d, res::kControlStyleDelete);
  });
  EXPECT_EQ(formats_.count(), 9);
  EXPECT_EQ(selected_, 8);
  EXPECT_EQ(StoredCount(), 9);
  RunList([](CDlgPrintFormatList& d) {
    d.list()->SelectItem(3);
    Press(d, res::kControlStyleDelete);
  });
  EXPECT_EQ(selected_, 3) << "the next entry";
  RunList([](CDlgPrintFormatList& d) {
    for (int i = 0; i < 8; ++i) Press(d, res::kControlStyleDelete);
  });
  EXPECT_EQ(formats_.count(), 1);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"印刷スタイルをこれ以上削除できません。"});
  EXPECT_EQ(formats_.currentIndex(), 0);
}

TEST_F(StyleListDialog, ASixtyFifthStyleIsRefused) {
  while (formats_.count() < CPrintFormats::kMaxFormats)
    formats_.Add(std::make_unique<CPrintFormat>(Basic()), false);
  RunList([](CDlgPrintFormatList& d) { Press(d, res::kControlStyleCreate); }, FinishWizard);
  EXPECT_TRUE(captions_.empty());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"印刷スタイルをこれ以上作成できません。"});
  EXPECT_EQ(formats_.count(), CPrintFormats::kMaxFormats);
}

}  // namespace
