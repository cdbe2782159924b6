// Nothing the album was given leaves it unseen: entries are kept as stored, those that
// cannot be used are kept aside with the file as read, a backup that cannot be written
// never blocks a save, a stored path reads back as written, and copies keep their times.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "library/AlbumDatabase.h"
#include "library/AlbumStorage.h"
#include "platform/fileio/FileIo.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

constexpr fileio::FileTime kShot{1262347200, 0};  // 2010-01-01 12:00 UTC

// The id of a process that has ended (and was waited for).
pid_t EndedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

class CatalogueKeeping : public LibraryFixture {
 protected:
  std::string Dropped(int n = 1) const {
    return DbPath() + ".dropped" + (n == 1 ? "" : "." + std::to_string(n));
  }
  const CPhotoItem* Find(const std::string& title) const {
    for (const CPhotoItem* item : library_.items())
      if (item->title() == title) return item;
    return nullptr;
  }
  // A file outside the album, written long ago.
  std::string OldFile(const std::string& name) {
    const std::string path = temp_.file(name);
    WriteBytes(path, "photo " + name);
    fileio::SetFileTimes(path, &kShot, &kShot);
    return path;
  }
};

TEST_F(CatalogueKeeping, KeepsEveryEntryItCanReadAsStoredAndSetsTheRestAside) {
  PhotoFileRecord month13 = RecordFor(AlbumFile("m.jpg"));
  month13.month = 13;
  PhotoFileRecord hour24 = RecordFor(AlbumFile("h.jpg"));
  hour24.hour = 24;
  PhotoFileRecord longMemo = RecordFor(AlbumFile("n.jpg"));
  std::memset(longMemo.memo, 'm', sizeof longMemo.memo);
  PhotoFileRecord longName = RecordFor(AlbumFile("s.jpg"));
  // 258 single bytes, then a double-byte character over the field's last two bytes.
  std::memset(longName.sourceName, 'a', sizeof longName.sourceName);
  longName.sourceName[258] = '\x95';
  longName.sourceName[259] = '\x5C';
  PhotoFileRecord noPathEnd = RecordFor(AlbumFile("u.jpg"));
  std::memset(noPathEnd.path, 'p', sizeof noPathEnd.path);
  const std::string file = "PHOTOALBUM0003" + PlainEntry(month13) + PlainEntry(hour24) +
                           PlainEntry(longMemo) + PlainEntry(longName) + PlainEntry(noPathEnd) +
                           PlainEntry(PhotoFileRecord{});
  WriteBytes(DbPath(), file);

  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(library_.count(), 4);
  EXPECT_EQ(Find("m")->month(), 13);
  EXPECT_EQ(Find("h")->hour(), 24);
  EXPECT_EQ(Find("n")->memo(), std::string(511, 'm'));
  EXPECT_EQ(Find("s")->sourceName(), std::string(258, 'a')) << "never half a character";
  library_.Recount();
  ASSERT_EQ(library_.yearTallies().nodes.size(), 1u);
  EXPECT_EQ(library_.yearTallies().nodes[0].months[0], 1u) << "month 13 is tallied under 0";
  EXPECT_EQ(library_.leftOutEntries().count, 2u);
  EXPECT_EQ(suite_.error.code, suite::kErrorEntriesLeftOut);
  EXPECT_EQ(suite_.error.detail1, 2);
  EXPECT_FALSE(fileio::Exists(Dropped())) << "loading writes nothing";

  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Dropped()), file);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 4) << "the next load reads back every record that was kept";
  EXPECT_EQ(Find("m")->month(), 13);
  EXPECT_EQ(library_.leftOutEntries().count, 0u);
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_FALSE(fileio::Exists(Dropped(2))) << "kept aside once";
}

TEST_F(CatalogueKeeping, AnotherCatalogueWithEntriesLeftOutTakesTheNextNumber) {
  WriteBytes(Dropped(), "earlier");
  const std::string file = "PHOTOALBUM0003" + PlainEntry(RecordFor(album_ + "/gone.jpg")) +
                           PlainEntry(RecordFor(AlbumFile("here.jpg"))) + "cut";
  WriteBytes(DbPath(), file);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 1);
  EXPECT_EQ(library_.leftOutEntries().count, 2u) << "the missing photo and the unfinished entry";
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(ReadBytes(Dropped()), "earlier");
  EXPECT_EQ(ReadBytes(Dropped(2)), file);
}

TEST_F(CatalogueKeeping, ASaveThatCannotKeepTheLeftOutEntriesAsideFails) {
  const std::string file = "PHOTOALBUM0003" + PlainEntry(RecordFor(album_ + "/gone.jpg"));
  WriteBytes(DbPath(), file);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(mkdir(Dropped().c_str(), 0755), 0);
  for (int n = 2; n < 10000; ++n) ASSERT_EQ(mkdir(Dropped(n).c_str(), 0755), 0) << n;
  EXPECT_EQ(library_.SaveAlbum(), 0);
  EXPECT_EQ(ReadBytes(DbPath()), file) << "the catalogue as read stays";
}

