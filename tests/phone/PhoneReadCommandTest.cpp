// Reading from the phone as a person does it, through the frame's commands: F5 (command
// 1000) or the host's read button (49169) on a phone folder made as make-phone makes it,
// and the read settings through their dialog, answered by the responder.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "browse/IndexTree.h"
#include "host/CMainFrame.h"
#include "library/PhotoKind.h"
#include "phone/CDlgReadOption.h"
#include "phone/CPhoneReadSession.h"
#include "phone/CRegReadOption.h"
#include "platform/phonelib/CPhoneTransfer.h"
#include "platform/phonelib/CTransferProgressWnd.h"
#include "platform/phonelib/PhoneLib.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/phonelib/SamplePhone.h"
#include "platform/win/CheckBox.h"
#include "platform/win/RadioButton.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/HostIndexTree.h"

namespace {

namespace fs = std::filesystem;

// Each test starts from the read settings' defaults, also when the tests run again.
void ForgetReadSettings() {
  const Cp932String key =
      TheApp().GetPath(CHarboPhotoApp::Path::kAlbumRegistryKey) + "\\" + CRegReadOption::kSection;
  RegDeleteKeyA(TheApp().registryRoot(), key.c_str());
}

constexpr const char* kBurstComposite = "NOVA_20240503_120000(連写)";

class PhoneReadCommand : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    ForgetReadSettings();
    work_ = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
    ASSERT_TRUE(hostTree_.Connect(suite_.context));
    phone_ = temp_.file("phone");
    std::vector<phonelib::SampleFile> made;
    std::string error;
    ASSERT_TRUE(phonelib::MakeSamplePhone(phone_, &made, &error)) << error;
    phonelib::SetPhoneFolder(phone_);
  }
  void TearDown() override {
    DestroyFrame();
    hostTree_.Disconnect();
    phonelib::SetPhoneFolder("");
    FrameFixture::TearDown();
  }

  // What the host does on the tree setting, before the window's creation.
  void BeforeInstall() override {
    indextree::Build(&tree_, indextree::CategoriesOf(&Library()), TheApp().RememberedCategory());
  }

  // Pumps until the frame has handled the read's completion.
  bool FinishRead() {
    for (int round = 0; round < 5000 && Frame().readPending(); ++round) PumpMessages();
    return !Frame().readPending();
  }

  // The command, then the transfer to its end.
  void Read(UINT id = cmd::kReadFromPhone) {
    Command(id);
    ASSERT_TRUE(Frame().readPending()) << "the read did not start";
    ASSERT_TRUE(FinishRead());
  }

  const CPhotoItem* Record(const std::string& title) {
    for (const CPhotoItem* item : Library().items())
      if (item->title() == cp932::Lit(title)) return item;
    return nullptr;
  }

  std::string Area(int area) const { return phone_ + "/" + (area == 2 ? "external" : "data"); }

  void WriteProfile(uint32_t model) {
    WriteBytes(phone_ + "/" + phonelib::kProfileFileName,
               phonelib::FormatPhoneProfile({model, 300 * 1024, 2 * 1024 * 1024}));
  }

  static void SetLocalTime(const std::string& path, int y, int mo, int d, int h, int mi, int s) {
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    tm.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&tm));
    fs::last_write_time(path, std::chrono::file_clock::from_sys(when));
  }

  std::vector<std::string> SelectedTitles() {
    std::vector<std::string> titles;
    for (const CImageItem* item : Frame().items().items())
      if (item->selected() != 0) titles.push_back(cp932::ToUtf8Lossy(item->title()));
    std::sort(titles.begin(), titles.end());
    return titles;
  }

  std::string work_;
  std::string phone_;
  HostIndexTree hostTree_;
  CTreeCtrl& tree_ = hostTree_.tree();
};

