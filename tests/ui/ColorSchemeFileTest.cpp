#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gdi/GdiObjects.h"
#include "tests/support/TempDir.h"
#include "ui/CDrawObject.h"

namespace {

constexpr int32_t kSelect = 117;
constexpr COLORREF kDefaultSelect = RGB(255, 221, 51);
constexpr COLORREF kRed = RGB(255, 0, 0);

COLORREF SelectAfter(const std::string& text) {
  CDrawObject draw;
  draw.ApplyText(text);
  return draw.GetColor(kSelect);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

// Every way of writing pure red for COLOR_SELECT.
class ColorSchemeRedLine : public testing::TestWithParam<const char*> {};

TEST_P(ColorSchemeRedLine, SetsPureRed) {
  EXPECT_EQ(SelectAfter(GetParam()), kRed);
}

INSTANTIATE_TEST_SUITE_P(EachFormAndKey, ColorSchemeRedLine,
                         testing::Values("COLOR_SELECT=0000FF", "COLOR_SELECT=0000ff",
                                         "COLOR_SELECT=255000000", "COLOR_SELECT=255,0,0",
                                         "COLOR_SELECT=255,000,000", "117=0000FF",
                                         "\"COLOR_SELECT\"=0000FF", "COLOR_\"SELECT\"=0000FF",
                                         "COLOR_SELECT=0000FF ;red", "COLOR_SELECT=0000FF\tx",
                                         "COLOR_SELECT=0000FF\r", "COLOR_SELECT=0000FF;x=00FF00",
                                         "\n\n;comment\nCOLOR_SELECT=0000FF"));

TEST(ColorSchemeFile, ReadsTheHexFormBlueFirst) {
  EXPECT_EQ(SelectAfter("COLOR_SELECT=FF0000"), RGB(0, 0, 255));
  EXPECT_EQ(SelectAfter("COLOR_SELECT=123456"), 0x123456u);
  EXPECT_EQ(SelectAfter("COLOR_SELECT=001002003"), RGB(1, 2, 3));
  EXPECT_EQ(SelectAfter("COLOR_SELECT=1,2,3"), RGB(1, 2, 3));
}

// Lines that must set nothing: COLOR_SELECT keeps its built-in colour, and a good line
// after the bad one still applies.
class ColorSchemeBadLine : public testing::TestWithParam<std::string> {};

TEST_P(ColorSchemeBadLine, IsSkippedAndTheRestApplies) {
  CDrawObject draw;
  draw.ApplyText(GetParam() + "\nCOLOR_WHITE=010203\n");
  EXPECT_EQ(draw.GetColor(kSelect), kDefaultSelect);
  EXPECT_EQ(draw.GetColor(101), 0x010203u);
}

INSTANTIATE_TEST_SUITE_P(
    EachSkipRule, ColorSchemeBadLine,
    testing::Values(
        "COLOR_SELECT = 0000FF", "COLOR_SELECT =0000FF", "COLOR_SELECT= 0000FF",
        " COLOR_SELECT=0000FF", "COLOR_SELECT", "COLOR_SELECT 0000FF", ";COLOR_SELECT=0000FF",
        "COLOR_SELECT;=0000FF", "COLOR_SELECT=", "COLOR_SELECT=00000FF", "COLOR_SELECT=00FF",
        "COLOR_SELECT=0x00FF", "COLOR_SELECT=GG0000", "COLOR_SELECT=256000000",
        "COLOR_SELECT=255000256", "COLOR_SELECT=25500000", "COLOR_SELECT=256,0,0",
        "COLOR_SELECT=0,0,256", "COLOR_SELECT=255,0", "COLOR_SELECT=255,0,0,0",
        "COLOR_SELECT=255,,0", "COLOR_SELECT=-1,0,0", "COLOR_SELECT=+255,0,0",
        "color_select=0000FF", "COLOR_SELECTED=0000FF", "\"117\"=0000FF", "+117=0000FF",
        "-117=0000FF", "117 =0000FF", "4294967413=0000FF", "=0000FF",
        std::string("COLOR_SELECT=0000FF\0", 20), std::string("COLOR_\0SELECT=0000FF", 20),
        "COLOR_SELECT=" + std::string(1100, '0'), "COLOR_SELECT=0000FF;" + std::string(1100, 'x'),
        std::string("\xff\xfe\x00\x01=\x81\x40", 7)));

TEST(ColorSchemeFile, TakesLinesUpToTheirLimitAndSkipsLongerOnes) {
  const std::string setting = "COLOR_SELECT=0000FF;";
  const std::string fits =
      setting + std::string(colorscheme::kMaxLineBytes - 1 - setting.size(), 'x');
  EXPECT_EQ(SelectAfter(fits + "\n"), kRed);
  EXPECT_EQ(SelectAfter(fits), kRed) << "the last line needs no LF";
  EXPECT_EQ(SelectAfter(fits + "x\n"), kDefaultSelect);
  EXPECT_EQ(SelectAfter(fits + "x\nCOLOR_SELECT=0000FF\n"), kRed) << "lines after a long one apply";
}

TEST(ColorSchemeFile, KeepsBitmapFileNamesAsWritten) {
  CDrawObject draw;
  draw.ApplyText(
      "FILE_LOGOBMP=logo.png extra\n511=\x83\x52\x83\x93\x83\x7B.png\nFILE_CLOSEBMP=\x82\n");
  EXPECT_EQ(draw.GetBitmapFile(501), "logo.png");
  EXPECT_EQ(draw.GetBitmapFile(511), "\x83\x52\x83\x93\x83\x7B.png");
  EXPECT_EQ(draw.GetBitmapFile(502), "") << "a cut double-byte character is no name";
  EXPECT_EQ(draw.GetBitmapFile(503), "");
}

TEST(ColorSchemeFile, ResolvesBitmapsInTheSchemeFolderOnlyWhenTheFileExists) {
  TempDir dir;
  CDrawObject draw;
  draw.SetSchemeFolder(dir.path());
  draw.ApplyText("FILE_LOGOBMP=logo.png\nFILE_CLOSEBMP=close.png\n");
  WriteFile(dir.file("logo.png"), "png");
  EXPECT_EQ(draw.GetBitmapPath(501), dir.file("logo.png"));
  EXPECT_EQ(draw.GetBitmapPath(502), "");
  EXPECT_EQ(draw.GetBitmapPath(503), "");
}

class ColorSchemeLoad : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    WriteFile(dir_.file(name), bytes);
    return dir_.file(name);
  }
  TempDir dir_;
  CDrawObject draw_;
};

