// Sending to the phone as a person does it: the frame's send command, the send dialog and
// the confirmation list answered by the responder, the phone library's write pumped to
// its end, and the files the phone folder then holds.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "browse/CDlgConfList.h"
#include "host/CMainFrame.h"
#include "library/PhotoKind.h"
#include "library/SearchCriteria.h"
#include "phone/CDlgImageUpdate.h"
#include "platform/phonelib/PhoneLib.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/RadioButton.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "tests/images/TestPictures.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/support/FrameFixture.h"

namespace {

namespace fs = std::filesystem;

class PhoneSendCommand : public FrameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FrameFixture::SetUp());
    phone_ = temp_.file("phone");
    fs::create_directories(phone_ + "/data");
    fs::create_directories(phone_ + "/external");
    Profile(300 * 1024);
    phonelib::SetPhoneFolder(phone_);
  }
  void TearDown() override {
    DestroyFrame();
    phonelib::SetPhoneFolder("");
    FrameFixture::TearDown();
  }

  void Profile(uint32_t internalLimit) {
    WriteBytes(phone_ + "/" + phonelib::kProfileFileName,
               phonelib::FormatPhoneProfile({1, internalLimit, 2 * 1024 * 1024}));
  }

  // A photo of width x height in the album with the adjustments, selected in the view.
  CPhotoItem* Photo(const std::string& name, int width, int height, AdjustmentRecord a = {}) {
    const std::string path = album_ + "/Pc/" + name;
    fileio::CreateFolderPath(album_ + "/Pc", false);
    testpictures::Write(testpictures::Photo(width, height), path, "JPEG", 95);
    CPhotoItem* photo = Library().AddRecord(RecordFor(path, 4 | 8), &a);
    photo->SetSelected(1);
    return photo;
  }

  void AfterInstall() override { MainFrame()->RebuildItems(SearchCriteria{}); }

  // The send command with the dialog's choices, pumped until the write has ended.
  // With untickAll, Ctrl+A and Space in the list first untick every photo.
  void Send(int destination, bool resize, int size, bool overwrite, bool untickAll = false) {
    win::SetDialogResponder([=, this](CDialog& dialog) -> intptr_t {
      if (auto* list = dynamic_cast<CDlgConfList*>(&dialog)) {
        tooLarge_ = list->items().count();
        return confListAnswer_;
      }
      auto& d = dynamic_cast<CDlgImageUpdate&>(dialog);
      for (UINT key : {UINT{'A'}, UINT{VK_SPACE}}) {
        if (!untickAll) break;
        NMLVKEYDOWN down;
        down.hwndFrom = d.list();
        down.idFrom = res::kControlUpdateList;
        down.code = LVN_KEYDOWN;
        down.wVKey = static_cast<WORD>(key);
        win::SetKeyModifiersForTest(false, key == 'A', false);
        d.SendMessage(WM_NOTIFY, res::kControlUpdateList, reinterpret_cast<LPARAM>(&down));
        win::ClearKeyModifiersForTest();
      }
      dynamic_cast<CRadioButton*>(
          d.Control(destination ? res::kControlUpdateExternal : res::kControlUpdateInternal))
          ->Click();
      auto* resizeBox = dynamic_cast<CCheckBox*>(d.Control(res::kControlUpdateResize));
      if ((resizeBox->GetCheck() == BST_CHECKED) != resize) resizeBox->Click();
      sizeEnabled_ = d.Control(res::kControlUpdateSize)->IsWindowEnabled();
      dynamic_cast<CComboBox*>(d.Control(res::kControlUpdateSize))->SetCurSel(size);
      dynamic_cast<CCheckBox*>(d.Control(res::kControlUpdateOverwrite))->SetCheck(overwrite);
      d.SendMessage(WM_COMMAND, IDOK, 0);
      if (!d.ended()) d.SendMessage(WM_COMMAND, IDCANCEL, 0);
      return IDCANCEL;
    });
    Command(cmd::kSendToPhone);
    for (int round = 0; round < 5000 && Frame().sendPending(); ++round) PumpMessages();
    ASSERT_FALSE(Frame().sendPending());
  }

  std::string OnPhone(int destination, const std::string& name) const {
    return phone_ + (destination ? "/external" : "/data") + "/PRIVATE/NY/DF/" + name;
  }
  static QSize SizeOf(const std::string& path) {
    return QImage(QString::fromStdString(path)).size();
  }
  static int MeanGrey(const std::string& path) {
    const QImage image(QString::fromStdString(path));
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
    return static_cast<int>(sum / std::max(1, image.width() * image.height()));
  }
  bool WorkFolderHasCopies() const {
    const std::string work = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
    return fileio::Exists(work + "/Update(0)");
  }

  std::string phone_;
  intptr_t confListAnswer_ = IDOK;
  int tooLarge_ = -1;
  bool sizeEnabled_ = false;
};

