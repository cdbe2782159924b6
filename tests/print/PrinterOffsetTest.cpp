// A label style's printer offset moves everything printed on the sheet by exactly its
// amount, read back from the PDF the file printer makes; other kinds ignore it.
#include <gtest/gtest.h>

#include <regex>

#include "tests/images/TestPictures.h"
#include "tests/print/FilePrintFixture.h"

namespace {

constexpr double kPointsPerTenthMm = 72.0 / 254.0;
// One device pixel of the 300 dpi file printer, in points: what rounding may add.
constexpr double kPixel = 72.0 / 300.0;

struct Spot {
  double x = -1;
  double y = -1;
};

class PrinterOffset : public FilePrintFixture {
 protected:
  void SetUp() override {
    FilePrintFixture::SetUp();
    const std::string path =
        TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder) + "/labelphoto.jpg";
    testpictures::Write(testpictures::Photo(160, 120), path, "JPEG");
    photo_ = TheApp().library()->AddRecord(RecordFor(path), nullptr);
  }

  // Prints one page of the style with the photo in its first cell and answers where the
  // photo's name stands on it (points from the top left corner).
  Spot NameOnPage(CPrintFormat style, const std::string& file) {
    style.paramMain.photoOption.nameVisible = 1;
    const std::string pdf = temp_.file(file);
    manager_.printer().SetOutputFile(pdf);
    const std::vector<std::vector<printrender::PlacedPhoto>> pages{{{0, photo_}}};
    if (manager_.Print(style, pages, POINT{}, nullptr) != CPrintInfoEx::JobOutcome::kPrinted)
      return {};
    const std::string out = CommandOutput("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
    std::smatch m;
    static const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>labelphoto)re");
    if (!std::regex_search(out, m, word)) return {};
    return Spot{std::stod(m[1]), std::stod(m[2])};
  }

  CPhotoItem* photo_ = nullptr;
};

TEST_F(PrinterOffset, MovesALabelSheetByItsAmountAndLeavesOtherKindsAlone) {
  CPrintFormat label = *manager_.formats().Get(8);
  ASSERT_EQ(label.attr, CPrintFormat::kSeal);
  const Spot plain = NameOnPage(label, "plain.pdf");
  ASSERT_GE(plain.x, 0) << "the name is on the page";
  label.paper.offsetX = 30;
  label.paper.offsetY = -20;
  const Spot moved = NameOnPage(label, "moved.pdf");
  EXPECT_NEAR(moved.x - plain.x, 30 * kPointsPerTenthMm, kPixel);
  EXPECT_NEAR(moved.y - plain.y, -20 * kPointsPerTenthMm, kPixel);

  CPrintFormat basic = *manager_.formats().Get(0);
  const Spot basicPlain = NameOnPage(basic, "basic.pdf");
  basic.paper.offsetX = 50;
  basic.paper.offsetY = 50;
  const Spot basicMoved = NameOnPage(basic, "basic-moved.pdf");
  ASSERT_GE(basicPlain.x, 0);
  EXPECT_DOUBLE_EQ(basicMoved.x, basicPlain.x);
  EXPECT_DOUBLE_EQ(basicMoved.y, basicPlain.y);
}

}  // namespace
