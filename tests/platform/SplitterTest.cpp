#include "platform/win/SplitterWnd.h"

#include <gtest/gtest.h>

namespace {

using win::SplitTrack;
using win::TrackSpan;

struct LayoutCase {
  const char* name;
  std::vector<SplitTrack> tracks;
  int length;
  std::vector<std::pair<int, int>> spans;  // start, size
};

class TrackLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(TrackLayout, GivesEachShownTrackItsIdealAndTheLastTheRest) {
  const std::vector<TrackSpan> spans = win::LayOutTracks(GetParam().tracks, GetParam().length, 4);
  ASSERT_EQ(spans.size(), GetParam().spans.size());
  for (size_t i = 0; i < spans.size(); ++i) {
    EXPECT_EQ(spans[i].start, GetParam().spans[i].first) << GetParam().name << " track " << i;
    EXPECT_EQ(spans[i].size, GetParam().spans[i].second) << GetParam().name << " track " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, TrackLayout,
    testing::Values(
        LayoutCase{"index beside the views", {{160, 0}, {0, 0}}, 600, {{0, 160}, {164, 436}}},
        LayoutCase{"a bar row, views, a hidden list",
                   {{26, 0}, {0, 0, false}, {0, 0}},
                   400,
                   {{0, 26}, {30, 0}, {30, 370}}},
        LayoutCase{"the last shown track is not the last",
                   {{100, 0}, {50, 0}, {0, 0, false}},
                   300,
                   {{0, 100}, {104, 196}, {0, 0}}},
        LayoutCase{"an ideal past the length squeezes the rest out",
                   {{900, 0}, {0, 0}},
                   600,
                   {{0, 600}, {604, 0}}},
        LayoutCase{"less than the minimum is nothing",
                   {{900, 0}, {50, 80}, {0, 0}},
                   600,
                   {{0, 600}, {604, 0}, {604, 0}}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

class Splitters : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(parent_.Create("parent", 0, RECT{0, 0, 600, 400}, nullptr)); }
  void MakePane(CSplitterWnd& splitter, CWnd& pane, int row, int column) {
    ASSERT_TRUE(pane.Create("pane", WS_CHILD, RECT{0, 0, 10, 10}, &splitter,
                            splitter.IdFromRowCol(row, column)));
    splitter.SetPane(row, column, &pane);
  }
  CWnd parent_;
};

TEST_F(Splitters, PlaceTheirPanesAndHideARowOrColumnWithItsPane) {
  CSplitterWnd splitter;
  ASSERT_TRUE(splitter.CreateStatic(&parent_, 1, 2));
  EXPECT_EQ(splitter.IdFromRowCol(0, 1), 0xE901u);
  CWnd index, views;
  MakePane(splitter, index, 0, 0);
  MakePane(splitter, views, 0, 1);
  splitter.SetColumnInfo(0, 160, 0);
  splitter.RecalcLayout();
  EXPECT_EQ(index.GetWindowRect().right, 160);
  EXPECT_EQ(views.GetWindowRect().left, 164);
  EXPECT_EQ(views.GetWindowRect().right, 600);
  EXPECT_EQ(splitter.PaneAt(POINT{300, 10}), &views);
  EXPECT_EQ(splitter.PaneAt(POINT{162, 10}), nullptr) << "the bar is no pane";

  splitter.ShowColumn(0, false);
  EXPECT_FALSE(index.IsWindowVisible());
  EXPECT_EQ(views.GetWindowRect().left, 0);
  splitter.ShowColumn(0, true);
  int current = 0;
  splitter.GetColumnInfo(0, &current, nullptr);
  EXPECT_EQ(current, 160) << "the ideal size comes back with the column";
}

TEST_F(Splitters, ABarDraggedWithTheMouseSetsTheSizeBeforeIt) {
  CSplitterWnd splitter;
  ASSERT_TRUE(splitter.CreateStatic(&parent_, 1, 2));
  CWnd left, right;
  MakePane(splitter, left, 0, 0);
  MakePane(splitter, right, 0, 1);
  splitter.SetColumnInfo(0, 160, 0);
  splitter.RecalcLayout();
  splitter.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(161, 50));
  splitter.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(230, 50));
  splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(240, 50));
  EXPECT_EQ(left.GetWindowRect().right, 240);
  EXPECT_EQ(right.GetWindowRect().left, 244);
  // A press inside a pane's cell drags nothing.
  splitter.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(400, 50));
  splitter.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 50));
  EXPECT_EQ(left.GetWindowRect().right, 240);
}

}  // namespace