TEST_F(CatalogueKeeping, ABackupThatCannotBeWrittenNeverBlocksASave) {
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  ASSERT_EQ(library_.SaveAlbum(), 1);
  ASSERT_EQ(chmod(Backup().c_str(), 0444), 0);
  AddPhoto("b.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1) << "a read-only backup is ours to replace";
  struct stat info {};
  ASSERT_EQ(stat(Backup().c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IWUSR, 0u);

  // A backup that cannot be written at all is noted once; the saves go on.
  std::remove(Backup().c_str());
  ASSERT_EQ(mkdir(Backup().c_str(), 0755), 0);
  AddPhoto("c.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(suite_.error.code, suite::kErrorBackupNotWritten);
  suite_.error = SuiteErrorRecord{};
  AddPhoto("d.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_EQ(suite_.error.code, 0) << "noted once";
  ASSERT_EQ(library_.LoadAlbum(), 1);
  EXPECT_EQ(library_.count(), 4);
}

TEST_F(CatalogueKeeping, TheBackupOfAReadOnlyCatalogueIsWritable) {
  AddPhoto("a.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  ASSERT_EQ(chmod(DbPath().c_str(), 0444), 0);
  EXPECT_EQ(library_.SaveAlbum(), 0) << "the user's read-only catalogue is not replaced";
  struct stat info {};
  ASSERT_EQ(stat(Backup().c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IWUSR, 0u);
  ASSERT_EQ(chmod(DbPath().c_str(), 0644), 0);
  EXPECT_EQ(library_.SaveAlbum(), 1);
}

TEST_F(CatalogueKeeping, ANameWithABackslashIsRefusedAndEveryStoredPathReadsBackAsWritten) {
  const std::string odd = temp_.file("a\\b.jpg");
  WriteBytes(odd, "x");
  Cp932String path, name;
  EXPECT_EQ(library_.StoreImportedFile(odd, &path, &name), 0);
  EXPECT_FALSE(fileio::Exists(album_ + "/Pc/a\\b.jpg"));
  EXPECT_TRUE(albumstorage::IsStorableName(cp932::Lit("表.jpg"))) << "a trail byte is no backslash";

  // A record that names such a file (an older album wrote it) keeps its whole path.
  AddPhoto("2020/1/c\\d.jpg");
  AlbumFile("2020/1/表.jpg");  // named in UTF-8 on the disk, in code page 932 in the album
  ASSERT_NE(library_.AddRecord(RecordFor(album_ + cp932::Lit("/2020/1/表.jpg")), nullptr), nullptr);
  ASSERT_EQ(library_.SaveAlbum(), 1);
  ASSERT_EQ(library_.LoadAlbum(), 1);
  ASSERT_EQ(library_.count(), 2);
  EXPECT_EQ(library_.at(0)->path(), album_ + "/2020/1/c\\d.jpg");
  EXPECT_EQ(library_.at(1)->path(), album_ + cp932::Lit("/2020/1/表.jpg"));
}

TEST_F(CatalogueKeeping, StoredCopiesKeepTheirSourcesTimes) {
  Cp932String path, name;
  ASSERT_EQ(library_.StoreImportedFile(OldFile("import.jpg"), &path, &name), 1);
  EXPECT_EQ(fileio::LastWriteFileTime(path), kShot);
  ASSERT_EQ(library_.StorePhoneFile(OldFile("phone.jpg"), &path, &name), 1);
  EXPECT_EQ(fileio::LastWriteFileTime(path), kShot);
  EXPECT_NE(path.find("/2010/1/phone.jpg"), std::string::npos) << "filed by its own month";
}

TEST_F(CatalogueKeeping, LoadingAndSavingSweepTheTemporaryFilesOfACrashedRun) {
  AddPhoto("Pc/a.jpg");
  AddPhoto("2021/3/b.jpg");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  const std::string ended = std::to_string(EndedProcess());
  const std::vector<std::string> leftovers = {album_ + "/.HBPH0200.dat.tmp-" + ended + "-0",
                                              album_ + "/Pc/.a.jpg.tmp-" + ended + "-3",
                                              album_ + "/2021/3/.b.jpg.tmp-" + ended + "-9"};
  for (const std::string& file : leftovers) WriteBytes(file, "half");
  ASSERT_EQ(library_.LoadAlbum(), 1);
  for (const std::string& file : leftovers) EXPECT_FALSE(fileio::Exists(file)) << file;
  WriteBytes(leftovers[0], "half");
  ASSERT_EQ(library_.SaveAlbum(), 1);
  EXPECT_FALSE(fileio::Exists(leftovers[0]));
}

}  // namespace
