#include <gtest/gtest.h>

#include <QCoreApplication>

#include "library/AlbumDatabase.h"
#include "platform/fileio/FileIo.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

class AlbumSave : public LibraryFixture {
 protected:
  void TearDown() override {
    fileio::FailNthWriteForTest(0);
    albumdb::FailNthEncryptionForTest(0);
    LibraryFixture::TearDown();
  }

  std::string Damaged(int n = 1) const {
    return DbPath() + ".damaged" + (n == 1 ? "" : "." + std::to_string(n));
  }
};

TEST_F(AlbumSave, AFailingWriteLeavesTheOldFileWholeAndReportsFailure) {
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  const std::string old = ReadBytes(DbPath());
  AddPhoto("b.jpg");
  int failures = 0;
  // Every atomic write counts, the registry's among them, so each position is tried.
  for (int n = 1; n <= 14; ++n) {
    fileio::FailNthWriteForTest(n);
    const int result = library_.SaveAlbum();
    fileio::FailNthWriteForTest(0);
    const std::string now = ReadBytes(DbPath());
    if (result == 0) {
      ++failures;
      EXPECT_EQ(now, old) << "failing write " << n;
    } else {
      EXPECT_EQ(now.size(), 14 + 2 * albumdb::kEntryBytes) << "write " << n;
      ASSERT_EQ(library_.LoadAlbum(), 1);
      ASSERT_EQ(library_.count(), 2);
      library_.RemovePhoto(library_.at(1), false);
      ASSERT_EQ(library_.SaveAlbum(), 1);
      AddPhoto("b.jpg");
    }
  }
  EXPECT_GT(failures, 0);
  const auto listing = fileio::ListFolder(album_);
  for (const auto& entry : *listing)
    EXPECT_EQ(entry.name.find(".tmp"), std::string::npos) << entry.name;
}

TEST_F(AlbumSave, AnEntryThatFailsToEncryptFailsTheWholeSave) {
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  const std::string old = ReadBytes(DbPath());
  const std::string backup = ReadBytes(Backup());
  AddPhoto("b.jpg");
  AddPhoto("c.jpg");
  albumdb::FailNthEncryptionForTest(2);
  EXPECT_EQ(library_.SaveAlbum(), 0);
  EXPECT_EQ(ReadBytes(DbPath()), old);
  EXPECT_EQ(ReadBytes(Backup()), backup);
  EXPECT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(DbPath()).size(), 14 + 3 * albumdb::kEntryBytes);
}

TEST_F(AlbumSave, KeepsThePreviousFileAsOneBackupGeneration) {
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_FALSE(fileio::Exists(Backup())) << "nothing was replaced";
  const std::string first = ReadBytes(DbPath());
  AddPhoto("b.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Backup()), first);
  const std::string second = ReadBytes(DbPath());
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Backup()), second);
}

TEST_F(AlbumSave, PostsTheAlbumChangedNoticeAfterSaving) {
  ASSERT_EQ(library_.SaveAlbum(), 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(suite_.host.Count(kHostMsgAlbumChanged), 1);
}

TEST_F(AlbumSave, AnUnreadableCatalogueIsKeptAsideOnceAndTheUserTold) {
  const std::string garbage = "PHOTOALBUM0007" + std::string(5000, 'g');
  WriteBytes(DbPath(), garbage);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_TRUE(boxes_.empty()) << "loading says nothing";
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Damaged()), garbage);
  EXPECT_EQ(ReadBytes(DbPath()).substr(0, 14), "PHOTOALBUM0004");
  EXPECT_FALSE(fileio::Exists(Backup())) << "the damaged file is not a backup";
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].text.find(Damaged()), std::string::npos) << boxes_[0].text;
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(boxes_.size(), 1u) << "told once";
  EXPECT_FALSE(fileio::Exists(Damaged(2)));
}

TEST_F(AlbumSave, ASecondDamagedCatalogueTakesTheNextNumberAndNamesTheBackup) {
  WriteBytes(Damaged(), "earlier");
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  ASSERT_EQ(library_.SaveAlbum(), 1);  // a backup generation now exists
  WriteBytes(DbPath(), "PHOTOALBUM0004" + std::string(2 * albumdb::kEntryBytes, '\x11'));
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 0);
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Damaged()), "earlier");
  EXPECT_EQ(ReadBytes(Damaged(2)).size(), 14 + 2 * albumdb::kEntryBytes);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].text.find(Damaged(2)), std::string::npos);
  EXPECT_NE(boxes_[0].text.find(Backup()), std::string::npos) << boxes_[0].text;
}

TEST_F(AlbumSave, ACatalogueThatCannotBeReadAtAllIsNotOverwritten) {
  ASSERT_EQ(mkdir(DbPath().c_str(), 0755), 0);  // present, but no file to read
  WriteBytes(DbPath() + "/inside", "kept");
  EXPECT_EQ(library_.LoadAlbum(), 0);
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Damaged() + "/inside"), "kept");
  EXPECT_TRUE(fileio::IsFile(DbPath()));
}

TEST_F(AlbumSave, AValidCatalogueWithMissingPhotosIsNotTakenForDamage) {
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  DeleteFileA((album_ + "/a.jpg").c_str());
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 0);
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_FALSE(fileio::Exists(Damaged()));
  EXPECT_TRUE(fileio::Exists(DbPath() + ".dropped")) << "kept as read, with its one record";
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].text.find(DbPath() + ".dropped"), std::string::npos) << "the user is told";
}

}  // namespace
