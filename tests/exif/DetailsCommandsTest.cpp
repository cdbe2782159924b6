// The details dialog and the map link as the frame runs them: command 32794 and the list
// view's double click open the dialog on the focused photo, command 32887 opens the map
// through the desktop's launcher or shows why not, and both are enabled by the focus.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "exif/CDlgImageProperties.h"
#include "host/CMainFrame.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/shell/Shell.h"
#include "platform/win/Controls.h"
#include "platform/win/ListCtrl.h"
#include "resources/CommandIds.h"
#include "tests/exif/ExifFixture.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"

using namespace exif_test;

namespace {

std::string JpegWithExif(const std::string& tiff) {
  QImage image(48, 36, QImage::Format_RGB32);
  image.fill(Qt::darkYellow);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes.toStdString().insert(2, ExifSegment(tiff));
}

// What a dialog run showed: the lists' texts, the pages and the heading colours.
struct Shown {
  std::string title;
  std::vector<std::string> general;
  std::vector<std::string> shooting;
  bool shootingPageAfterClick = false;
  LPARAM headingColours = 0;
  COLORREF headingText = 0;
  COLORREF headingBack = 0;
  COLORREF plainBack = 0;
};

std::vector<std::string> Cells(CListCtrl& list) {
  std::vector<std::string> rows;
  for (int row = 0; row < list.GetItemCount(); ++row)
    rows.push_back(cp932::ToUtf8Lossy(list.GetItemText(row, 0)) + "=" +
                   cp932::ToUtf8Lossy(list.GetItemText(row, 1)));
  return rows;
}

// The colours the dialog gives a row of the shooting list while it is painted.
NMLVCUSTOMDRAW RowColours(CDlgImageProperties& dialog, int row) {
  NMLVCUSTOMDRAW draw;
  draw.hwndFrom = dialog.shootingList();
  draw.code = NM_CUSTOMDRAW;
  draw.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.iItem = row;
  draw.lItemlParam = dialog.shootingList()->GetItemData(row);
  dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw));
  return draw;
}

class DetailsCommands : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    fileio::CreateFolderPath(album_ + "/Pc", false);
    shell::SetLauncherForTest([this](const std::string& target) {
      opened_.push_back(target);
      return launches_;
    });
    win::SetDialogResponder([this](CDialog& dialog) -> intptr_t {
      auto* details = dynamic_cast<CDlgImageProperties*>(&dialog);
      if (details == nullptr) return IDCANCEL;
      shown_.push_back(Inspect(*details));
      return IDCANCEL;
    });
  }
  void TearDown() override {
    shell::SetLauncherForTest(nullptr);
    FrameFixture::TearDown();
  }

  static Shown Inspect(CDlgImageProperties& dialog) {
    Shown shown;
    shown.title = cp932::ToUtf8Lossy(dialog.GetWindowText());
    shown.general = Cells(*dialog.generalList());
    shown.shooting = Cells(*dialog.shootingList());
    dialog.ShowWindow(SW_SHOW);
    dialog.shootingButton()->Click();
    shown.shootingPageAfterClick =
        dialog.shootingList()->IsWindowVisible() && !dialog.generalList()->IsWindowVisible() &&
        dialog.shootingButton()->GetCheck() == 1 && dialog.generalButton()->GetCheck() == 0;
    NMLVCUSTOMDRAW start;
    start.hwndFrom = dialog.shootingList();
    start.code = NM_CUSTOMDRAW;
    start.dwDrawStage = CDDS_PREPAINT;
    shown.headingColours = dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&start));
    const NMLVCUSTOMDRAW heading = RowColours(dialog, 0);
    shown.headingText = heading.clrText;
    shown.headingBack = heading.clrTextBk;
    shown.plainBack = RowColours(dialog, 1).clrTextBk;
    return shown;
  }

  CPhotoItem* Photo(const std::string& name, const std::string& bytes, uint32_t flags = 4) {
    const std::string path = album_ + "/Pc/" + name;
    WriteBytes(path, bytes);
    return Library().AddRecord(RecordFor(path, flags | 8), nullptr);
  }

  // Focuses and selects the item of the record alone.
  CImageItem* Focus(const CPhotoItem* record) {
    for (CImageItem* item : Frame().items().items()) {
      item->SetSelected(item->record() == record ? 1 : 0);
      if (item->record() == record) Frame().items().SetFocusItem(item);
    }
    return Frame().items().FocusedItem();
  }

  bool Enabled(UINT id) { return State(id).enabled(); }

  std::vector<std::string> opened_;
  bool launches_ = true;
  std::vector<Shown> shown_;
};