TEST_F(PhoneReadCommand, F5ReadsEveryPhotoAndMovieDatedFromItsFileTimeWithItsMemo) {
  // The file time counts, not the date the camera wrote into the photo.
  SetLocalTime(Area(1) + "/NOVA_20230114_093012.jpg", 2021, 6, 7, 8, 9, 10);
  Read();

  EXPECT_EQ(Library().count(), 14) << "11 photos, 2 movies and one burst composite";
  const CPhotoItem* garden = Record("NOVA_20230321_154500");
  ASSERT_NE(garden, nullptr);
  EXPECT_EQ(garden->path(), album_ + "/2023/3/NOVA_20230321_154500.jpg");
  EXPECT_EQ(garden->DateNumber(), 20230321);
  EXPECT_EQ(garden->TimeNumber(), 154500);
  EXPECT_EQ(garden->flags(), PhotoKind::kStill);
  EXPECT_EQ(garden->sourceName(), "NOVA_20230321_154500.jpg");
  EXPECT_EQ(garden->memo(), cp932::Lit(" 3月21日 15時45分 に撮影しました。"));
  EXPECT_EQ(garden->size(), static_cast<int32_t>(fs::file_size(garden->path())));

  const CPhotoItem* redated = Record("NOVA_20230114_093012");
  ASSERT_NE(redated, nullptr);
  EXPECT_EQ(redated->path(), album_ + "/2021/6/NOVA_20230114_093012.jpg");
  EXPECT_EQ(redated->DateNumber(), 20210607);
  EXPECT_EQ(redated->TimeNumber(), 80910);
  EXPECT_EQ(redated->memo(), cp932::Lit(" 6月 7日  8時 9分 に撮影しました。"));

  const CPhotoItem* movie = Record("MOV_20221103_140100");
  ASSERT_NE(movie, nullptr);
  EXPECT_EQ(movie->flags(), PhotoKind::kMovieCode | PhotoKind::kFromMemoryCard);
  EXPECT_EQ(Record("NOVA_20250214_103000")->flags(),
            PhotoKind::kStill | PhotoKind::kFromMemoryCard);
  EXPECT_EQ(Record("MOV_20240503_121500")->flags(), PhotoKind::kMovieCode);

  // The staging folders are empty again, and the phone keeps its files.
  EXPECT_TRUE(fs::is_empty(work_ + "/StrInt"));
  EXPECT_TRUE(fs::is_empty(work_ + "/StrExt"));
  EXPECT_TRUE(fs::exists(Area(1) + "/NOVA_20230321_154500.jpg"));
  // The catalogue on disk has them all.
  CPhotoManager reloaded;
  ASSERT_EQ(reloaded.LoadAlbum(&Library().databasePath()), 1);
  EXPECT_EQ(reloaded.count(), 14);
}

TEST_F(PhoneReadCommand, ABurstOfTheCarrierBecomesOneCompositeAndTheOtherMakersPairStaysApart) {
  Read();
  const CPhotoItem* composite = Record(kBurstComposite);
  ASSERT_NE(composite, nullptr);
  const uint16_t number = composite->comboNumber();
  EXPECT_GT(number, 0);
  EXPECT_EQ(composite->flags(), PhotoKind::kBurstComposite);
  EXPECT_EQ(composite->path(), album_ + "/Combo/" + cp932::Lit(kBurstComposite) + ".Jpg");
  EXPECT_TRUE(fileio::IsFile(composite->path()));
  EXPECT_EQ(composite->DateNumber(), 20240503);
  EXPECT_EQ(composite->TimeNumber(), 120000);
  EXPECT_EQ(composite->memo(), cp932::Lit(" 5月 3日 12時 0分 に撮影しました。"));
  for (const char* shot :
       {"NOVA_20240503_120000~1", "NOVA_20240503_120000~2", "NOVA_20240503_120000~3"}) {
    const CPhotoItem* member = Record(shot);
    ASSERT_NE(member, nullptr) << shot;
    EXPECT_EQ(member->flags(), PhotoKind::kStill | PhotoKind::kBurstMember) << shot;
    EXPECT_EQ(member->comboNumber(), number) << shot;
  }
  // Another maker's two photos of one second are two plain photos.
  for (const char* shot : {"ACME0001", "ACME0002"}) {
    const CPhotoItem* photo = Record(shot);
    ASSERT_NE(photo, nullptr) << shot;
    EXPECT_EQ(photo->flags(), PhotoKind::kStill | PhotoKind::kFromMemoryCard) << shot;
    EXPECT_EQ(photo->comboNumber(), 0) << shot;
  }
  EXPECT_EQ(Library().comboTallies().nodes.size(), 1u);
  // The rebuilt index has the burst shots' node, and the new photos of several months are
  // selected among all photos.
  EXPECT_EQ(indextree::SelectedValue(&tree_), indextree::kAll);
  const std::vector<LPARAM> nodes = indextree::NodeValues(indextree::CategoriesOf(&Library()));
  EXPECT_EQ(nodes, (std::vector<LPARAM>{indextree::kAll, 2022, 2023, 2024, 2025,
                                        indextree::kFavourites, indextree::kBurst}));
  EXPECT_EQ(tree_.GetCount(), static_cast<int>(nodes.size()));
  EXPECT_EQ(SelectedTitles().size(), 13u);
}

