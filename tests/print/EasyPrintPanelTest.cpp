// The easy print panel in the album's frame, driven as a person would: the selection put in
// with the frame's command, the preview's requests, the panel's buttons and lists, printing
// to the file printer; messages and dialogs answered by the responders.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/CMainFrame.h"
#include "platform/gdi/CDC.h"
#include "platform/print/PrintSystem.h"
#include "platform/shell/FileDialog.h"
#include "platform/win/ComboBox.h"
#include "platform/win/DropTarget.h"
#include "print/CDlgOrPrintPreview.h"
#include "print/CHarboPhotoPrintView.h"
#include "print/CPrintManager.h"
#include "resources/CommandIds.h"
#include "resources/EasyPrintPanel.h"
#include "tests/print/FilePrintFixture.h"
#include "tests/support/FrameFixture.h"

namespace {

class EasyPrintPanel : public FrameFixture {
 protected:
  EasyPrintPanel() { frameRect_ = RECT{0, 0, 1000, 700}; }

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    CPrintManager& manager = TheApp().printManager();
    ASSERT_TRUE(manager.Start(false));
    ASSERT_TRUE(manager.printer().SelectPrinter(printsys::FilePrinterName()));
  }
  void TearDown() override {
    shell::SetFileDialogResponderForTest(nullptr);
    FrameFixture::TearDown();
  }

  // Photos (kind 4) or movies (kind 8) in the album, named p1.jpg, p2.jpg, ...
  void Photos(int count, uint32_t kind = 4) {
    fileio::CreateFolderPath(album_ + "/Pc", false);
    for (int i = 0; i < count; ++i) {
      const std::string path = album_ + "/Pc/" + (kind == 4 ? "p" : "m") + std::to_string(++made_) +
                               (kind == 4 ? ".jpg" : ".3gp");
      WriteBytes(path, "jpeg");
      Library().AddRecord(RecordFor(path, kind), nullptr);
    }
  }

