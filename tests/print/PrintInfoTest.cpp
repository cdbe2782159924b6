// The printer side of printing: paper selection against a printer's papers, the page range
// and copies, and print jobs through the file printer and through a print system of the
// test's own, read back from what arrived.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/gdi/CDC.h"
#include "platform/win/CheckBox.h"
#include "print/CDlgPimSelect.h"
#include "print/CDlgPrinting.h"
#include "print/CPrintInfoEx.h"
#include "resources/DialogTemplates.h"
#include "tests/print/FilePrintFixture.h"
#include "tests/support/AlbumFixture.h"
#include "tests/support/PrivateCups.h"

namespace {

using printsys::Paper;

std::string Output(const std::string& command) {
  return CommandOutput(command);
}

std::string PdfText(const std::string& path) {
  return Output("pdftotext -layout '" + path + "' - 2>/dev/null");
}

TEST(PaperSelection, FindsThePostcardBySizeAndFallsBackToTheDefaultPaper) {
  CPrintInfoEx info;
  info.SetPapersForTest({Paper{"A4", 9, 2100, 2970}, Paper{"Hagaki", 260, 1000, 1480},
                         Paper{"Letter", 1, 2159, 2794}},
                        1);
  EXPECT_EQ(info.SelectPaper(9, true), 9);
  EXPECT_EQ(info.selectedPaper(), 0);
  EXPECT_EQ(info.SelectPaper(43, true), 260) << "a 100 x 148 mm paper under its own number";
  EXPECT_EQ(info.selectedPaper(), 1);
  EXPECT_EQ(info.SelectPaper(70, false), 1) << "an unknown paper: the printer's default";
  EXPECT_EQ(info.selectedPaper(), 1) << "not remembered";
  EXPECT_EQ(info.settings().paperSize, 1);

  info.SetPapersForTest({Paper{"A4", 9, 2100, 2970}, Paper{"A5", 11, 1480, 2100}}, 1);
  EXPECT_EQ(info.SelectPaper(43, true), 9) << "no postcard, no default: the selected paper";
  CPrintInfoEx none;
  none.SetPapersForTest({}, 9);
  EXPECT_EQ(none.SelectPaper(43, true), 9);
}

TEST(PageRange, IsReadTheRightWayRoundWithinTheDocumentAndCopiesAreAtLeastOne) {
  CPrintInfoEx info;
  info.SetRange({5, 2, 1, 4});
  const CPrintInfoEx::PageRange r = info.NormalisedRange();
  EXPECT_EQ(r.from, 2);
  EXPECT_EQ(r.to, 4);
  info.SetCopies(0);
  EXPECT_EQ(info.copies(), 1);
  info.SetCopies(3);
  EXPECT_EQ(info.copies(), 3);
}

class PrintJobs : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
  }

  // Pages that say which they are, and a box a centimetre in from the printable corner.
  static void DrawPage(CDC& dc, const CPrintInfoEx::Page& page) {
    const std::string text =
        "Page " + std::to_string(page.number) + " of " + std::to_string(page.count);
    const LONG left = page.printable.left + 100;
    const LONG top = page.printable.top + 100;
    dc.DrawText(text, RECT{left, top, left + 1500, top + 100}, 0);
    dc.Rectangle(RECT{left, top + 200, left + 500, top + 700});
  }
};

