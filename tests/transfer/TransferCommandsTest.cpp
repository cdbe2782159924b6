// Import and export as a person runs them: the frame's commands, the dialogs answered by
// the responders, files dropped and chosen, and the files and records that result.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "host/CMainFrame.h"
#include "library/PhotoKind.h"
#include "library/SearchCriteria.h"
#include "platform/shell/FileDialog.h"
#include "platform/shell/Shell.h"
#include "platform/win/CheckBox.h"
#include "platform/win/DropTarget.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "tests/images/TestPictures.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"
#include "transfer/CDlgImageExport.h"
#include "transfer/CDlgImageImport.h"

namespace {

using cp932::Lit;

constexpr fileio::FileTime kShot{1246406400, 0};  // 2009-07-01 00:00 UTC

class TransferCommands : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    boxAnswer_ = IDNO;
  }
  void TearDown() override {
    shell::SetFileDialogResponderForTest(nullptr);
    shell::SetLauncherForTest(nullptr);
    FrameFixture::TearDown();
  }

  // A JPEG photo of the album, selected in the view, shot in the given year and month.
  CPhotoItem* Photo(const std::string& name, uint16_t year, uint16_t month, int16_t rotation = 0) {
    const std::string path = album_ + "/Pc/" + name;
    fileio::CreateFolderPath(album_ + "/Pc", false);
    testpictures::Write(testpictures::Photo(64, 48), path, "JPEG");
    fileio::SetFileTimes(path, &kShot, &kShot);
    PhotoFileRecord record = RecordFor(path, PhotoKind::kStillCode | PhotoKind::kFromPc);
    record.year = year, record.month = month;
    if (year == 65535) record.day = record.hour = record.minute = record.second = 65535;
    AdjustmentRecord adjustments{};
    adjustments.rotation = rotation;
    CPhotoItem* photo = Library().AddRecord(record, &adjustments);
    photo->SetSelected(1);
    return photo;
  }

  // The view shows every photo, whatever its date, as a search for all of them does.
  void AfterInstall() override { MainFrame()->RebuildItems(SearchCriteria{}); }

  // Runs the export command with the folder and options typed in the dialog; the dialog
  // is closed afterwards as a person would.
  void Export(const std::string& folder, bool subfolders, bool overwrite) {
    win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
      auto& d = dynamic_cast<CDlgImageExport&>(dialog);
      dynamic_cast<CEdit*>(d.Control(res::kControlExportFolder))->SetText(folder);
      dynamic_cast<CCheckBox*>(d.Control(res::kControlExportSubfolders))->SetCheck(subfolders);
      dynamic_cast<CCheckBox*>(d.Control(res::kControlExportOverwrite))->SetCheck(overwrite);
      d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlExportStart, BN_CLICKED), 0);
      d.SendMessage(WM_COMMAND, IDCANCEL, 0);
      return IDCANCEL;
    });
    Command(cmd::kExport);
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes_) texts.push_back(box.text);
    return texts;
  }
};

