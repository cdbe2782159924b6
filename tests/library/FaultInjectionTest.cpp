// Every write, flush, rename and copy of a save or an import is made to fail in turn (a full
// disk, a failing disk), or to end the process there (a crash, a power cut). After each the
// catalogue on disk must load and hold every record of before the save or every record of
// after it, never fewer; the next successful save leaves no temporary file behind.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "platform/fileio/FaultInjection.h"
#include "tests/library/LibraryTestSupport.h"
#include "transfer/PcImport.h"

namespace {

using fileio::faults::Action;
using Fingerprint = std::vector<std::string>;

// What one sweep over the fault points found.
struct Tally {
  int points = 0;
  int recordsLost = 0;
};

Fingerprint FingerprintOf(const CPhotoItems& items) {
  Fingerprint f;
  for (const CPhotoItem* item : items.items()) f.push_back(item->path() + "|" + item->memo());
  std::sort(f.begin(), f.end());
  return f;
}

// Records of the expected set that the loaded one lacks.
int Missing(const Fingerprint& expected, const Fingerprint& loaded) {
  int missing = 0;
  for (const std::string& record : expected)
    missing += std::binary_search(loaded.begin(), loaded.end(), record) ? 0 : 1;
  return missing;
}

class FaultInjection : public LibraryFixture {
 protected:
  void TearDown() override {
    fileio::faults::Disarm();
    LibraryFixture::TearDown();
  }

  Fingerprint LoadFromDisk() {
    CPhotoManager loaded;
    const Cp932String path = DbPath();
    EXPECT_EQ(loaded.LoadAlbum(&path), 1) << "the catalogue on disk loads";
    return FingerprintOf(loaded);
  }

  // The catalogue on disk holds the before or the after records; the records lost if not.
  int Check(const Fingerprint& before, const Fingerprint& after, const std::string& where) {
    const Fingerprint loaded = LoadFromDisk();
    if (loaded == before || loaded == after) return 0;
    ADD_FAILURE() << where << ": " << loaded.size() << " records on disk, expected "
                  << before.size() << " or " << after.size();
    return std::max(Missing(before, loaded), Missing(after, loaded));
  }

  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(album_))
      if (e.path().filename().string().find(".tmp-") != std::string::npos)
        found.push_back(e.path().string());
    return found;
  }

  // The points one call passes, with the disk put back as it was afterwards.
  int PointsOf(const std::function<void()>& run, const std::function<void()>& restore) {
    fileio::faults::ResetCount();
    run();
    const int points = fileio::faults::PointsPassed();
    restore();
    return points;
  }

  // Runs the work in a child process that ends at the k-th point; true when it ended there.
  static bool EndedAt(int k, const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
      fileio::faults::Arm(k, Action::kExit);
      work();
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == fileio::faults::kExitCode;
  }

  void Report(const char* what, const Tally& tally) {
    std::printf("[ fault points ] %s: %d tried, %d records lost\n", what, tally.points,
                tally.recordsLost);
    EXPECT_EQ(tally.recordsLost, 0);
  }
};

class CatalogueFaults : public FaultInjection {
 protected:
  void SetUp() override {
    FaultInjection::SetUp();
    for (int i = 0; i < 1000; ++i) AddPhoto("2024/5/p" + std::to_string(i) + ".jpg");
    ASSERT_EQ(library_.SaveAlbum(), 1);
    ASSERT_EQ(library_.SaveAlbum(), 1);  // a backup generation exists too
    before_ = FingerprintOf(library_);
    catalogue_ = ReadBytes(DbPath());
    backup_ = ReadBytes(DbPath() + ".bak");
    // The save under test adds a record and changes a memo.
    AddPhoto("2024/5/new.jpg");
    library_.at(0)->SetMemo("changed");
    after_ = FingerprintOf(library_);
  }

  void Restore() {
    WriteBytes(DbPath(), catalogue_);
    WriteBytes(DbPath() + ".bak", backup_);
  }

  Fingerprint before_, after_;
  std::string catalogue_, backup_;
};

TEST_F(CatalogueFaults, AFailingCallAtAnyPointOfASaveKeepsEveryRecord) {
  const int points = PointsOf([&] { library_.SaveAlbum(); }, [&] { Restore(); });
  ASSERT_GT(points, 30) << "a thousand records take many writes";
  Tally tally;
  for (int k = 1; k <= points; ++k) {
    for (Action action : {Action::kNoSpace, Action::kIoError}) {
      fileio::faults::Arm(k, action);
      const int saved = library_.SaveAlbum();
      fileio::faults::Disarm();
      ++tally.points;
      tally.recordsLost += Check(before_, after_, "failure at point " + std::to_string(k));
      if (saved == 0) {
        EXPECT_EQ(LoadFromDisk(), before_) << "a failed save changed nothing";
      }
      ASSERT_EQ(library_.SaveAlbum(), 1);
      EXPECT_TRUE(TemporaryFiles().empty()) << "point " << k;
      Restore();
    }
  }
  Report("catalogue of 1,000 records, failing calls", tally);
}

