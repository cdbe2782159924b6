#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "library/AlbumDatabase.h"
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

  // Runs the tool in the folder given (the test's own when empty); its error output joins
  // the rest when asked for.
  ToolRun Album(const std::string& args, bool withErrors = false, const std::string& in = "") {
    const std::string command = (in.empty() ? "" : "cd '" + in + "' && ") + "HARBO_REGISTRY_DIR='" +
                                temp_.file("reg") + "' '" + tool_ + "' --data '" +
                                temp_.file("data") + "' --user taro " + args +
                                (withErrors ? " 2>&1" : " 2>/dev/null");
    ToolRun run{0, {}};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
    run.status = WEXITSTATUS(pclose(pipe));
    return run;
  }

  // The first field of each line: the titles, in the order listed.
  static std::vector<std::string> Titles(const std::string& text) {
    std::vector<std::string> titles;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
      titles.push_back(line.substr(0, line.find('\t')));
    return titles;
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
  // The index as the panel words it: each category, then its entries indented.
  const ToolRun index = Album("index");
  EXPECT_EQ(index.status, 0);
  EXPECT_EQ(index.out.rfind("全て\n  全て (2)\n", 0), 0u) << index.out;
  EXPECT_NE(index.out.find("お気に入り\n  全て (0)\n  お気に入り1 (0)\n"), std::string::npos);
  EXPECT_EQ(Lines(index.out), 2 + 3 + 14) << "one year with one month, no burst shots";
}

TEST_F(AlbumCommands, SearchBuildsTheDialogsCriteria) {
  Album("import '" + temp_.file("photos") + "'");
  // The hits, then the report line.
  EXPECT_EQ(Lines(Album("search --name MOUNT --photos").out), 2);
  EXPECT_EQ(Lines(Album("search --name mount --movies").out), 1);
  EXPECT_EQ(Lines(Album("search --name mount").out), 2) << "photos, when neither is chosen";
  const ToolRun none = Album("search --photos", true);
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.out.find("検索条件を設定してください。"), std::string::npos)
      << "the dialog's words";
  EXPECT_EQ(Lines(Album("search --photos --size-between 1 0").out), 3) << "two hits, the report";
  EXPECT_NE(Album("search --size-at-most 1x", true).out.find("数字を入力してください。"),
            std::string::npos);
  const ToolRun dated = Album("search --between 2099-01-01 1990-01-01");
  EXPECT_EQ(dated.out.substr(dated.out.rfind('\n', dated.out.size() - 2) + 1),
            "検索終了しました。検索件数は、2件です。\n")
      << "reversed dates are read the other way round";
}