TEST_F(PrintJobs, TheFilePrinterWritesTheRangeAsAPdfAndNothingWhenCancelled) {
  CPrintInfoEx info;
  ASSERT_TRUE(info.ReadPrinters(false));
  ASSERT_TRUE(info.SelectPrinter(printsys::FilePrinterName()));
  const std::string pdf = temp_.file("pages.pdf");
  info.SetOutputFile(pdf);
  info.SelectPaper(printsys::kPaperPostcard, true);
  info.SetRange({4, 2, 1, 9});
  std::vector<int> drawn;
  const auto outcome = info.RunJob(
      5,
      [&](CDC& dc, const CPrintInfoEx::Page& page) {
        drawn.push_back(page.number);
        EXPECT_NE(info.progressWindow(), nullptr);
        DrawPage(dc, page);
      },
      nullptr);
  EXPECT_EQ(outcome, CPrintInfoEx::JobOutcome::kPrinted);
  EXPECT_EQ(drawn, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(PdfPages(pdf), 3);
  EXPECT_NE(PdfText(pdf).find("Page 3 of 5"), std::string::npos);
  EXPECT_NE(Output("pdfinfo '" + pdf + "'").find("284 x 419 pts"), std::string::npos)
      << Output("pdfinfo '" + pdf + "'");

  // Cancel on the second page: the job is aborted and no file appears.
  const std::string cancelled = temp_.file("cancelled.pdf");
  info.SetOutputFile(cancelled);
  info.SetRange({1, 5, 1, 5});
  drawn.clear();
  const auto stopped = info.RunJob(
      5,
      [&](CDC& dc, const CPrintInfoEx::Page& page) {
        drawn.push_back(page.number);
        DrawPage(dc, page);
        if (page.number == 2) info.progressWindow()->SendMessage(WM_COMMAND, IDCANCEL, 0);
      },
      nullptr);
  EXPECT_EQ(stopped, CPrintInfoEx::JobOutcome::kCancelled);
  EXPECT_EQ(drawn, (std::vector<int>{1, 2}));
  EXPECT_FALSE(std::filesystem::exists(cancelled));
}

TEST_F(PrintJobs, AJobGoesThroughThePrintSystemToItsQueue) {
  PrivateCups cups;
  if (!cups.Start(temp_.file("cups"), "HarboTest")) GTEST_SKIP() << "no CUPS scheduler here";
  CPrintInfoEx info;
  ASSERT_TRUE(info.ReadPrinters(false));
  EXPECT_EQ(info.printerName(), "HarboTest") << "the print system's default printer";
  ASSERT_GE(info.papers().size(), 1u);
  info.SetRange({1, 2, 1, 2});
  EXPECT_EQ(info.RunJob(2, DrawPage, nullptr), CPrintInfoEx::JobOutcome::kPrinted);
  const std::vector<std::string> jobs = cups.Jobs(1, std::chrono::seconds(20));
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(PdfPages(jobs[0]), 2);
  EXPECT_NE(PdfText(jobs[0]).find("Page 2 of 2"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(PrintJobs, ThePrintImageMatchingChoiceIsKeptOnlyOnOk) {
  CPrintInfoEx info;
  for (const bool ok : {false, true}) {
    win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
      auto& d = dynamic_cast<CDlgPimSelect&>(dialog);
      dynamic_cast<CCheckBox*>(d.Control(res::kControlPimSwitch))->Click();
      d.SendMessage(WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
      return 0;
    });
    CDlgPimSelect dialog(info.pimSwitch());
    if (dialog.DoModal() == IDOK) info.SetPimSwitch(dialog.pimSwitch());
    EXPECT_EQ(info.pimSwitch(), ok ? 1 : 0);
  }
}

}  // namespace

namespace {

TEST_F(PrintJobs, TheSetupDialogChangesThePrinterAndItsPaperOnlyWhenConfirmed) {
  CPrintInfoEx info;
  ASSERT_TRUE(info.ReadPrinters(false));
  const printsys::Settings before = info.settings();
  printsys::SetSetupResponderForTest(
      [](const printsys::Settings&) -> std::optional<printsys::Settings> { return std::nullopt; });
  EXPECT_EQ(info.PrinterSetup(nullptr), 0) << "cancelled";
  EXPECT_TRUE(info.settings() == before);
  printsys::SetSetupResponderForTest([](const printsys::Settings& shown) {
    printsys::Settings chosen = shown;
    chosen.printer = printsys::FilePrinterName();
    chosen.paperSize = printsys::kPaperPostcard;
    chosen.portrait = false;
    return std::optional<printsys::Settings>(chosen);
  });
  EXPECT_EQ(info.PrinterSetup(nullptr), 1);
  printsys::SetSetupResponderForTest(nullptr);
  EXPECT_EQ(info.printerName(), printsys::FilePrinterName());
  EXPECT_FALSE(info.IsPortrait());
  ASSERT_GE(info.selectedPaper(), 0);
  EXPECT_EQ(info.papers()[static_cast<size_t>(info.selectedPaper())].number,
            printsys::kPaperPostcard);
}

}  // namespace
