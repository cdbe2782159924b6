// The easy print panel's page preview: photos drawn in their cells, cells found under the
// mouse, a drag onto another cell asking for a swap, Delete asking for the removal.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/gdi/CDC.h"
#include "platform/win/Menu.h"
#include "print/CCtrlPrintPreview.h"
#include "print/PrintLayout.h"
#include "tests/images/TestPictures.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/print/PreviewTestSupport.h"
#include "tests/print/TestPages.h"

namespace {

class PrintPreview : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    TheApp().OpenUserAlbum();
    style_.paramMain.SetCells(2, 2);
    style_.paramMain.photoOption.HideAll();
    printlayout::LayOut(style_, metrics_, PrintYearMonth{2026, 12}, layout_);
    for (int i = 0; i < 3; ++i) {
      const std::string path =
          TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder) + "/p" + std::to_string(i) + ".jpg";
      testpictures::Write(testpictures::Photo(160, 120), path, "JPEG");
      CPhotoItem* record = TheApp().library()->AddRecord(RecordFor(path), nullptr);
      items_.Add(std::make_unique<CPrintItem>(record), 0, -1, 4);
    }
    ASSERT_TRUE(parent_.Create("parent", 0, RECT{0, 0, 320, 420}, nullptr));
    ASSERT_TRUE(preview_.Create(&parent_, 1, RECT{0, 0, 300, 400}));
    preview_.Show(&style_, &layout_, &metrics_, &items_, 0);
  }

  CPrintFormat style_;
  CPrintPaperSizeInfo metrics_ = A4Page();
  PrintPageTemplate layout_;
  CPrintItems items_;
  RecordingWindow parent_{CCtrlPrintPreview::kMsgDelete, CCtrlPrintPreview::kMsgSwap};
  CCtrlPrintPreview preview_;
};

TEST_F(PrintPreview, DrawsThePhotosOfThePageInTheirCells) {
  auto dc = CDC::CreateMemory(300, 400);
  preview_.Draw(*dc);
  const POINT filled = Centre(preview_.CellRect(0));
  const POINT empty = Centre(preview_.CellRect(3));
  EXPECT_NE(dc->GetPixel(filled.x, filled.y), 0xFFFFFFu) << "a photo in cell 0";
  EXPECT_EQ(dc->GetPixel(empty.x, empty.y), 0xFFFFFFu) << "cell 3 is empty paper";
  EXPECT_EQ(preview_.CellAt(filled), 0);
  EXPECT_EQ(preview_.CellAt(POINT{1, 1}), -1) << "outside the sheet";
}

TEST_F(PrintPreview, ADragAsksForASwapAndDeleteForARemoval) {
  const POINT from = Centre(preview_.CellRect(0));
  const POINT to = Centre(preview_.CellRect(3));
  preview_.SendMessage(WM_LBUTTONDOWN, 1, At(from));
  preview_.SendMessage(WM_MOUSEMOVE, 1, At(POINT{from.x + 1, from.y + 1}));
  preview_.SendMessage(WM_LBUTTONUP, 0, At(POINT{from.x + 1, from.y + 1}));
  EXPECT_TRUE(parent_.told.empty()) << "a click is no drag";
  EXPECT_EQ(preview_.selectedCell(), 0);

  preview_.SendMessage(WM_LBUTTONDOWN, 1, At(from));
  preview_.SendMessage(WM_MOUSEMOVE, 1, At(to));
  preview_.SendMessage(WM_LBUTTONUP, 0, At(to));
  ASSERT_EQ(parent_.told.size(), 1u);
  EXPECT_EQ(parent_.told[0], std::make_tuple(CCtrlPrintPreview::kMsgSwap, WPARAM{0}, LPARAM{3}));

  parent_.told.clear();
  preview_.SetSelectedCell(1);
  preview_.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
  ASSERT_EQ(parent_.told.size(), 1u);
  EXPECT_EQ(parent_.told[0], std::make_tuple(CCtrlPrintPreview::kMsgDelete, WPARAM{1}, LPARAM{0}));
  preview_.SetSelectedCell(3);
  preview_.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(parent_.told.size(), 1u) << "an empty cell has nothing to remove";
  preview_.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(preview_.selectedCell(), -1);
}

}  // namespace