TEST_F(ColorSchemeLoad, ClearingDropsWhatTheLastFileSet) {
  ASSERT_TRUE(draw_.Load(Write("a.dat", "COLOR_SELECT=0000FF\nCOLOR_WHITE=000000\n"), true));
  ASSERT_TRUE(draw_.Load(Write("b.dat", "COLOR_WHITE=FFFFFF\n"), true));
  EXPECT_EQ(draw_.GetColor(kSelect), kDefaultSelect);
  ASSERT_TRUE(draw_.Load(Write("c.dat", "COLOR_SELECT=0000FF\n"), false));
  ASSERT_TRUE(draw_.Load(Write("d.dat", "COLOR_WHITE=000000\n"), false));
  EXPECT_EQ(draw_.GetColor(kSelect), kRed) << "without clearing, earlier settings stay";
}

TEST_F(ColorSchemeLoad, AMissingFileLeavesTheBuiltInLookAfterClearing) {
  ASSERT_TRUE(draw_.Load(Write("a.dat", "COLOR_SELECT=0000FF\n"), true));
  EXPECT_FALSE(draw_.Load(dir_.file("missing.dat"), false));
  EXPECT_EQ(draw_.GetColor(kSelect), kRed);
  EXPECT_FALSE(draw_.Load(dir_.file("missing.dat"), true));
  EXPECT_EQ(draw_.GetColor(kSelect), kDefaultSelect);
  EXPECT_FALSE(draw_.Load(dir_.path(), true)) << "a folder is not a scheme file";
}

TEST_F(ColorSchemeLoad, RefusesAFileTooLargeToBeAScheme) {
  std::string big = "COLOR_SELECT=0000FF\n";
  big.resize(CDrawObject::kMaxSchemeFileBytes + 1, '\n');
  EXPECT_FALSE(draw_.Load(Write("big.dat", big), true));
  EXPECT_EQ(draw_.GetColor(kSelect), kDefaultSelect);
}

TEST_F(ColorSchemeLoad, ReadsAPathWithAJapaneseName) {
  const Cp932String name = cp932::Lit("配色.dat");
  const std::string utf8 = dir_.file("配色.dat");
  WriteFile(utf8, "COLOR_SELECT=0000FF\n");
  EXPECT_TRUE(draw_.Load(dir_.path() + "/" + name, true));
  EXPECT_EQ(draw_.GetColor(kSelect), kRed);
}
