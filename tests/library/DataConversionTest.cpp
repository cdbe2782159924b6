#include <gtest/gtest.h>

#include "library/AlbumDatabase.h"
#include "library/DataConversion.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

class DataConversion : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    conversion_.host = block_;
    ASSERT_TRUE(Initialise());
    ASSERT_TRUE(TheApp().MakeAlbumFolder());
    album_ = TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder);
    database_ = TheApp().DatabasePath();
  }

  DataConversionBlock conversion_{};
  std::string album_;
  std::string database_;
};

TEST_F(DataConversion, WithoutADatabaseSucceedsAndWritesNothing) {
  EXPECT_EQ(conversion::Convert(&conversion_), 1);
  EXPECT_FALSE(fileio::Exists(database_));
  EXPECT_EQ(conversion_.errorCode, 0u);
}

TEST_F(DataConversion, RewritesAVersionThreeFileAsVersionFourWithTheSameRecords) {
  WriteBytes(album_ + "/a.jpg", "a");
  WriteBytes(album_ + "/b.jpg", "b");
  WriteBytes(database_, "PHOTOALBUM0003" + PlainEntry(RecordFor(album_ + "/a.jpg")) +
                            PlainEntry(RecordFor("*\\b.jpg")) +
                            PlainEntry(RecordFor(album_ + "/gone.jpg")));
  ASSERT_EQ(conversion::Convert(&conversion_), 1);
  const std::string written = ReadBytes(database_);
  EXPECT_EQ(written.substr(0, 14), "PHOTOALBUM0004");
  EXPECT_EQ(written.size(), 14 + 2 * albumdb::kEntryBytes) << "the missing photo is dropped";
  EXPECT_EQ(ReadBytes(database_ + ".dropped").size(), 14 + 3 * albumdb::kEntryBytes)
      << "but the file as read is kept";
  EXPECT_EQ(suite_.error.code, suite::kErrorEntriesLeftOut);
  EXPECT_TRUE(boxes_.empty()) << "the conversion shows nothing";
  CPhotoManager check;
  ASSERT_EQ(check.LoadAlbum(&database_), 1);
  ASSERT_EQ(check.count(), 2);
  EXPECT_EQ(check.at(1)->path(), album_ + "/b.jpg");
  EXPECT_EQ(check.at(0)->DateNumber(), 20240517);
}

TEST_F(DataConversion, AnUnreadableCatalogueIsAReadFailureAndStaysAsItWas) {
  WriteBytes(database_, "NOT AN ALBUM AT ALL");
  EXPECT_EQ(conversion::Convert(&conversion_), 0);
  EXPECT_EQ(conversion_.errorCode, 1u);
  EXPECT_EQ(std::string(conversion_.errorMessage),
            cp932::Lit("RADAD&UDUVEのデータ変換処理でエラーが発生しました。"));
  EXPECT_EQ(ReadBytes(database_), "NOT AN ALBUM AT ALL");
  EXPECT_TRUE(boxes_.empty()) << "the conversion shows nothing";
}

}  // namespace
