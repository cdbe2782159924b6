#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/TempDir.h"

namespace {

struct ToolRun {
  int status;
  std::string out;
};

class AlbumCommands : public testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("HARBO_TEST_BIN");
    tool_ = std::string(bin != nullptr ? bin : "") + "/harbo-album";
    if (bin == nullptr || !std::ifstream(tool_).good()) GTEST_SKIP() << "harbo-album not built";
    Write("photos/beach.jpg", "b");
    Write("photos/sub/mountain.PNG", "m");
    Write("photos/notes.txt", "n");
  }

  void Write(const std::string& relative, const std::string& bytes) {
    const std::string path = temp_.file(relative);
    std::system(("mkdir -p '" + path.substr(0, path.rfind('/')) + "'").c_str());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  ToolRun Album(const std::string& args) {
    const std::string command = "HARBO_REGISTRY_DIR='" + temp_.file("reg") + "' '" + tool_ +
                                "' --data '" + temp_.file("data") + "' --user taro " + args +
                                " 2>/dev/null";
    ToolRun run{0, {}};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
    run.status = WEXITSTATUS(pclose(pipe));
    return run;
  }

  static int Lines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
  }

  std::string Database() { return temp_.file("data/Users/taro/Album/HBPH0200.dat"); }

  TempDir temp_;
  std::string tool_;
};

TEST_F(AlbumCommands, ImportStoresPhotosAndMoviesAndListShowsTheirRecords) {
  const ToolRun imported = Album("import '" + temp_.file("photos") + "'");
  EXPECT_EQ(imported.status, 0);
  EXPECT_NE(imported.out.find("imported\t2"), std::string::npos) << imported.out;
  const ToolRun list = Album("list");
  EXPECT_EQ(Lines(list.out), 2);
  EXPECT_NE(list.out.find("beach\t"), std::string::npos);
  EXPECT_NE(list.out.find("/Album/Pc/mountain.PNG\t"), std::string::npos);
}

TEST_F(AlbumCommands, SearchBuildsTheDialogsCriteria) {
  Album("import '" + temp_.file("photos") + "'");
  EXPECT_EQ(Lines(Album("search --name MOUNT --photos").out), 1);
  EXPECT_EQ(Lines(Album("search --name mount --movies").out), 0);
  EXPECT_EQ(Album("search --name mount").status, 2) << "neither photos nor movies";
  EXPECT_EQ(Album("search --photos").status, 2) << "no condition";
  EXPECT_EQ(Lines(Album("search --photos --min-kb 0 --max-kb 1").out), 2);
}

TEST_F(AlbumCommands, DatabaseCheckReadsWithoutChangingTheFile) {
  Album("import '" + temp_.file("photos/beach.jpg") + "'");
  EXPECT_EQ(Album("db-check '" + Database() + "'").status, 0);
  std::ofstream(Database(), std::ios::binary) << "PHOTOALBUM0004garbage";
  const ToolRun check = Album("db-check '" + Database() + "'");
  EXPECT_EQ(check.status, 1);
  EXPECT_NE(check.out.find("damaged"), std::string::npos);
  std::stringstream bytes;
  bytes << std::ifstream(Database(), std::ios::binary).rdbuf();
  EXPECT_EQ(bytes.str(), "PHOTOALBUM0004garbage");
}

}  // namespace