TEST_F(DetailsCommands, DetailsShowTheFocusedPhotosListsPagesAndHeadingColours) {
  CPhotoItem* photo = Photo("gps.jpg", JpegWithExif(CameraBlock(true)));
  Frame();
  EXPECT_FALSE(Enabled(cmd::kDetails)) << "nothing selected";
  Focus(photo);
  EXPECT_TRUE(Enabled(cmd::kDetails));
  Command(cmd::kDetails);

  ASSERT_EQ(shown_.size(), 1u);
  const Shown& shown = shown_[0];
  EXPECT_EQ(shown.title, "gps(gps.jpg) - 詳細");
  ASSERT_EQ(shown.general.size(), 6u);
  EXPECT_EQ(shown.general[1], "幅=48");
  EXPECT_EQ(shown.shooting.front(), "主な情報=");
  EXPECT_TRUE(shown.shootingPageAfterClick);
  EXPECT_EQ(shown.headingColours, CDRF_NOTIFYITEMDRAW);
  EXPECT_EQ(shown.headingText, GetSysColor(COLOR_CAPTIONTEXT));
  const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION), window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(shown.headingBack, RGB((GetRValue(caption) + GetRValue(window)) / 2,
                                   (GetGValue(caption) + GetGValue(window)) / 2,
                                   (GetBValue(caption) + GetBValue(window)) / 2));
  EXPECT_EQ(shown.plainBack, CLR_DEFAULT) << "value rows keep the list's colours";

  // The list view's double click on the size or the date column opens the same dialog.
  Command(cmd::kSwitchView);
  CListCtrl& list = Frame().listView().GetListCtrl();
  for (int column : {0, 1, 2}) {
    NMITEMACTIVATE click;
    click.hwndFrom = &list;
    click.code = NM_DBLCLK;
    click.iItem = 0;
    click.iSubItem = column;
    click.ptAction = POINT{400, 5};
    Frame().listView().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  }
  EXPECT_EQ(shown_.size(), 3u) << "columns 1 and 2 only";
}

TEST_F(DetailsCommands, MapOpensTheMarkersAddressOrSaysWhyNot) {
  CPhotoItem* gps = Photo("gps.jpg", JpegWithExif(CameraBlock(false)));
  TiffWriter w(false);
  w.Ascii(w.Directory(), 271, "Kaiwa");
  CPhotoItem* plain = Photo("plain.jpg", JpegWithExif(w.Build()));
  CPhotoItem* movie = Photo("clip.3gp", "not a movie", 2);
  Frame();
  EXPECT_FALSE(Enabled(cmd::kMap)) << "nothing selected";
  Focus(movie);
  EXPECT_FALSE(Enabled(cmd::kMap)) << "a movie has no position";
  Focus(gps);
  EXPECT_TRUE(Enabled(cmd::kMap));

  TheApp().WriteText("Map", "ServiceAddress", "https://maps.example/");
  Command(cmd::kMap);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].rfind("https://maps.example/?mlat=35.67", 0), 0u) << opened_[0];
  EXPECT_TRUE(boxes_.empty());

  launches_ = false;
  Command(cmd::kMap);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(
      boxes_[0].text.rfind("指定したファイルに関連づけられたアプリケーションが見つかりません。", 0),
      0u);
  EXPECT_EQ(boxes_[0].type & 0xF0u, MB_ICONERROR);

  Focus(plain);
  Command(cmd::kMap);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].text, "GPS情報がありません。");
  EXPECT_EQ(opened_.size(), 2u);
}

}  // namespace
