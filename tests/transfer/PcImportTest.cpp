#include "transfer/PcImport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"
#include "platform/phonelib/SampleExif.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

using pcimport::Refusal;

constexpr fileio::FileTime kWritten{1262347200, 0};  // 2010-01-01 12:00 UTC

class PcImport : public LibraryFixture {
 protected:
  // A file outside the album, last written at kWritten.
  std::string Source(const std::string& name, const std::string& bytes = "photo") {
    const std::string path = temp_.file("pc/" + name);
    fileio::CreateFolderPath(temp_.file("pc"), false);
    WriteBytes(path, bytes);
    fileio::SetFileTimes(path, &kWritten, &kWritten);
    return path;
  }

  std::string WithExifDate(const std::string& date) {
    phonelib::ExifFields fields;
    fields.make = "Maker";
    fields.dateTimeOriginal = date;
    return phonelib::InsertAfterStartOfImage("\xFF\xD8\xFF\xD9", phonelib::MakeExifSegment(fields));
  }

  size_t FilesIn(const std::string& folder) {
    const auto entries = fileio::ListFolder(folder);
    return entries ? entries->size() : 0;
  }
};

TEST_F(PcImport, TakesOnlyPlainFilesOfTheFiveKindsWithANameTheAlbumCanKeep) {
  EXPECT_EQ(pcimport::Check(Source("IMG.JPG")), Refusal::kNone);
  EXPECT_EQ(pcimport::Check(Source("clip.3g2")), Refusal::kNone);
  EXPECT_EQ(pcimport::Check(Source("photo.jpeg")), Refusal::kKind);
  EXPECT_EQ(pcimport::Check(Source("notes.txt")), Refusal::kKind);
  EXPECT_EQ(pcimport::Check(Source("a\\b.jpg")), Refusal::kName);
  EXPECT_EQ(pcimport::Check(temp_.file("pc/missing.jpg")), Refusal::kNotAFile);
  ASSERT_EQ(mkdir(temp_.file("pc/folder.jpg").c_str(), 0755), 0);
  EXPECT_EQ(pcimport::Check(temp_.file("pc/folder.jpg")), Refusal::kNotAFile);
  ASSERT_EQ(mkfifo(temp_.file("pc/pipe.png").c_str(), 0600), 0);
  EXPECT_EQ(pcimport::Check(temp_.file("pc/pipe.png")), Refusal::kNotAFile);
  const std::string deep = temp_.file("pc/" + std::string(120, 'd') + "/" + std::string(120, 'e'));
  fileio::CreateFolderPath(deep, false);
  WriteBytes(deep + "/x.jpg", "x");
  EXPECT_EQ(pcimport::Check(deep + "/x.jpg"), Refusal::kPathTooLong);
}

TEST_F(PcImport, AnExifDateThatIsNoRealDateGivesWayToTheFilesTime) {
  const pcimport::ShotTime exif =
      pcimport::ShootingTime(Source("a.jpg", WithExifDate("2008:07:06 05:04:03")));
  EXPECT_EQ(exif.year, 2008);
  EXPECT_EQ(exif.second, 3);
  for (const char* wrong : {"2024:13:40 25:61:61", "2024:12:31 24:00:00", "0000:00:00 00:00:00"}) {
    const pcimport::ShotTime t = pcimport::ShootingTime(Source("b.jpg", WithExifDate(wrong)));
    EXPECT_EQ(t.year, 2010) << wrong;
    EXPECT_LE(t.month, 12) << wrong;
    EXPECT_LE(t.hour, 23) << wrong;
  }
}

TEST_F(PcImport, RecordsEachFileWithThePcMarkAndTheMemoAndSaves) {
  const std::vector<Cp932String> files{Source("one.jpg"), Source("two.png"), Source("clip.amc")};
  const pcimport::Outcome outcome = pcimport::Run(library_, files, "memo");
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.imported, 3);
  EXPECT_TRUE(outcome.failed.empty());
  ASSERT_EQ(library_.count(), 3);
  EXPECT_EQ(library_.at(2)->flags(), PhotoKind::kMovieCode | PhotoKind::kFromPc);
  EXPECT_EQ(library_.at(0)->memo(), "memo");
  CPhotoManager reloaded;
  const Cp932String db = DbPath();
  ASSERT_EQ(reloaded.LoadAlbum(&db), 1);
  EXPECT_EQ(reloaded.count(), 3);
}

TEST_F(PcImport, ARunWhoseSaveFailsLeavesTheAlbumAsItWas) {
  ASSERT_TRUE(pcimport::Run(library_, {Source("before.jpg")}, "").saved);
  const std::string db = DbPath();
  const std::string catalogue = ReadBytes(db);
  ASSERT_EQ(chmod(db.c_str(), 0444), 0);  // the save cannot replace it
  const pcimport::Outcome outcome = pcimport::Run(library_, {Source("x.jpg"), Source("y.jpg")}, "");
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.imported, 2);
  EXPECT_EQ(library_.count(), 1);
  EXPECT_EQ(library_.at(0)->title(), "before");
  EXPECT_EQ(FilesIn(album_ + "/Pc"), 1u) << "the run's copies are gone";
  EXPECT_EQ(ReadBytes(db), catalogue);
  EXPECT_TRUE(fileio::Exists(temp_.file("pc/x.jpg"))) << "the user's own files stay";
}

}  // namespace