  CHarboPhotoPrintView& Panel() { return Frame().easyPrint(); }
  void Click(UINT id) { Panel().SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  void Choose(UINT id, int index) {
    auto* box = dynamic_cast<CComboBox*>(Panel().Control(id));
    ASSERT_NE(box, nullptr);
    box->SetCurSel(index);
    Panel().SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
  }
  // Selects the first n items of the view (all with -1) and inserts them.
  void Insert(int n = -1) {
    int i = 0;
    for (CImageItem* item : Frame().items().items()) item->SetSelected(n < 0 || i++ < n ? 1 : 0);
    Command(cmd::kInsertIntoEasyPrint);
  }
  std::string Indicator() {
    return cp932::ToUtf8Lossy(Panel().Control(res::kControlEasyIndicator)->GetWindowText());
  }
  bool Enabled(UINT id) { return Panel().Control(id)->IsWindowEnabled(); }
  std::string LastBox() const { return boxes_.empty() ? "" : boxes_.back().text; }
  // The cell (-1 none) of the photo named.
  std::pair<int, int> PlaceOf(const std::string& title) {
    CPrintItems& items = Panel().items();
    for (int i = 0; i < items.count(); ++i)
      if (items.at(i)->title() == title) return {items.at(i)->page, items.at(i)->cell};
    return {-2, -2};
  }

  int made_ = 0;
};

TEST_F(EasyPrintPanel, InsertingFillsPagesAndTheIndicatorFollowsTheStyle) {
  Photos(9);
  Photos(1, 8);
  Frame();
  Choose(res::kControlMainCols, 1);  // 2 x 2
  Choose(res::kControlMainRows, 1);
  EXPECT_EQ(Indicator(), "- / - ページ");
  EXPECT_FALSE(Enabled(res::kControlEasyIndicator));

  Insert();
  EXPECT_EQ(Panel().items().count(), 9) << "the movie stays out";
  EXPECT_EQ(Panel().items().PageCount(4), 3);
  EXPECT_EQ(Indicator(), "1 / 3 ページ");
  EXPECT_FALSE(Enabled(res::kControlEasyPrev));
  EXPECT_TRUE(Enabled(res::kControlEasyNext));
  Click(res::kControlEasyNext);
  Click(res::kControlEasyNext);
  EXPECT_EQ(Indicator(), "3 / 3 ページ");
  EXPECT_FALSE(Enabled(res::kControlEasyNext));

  Choose(res::kControlMainCols, 2);  // 3 x 2: the same photos on two pages
  EXPECT_EQ(Panel().cellsPerPage(), 6);
  EXPECT_EQ(Indicator(), "2 / 2 ページ") << "the page shown stays within the pages used";
  EXPECT_EQ(Panel().working().paramMain.cols, 3);

  // Only the movie selected: nothing to insert.
  for (CImageItem* item : Frame().items().items())
    item->SetSelected((item->flags() & 8) != 0 ? 1 : 0);
  Panel().InsertSelection();
  EXPECT_EQ(LastBox(), "写真を選択してください。");

  Click(res::kControlEasyClear);
  EXPECT_EQ(Panel().items().count(), 0);
  EXPECT_EQ(Indicator(), "- / - ページ");
}

TEST_F(EasyPrintPanel, TheLimitOf128PhotosKeepsThoseInsertedBefore) {
  Photos(130);
  Frame();
  Insert();
  EXPECT_EQ(Panel().items().count(), 128);
  EXPECT_EQ(LastBox(), "これ以上写真を挿入することはできません。");
}

// The preview asks; the panel moves, swaps, removes and inserts from a drop.
TEST_F(EasyPrintPanel, PreviewRequestsMoveSwapRemoveAndDrop) {
  Photos(5);
  Frame();
  Choose(res::kControlMainCols, 1);
  Choose(res::kControlMainRows, 1);
  Insert(2);
  const std::string first = Panel().items().at(0)->title();
  const std::string second = Panel().items().at(1)->title();
  CCtrlPrintPreview& preview = Panel().preview();

  Panel().SendMessage(CCtrlPrintPreview::kMsgSwap, 0, 3);
  EXPECT_EQ(PlaceOf(first), std::make_pair(0, 3)) << "onto an empty cell: moved";
  Panel().SendMessage(CCtrlPrintPreview::kMsgSwap, 1, 3);
  EXPECT_EQ(PlaceOf(first), std::make_pair(0, 1));
  EXPECT_EQ(PlaceOf(second), std::make_pair(0, 3)) << "onto an occupied cell: swapped";

  // A drop from a file manager is not the album's own drag.
  preview.MoveWindow(0, 0, 400, 300);
  const RECT cell2 = preview.CellRect(2);
  const POINT at{(cell2.left + cell2.right) / 2, (cell2.top + cell2.bottom) / 2};
  for (CImageItem* item : Frame().items().items()) item->SetSelected(0);
  Frame().items().items()[4]->SetSelected(1);
  const std::string dragged = Frame().items().items()[4]->title();
  win::DropFilesForTest(&preview, {album_ + "/Pc/p5.jpg"}, at);
  EXPECT_EQ(Panel().items().count(), 2);
  TheApp().SetDragSource(&Frame().thumbnailView());
  win::DropFilesForTest(&preview, {album_ + "/Pc/p5.jpg"}, at);
  TheApp().SetDragSource(nullptr);
  EXPECT_EQ(Panel().items().count(), 3);
  EXPECT_EQ(Panel().items().Find(0, 2)->title(), dragged);

  Panel().SendMessage(CCtrlPrintPreview::kMsgDelete, 3, 0);
  EXPECT_EQ(PlaceOf(second), std::make_pair(-2, -2));
  EXPECT_EQ(Panel().items().count(), 2);
}

TEST_F(EasyPrintPanel, PhotosInTheLayoutAreNeitherDeletedNorRenamed) {
  Photos(2);
  Frame();
  Insert(1);
  const CPhotoItem* placed = Frame().items().items()[0]->record();
  EXPECT_TRUE(Frame().PlacedInEasyPrint(placed));
  Frame().items().SetFocusItem(Frame().items().items()[0]);
  for (UINT id : {cmd::kRename, cmd::kEditMemo}) {
    CCmdUI state(id);
    Frame().OnCmdMsg(id, &state);
    EXPECT_FALSE(state.enabled()) << id;
  }
  for (CImageItem* item : Frame().items().items()) item->SetSelected(1);
  boxAnswer_ = IDYES;
  win::SetDialogResponder([](CDialog&) -> intptr_t { return 1; });
  Command(cmd::kDelete);
  EXPECT_NE(std::find_if(boxes_.begin(), boxes_.end(),
                         [](const auto& box) {
                           return box.text == "印刷レイアウトに指定している写真は削除できません。";
                         }),
            boxes_.end());
  EXPECT_EQ(Frame().items().count(), 1);
  EXPECT_EQ(Frame().items().items()[0]->record(), placed) << "the placed photo stays";
}

TEST_F(EasyPrintPanel, PrintingChecksTheRangeAndWritesThePages) {
  Photos(6);
  Frame();
  Choose(res::kControlMainCols, 1);
  Choose(res::kControlMainRows, 1);
  Click(res::kControlEasyPrint);
  EXPECT_EQ(LastBox(), "写真を挿入してください");

  Insert();  // pages 0 and 1
  Panel().SendMessage(CCtrlPrintPreview::kMsgDelete, 0, 0);
  for (int cell = 1; cell < 4; ++cell) Panel().SendMessage(CCtrlPrintPreview::kMsgDelete, cell, 0);
  EXPECT_TRUE(Panel().items().IsPageEmpty(0));
  Click(res::kControlEasyAllPages);
  boxAnswer_ = IDNO;
  const std::string pdf = temp_.file("easy.pdf");
  int asked = 0;
  shell::SetFileDialogResponderForTest([&](const shell::FileDialogRequest& request) {
    ++asked;
    EXPECT_TRUE(request.save);
    return std::vector<std::string>{pdf};
  });
  Click(res::kControlEasyPrint);
  EXPECT_EQ(LastBox(), "空のページがあります。\n印刷しますか?");
  EXPECT_EQ(asked, 0) << "No stops before anything is asked or printed";

  boxAnswer_ = IDYES;
  Click(res::kControlEasyPrint);
  EXPECT_EQ(asked, 1) << LastBox();
  EXPECT_EQ(PdfPages(pdf), 2);

  Click(res::kControlEasyOnePage);
  Click(res::kControlEasyNext);
  std::filesystem::remove(pdf);
  Command(cmd::kPrint);
  EXPECT_EQ(PdfPages(pdf), 1) << "one page: the page shown";
}

TEST_F(EasyPrintPanel, TheStylePageAndPrintRangeAreKept) {
  TheApp().WriteInt("PrintView", "StyleIndex", 7);
  TheApp().WriteInt("PrintView", "PagePlural", 1);
  Photos(1);
  Frame();
  Insert();
  EXPECT_EQ(Panel().stylePage(), CHarboPhotoPrintView::kBasicPage);
  Choose(res::kControlEasyStyle, CHarboPhotoPrintView::kCalendarPage);
  EXPECT_EQ(Panel().working().attr, CPrintFormat::kCalendar);
  Choose(res::kControlCalendarPeriod, 3);
  EXPECT_EQ(Panel().working().paramMain.calendarMonthCount, 12);
  Frame().DestroyWindow();
  EXPECT_EQ(TheApp().ReadInt("PrintView", "StyleIndex", -1), CHarboPhotoPrintView::kCalendarPage);
  EXPECT_EQ(TheApp().ReadInt("PrintView", "PagePlural", -1), 1);

  Insert();
  EXPECT_EQ(Panel().stylePage(), CHarboPhotoPrintView::kCalendarPage);
  EXPECT_EQ(Panel().working().paramMain.calendarMonthCount, 12) << "the easy-print style saved";
}

}  // namespace