TEST_F(AlbumCommands, RenameAndMemoGoThroughTheDialogsChecks) {
  Album("import '" + temp_.file("photos") + "'");
  EXPECT_NE(Album("rename beach 'a:b'", true).out.find("次の文字は使えません。"),
            std::string::npos);
  EXPECT_NE(Album("rename beach " + std::string(91, 'x'), true).out.find("半角90文字以下"),
            std::string::npos);
  const ToolRun renamed = Album("rename beach '  sunset '");
  EXPECT_EQ(renamed.status, 0);
  EXPECT_EQ(renamed.out.rfind("sunset\t", 0), 0u) << renamed.out;
  EXPECT_NE(renamed.out.find("/sunset.jpg\t"), std::string::npos) << "the extension kept";
  EXPECT_EQ(Album("rename mountain sunset").status, 0) << "another extension may have the name";
  EXPECT_EQ(Album("rename nosuch x").status, 2);
  EXPECT_EQ(Album("memo sunset x").status, 2) << "two photos have the name now";
  const std::string path = temp_.file("data/Users/taro/Album/Pc/sunset.jpg");
  EXPECT_NE(Album("memo " + path + " " + std::string(512, 'm'), true).out.find("半角511文字以下"),
            std::string::npos);
  EXPECT_EQ(Album("memo " + path + " " + std::string(511, 'm')).status, 0);
  EXPECT_NE(Album("list").out.find(std::string(511, 'm')), std::string::npos) << "saved";
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

TEST_F(AlbumCommands, ImportTakesABareNameOfTheCurrentFolderAndSaysWhyItRefusesOthers) {
  Write("photos/photo.jpeg", "j");
  const ToolRun run =
      Album("import beach.jpg notes.txt photo.jpeg missing.png", true, temp_.file("photos"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("imported\t1"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("failed\t3"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("notes.txt: not a photo or movie"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("photo.jpeg: not a photo or movie"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("missing.png: not a file"), std::string::npos) << run.out;
  EXPECT_NE(Album("list").out.find("/Album/Pc/beach.jpg\t"), std::string::npos);
}

TEST_F(AlbumCommands, ImportWhoseSaveFailsLeavesTheAlbumAsItWas) {
  ASSERT_EQ(Album("import '" + temp_.file("photos/beach.jpg") + "'").status, 0);
  ASSERT_EQ(chmod(Database().c_str(), 0444), 0);
  const ToolRun run = Album("import '" + temp_.file("photos/sub") + "'", true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("could not be saved"), std::string::npos) << run.out;
  EXPECT_EQ(Lines(Album("list").out), 1);
}

TEST_F(AlbumCommands, DatabaseDumpShowsARelativePathAsStored) {
  Album("import '" + temp_.file("photos/beach.jpg") + "'");
  const ToolRun dump = Album("db-dump '" + Database() + "'");
  EXPECT_EQ(dump.status, 0);
  EXPECT_NE(dump.out.find("\n*/Pc/beach.jpg\t"), std::string::npos) << dump.out;
}

TEST_F(AlbumCommands, ListSortsAsTheViewsDoWithCaseIgnoredAndUnknownDatesLast) {
  struct Photo {
    const char* name;
    uint16_t year, month;
  } photos[] = {{"Beach.jpg", 2024, 5},
                {"apple.jpg", 65535, 65535},
                {"beach.jpg", 2023, 1},
                {"Apple.png", 2024, 6}};
  std::vector<albumdb::Entry> entries;
  for (const Photo& p : photos) {
    Write("photos/" + std::string(p.name), p.name);
    albumdb::Entry& e = entries.emplace_back();
    std::snprintf(e.record.path, sizeof e.record.path, "%s",
                  temp_.file("photos/" + std::string(p.name)).c_str());
    e.record.flags = 4;
    e.record.year = p.year, e.record.month = p.month, e.record.day = p.year == 65535 ? 65535 : 1;
    e.record.hour = e.record.minute = e.record.second = p.year == 65535 ? 65535 : 0;
  }
  const std::string album = temp_.file("data/Users/taro/Album");
  std::filesystem::create_directories(album);
  std::ofstream(Database(), std::ios::binary) << *albumdb::Serialize(entries, album);
  using Names = std::vector<std::string>;
  EXPECT_EQ(Titles(Album("list --sort name").out), (Names{"apple", "Apple", "Beach", "beach"}));
  EXPECT_EQ(Titles(Album("list --sort date").out), (Names{"beach", "Beach", "Apple", "apple"}));
  EXPECT_EQ(Titles(Album("list --sort date --descending").out),
            (Names{"apple", "Apple", "Beach", "beach"}));
  EXPECT_EQ(Titles(Album("list").out), (Names{"Beach", "apple", "beach", "Apple"}))
      << "library order";
  EXPECT_EQ(Album("list --sort colour").status, 2);
  EXPECT_EQ(Album("list --descending").status, 2);
}

// The width and height a PNG file's header gives.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  const auto big = [&](int at) {
    return uint32_t{header[at]} << 24 | uint32_t{header[at + 1]} << 16 |
           uint32_t{header[at + 2]} << 8 | header[at + 3];
  };
  return {big(16), big(20)};
}

TEST_F(AlbumCommands, ShotDrawsTheSuitesWindowWithTheAlbumAtTheSizeAsked) {
  Album("import '" + temp_.file("photos") + "'");
  const std::string out = temp_.file("shot.png");
  EXPECT_EQ(Album("shot '" + out + "' --width 800 --height 500 --scheme 1").status, 0);
  EXPECT_EQ(PngSize(out), (std::pair<uint32_t, uint32_t>{800, 500}));
  EXPECT_EQ(Album("shot").status, 2);
  EXPECT_EQ(Album("shot a.png --width wide").status, 2);
}

TEST_F(AlbumCommands, EventsListsTheMonthsHolidaysAndAnniversariesInDayOrder) {
  EXPECT_EQ(Album("events 2027 5").out,
            "3\tholiday\t憲法記念日\n4\tholiday\tみどりの日\n"
            "5\tholiday\tこどもの日\n")
      << "the suite's default events file beside the program";
  Write("data/Users/PimEvt.dat",
        "h\n0,0,0,20,0,0,2,0x00000000,\"pay\"\n1,2027,5,20,0,0,0,0x000000ff,\"x\"\n"
        "0,0,0,0,0,0,3,0x00000000,\"sun\"\n");
  EXPECT_EQ(Album("events 2027 6").out,
            "6\tanniversary\tsun\n13\tanniversary\tsun\n20\tanniversary\tpay\n"
            "20\tanniversary\tsun\n27\tanniversary\tsun\n");
  EXPECT_EQ(Album("events 2027 5").out,
            "2\tanniversary\tsun\n9\tanniversary\tsun\n"
            "16\tanniversary\tsun\n20\tanniversary\tpay\n"
            "20\tholiday\tx\n23\tanniversary\tsun\n"
            "30\tanniversary\tsun\n")
      << "the data folder's own file comes first; each event of a day in slot order";
  EXPECT_EQ(Album("events 2027 13").status, 2);
  EXPECT_EQ(Album("events 2027").status, 2);
  EXPECT_EQ(Album("events twenty 5").status, 2);
}

TEST_F(AlbumCommands, StylesPrintsTheRestoredListThenTheEasyPrintStyles) {
  const ToolRun styles = Album("styles");
  EXPECT_EQ(styles.status, 0);
  const std::vector<std::string> titles = Titles(styles.out);
  const auto title = [&](const std::string& t) {
    return std::find(titles.begin(), titles.end(), t) != titles.end();
  };
  EXPECT_TRUE(title("style 0 (current)"));
  EXPECT_TRUE(title("style 9"));
  EXPECT_FALSE(title("style 10"));
  EXPECT_TRUE(title("easy-print calendar"));
  EXPECT_NE(styles.out.find("style 9\tL版印刷\n  kind\tlabel\n"), std::string::npos);
  EXPECT_NE(styles.out.find("  margins\t90/190/90/190\n  cells\t4 x 4\n"), std::string::npos);
  EXPECT_NE(styles.out.find("  footer\thidden \"&p/&s\" at 5\n"), std::string::npos);
  // The list it restored is kept: a second run shows the same.
  EXPECT_EQ(Album("styles").out, styles.out);
  EXPECT_EQ(Album("styles extra").status, 2);
}

TEST_F(AlbumCommands, LabelsPrintsEverySheetWithItsGeometry) {
  const ToolRun labels = Album("labels");
  EXPECT_EQ(labels.status, 0);
  EXPECT_EQ(Lines(labels.out), 33);
  EXPECT_NE(labels.out.find("4\t1\t6面 (CJ866S)\t150/50/150/150\t60/10\t320x420\t2x3\n"),
            std::string::npos);
  EXPECT_NE(labels.out.find("\tsecond right at 390: 30/20\t260x205\t2x6\n"), std::string::npos);
}

}  // namespace