TEST_F(TransferCommands, ExportSortsIntoYearMonthFoldersBurnsInAdjustmentsAndKeepsWhatIsThere) {
  const CPhotoItem* turned = Photo("turned.jpg", 2009, 7, 90);
  const CPhotoItem* undated = Photo("undated.jpg", 65535, 65535);
  Photo("kept.jpg", 2009, 7);
  const std::string out = temp_.file("out");
  std::filesystem::create_directories(out + "/2009年7月");
  WriteBytes(out + "/2009年7月/kept.jpg", "already here");

  Export("  " + out + "/ ", true, false);

  const QImage exported(QString::fromStdString(out + "/2009年7月/turned.jpg"));
  EXPECT_EQ(exported.width(), 48) << "the rotation is burnt in";
  EXPECT_EQ(exported.height(), 64);
  EXPECT_LE(ReadBytes(out + "/2009年7月/turned.jpg").size(), ReadBytes(turned->path()).size());
  EXPECT_EQ(fileio::LastWriteFileTime(Lit(out + "/2009年7月/turned.jpg")), kShot);
  EXPECT_TRUE(ReadBytes(out + "/0年0月/undated.jpg") == ReadBytes(undated->path()))
      << "an unedited photo is a byte copy";
  EXPECT_EQ(fileio::LastWriteFileTime(Lit(out + "/0年0月/undated.jpg")), kShot);
  EXPECT_EQ(ReadBytes(out + "/2009年7月/kept.jpg"), "already here");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"終了しました。\r\nフォルダを表示しますか?"})
      << "a skipped file is no failure";
  EXPECT_EQ(TheApp().ReadText("Export", "Path", ""), "  " + out + "/ ");
  EXPECT_EQ(TheApp().ReadInt("Export", "DateSubFolderSW", -1), 1);
  EXPECT_EQ(TheApp().ReadInt("Export", "OvearWriteSW", -1), 0);

  // Overwriting on, into the folder itself: the kept file is replaced; the folder opens.
  std::string opened;
  shell::SetLauncherForTest([&opened](const std::string& target) {
    opened = target;
    return true;
  });
  boxAnswer_ = IDYES;
  WriteBytes(out + "/kept.jpg", "old");
  Export(out, false, true);
  EXPECT_TRUE(ReadBytes(out + "/kept.jpg") == ReadBytes(album_ + "/Pc/kept.jpg"));
  EXPECT_EQ(opened, out);
}

TEST_F(TransferCommands, ExportCountsFailedCopiesAndRefusesAFolderItCannotMake) {
  Photo("good.jpg", 2010, 1);
  CPhotoItem* broken = Photo("broken.jpg", 2010, 1, 180);
  WriteBytes(broken->path(), "not a picture");
  const std::string out = temp_.file("out");
  Export(out, false, false);
  EXPECT_TRUE(fileio::Exists(out + "/good.jpg"));
  EXPECT_FALSE(fileio::Exists(out + "/broken.jpg")) << "no half-written copy";
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "1件失敗しました。");
  EXPECT_EQ(boxes_[0].type & 0xF0, static_cast<UINT>(MB_ICONERROR));

  boxes_.clear();
  WriteBytes(temp_.file("plain"), "a file where a folder should be");
  Export(temp_.file("plain") + "/sub", false, false);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text,
            "指定されたフォルダにエクスポートできません。\r\nフォルダを設定しなおしてください。");

  // Ctrl+A and Space in the list untick every photo, in the view as well; Space held down
  // does not tick them again. A click on a row's tick box ticks it, a click beside it not.
  // The help button asks for the album's help (the test has no help file).
  boxes_.clear();
  std::vector<int> ticked;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    auto& d = dynamic_cast<CDlgImageExport&>(dialog);
    CListCtrl& list = *d.list();
    auto notify = [&](NMHDR& header, UINT code) {
      header.hwndFrom = &list;
      header.idFrom = res::kControlExportList;
      header.code = code;
      d.SendMessage(WM_NOTIFY, res::kControlExportList, reinterpret_cast<LPARAM>(&header));
    };
    for (UINT key : {UINT{'A'}, UINT{VK_SPACE}, UINT{VK_SPACE}}) {
      NMLVKEYDOWN down;
      down.wVKey = static_cast<WORD>(key);
      down.flags = ticked.size() == 2 ? KF_REPEAT : 0;
      win::SetKeyModifiersForTest(false, key == 'A', false);
      notify(down, LVN_KEYDOWN);
      ticked.push_back(MainFrame()->items().SelectedCount());
    }
    win::ClearKeyModifiersForTest();
    for (int x : {3, 30, 3}) {
      RECT cell{};
      list.GetSubItemRect(0, 0, &cell);
      NMITEMACTIVATE click;
      click.iItem = 0;
      click.ptAction = POINT{cell.left + x, cell.top + 2};
      notify(click, NM_CLICK);
      ticked.push_back(list.GetItemTicked(0) ? 1 : 0);
    }
    d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlExportHelp, BN_CLICKED), 0);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlExportStart, BN_CLICKED), 0);
    return IDCANCEL;
  });
  Command(cmd::kExport);
  EXPECT_EQ(ticked, (std::vector<int>{2, 0, 0, 1, 1, 0}));
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"ファイルが見つかりません。", "写真を選択してください。"}));
  EXPECT_EQ(MainFrame()->items().SelectedCount(), 0);
}

