// The owner-drawn button: its looks read back from a memory bitmap in a shipped scheme's
// colours, and which presses become a command for its parent.
#include "ui/CCButton.h"

#include <gtest/gtest.h>

#include "platform/gdi/CDC.h"
#include "tests/ui/ToolkitFixture.h"

namespace {

constexpr UINT kSearch = 32900;
constexpr int kWidth = 80;
constexpr int kHeight = 24;
constexpr RECT kTextArea{16, 4, 64, 20};

struct Look {
  const char* name;
  void (*reach)(CCButton& button);  // brings the button into the look through its messages
  int32_t face;
  int32_t text;
  bool sunken;
};

bool Plain(const CDC& dc, const RECT& area, COLORREF colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (dc.GetPixel(x, y) != colour) return false;
  return true;
}

void MouseAt(CCButton& b, UINT message, int x, int y) {
  b.SendMessage(message, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

const Look kLooks[] = {
    {"Normal", [](CCButton&) {}, skin::kCtrlBack, skin::kCtrlFont, false},
    {"UnderTheMouse", [](CCButton& b) { MouseAt(b, WM_MOUSEMOVE, 5, 5); }, skin::kMouseOver,
     skin::kCtrlFont, false},
    {"LeftByTheMouse",
     [](CCButton& b) {
       MouseAt(b, WM_MOUSEMOVE, 5, 5);
       b.SendMessage(WM_MOUSELEAVE);
     },
     skin::kCtrlBack, skin::kCtrlFont, false},
    {"Pressed", [](CCButton& b) { MouseAt(b, WM_LBUTTONDOWN, 5, 5); }, skin::kMouseOver,
     skin::kCtrlFont, true},
    {"PressedAndDraggedOff",
     [](CCButton& b) {
       MouseAt(b, WM_LBUTTONDOWN, 5, 5);
       MouseAt(b, WM_MOUSEMOVE, 200, 5);
     },
     skin::kCtrlBack, skin::kCtrlFont, false},
    {"Disabled",
     [](CCButton& b) {
       MouseAt(b, WM_MOUSEMOVE, 5, 5);
       b.EnableWindow(false);
     },
     skin::kCtrlBack, skin::kCtrlFontGray, false},
};

class Buttons : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ApplySample(2);
    ASSERT_TRUE(button_.Create(cp932::Lit("検索"), RECT{10, 10, 10 + kWidth, 10 + kHeight},
                               &parent_, kSearch));
  }
  std::unique_ptr<CDC> Drawn() {
    auto dc = CDC::CreateMemory(kWidth, kHeight, RGB(1, 2, 3));
    button_.Draw(*dc);
    return dc;
  }
  size_t Clicks() const { return parent_.entries.size(); }

  CCButton button_;
};

class ButtonLooks : public Buttons, public testing::WithParamInterface<Look> {};

TEST_P(ButtonLooks, DrawFaceBorderAndTextInTheSchemesColours) {
  GetParam().reach(button_);
  const std::unique_ptr<CDC> dc = Drawn();
  const auto at = [&](int x, int y) { return dc->GetPixel(x, y); };
  EXPECT_EQ(at(0, 0), Colour(skin::kCtrlFrame));
  EXPECT_EQ(at(kWidth - 1, kHeight - 1), Colour(skin::kCtrlFrame));
  EXPECT_EQ(at(4, kHeight - 4), Colour(GetParam().face));
  EXPECT_TRUE(HasColour(at, kTextArea, Colour(GetParam().text)));
  EXPECT_EQ(at(1, 1) == Colour(skin::kSunkenShadow), GetParam().sunken);
  if (GetParam().text == skin::kCtrlFontGray) {
    EXPECT_FALSE(HasColour(at, kTextArea, Colour(skin::kCtrlFont))) << "no dark text";
  }
}

INSTANTIATE_TEST_SUITE_P(States, ButtonLooks, testing::ValuesIn(kLooks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Buttons, ClickTheirParentOnlyWhenEnabledAndReleasedOverThem) {
  MouseAt(button_, WM_LBUTTONDOWN, 5, 5);
  MouseAt(button_, WM_LBUTTONUP, 6, 6);
  ASSERT_EQ(Clicks(), 1u);
  EXPECT_EQ(parent_.entries[0].w, MAKEWPARAM(kSearch, BN_CLICKED));
  EXPECT_EQ(parent_.entries[0].l, reinterpret_cast<LPARAM>(&button_));

  MouseAt(button_, WM_LBUTTONDOWN, 5, 5);
  MouseAt(button_, WM_LBUTTONUP, kWidth + 5, 5);
  MouseAt(button_, WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks(), 1u) << "released elsewhere, then a release without a press";

  button_.SendMessage(WM_KEYDOWN, 0x20, 1);
  EXPECT_EQ(Clicks(), 2u) << "the space bar";

  button_.EnableWindow(false);
  MouseAt(button_, WM_LBUTTONDOWN, 5, 5);
  MouseAt(button_, WM_LBUTTONUP, 5, 5);
  button_.Click();
  EXPECT_EQ(Clicks(), 2u);
}

TEST_F(Buttons, ShowAnImageOfTheStripBeforeTheirText) {
  ASSERT_NE(LoadStripImage(CCButton::kImageStrip, CCButton::kImageSearch), nullptr);
  ASSERT_NE(LoadStripImage(CCButton::kImageStrip, CCButton::kImageSwitchView), nullptr);
  EXPECT_EQ(LoadStripImage(CCButton::kImageStrip, 2), nullptr) << "the strip holds two";
  EXPECT_EQ(LoadStripImage(9999, 0), nullptr);

  // "検索" alone is centred and leaves the left quarter plain; the image comes before it.
  const RECT left{2, 2, kWidth / 4 + 4, kHeight - 2};
  EXPECT_TRUE(Plain(*Drawn(), left, Colour(skin::kCtrlBack)));
  button_.SetImage(CCButton::kImageSearch);
  const std::unique_ptr<CDC> dc = Drawn();
  EXPECT_FALSE(Plain(*dc, left, Colour(skin::kCtrlBack)));
  EXPECT_TRUE(HasColour([&](int x, int y) { return dc->GetPixel(x, y); }, left, RGB(196, 226, 250)))
      << "the magnifier's glass";
}

}  // namespace
