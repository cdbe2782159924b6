// harbo-album read-phone, run as a person runs it on a phone folder that make-phone made.
#include <gtest/gtest.h>
#include <sys/wait.h>

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

class ReadPhoneCommand : public testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("HARBO_TEST_BIN");
    tool_ = std::string(bin != nullptr ? bin : "") + "/harbo-album";
    if (bin == nullptr || !std::ifstream(tool_).good()) GTEST_SKIP() << "harbo-album not built";
    ASSERT_EQ(Album("make-phone '" + temp_.file("phone") + "'").status, 0);
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

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  TempDir temp_;
  std::string tool_;
};

TEST_F(ReadPhoneCommand, PrintsTheNewRecordsThenTheBurstCompositesThenTheCount) {
  const ToolRun run = Album("read-phone '" + temp_.file("phone") + "'");
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 15u) << run.out;
  for (size_t i = 0; i < 13; ++i) EXPECT_NE(lines[i].rfind("burst\t", 0), 0u) << lines[i];
  EXPECT_EQ(lines[13].rfind("burst\tNOVA_20240503_120000(連写)\t", 0), 0u) << lines[13];
  EXPECT_EQ(lines[14], "read\t13\tburst composites\t1");
  EXPECT_NE(run.out.find("NOVA_20230321_154500\t" + temp_.file("data") +
                         "/Users/taro/Album/2023/3/NOVA_20230321_154500.jpg\t20230321\t154500\t"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(" 3月21日 15時45分 に撮影しました。"), std::string::npos);

  const ToolRun again = Album("read-phone '" + temp_.file("phone") + "'");
  EXPECT_EQ(again.status, 0);
  EXPECT_EQ(again.out, "read\t0\tburst composites\t0\n");
  EXPECT_EQ(Lines(Album("list").out).size(), 14u);
}

TEST_F(ReadPhoneCommand, RefusesAFolderThatIsNotThere) {
  const ToolRun run = Album("read-phone '" + temp_.file("no-phone") + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
}

}  // namespace
