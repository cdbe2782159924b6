#include "ui/DrawResourceTables.h"

#include <array>
#include <cstring>

namespace drawres {

namespace {

constexpr std::array<KeyName, 122> kKeyNames = {{
    {"COLOR_SCROLLBAR", 0},
    {"COLOR_BACKGROUND", 1},
    {"COLOR_DESKTOP", 1},
    {"COLOR_ACTIVECAPTION", 2},
    {"COLOR_INACTIVECAPTION", 3},
    {"COLOR_MENU", 4},
    {"COLOR_WINDOW", 5},
    {"COLOR_WINDOWFRAME", 6},
    {"COLOR_MENUTEXT", 7},
    {"COLOR_WINDOWTEXT", 8},
    {"COLOR_CAPTIONTEXT", 9},
    {"COLOR_ACTIVEBORDER", 10},
    {"COLOR_INACTIVEBORDER", 11},
    {"COLOR_APPWORKSPACE", 12},
    {"COLOR_HIGHLIGHT", 13},
    {"COLOR_HIGHLIGHTTEXT", 14},
    {"COLOR_BTNFACE", 15},
    {"COLOR_3DFACE", 15},
    {"COLOR_BTNSHADOW", 16},
    {"COLOR_3DSHADOW", 16},
    {"COLOR_GRAYTEXT", 17},
    {"COLOR_BTNTEXT", 18},
    {"COLOR_INACTIVECAPTIONTEXT", 19},
    {"COLOR_BTNHIGHLIGHT", 20},
    {"COLOR_3DHIGHLIGHT", 20},
    {"COLOR_3DHILIGHT", 20},
    {"COLOR_BTNHILIGHT", 20},
    {"COLOR_3DDKSHADOW", 21},
    {"COLOR_3DLIGHT", 22},
    {"COLOR_INFOTEXT", 23},
    {"COLOR_INFOBK", 24},
    {"COLOR_WHITE", 101},
    {"COLOR_LTGRAY", 102},
    {"COLOR_GRAY", 103},
    {"COLOR_DKGRAY", 104},
    {"COLOR_BLACK", 105},
    {"COLOR_WINBACK", 106},
    {"COLOR_CTRLBORDER", 110},
    {"COLOR_CTRLFRAME", 111},
    {"COLOR_CTRLBACK", 112},
    {"COLOR_CTRLBACK2", 113},
    {"COLOR_CTRLFONT", 114},
    {"COLOR_CTRLFONTVERT", 115},
    {"COLOR_CTRLFONTGRAY", 116},
    {"COLOR_SELECT", 117},
    {"COLOR_MOUSEOVER", 118},
    {"COLOR_DLGCAPTIONBACK", 119},
    {"COLOR_DLGCAPTIONBACKINACTIVE", 120},
    {"COLOR_DLGCAPTIONTEXT", 121},
    {"COLOR_DLGCAPTIONTEXTMOUSEOVER", 122},
    {"COLOR_DLGCAPTIONTEXT2", 123},
    {"COLOR_DLGCAPTIONTEXTMOUSEOVER2", 124},
    {"COLOR_DLGBACK", 125},
    {"COLOR_SELECT2", 126},
    {"COLOR_SELECT2_FONT", 127},
    {"COLOR_SELECT2_LT", 128},
    {"COLOR_SELECT2_RB", 129},
    {"COLOR_SELECT_INDEX", 130},
    {"COLOR_SCROLLBOX", 131},
    {"COLOR_CTRLRADIOSELECT", 132},
    {"COLOR_MSG_SUBTITLEBACK", 140},
    {"COLOR_MSG_SUBTITLETEXT", 141},
    {"COLOR_MSG_BACK", 142},
    {"COLOR_MSG_TEXT", 143},
    {"COLOR_CALYMDFRAME", 150},
    {"COLOR_CALYMDBACK", 151},
    {"COLOR_CALYMDTEXT", 152},
    {"COLOR_CALYEARTEXT", 153},
    {"COLOR_CALMONTHTEXT", 154},
    {"COLOR_CALCLIENTFRAME", 155},
    {"COLOR_CALDAYBORDER", 156},
    {"COLOR_CALHOURBORDER", 157},
    {"COLOR_CALMINUTEBORDER", 158},
    {"COLOR_CALMONTH_WEEKBACKS", 159},
    {"COLOR_CALMONTH_WEEKBACKE", 160},
    {"COLOR_CALMONTH_WEEKBORDER", 161},
    {"COLOR_CALBACK", 162},
    {"COLOR_CALDAYTEXT", 163},
    {"COLOR_CALWEEKNO", 164},
    {"COLOR_CALMONTH_WEEKTEXT", 165},
    {"COLOR_CALMONTH_OUTDAY", 166},
    {"COLOR_CALTIMEBARTEXT", 167},
    {"COLOR_CALSELDAYBACK", 168},
    {"COLOR_CALDATAFRAME", 169},
    {"COLOR_CALSAMEDATAFRAME1", 170},
    {"COLOR_CALSAMEDATAFRAME2", 171},
    {"COLOR_CALSAMEDATAFRAME3", 172},
    {"COLOR_CALSAMEDATAFRAME4", 173},
    {"COLOR_CALSAMEDATAFRAME5", 174},
    {"COLOR_CALSAMEDATAFRAME6", 175},
    {"COLOR_CALMONTH_DATABACK", 176},
    {"COLOR_CALTIMETBL_DATABACK", 177},
    {"COLOR_CALDATATEXT", 178},
    {"COLOR_CALSELDATAFRAME", 179},
    {"COLOR_CALSELDATABACK", 180},
    {"COLOR_CALSELDATATEXT", 181},
    {"COLOR_MCSC_BACKGROUND", 200},
    {"COLOR_MCSC_CALBK", 201},
    {"COLOR_MCSC_LINE", 202},
    {"COLOR_MCSC_YEARMONTHTEXT", 203},
    {"COLOR_MCSC_YEARMONTHBK", 204},
    {"COLOR_MCSC_WEEKBK", 205},
    {"COLOR_MCSC_WEEKNOTEXT", 206},
    {"COLOR_MCSC_WEEKNOBK", 207},
    {"COLOR_MCSC_INVERTTEXT", 208},
    {"COLOR_MCSC_INVERTBK", 209},
    {"COLOR_MCSC_SELTEXT", 210},
    {"COLOR_MCSC_SELBK", 211},
    {"COLOR_MCSC_BTNFRAME", 212},
    {"COLOR_MCSC_BTNBACK", 213},
    {"COLOR_MCSC_BTNTEXT", 214},
    {"FILE_LOGOBMP", 501},
    {"FILE_CLOSEBMP", 502},
    {"FILE_CALBMP", 503},
    {"FILE_MAXBMP", 504},
    {"FILE_MINBMP", 505},
    {"FILE_RESTOREBMP", 506},
    {"FILE_PHOTOBMP", 507},
    {"FILE_PERSONALBMP", 508},
    {"FILE_EMAILBMP", 509},
    {"FILE_SCROLLBMP", 510},
    {"FILE_COMBOBMP", 511},
}};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(51, 51, 51);
constexpr COLORREF kGreen = RGB(127, 195, 28);
constexpr COLORREF kYellow = RGB(255, 221, 51);
constexpr COLORREF kCream = RGB(245, 245, 207);
constexpr COLORREF kBorder = RGB(216, 216, 214);
constexpr COLORREF kLightGray = RGB(192, 192, 192);

// A run of indices with one fixed colour.
struct FixedRun {
  int32_t first;
  int32_t last;
  COLORREF color;
};

constexpr FixedRun kFixedColors[] = {
    {101, 101, kWhite},
    {102, 102, kLightGray},
    {103, 103, RGB(128, 128, 128)},
    {104, 104, RGB(64, 64, 64)},
    {105, 105, RGB(0, 0, 0)},
    {110, 110, kBorder},
    {111, 111, kGreen},
    {112, 112, kWhite},
    {113, 113, kCream},
    {114, 115, kText},
    {116, 116, kLightGray},
    {117, 117, kYellow},
    {118, 118, RGB(204, 232, 164)},
    {119, 119, kGreen},
    {120, 120, RGB(167, 224, 81)},
    {121, 125, kWhite},
    {126, 126, kGreen},
    {127, 127, kWhite},
    {128, 128, RGB(95, 146, 21)},
    {129, 129, RGB(191, 225, 142)},
    {130, 130, kYellow},
    {131, 131, kGreen},
    {132, 132, RGB(255, 126, 34)},
    {133, 133, RGB(213, 239, 184)},
    {134, 134, kWhite},
    {135, 135, RGB(62, 80, 39)},
    {138, 138, kYellow},
    {139, 139, kText},
    {140, 140, kWhite},
    {141, 141, kText},
    {142, 142, kWhite},
    {143, 143, kText},
    {150, 150, kGreen},
    {151, 151, kWhite},
    {152, 154, kText},
    {155, 156, kGreen},
    {157, 158, kBorder},
    {159, 160, kCream},
    {161, 161, kGreen},
    {162, 162, kWhite},
    {163, 165, kText},
    {166, 166, kLightGray},
    {167, 167, kText},
    {168, 168, kYellow},
    {169, 169, kGreen},
    {176, 177, kWhite},
    {178, 178, kText},
    {170, 170, RGB(0, 0, 255)},
    {171, 171, RGB(0, 255, 0)},
    {172, 172, RGB(255, 0, 0)},
    {173, 173, RGB(128, 128, 255)},
    {174, 174, RGB(128, 255, 128)},
    {175, 175, RGB(255, 128, 128)},
    {179, 179, kGreen},
    {180, 180, kYellow},
    {181, 181, kText},
    {183, 183, kWhite},
    {184, 184, RGB(202, 229, 163)},
    {185, 185, RGB(67, 89, 36)},
    {186, 186, RGB(227, 242, 206)},
    {187, 187, RGB(67, 89, 36)},
    {200, 202, kWhite},
    {203, 203, kText},
    {204, 205, kWhite},
    {206, 206, kText},
    {207, 207, kWhite},
    {208, 208, kText},
    {209, 209, kCream},
    {210, 210, kText},
    {211, 211, kYellow},
    {212, 212, kGreen},
    {213, 213, kWhite},
    {214, 214, kGreen},
};

// Indices whose built-in colour is the current colour of another index.
struct Follower {
  int32_t index;
  int32_t follows;
};

constexpr Follower kFollowers[] = {
    {kMenuIndex, 113}, {kWinBackIndex, k3DFaceIndex}, {136, 134}, {137, 118}, {182, 111},
};

const FixedRun* FixedRunOf(int32_t index) {
  for (const FixedRun& run : kFixedColors)
    if (index >= run.first && index <= run.last) return &run;
  return nullptr;
}

// Character height of a point size at 96 dots an inch, negative as a character height.
constexpr LONG PointHeight(int points) {
  return -(points * 96 / 72);
}

constexpr const char* kUiGothic = "MS UI Gothic";
constexpr const char* kTahoma = "Tahoma";

LOGFONTA MakeFont(const char* face, LONG height, LONG weight) {
  LOGFONTA font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

LOGFONTA TurnedFont(LOGFONTA font) {
  font.lfEscapement = 900;
  font.lfOrientation = 900;
  return font;
}

}  // namespace

std::span<const KeyName> KeyNames() {
  return kKeyNames;
}

int32_t IndexOfKeyName(std::string_view name) {
  for (const KeyName& key : kKeyNames)
    if (key.name == name) return key.index;
  return kNoIndex;
}

DefaultColor DefaultColorOf(int32_t index) {
  for (const Follower& f : kFollowers)
    if (f.index == index) return {DefaultColor::Kind::kFollows, 0, f.follows};
  if (const FixedRun* run = FixedRunOf(index)) return {DefaultColor::Kind::kFixed, run->color, 0};
  return {};
}

LOGFONTA FontOf(int32_t index) {
  switch (index) {
    case 115:
      return TurnedFont(FontOf(kCtrlFontIndex));
    case 121:
    case 141:
    case 152:
      return MakeFont(kUiGothic, 12, FW_BOLD);
    case 122:
      return MakeFont(kUiGothic, 13, FW_BOLD);
    case 123:
      return MakeFont(kTahoma, 14, FW_BOLD);
    case 124:
      return MakeFont(kTahoma, 17, FW_BOLD);
    case 135:
      return MakeFont(kUiGothic, PointHeight(11), FW_BOLD);
    case 153:
      return MakeFont(kTahoma, 18, FW_NORMAL);
    case 154:
      return MakeFont(kUiGothic, 16, FW_NORMAL);
    case 143:
    case 163:
    case 164:
    case 165:
    case 166:
    case 167:
    case 178:
    case 214:
      return MakeFont(kUiGothic, 12, FW_NORMAL);
    default:
      return MakeFont(kUiGothic, PointHeight(9), FW_NORMAL);
  }
}

}  // namespace drawres