TEST_F(CatalogueFaults, ACrashAtAnyPointOfASaveKeepsEveryRecord) {
  const int points = PointsOf([&] { library_.SaveAlbum(); }, [&] { Restore(); });
  Tally tally;
  for (int k = 1; k <= points + 1; ++k) {
    const bool ended = EndedAt(k, [&] { library_.SaveAlbum(); });
    EXPECT_EQ(ended, k <= points);
    ++tally.points;
    tally.recordsLost += Check(before_, after_, "crash at point " + std::to_string(k));
    ASSERT_EQ(library_.SaveAlbum(), 1);
    EXPECT_TRUE(TemporaryFiles().empty()) << "point " << k;
    Restore();
  }
  Report("catalogue of 1,000 records, crashes", tally);
}

class ImportFaults : public FaultInjection {
 protected:
  void SetUp() override {
    FaultInjection::SetUp();
    for (int i = 0; i < 3; ++i) AddPhoto("Pc/old" + std::to_string(i) + ".jpg");
    ASSERT_EQ(library_.SaveAlbum(), 1);
    before_ = FingerprintOf(library_);
    catalogue_ = ReadBytes(DbPath());
    fileio::CreateFolderPath(temp_.file("camera"), false);
    for (int i = 0; i < 20; ++i) {
      const std::string path = temp_.file("camera/img" + std::to_string(i) + ".jpg");
      WriteBytes(path, std::string(100000 + i, static_cast<char>('a' + i)));
      files_.push_back(path);
    }
  }

  // The album as it was before the import: the catalogue, its records and only their files.
  void Restore() {
    WriteBytes(DbPath(), catalogue_);
    ASSERT_EQ(library_.LoadAlbum(), 1);
    for (const auto& e : std::filesystem::directory_iterator(album_ + "/Pc"))
      if (e.path().filename().string().rfind("old", 0) != 0) std::filesystem::remove(e.path());
  }

  Fingerprint before_;
  std::string catalogue_;
  std::vector<Cp932String> files_;
};

TEST_F(ImportFaults, AFailingCallAtAnyPointOfAnImportKeepsEveryRecord) {
  const int points = PointsOf([&] { pcimport::Run(library_, files_, "memo"); }, [&] { Restore(); });
  ASSERT_GT(points, 20 * 4) << "every photo is copied, flushed and renamed";
  Tally tally;
  for (int k = 1; k <= points; ++k) {
    fileio::faults::Arm(k, k % 2 == 0 ? Action::kNoSpace : Action::kIoError);
    const pcimport::Outcome outcome = pcimport::Run(library_, files_, "memo");
    fileio::faults::Disarm();
    ++tally.points;
    const Fingerprint after = outcome.saved ? FingerprintOf(library_) : before_;
    if (outcome.saved) {
      EXPECT_EQ(outcome.imported + outcome.failed.size(), 20u) << k;
    }
    tally.recordsLost += Check(before_, after, "failure at point " + std::to_string(k));
    if (!outcome.saved) {
      EXPECT_EQ(FingerprintOf(library_), before_) << "taken back at " << k;
    }
    ASSERT_EQ(library_.SaveAlbum(), 1);
    EXPECT_TRUE(TemporaryFiles().empty()) << "point " << k;
    Restore();
  }
  Report("import of 20 photos, failing calls", tally);
}

TEST_F(ImportFaults, ACrashAtAnyPointOfAnImportKeepsEveryRecord) {
  const int points = PointsOf([&] { pcimport::Run(library_, files_, "memo"); }, [&] { Restore(); });
  pcimport::Run(library_, files_, "memo");
  const Fingerprint after = FingerprintOf(library_);
  ASSERT_EQ(after.size(), 23u);
  Restore();
  Tally tally;
  for (int k = 1; k <= points + 1; ++k) {
    EXPECT_EQ(EndedAt(k, [&] { pcimport::Run(library_, files_, "memo"); }), k <= points);
    ++tally.points;
    tally.recordsLost += Check(before_, after, "crash at point " + std::to_string(k));
    // The next run of the album loads the catalogue and saves: no temporary file remains.
    ASSERT_EQ(library_.LoadAlbum(), 1);
    ASSERT_EQ(library_.SaveAlbum(), 1);
    EXPECT_TRUE(TemporaryFiles().empty()) << "point " << k;
    Restore();
  }
  Report("import of 20 photos, crashes", tally);
}

}  // namespace