TEST_F(PhoneReadCommand, ASecondReadLeavesOutWhatTheAlbumHasEvenUnderANewName) {
  Read();
  ASSERT_EQ(Library().count(), 14);
  CPhotoItem* renamed = const_cast<CPhotoItem*>(Record("NOVA_20230321_154500"));
  ASSERT_EQ(renamed->Rename(cp932::Lit("庭")), 1);
  Read(cmd::kHostRead);
  EXPECT_EQ(Library().count(), 14);
  // A photo the phone took anew is read, and nothing else.
  fs::copy_file(Area(1) + "/NOVA_20230805_181530.jpg", Area(1) + "/NOVA_20260101_000000.jpg");
  Read();
  EXPECT_EQ(Library().count(), 15);
  EXPECT_EQ(SelectedTitles(), (std::vector<std::string>{"NOVA_20260101_000000"}));
  // New photos of one month are shown in that month's entry.
  const CPhotoItem* fresh = Record("NOVA_20260101_000000");
  EXPECT_EQ(indextree::SelectedValue(&tree_), static_cast<LPARAM>(fresh->year()));
  EXPECT_EQ(Frame().indexView().currentEntry(), fresh->month());
}

TEST_F(PhoneReadCommand, APhoneWithoutExternalMemoryIsReadFromItsDataFolderOnly) {
  WriteProfile(phonelib::kModelWithoutExternalMemory);
  TheApp().WriteInt(CRegReadOption::kSection, "StorageArea", CRegReadOption::kBoth);
  Read();
  for (const CPhotoItem* item : Library().items())
    EXPECT_EQ(item->flags() & PhotoKind::kFromMemoryCard, 0u) << item->title();
  EXPECT_EQ(Record("ACME0001"), nullptr);
  EXPECT_EQ(Library().count(), 10) << "8 photos, a movie and the burst composite";
}

TEST_F(PhoneReadCommand, TheReadRunsAsTheAlbumsPhoneOperationWhileTheCommandsWait) {
  Command(cmd::kReadFromPhone);
  ASSERT_TRUE(Frame().readPending());
  EXPECT_NE(Frame().transfer(), 0);
  EXPECT_EQ(suite_.Entries(), 1);
  EXPECT_FALSE(State(cmd::kReadFromPhone).enabled());
  EXPECT_FALSE(State(cmd::kReadOptions).enabled());
  const int beeps = win::BeepCountForTest();
  Command(cmd::kReadFromPhone);
  EXPECT_EQ(win::BeepCountForTest(), beeps + 1) << "a second read waits for the first";
  EXPECT_EQ(suite_.Entries(), 1);

  ASSERT_TRUE(FinishRead());
  EXPECT_EQ(suite_.Entries(), 0);
  EXPECT_EQ(suite_.host.Count(kHostMsgPhoneEnded), 1);
  EXPECT_EQ(Frame().transfer(), 0);
  EXPECT_TRUE(Frame().readFinishedWithoutCancel());
  EXPECT_TRUE(State(cmd::kReadFromPhone).enabled());
  EXPECT_TRUE(State(cmd::kReadOptions).enabled());
  // A late completion message finds no read and does nothing.
  const int count = Library().count();
  Frame().SendMessage(CCdmaComm::kMsgReadDone, 0, 0);
  EXPECT_EQ(Library().count(), count);
}

TEST_F(PhoneReadCommand, ACancelledReadKeepsWhatArrivedAndIsNoted) {
  Command(cmd::kReadFromPhone);
  ASSERT_TRUE(Frame().readPending());
  CPhoneTransfer* transfer = Frame().readSession()->comm()->transferForTest();
  ASSERT_NE(transfer, nullptr);
  // Four files arrive, as the progress window would step them, then the user cancels.
  for (int step = 0; step < 4; ++step) transfer->RunNextStep();
  const size_t arrived = transfer->done();
  ASSERT_EQ(arrived, 4u);
  transfer->progressWindow()->cancelButton().Click();
  ASSERT_TRUE(FinishRead());
  EXPECT_FALSE(Frame().readFinishedWithoutCancel());
  EXPECT_EQ(suite_.Entries(), 0);
  EXPECT_EQ(static_cast<size_t>(Library().count()), arrived);
  EXPECT_TRUE(fs::is_empty(work_ + "/StrInt"));
  // The next read takes the rest.
  Read();
  EXPECT_TRUE(Frame().readFinishedWithoutCancel());
  EXPECT_EQ(Library().count(), 14);
}

