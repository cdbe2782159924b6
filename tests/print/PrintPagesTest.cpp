// Printed pages read back from the PDF the file printer makes: the header and footer codes,
// the photos' names and dates, and a calendar's months and holiday names.
#include <gtest/gtest.h>

#include "platform/gdi/CDC.h"
#include "print/CPrintManager.h"
#include "print/PrintLayout.h"
#include "tests/images/TestPictures.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/print/FilePrintFixture.h"

namespace {

using cp932::Lit;

TEST(MarginText, ExpandsItsCodesAndLeavesOtherAmpersandsAlone) {
  const printrender::PrintTime t{2026, 12, 7, 9, 5};
  EXPECT_EQ(printrender::ExpandMarginText("&p/&s", 2, 5, t), "2/5");
  EXPECT_EQ(printrender::ExpandMarginText("A&&B &x &", 1, 1, t), "A&B &x &");
  EXPECT_EQ(printrender::ExpandMarginText("( &d &t )", 1, 1, t), "( 2026/12/07 09:05 )");
}

class PrintPages : public FilePrintFixture {
 protected:
  void SetUp() override {
    FilePrintFixture::SetUp();
    pdf_ = temp_.file("pages.pdf");
    manager_.printer().SetOutputFile(pdf_);
  }

  // A photo of the album, dated 3 May 2027.
  CPhotoItem* Photo(const std::string& name) {
    const std::string path = TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder) + "/" + name;
    testpictures::Write(testpictures::Photo(160, 120), path, "JPEG");
    PhotoFileRecord record = RecordFor(path);
    record.year = 2027, record.month = 5, record.day = 3;
    return TheApp().library()->AddRecord(record, nullptr);
  }

  std::string Text() { return CommandOutput("pdftotext -layout '" + pdf_ + "' - 2>/dev/null"); }

  std::string pdf_;
};

TEST_F(PrintPages, AnIndexSheetShowsNamesDatesAndTheHeaderAndFooter) {
  CPrintFormat style = *manager_.formats().Get(0);  // two columns of five
  CPrintPhotoOption& captions = style.paramMain.photoOption;
  captions.nameVisible = captions.dateVisible = 1;
  captions.datePosition = 0;
  style.paper.header.show = style.paper.footer.show = 1;
  std::vector<std::vector<printrender::PlacedPhoto>> pages(2);
  for (int i = 0; i < 12; ++i)
    pages[static_cast<size_t>(i / 10)].push_back(
        {i % 10, Photo("shot" + std::to_string(i) + ".jpg")});
  manager_.printer().SetRange({1, 2, 1, 2});
  ASSERT_EQ(manager_.Print(style, pages, POINT{}, nullptr), CPrintInfoEx::JobOutcome::kPrinted);
  const std::string text = Text();
  EXPECT_NE(text.find("shot0"), std::string::npos);
  EXPECT_NE(text.find("shot11"), std::string::npos);
  EXPECT_NE(text.find("2027/ 5/ 3"), std::string::npos);
  EXPECT_NE(text.find("1/2"), std::string::npos) << "the footer of the first page";
  EXPECT_NE(text.find("2/2"), std::string::npos);
  EXPECT_NE(text.find("Quarn Port - ("), std::string::npos);
  EXPECT_NE(CommandOutput("pdfinfo '" + pdf_ + "'").find("595 x 842 pts (A4)"), std::string::npos);
}

TEST_F(PrintPages, ACalendarPrintsItsMonthsAndTheHolidaysOfTheEventTable) {
  CPrintFormat style = *manager_.formats().Get(7);  // six months and two photos
  CPrintParam& b = style.paramMain;
  b.calendarStartYear = 2027;
  b.calendarStartMonth = 1;
  b.calendarMonthCount = 12;
  b.calendarLogoType = 1;
  std::vector<std::vector<printrender::PlacedPhoto>> pages(1);
  pages[0].push_back({0, Photo("one.jpg")});
  ASSERT_EQ(manager_.Print(style, pages, POINT{}, nullptr), CPrintInfoEx::JobOutcome::kPrinted);
  const std::string text = Text();
  EXPECT_NE(text.find("2027/ 1"), std::string::npos);
  EXPECT_NE(text.find("2027/12"), std::string::npos);
  EXPECT_NE(text.find("Sun"), std::string::npos);
  EXPECT_NE(text.find("元日"), std::string::npos) << "the events file's holidays";
  EXPECT_NE(text.find("春分の日"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(PrintPages, APhotoFitsCoversOrFillsItsBoxAndTurnsWithItsRecord) {
  CPhotoItem* photo = Photo("wide.jpg");  // 160 x 120
  auto dc = CDC::CreateMemory(200, 200);
  const RECT box{0, 0, 200, 200};
  CPrintPhotoOption o;
  auto placed = [&] {
    const RECT r = printrender::DrawPhoto(*dc, box, o, *photo, 254);
    return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
  };
  o.scaleOver = 1;
  EXPECT_EQ(placed(), (std::vector<LONG>{0, 25, 200, 175})) << "the whole photo";
  EXPECT_EQ(dc->GetPixel(100, 5), 0xFFFFFFu) << "the box outside the photo stays blank";
  o.scaleOver = 0;
  EXPECT_EQ(placed(), (std::vector<LONG>{0, 0, 200, 200})) << "the box filled, the rest cut";
  o.stretch = 1;
  EXPECT_EQ(placed(), (std::vector<LONG>{0, 0, 200, 200}));
  o.stretch = 0;
  o.scaleOver = 1;
  AdjustmentRecord turned{};
  turned.rotation = 90;
  photo->SetAdjustments(turned);
  EXPECT_EQ(placed(), (std::vector<LONG>{25, 0, 175, 200})) << "turned upright";
  CPhotoItem missing;
  EXPECT_EQ(printrender::DrawPhoto(*dc, box, o, missing, 254).right, 0);
}

}  // namespace
