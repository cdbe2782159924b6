#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/fileio/FileIo.h"
#include "platform/gdi/GdiObjects.h"
#include "ui/CDrawObject.h"

namespace {

// The colour scheme files shipped in the sample data folder.
std::string SampleScheme(int number) {
  const std::filesystem::path root =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  return (root / "sample" / "Users" / ("color" + std::to_string(number) + ".dat")).string();
}

// A shipped file's settings and the drawing resources they were applied to.
struct Loaded {
  std::vector<colorscheme::Entry> entries;
  CDrawObject draw;
};

void Load(int number, Loaded& loaded) {
  const std::optional<std::string> text = fileio::ReadFile(SampleScheme(number));
  ASSERT_TRUE(text) << SampleScheme(number);
  loaded.entries = loaded.draw.ApplyText(*text);
}

}  // namespace

TEST(ShippedColorSchemes, EveryLineOfEachFileApplies) {
  for (int number : {1, 2, 3}) {
    const std::optional<std::string> text = fileio::ReadFile(SampleScheme(number));
    ASSERT_TRUE(text) << SampleScheme(number);
    size_t settings = 0;
    for (size_t pos = 0; pos < text->size();) {
      const size_t lf = std::min(text->find('\n', pos), text->size());
      const std::string line = text->substr(pos, lf - pos);
      if (line.find('=') != std::string::npos && line[0] != ';') ++settings;
      pos = lf + 1;
    }
    CDrawObject draw;
    EXPECT_GT(settings, 40u);
    EXPECT_EQ(draw.ApplyText(*text).size(), settings) << "color" << number << ".dat has a bad line";
  }
}

TEST(ShippedColorSchemes, TheFirstIsTheBuiltInGreen) {
  Loaded green;
  Load(1, green);
  CDrawObject builtIn;
  for (const colorscheme::Entry& entry : green.entries) {
    if (entry.index < 100 || entry.index >= 500) continue;
    EXPECT_EQ(green.draw.GetColor(entry.index), builtIn.GetColor(entry.index)) << entry.index;
  }
}

TEST(ShippedColorSchemes, TheThreeLookDifferent) {
  Loaded schemes[3];
  for (int i = 0; i < 3; ++i) Load(i + 1, schemes[i]);
  for (int32_t index : {111, 117, 119, 126, 131}) {
    EXPECT_NE(schemes[0].draw.GetColor(index), schemes[1].draw.GetColor(index)) << index;
    EXPECT_NE(schemes[0].draw.GetColor(index), schemes[2].draw.GetColor(index)) << index;
    EXPECT_NE(schemes[1].draw.GetColor(index), schemes[2].draw.GetColor(index)) << index;
  }
}
