// What the file layer promises a photo album: readers never block on something that is not
// a file, copies keep their source's times, temporary files of a crashed writer are swept,
// and every write, flush, rename and copy is a fault point a test can make fail.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/fileio/FaultInjection.h"
#include "platform/fileio/FileIo.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using fileio::faults::Action;

constexpr fileio::FileTime kNewYear2001{978307200, 123456789};

class FileKeeping : public testing::Test {
 protected:
  void TearDown() override { fileio::faults::Disarm(); }
  Cp932String Path(const char* utf8Name) const { return cp932::Lit(dir.file(utf8Name)); }
  void Write(const char* name, const std::string& data) {
    std::ofstream(dir.file(name), std::ios::binary) << data;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  TempDir dir;
};

TEST_F(FileKeeping, ReadersRefuseAPipeADeviceAndAFolderNamedLikeAPhotoWithoutBlocking) {
  ASSERT_EQ(mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);
  fs::create_directory(dir.file("folder.jpg"));
  // Nobody ever opens the pipe's other end: a blocking open would never return.
  for (const Cp932String& path : {Path("pipe.jpg"), Path("folder.jpg"), Cp932String("/dev/zero")}) {
    EXPECT_EQ(fileio::OpenFileForReading(path), -1) << path;
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED) << path;
    EXPECT_FALSE(fileio::ReadFile(path).has_value()) << path;
    EXPECT_FALSE(CopyFileA(path.c_str(), Path("copy.jpg").c_str(), 0)) << path;
  }
  EXPECT_FALSE(fs::exists(dir.file("copy.jpg")));
  EXPECT_EQ(fileio::OpenFileForReading(Path("missing.jpg")), -1);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  Write("photo.jpg", "pixels");
  const int fd = fileio::OpenFileForReading(Path("photo.jpg"));
  ASSERT_GE(fd, 0);
  EXPECT_EQ(fcntl(fd, F_GETFL) & O_NONBLOCK, 0) << "the descriptor reads as usual";
  close(fd);
}

TEST_F(FileKeeping, CopiesKeepTheSourcesTimesAndTimesCanBeSet) {
  Write("old.jpg", "taken long ago");
  ASSERT_TRUE(fileio::SetFileTimes(Path("old.jpg"), &kNewYear2001, &kNewYear2001));
  EXPECT_EQ(fileio::LastWriteFileTime(Path("old.jpg")), kNewYear2001);
  ASSERT_TRUE(CopyFileA(Path("old.jpg").c_str(), Path("copy.jpg").c_str(), 1));
  EXPECT_EQ(fileio::LastWriteFileTime(Path("copy.jpg")), kNewYear2001);
  EXPECT_EQ(fileio::LastAccessFileTime(Path("copy.jpg")), kNewYear2001);
  // A copy over an existing file keeps the times too, as does the suite library's copy.
  Write("other.jpg", "x");
  DWORD error = 1;
  ASSERT_TRUE(AdCopyFileA(Path("old.jpg").c_str(), Path("other.jpg").c_str(), 0, &error));
  EXPECT_EQ(fileio::LastWriteFileTime(Path("other.jpg")), kNewYear2001);

  const fileio::FileTime later{kNewYear2001.seconds + 3600, 0};
  ASSERT_TRUE(fileio::SetFileTimes(Path("copy.jpg"), nullptr, &later));
  EXPECT_EQ(fileio::LastWriteFileTime(Path("copy.jpg")), later);
  EXPECT_EQ(fileio::LastAccessFileTime(Path("copy.jpg")), kNewYear2001) << "left as it was";
  const fileio::FileTime bad{0, 1'000'000'000};
  EXPECT_FALSE(fileio::SetFileTimes(Path("copy.jpg"), nullptr, &bad));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(fileio::SetFileTimes(Path("missing.jpg"), nullptr, &later));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileKeeping, SweepsOnlyTheTemporaryFilesOfEndedWriters) {
  // A child that ends in the middle of an atomic write leaves its temporary file behind.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    fileio::faults::Arm(2, Action::kExit);
    fileio::WriteFileAtomic(Path("catalogue.dat"), std::string(200000, 'c'));
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), fileio::faults::kExitCode);
  Write(".catalogue.dat.tmp-1-x", "not one of ours: no number after the process id");
  const std::string ours = ".catalogue.dat.tmp-" + std::to_string(getpid()) + "-7";
  Write(ours.c_str(), "a write of this process in progress");
  Write("photo.jpg", "kept");
  ASSERT_EQ(Names().size(), 4u);

  EXPECT_EQ(fileio::RemoveStaleTemporaries(cp932::Lit(dir.path())), 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{".catalogue.dat.tmp-1-x", ours, "photo.jpg"}));
  EXPECT_EQ(fileio::RemoveStaleTemporaries(Path("missing")), 0);
}

TEST_F(FileKeeping, EveryWriteFlushRenameAndCopyIsAFaultPoint) {
  Write("source.jpg", std::string(150000, 's'));
  fileio::faults::ResetCount();
  ASSERT_TRUE(fileio::WriteFileAtomic(Path("small"), "x"));
  // One write, the file's flush, the rename and the folder's flush.
  EXPECT_EQ(fileio::faults::PointsPassed(), 4);
  fileio::faults::ResetCount();
  ASSERT_TRUE(CopyFileA(Path("source.jpg").c_str(), Path("copy.jpg").c_str(), 0));
  const int copyPoints = fileio::faults::PointsPassed();
  EXPECT_GE(copyPoints, 6) << "the copy, three pieces of data, flushes and the rename";

  for (int k = 1; k <= copyPoints; ++k) {
    for (Action action : {Action::kNoSpace, Action::kIoError}) {
      fileio::faults::Arm(k, action);
      const bool copied = CopyFileA(Path("source.jpg").c_str(), Path("again.jpg").c_str(), 0);
      fileio::faults::Disarm();
      // A failed folder flush comes after the rename: the copy is whole and stands.
      if (copied) {
        EXPECT_EQ(k, copyPoints) << "only the last point may fail unseen";
        fs::remove(dir.file("again.jpg"));
        continue;
      }
      EXPECT_NE(GetLastError(), ERROR_SUCCESS);
      EXPECT_EQ(Names(), (std::vector<std::string>{"copy.jpg", "small", "source.jpg"}))
          << "point " << k << " left something behind";
    }
  }
}

}  // namespace