TEST_F(PhoneReadCommand, TheF5KeyRunsTheRead) {
  MSG f5{&Frame(), WM_KEYDOWN, VK_F5, 1, 0, {}};
  EXPECT_EQ(Frame().PreTranslateMessage(&f5), 1);
  ASSERT_TRUE(FinishRead());
  EXPECT_EQ(Library().count(), 14);
}

TEST_F(PhoneReadCommand, AHostThatRefusesThePhoneIsExplainedAndNothingIsRead) {
  suite_.host.permissionAnswer = 0;
  suite_.host.refusalReason = 7;
  Command(cmd::kReadFromPhone);
  EXPECT_FALSE(Frame().readPending());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "ケータイと通信中です。しばらくたってから再度実行してください。");
  EXPECT_EQ(suite_.Entries(), 0);
  EXPECT_EQ(Library().count(), 0);
}

TEST_F(PhoneReadCommand, AReadThatCannotStartEndsThePhoneOperation) {
  phonelib::SetPhoneFolder(phone_ + "-unplugged");
  Command(cmd::kReadFromPhone);
  EXPECT_FALSE(Frame().readPending());
  EXPECT_EQ(Frame().transfer(), 0);
  EXPECT_EQ(suite_.Entries(), 0);
  EXPECT_TRUE(Frame().readFinishedWithoutCancel());
}

TEST_F(PhoneReadCommand, TheSettingsDialogStoresTheSourceAndTheConfirmationScreen) {
  std::vector<bool> typesShown;
  win::SetDialogResponder([&](CDialog& dialog) -> intptr_t {
    auto& d = dynamic_cast<CDlgReadOption&>(dialog);
    EXPECT_EQ(d.Radio(res::kControlReadBoth)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(d.Check(res::kControlReadFileDisp)->GetCheck(), BST_CHECKED);
    for (UINT id = res::kControlReadJpg; id < res::kControlReadJpg + 5; ++id)
      typesShown.push_back(d.Check(id)->IsWindowVisible());
    d.Radio(res::kControlReadExternal)->Click();
    EXPECT_EQ(d.Radio(res::kControlReadBoth)->GetCheck(), BST_UNCHECKED);
    d.Check(res::kControlReadFileDisp)->Click();
    d.SendMessage(WM_COMMAND, IDOK);
    return IDOK;
  });
  Command(cmd::kReadOptions);
  EXPECT_EQ(typesShown, std::vector<bool>(5, false)) << "the type group stays hidden";
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "StorageArea", -1), 2);
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "FileDisp", -1), 0);

  // Cancel keeps what was stored.
  win::SetDialogResponder([](CDialog& dialog) -> intptr_t {
    auto& d = dynamic_cast<CDlgReadOption&>(dialog);
    EXPECT_EQ(d.Radio(res::kControlReadExternal)->GetCheck(), BST_CHECKED);
    d.Radio(res::kControlReadInternal)->Click();
    d.SendMessage(WM_COMMAND, IDCANCEL);
    return IDCANCEL;
  });
  Command(cmd::kReadOptions);
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "StorageArea", -1), 2);

  // The stored choice is what the next read asks for: the external memory alone.
  win::SetDialogResponder(nullptr);
  Read();
  EXPECT_EQ(Library().count(), 4) << "three photos and a movie from the memory card";
}

TEST_F(PhoneReadCommand, TheSettingsDialogOffersOnlyTheDataFolderOfAPhoneWithoutExternalMemory) {
  WriteProfile(phonelib::kModelWithoutExternalMemory);
  win::SetDialogResponder([](CDialog& dialog) -> intptr_t {
    auto& d = dynamic_cast<CDlgReadOption&>(dialog);
    EXPECT_EQ(d.Radio(res::kControlReadInternal)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(d.Radio(res::kControlReadBoth)->GetCheck(), BST_UNCHECKED);
    EXPECT_FALSE(d.Radio(res::kControlReadBoth)->IsWindowEnabled());
    EXPECT_FALSE(d.Radio(res::kControlReadExternal)->IsWindowEnabled());
    d.Radio(res::kControlReadExternal)->Click();
    EXPECT_EQ(d.Radio(res::kControlReadExternal)->GetCheck(), BST_UNCHECKED);
    d.SendMessage(WM_COMMAND, IDOK);
    return IDOK;
  });
  Command(cmd::kReadOptions);
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "StorageArea", -1), 1);
}

}  // namespace