namespace {

// The layout window steps aside while a modal dialog of the album runs, and while the frame
// is hidden.
TEST_F(EasyPrintPanel, TheLayoutWindowStepsAsideForModalDialogs) {
  Photos(1);
  Frame();
  Insert();
  Command(cmd::kEasyPrintLayout);
  CDlgOrPrintPreview* layout = Panel().layoutWindow();
  ASSERT_NE(layout, nullptr);
  EXPECT_TRUE(layout->IsWindowVisible());
  int dialogs = 0;
  win::SetDialogResponder([&](CDialog&) -> intptr_t {
    ++dialogs;
    EXPECT_FALSE(layout->IsWindowVisible()) << "hidden while the dialog runs";
    return IDCANCEL;
  });
  Command(cmd::kPrintStyles);
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(layout->IsWindowVisible()) << "back after it";

  Frame().SendMessage(WM_SHOWWINDOW, 0, 0);
  EXPECT_FALSE(Panel().floatingShown());
}

}  // namespace

namespace {

// The printer's paper and orientation chosen in the setup come back into the style shown.
TEST_F(EasyPrintPanel, PrinterSetupTurnsTheStyleAndTakesThePaper) {
  Photos(1);
  Frame();
  Insert();
  ASSERT_EQ(Panel().working().paper.vLine, 1);
  Choose(res::kControlMainCols, 2);  // 3 x 2
  const int32_t cols = Panel().working().paramMain.cols;
  const int32_t rows = Panel().working().paramMain.rows;
  printsys::SetSetupResponderForTest([](const printsys::Settings& shown) {
    printsys::Settings chosen = shown;
    chosen.paperSize = printsys::kPaperPostcard;
    chosen.portrait = false;
    return std::optional<printsys::Settings>(chosen);
  });
  Click(res::kControlEasySetup);
  printsys::SetSetupResponderForTest(nullptr);
  EXPECT_EQ(Panel().working().paper.vLine, 0);
  EXPECT_EQ(Panel().working().paper.sizeId, printsys::kPaperPostcard);
  EXPECT_EQ(Panel().working().paramMain.cols, rows) << "turned: columns and rows change places";
  EXPECT_EQ(Panel().working().paramMain.rows, cols);
  EXPECT_EQ(Panel().items().count(), 1);
}

}  // namespace

namespace {

// Reading the album again frees its records: the layout lets go of them first.
TEST_F(EasyPrintPanel, ReadingTheAlbumAgainEmptiesTheLayout) {
  Photos(3);
  Frame();
  Insert();
  Command(cmd::kEasyPrintLayout);
  ASSERT_EQ(Panel().items().count(), 3);
  TheApp().SaveLibrary();
  TheApp().OpenUserAlbum();
  EXPECT_EQ(Panel().items().count(), 0);
  EXPECT_FALSE(Panel().floatingShown());
  auto dc = CDC::CreateMemory(400, 300);
  Panel().preview().Draw(*dc);
  Frame().ApplyIndexAgain();
  Insert();
  EXPECT_EQ(Panel().items().count(), 3) << "the records read again can be placed";
}

}  // namespace