TEST_F(PhoneSendCommand, SendsAtBothSizesFittedWithinTheLimitUnrotatedAndAdjusted) {
  AdjustmentRecord turned;
  turned.rotation = 90;
  AdjustmentRecord brighter;
  brighter.brightness = 600;
  Photo("wide.jpg", 640, 480);
  Photo("turned.jpg", 640, 480, turned);
  Photo("small.jpg", 100, 80);
  Photo("bright.jpg", 640, 480, brighter);
  for (int size : {phonesend::kSizePhone, phonesend::kSizeWallpaper}) {
    SCOPED_TRACE(size);
    const int destination = size == phonesend::kSizePhone ? 0 : 1;
    Send(destination, true, size, true);
    EXPECT_TRUE(sizeEnabled_) << "the size list follows the resize tick";
    const int w = size == phonesend::kSizePhone ? 120 : 240;
    const uint32_t limit = size == phonesend::kSizePhone ? 9216 : 30720;
    for (const char* name : {"wide.jpg", "turned.jpg", "bright.jpg"}) {
      EXPECT_EQ(SizeOf(OnPhone(destination, name)), QSize(w, w * 3 / 4)) << name;
      EXPECT_LE(*fileio::FileSize(OnPhone(destination, name)), limit) << name;
    }
    EXPECT_EQ(SizeOf(OnPhone(destination, "small.jpg")), QSize(100, 80)) << "never enlarged";
    EXPECT_GT(MeanGrey(OnPhone(destination, "bright.jpg")),
              MeanGrey(OnPhone(destination, "wide.jpg")) + 30);
    EXPECT_FALSE(WorkFolderHasCopies());
    EXPECT_EQ(Frame().transfer(), 0);
  }
  const phonesend::SendChoice kept = CDlgImageUpdate::ReadSettings();
  EXPECT_EQ(kept.destination, 1);
  EXPECT_TRUE(kept.resize);
  EXPECT_EQ(kept.size, phonesend::kSizeWallpaper);
  EXPECT_TRUE(kept.overwrite);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(PhoneSendCommand, AsksForPhotosWhenNoneIsTickedAndDropsTooLargeOnesThroughTheList) {
  CPhotoItem* a = Photo("a.jpg", 320, 240);
  CPhotoItem* big = Photo("big.jpg", 1600, 1200);
  Send(0, false, 0, false, true);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "写真を選択してください。");
  EXPECT_EQ(Frame().items().SelectedCount(), 0) << "the ticks are the view's selection";
  EXPECT_FALSE(fs::exists(phone_ + "/data/PRIVATE"));

  // Unresized, the large photo stays over the phone's limit: the list shows it, and
  // cancelling it ends the send with nothing written and no copy left.
  for (CImageItem* item : Frame().items().items()) item->SetSelected(1);
  Profile(static_cast<uint32_t>(*fileio::FileSize(big->path()) - 1));
  confListAnswer_ = IDCANCEL;
  Send(0, false, 0, false);
  EXPECT_EQ(tooLarge_, 1);
  EXPECT_FALSE(fs::exists(OnPhone(0, "a.jpg")));
  EXPECT_FALSE(WorkFolderHasCopies());

  // Going on sends the others.
  confListAnswer_ = IDOK;
  Send(0, false, 0, false);
  EXPECT_TRUE(ReadBytes(OnPhone(0, "a.jpg")) == ReadBytes(a->path())) << "a plain copy";
  EXPECT_FALSE(fs::exists(OnPhone(0, "big.jpg")));
  EXPECT_FALSE(WorkFolderHasCopies());
}

}  // namespace
