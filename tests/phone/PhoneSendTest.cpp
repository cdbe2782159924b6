// The phone copies of a send: fitted into the size's box within its byte limit, never
// enlarged, without rotation, with the adjustments when the photo is edited; copies that
// stay too large, or cannot be made, are dropped and leave no file behind.
#include <QImage>

#include "images/CImageItems.h"
#include "phone/PhoneSend.h"
#include "platform/phonelib/CNyFileInfoList.h"
#include "tests/images/TestPictures.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

class PhoneSend : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    TheApp().OpenUserAlbum();
    folder_ = TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder) + "/Pc";
    fileio::CreateFolderPath(folder_, false);
  }

  // A ticked photo of width x height in the view, with the adjustments given.
  CPhotoItem* Photo(const std::string& name, int width, int height, AdjustmentRecord a = {}) {
    const std::string path = folder_ + "/" + name;
    testpictures::Write(testpictures::Photo(width, height), path, "JPEG", 95);
    CPhotoItem* record = TheApp().library()->AddRecord(RecordFor(path, 4 | 8), &a);
    view_.AddRecord(record)->SetSelected(1);
    return record;
  }

  static QSize SizeOf(const std::string& path) {
    return QImage(QString::fromStdString(path)).size();
  }
  static int MeanGrey(const std::string& path) {
    const QImage image(QString::fromStdString(path));
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
    return static_cast<int>(sum / (image.width() * image.height()));
  }

  std::string folder_;
  CImageItems view_{true};
};

TEST_F(PhoneSend, ResizedCopiesFitTheBoxWithinTheByteLimitUnrotatedAndNeverEnlarged) {
  AdjustmentRecord turned;
  turned.rotation = 90;
  AdjustmentRecord brighter;
  brighter.brightness = 600;
  brighter.rotation = 270;
  Photo("wide.jpg", 640, 480);
  CPhotoItem* rotated = Photo("turned.jpg", 640, 480, turned);
  Photo("small.jpg", 100, 80);
  Photo("bright.jpg", 640, 480, brighter);
  Photo("unticked.jpg", 640, 480);
  view_.At(4)->SetSelected(0);
  for (int size : {phonesend::kSizePhone, phonesend::kSizeWallpaper}) {
    SCOPED_TRACE(size);
    const phonesend::SendChoice choice{0, true, false, size};
    const auto done = phonesend::ConvertTicked(view_, choice, 100000, nullptr);
    ASSERT_EQ(done.items.size(), 4u);
    const int w = size == phonesend::kSizePhone ? 120 : 240;
    const QSize expected[] = {{w, w * 3 / 4}, {w, w * 3 / 4}, {100, 80}, {w, w * 3 / 4}};
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(SizeOf(done.items[i].path), expected[i]) << i;
      EXPECT_LE(done.items[i].size, phonesend::PhoneByteLimit(size));
      EXPECT_EQ(done.items[i].size, *fileio::FileSize(done.items[i].path));
    }
    EXPECT_EQ(done.items[1].name, "turned.jpg");
    EXPECT_EQ(done.items[3].path,
              TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder) + "/Update(3)");
    EXPECT_GT(MeanGrey(done.items[3].path), MeanGrey(done.items[0].path) + 30);
    EXPECT_EQ(int{rotated->adjustments().rotation}, 90);
    phonesend::RemoveConverted(done.items.size());
    EXPECT_FALSE(fileio::Exists(done.items[0].path));
  }
}

TEST_F(PhoneSend, UnresizedCopiesKeepTheFileOrApplyTheEditsWithinItsOwnSize) {
  AdjustmentRecord turned;
  turned.rotation = 180;
  AdjustmentRecord edited;
  edited.contrast = 400;
  CPhotoItem* plain = Photo("plain.jpg", 320, 240, turned);
  CPhotoItem* changed = Photo("edited.jpg", 320, 240, edited);
  const auto done = phonesend::ConvertTicked(view_, {1, false, false, 0}, 0, nullptr);
  ASSERT_EQ(done.items.size(), 2u);
  EXPECT_EQ(ReadBytes(done.items[0].path), ReadBytes(plain->path()));
  EXPECT_EQ(SizeOf(done.items[1].path), QSize(320, 240));
  EXPECT_LE(done.items[1].size, *fileio::FileSize(changed->path()));
  EXPECT_NE(ReadBytes(done.items[1].path), ReadBytes(changed->path()));

  CNyFileInfoList list;
  phonesend::AppendEntries(done.items, {1, false, false, 0}, list);
  POSITION pos = list.GetHeadPosition();
  const CNyFileInfo first = list.GetNext(pos);
  EXPECT_EQ(first.GetTitleName(), "edited.jpg");
  EXPECT_EQ(first.GetStorageArea(), 2);
  EXPECT_EQ(first.GetPhoneDirPath(), "PRIVATE\\NY\\DF");
  EXPECT_EQ(first.GetFileSize(), done.items[1].size);
  EXPECT_TRUE(first.IsFile());
  EXPECT_EQ(list.GetNext(pos).GetTitleName(), "plain.jpg");
  phonesend::RemoveConverted(done.items.size());
}

TEST_F(PhoneSend, TooLargeAndFailedCopiesAreDroppedAndStoppingLeavesNoFiles) {
  Photo("a.jpg", 640, 480);
  Photo("big.jpg", 1600, 1200);
  CPhotoItem* gone = Photo("gone.jpg", 640, 480);
  CPhotoItem* last = Photo("d.jpg", 640, 480);
  const std::string work = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
  std::filesystem::remove(gone->path());
  const phonesend::SendChoice wallpaper{0, false, false, phonesend::kSizeWallpaper};

  // A limit under what the large one needs: noted as too large, its copy gone, numbering
  // going on by the copies kept.
  const uint32_t limit = static_cast<uint32_t>(*fileio::FileSize(last->path()) + 1);
  std::vector<std::string> asked;
  const auto done = phonesend::ConvertTicked(view_, wallpaper, limit, [&](const CPhotoItem& p) {
    asked.emplace_back(p.fileName());
    return true;
  });
  EXPECT_EQ(asked, std::vector<std::string>{"gone.jpg"});
  ASSERT_EQ(done.items.size(), 2u);
  ASSERT_EQ(done.tooLarge.size(), 1u);
  EXPECT_EQ(done.tooLarge[0]->record()->fileName(), "big.jpg");
  EXPECT_EQ(done.failed.size(), 1u);
  EXPECT_EQ(done.items[1].path, work + "/Update(1)");
  EXPECT_FALSE(fileio::Exists(work + "/Update(2)"));
  phonesend::RemoveConverted(done.items.size());

  const auto stopped =
      phonesend::ConvertTicked(view_, wallpaper, 0, [](const CPhotoItem&) { return false; });
  EXPECT_TRUE(stopped.stopped);
  EXPECT_TRUE(stopped.items.empty());
  EXPECT_FALSE(fileio::Exists(work + "/Update(0)"));
}

}  // namespace