TEST_F(TransferCommands, ImportTakesDroppedAndChosenFilesOnceAndRecordsThemFromThePc) {
  const std::string pc = temp_.file("pc");
  fileio::CreateFolderPath(pc + "/dir.jpg", false);
  for (const char* name : {"IMG.JPG", "b.jpg", "c.png", "d.jpg", "e.jpg", "clip.3gp", "notes.txt",
                           "photo.jpeg", "\xF0\x9F\x93\xB7.jpg"})
    WriteBytes(pc + "/" + name, std::string("\xFF\xD8\xFF\xD9", 4));
  shell::SetFileDialogResponderForTest([&](const shell::FileDialogRequest& request) {
    EXPECT_FALSE(request.folder);
    EXPECT_NE(request.text.find("ムービーファイル (*.amc;*.3gp;3g2)"), std::string::npos);
    return std::vector<std::string>{pc + "/IMG.JPG", pc + "/d.jpg", pc + "/e.jpg",
                                    pc + "/photo.jpeg", "/" + std::string(260, 'x') + ".jpg"};
  });
  std::vector<std::string> listed;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    auto& d = dynamic_cast<CDlgImageImport&>(dialog);
    EXPECT_TRUE(win::DropFilesForTest(
        &d, {pc + "/IMG.JPG", pc + "/clip.3gp", pc + "/notes.txt", pc + "/dir.jpg",
             pc + "/\xF0\x9F\x93\xB7.jpg", pc + "/c.png", pc + "/b.jpg"}));
    d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlImportInsert, BN_CLICKED), 0);
    CListCtrl& list = *d.list();
    list.SelectItem(1);  // clip.3gp
    d.SendMessage(WM_COMMAND, MAKEWPARAM(res::kControlImportRemove, BN_CLICKED), 0);
    list.ClickColumn(0);
    list.ClickColumn(0);
    for (int row = 0; row < list.GetItemCount(); ++row) listed.push_back(list.GetItemText(row, 0));
    d.SendMessage(WM_COMMAND, IDOK, 0);
    return IDOK;
  });
  boxAnswer_ = IDOK;
  Command(cmd::kImport);

  EXPECT_EQ(listed, (std::vector<std::string>{"e.jpg", "d.jpg", "c.png", "b.jpg", "IMG.JPG"}))
      << "each file once, the second click on a header turning the order round";
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_NE(boxes_[0].text.find("?.jpg"), std::string::npos) << "the refused name is shown";
  EXPECT_EQ(boxes_[1].text.rfind("ファイルパスが半角259文字を超えている為", 0), 0u);
  ASSERT_EQ(Library().count(), 5);
  const std::string memo = Library().at(0)->memo();
  EXPECT_NE(memo.find(Lit("に取込みました。")), std::string::npos);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Library().at(i)->flags() & PhotoKind::kFromPc, PhotoKind::kFromPc);
    EXPECT_EQ(Library().at(i)->memo(), memo);
  }
  EXPECT_EQ(Library().at(0)->sourceName(), "e.jpg") << "imported in list order";
  EXPECT_EQ(MainFrame()->indexView().currentCategory(), Library().at(0)->year())
      << "the index shows the month of the new photos";
  EXPECT_EQ(MainFrame()->indexView().currentEntry(), Library().at(0)->month());
  EXPECT_EQ(MainFrame()->items().count(), 5);
}

}  // namespace
