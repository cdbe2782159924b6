#include "resources/PrintStyleDialogs.h"

#include "platform/win/Edit.h"

namespace res {
namespace {

using K = ControlKind;

DialogTemplate StyleList() {
  return {kDialogPrintFormatList,
          "印刷スタイルの設定",
          360,
          264,
          {
              {K::kList, kControlStyleList, "", RECT{12, 12, 256, 252}},
              {K::kButton, kControlStyleCreate, "作成", RECT{268, 12, 348, 36}},
              {K::kButton, kControlStyleDetails, "詳細", RECT{268, 44, 348, 68}},
              {K::kButton, kControlStyleDelete, "削除", RECT{268, 76, 348, 100}},
              {K::kButton, IDCANCEL, "閉じる", RECT{268, 228, 348, 252}},
          }};
}

// One band of the header and footer editor, its frame from the top given.
void AddBand(std::vector<ControlTemplate>& out, UINT first, const char* title, int y) {
  out.push_back({K::kGroup, 0, title, RECT{12, y, 488, y + 164}});
  out.push_back({K::kRadio, first + kBandShow, "印刷する", RECT{24, y + 22, 124, y + 42}});
  out.push_back({K::kRadio, first + kBandHide, "印刷しない", RECT{132, y + 22, 252, y + 42}});
  out.push_back({K::kEdit, first + kBandText, "", RECT{24, y + 48, 476, y + 72}});
  out.push_back({K::kButton, first + kBandFont, "フォントの変更", RECT{24, y + 80, 144, y + 104}});
  out.push_back({K::kText, first + kBandFontName, "", RECT{152, y + 84, 476, y + 104}});
  const char* across[] = {"左寄せ", "中央揃え", "右寄せ"};
  const char* down[] = {"上寄せ", "中央揃え", "下寄せ"};
  // The middle choice has the longest name.
  constexpr int kLeft[] = {6, 70, 154};
  constexpr int kWidth[] = {62, 82, 62};
  out.push_back({K::kGroup, 0, "印刷位置(横)", RECT{20, y + 110, 242, y + 156}});
  for (UINT i = 0; i < 3; ++i) {
    const int x = 20 + kLeft[i];
    out.push_back(
        {K::kRadio, first + kBandLeft + i, across[i], RECT{x, y + 128, x + kWidth[i], y + 148}});
  }
  out.push_back({K::kGroup, 0, "印刷位置(縦)", RECT{250, y + 110, 480, y + 156}});
  for (UINT i = 0; i < 3; ++i) {
    const int x = 250 + kLeft[i];
    out.push_back(
        {K::kRadio, first + kBandTop + i, down[i], RECT{x, y + 128, x + kWidth[i], y + 148}});
  }
}

DialogTemplate Margin() {
  DialogTemplate t{kDialogMargin, "ヘッダーとフッターの編集", 500, 390, {}};
  AddBand(t.controls, kControlMarginHeader, "ヘッダー （上辺の余白に印刷されます）", 8);
  AddBand(t.controls, kControlMarginFooter, "フッター （下辺の余白に印刷されます）", 180);
  t.controls.push_back({K::kButton, IDOK, "OK", RECT{320, 356, 400, 380}});
  t.controls.push_back({K::kButton, IDCANCEL, "キャンセル", RECT{408, 356, 488, 380}});
  return t;
}

void AddCaptionRow(std::vector<ControlTemplate>& out, UINT first, const char* name, int y) {
  out.push_back({K::kCheck, first + kRowShow, name, RECT{12, y + 2, 92, y + 22}});
  out.push_back({K::kCombo, first + kRowPosition, "", RECT{96, y, 196, y + 120}});
  out.push_back({K::kButton, first + kRowColor, "色...", RECT{204, y, 264, y + 24}});
  out.push_back({K::kButton, first + kRowFont, "フォント...", RECT{270, y, 350, y + 24}});
  out.push_back({K::kText, first + kRowFontName, "", RECT{358, y + 4, 488, y + 22}});
}

DialogTemplate PhotoOption() {
  DialogTemplate t{kDialogPhotoOption, "写真の印刷オプション", 500, 284, {}};
  AddCaptionRow(t.controls, kControlOptionName, "写真名", 12);
  AddCaptionRow(t.controls, kControlOptionDate, "日付", 44);
  AddCaptionRow(t.controls, kControlOptionMemo, "メモ", 76);
  const std::vector<ControlTemplate> rest = {
      {K::kText, 0, "メモサイズ", RECT{12, 116, 92, 134}},
      {K::kCombo, kControlOptionMemoSize, "", RECT{96, 112, 196, 212}},
      {K::kCheck, kControlOptionAlternate, "メモと写真の位置を交互に変える",
       RECT{210, 114, 488, 134}},
      {K::kGroup, 0, "写真の縦横の比率", RECT{12, 146, 488, 234}},
      {K::kRadio, kControlOptionStretch, "無視する（指定したサイズに引き伸ばします）",
       RECT{24, 166, 476, 186}},
      {K::kRadio, kControlOptionKeep, "合わせる", RECT{24, 198, 124, 218}},
      {K::kCheck, kControlOptionFitWhole, "写真全体が収まるように印刷する",
       RECT{132, 198, 476, 218}},
      {K::kButton, IDOK, "OK", RECT{320, 248, 400, 272}},
      {K::kButton, IDCANCEL, "キャンセル", RECT{408, 248, 488, 272}},
  };
  t.controls.insert(t.controls.end(), rest.begin(), rest.end());
  return t;
}

constexpr UINT PageLabel(int page, UINT n) {
  return kControlWizPage + static_cast<UINT>(page) * kWizPageIds + 20 + n;
}

std::vector<ControlTemplate> NameAndKindPage() {
  return {
      {K::kText, PageLabel(0, 0), "スタイル名", RECT{12, 48, 100, 66}},
      {K::kEdit, kControlWc1Name, "", RECT{104, 44, 468, 66}},
      {K::kGroup, PageLabel(0, 1), "スタイルの種類", RECT{12, 78, 468, 192}},
      {K::kRadio, kControlWc1Basic, "ベーシック", RECT{24, 98, 140, 118}},
      {K::kText, PageLabel(0, 2), "写真を並べて印刷するスタイルです。", RECT{150, 100, 456, 118}},
      {K::kRadio, kControlWc1Seal, "シール", RECT{24, 130, 140, 150}},
      {K::kText, PageLabel(0, 3), "シール用紙用のスタイルです。", RECT{150, 132, 456, 150}},
      {K::kRadio, kControlWc1Calendar, "カレンダー", RECT{24, 162, 140, 182}},
      {K::kText, PageLabel(0, 4), "カレンダー印刷用のスタイルです。", RECT{150, 164, 456, 182}},
  };
}

void AddNumber(std::vector<ControlTemplate>& out, UINT label, const char* text, UINT edit,
               UINT spin, int x, int y, DWORD style = ES_NUMBER) {
  out.push_back({K::kText, label, text, RECT{x, y + 4, x + 24, y + 22}});
  out.push_back({K::kEdit, edit, "", RECT{x + 26, y, x + 86, y + 22}, style});
  out.push_back({K::kSpin, spin, "", RECT{x + 86, y, x + 104, y + 22}});
}

std::vector<ControlTemplate> PaperPage() {
  std::vector<ControlTemplate> out = {
      {K::kText, PageLabel(1, 0), "プリンタ", RECT{12, 48, 100, 66}},
      {K::kText, kControlWc2Printer, "", RECT{104, 48, 468, 66}},
      {K::kText, PageLabel(1, 1), "用紙", RECT{12, 78, 100, 96}},
      {K::kCombo, kControlWc2Paper, "", RECT{104, 74, 468, 274}},
      {K::kGroup, PageLabel(1, 2), "印刷の向き", RECT{12, 104, 220, 152}},
      {K::kRadio, kControlWc2Portrait, "縦", RECT{24, 124, 100, 144}},
      {K::kRadio, kControlWc2Landscape, "横", RECT{110, 124, 200, 144}},
      {K::kGroup, PageLabel(1, 3), "余白（0.1mm単位）", RECT{12, 160, 468, 246}},
      {K::kButton, kControlWc2HeaderFooter, "ヘッダー\nフッター", RECT{340, 180, 456, 232}},
      {K::kCheck, kControlWc2FromEdge, "用紙の端からの余白サイズ", RECT{12, 254, 300, 274}},
      {K::kGroup, kControlWc2OffsetGroup, "印刷位置の補正（0.1mm単位）", RECT{12, 282, 468, 330}},
  };
  const char* sides[] = {"左", "右", "上", "下"};
  for (UINT i = 0; i < 4; ++i) {
    const int x = 24 + static_cast<int>(i % 2) * 140;
    const int y = 180 + static_cast<int>(i / 2) * 32;
    AddNumber(out, PageLabel(1, 4 + i), sides[i], kControlWc2Left + i, kControlWc2LeftSpin + i, x,
              y);
  }
  AddNumber(out, PageLabel(1, 8), "右", kControlWc2OffsetX, kControlWc2OffsetXSpin, 24, 300, 0);
  AddNumber(out, PageLabel(1, 9), "下", kControlWc2OffsetY, kControlWc2OffsetYSpin, 164, 300, 0);
  return out;
}

std::vector<ControlTemplate> CalendarPage() {
  return {
      {K::kGroup, PageLabel(2, 0), "カレンダーの印刷位置と印刷サイズ", RECT{12, 44, 468, 100}},
      {K::kCombo, kControlWc3Position, "", RECT{24, 66, 200, 186}},
      {K::kCombo, kControlWc3Size, "", RECT{216, 66, 336, 166}},
      {K::kGroup, PageLabel(2, 1), "印刷月", RECT{12, 108, 468, 164}},
      {K::kCombo, kControlWc3Start, "", RECT{24, 130, 120, 230}},
      {K::kCombo, kControlWc3Year, "", RECT{136, 130, 216, 330}},
      {K::kText, PageLabel(2, 2), "年", RECT{220, 134, 240, 152}},
      {K::kCombo, kControlWc3Month, "", RECT{248, 130, 308, 330}},
      {K::kText, PageLabel(2, 3), "月", RECT{312, 134, 332, 152}},
      {K::kText, PageLabel(2, 4), "期間", RECT{12, 180, 60, 198}},
      {K::kCombo, kControlWc3Period, "", RECT{64, 176, 164, 276}},
      {K::kButton, kControlWc3Option, "オプション", RECT{368, 176, 468, 200}},
  };
}

std::vector<ControlTemplate> CellsPage() {
  std::vector<ControlTemplate> out = {
      {K::kCheck, kControlWc4Shift, "偶数行をずらす", RECT{260, 50, 400, 70}},
      {K::kButton, kControlWc4PhotoOption, "写真オプション...", RECT{328, 80, 468, 104}},
      {K::kGroup, PageLabel(3, 2), "写真サイズ(0.1mm単位)", RECT{12, 112, 468, 170}},
      {K::kText, PageLabel(3, 3), "横", RECT{24, 138, 44, 156}},
      {K::kEdit, kControlWc4Width, "", RECT{48, 134, 118, 156}, ES_NUMBER},
      {K::kText, PageLabel(3, 4), "縦", RECT{134, 138, 154, 156}},
      {K::kEdit, kControlWc4Height, "", RECT{158, 134, 228, 156}, ES_NUMBER},
      {K::kCheck, kControlWc4AutoSize, "自動", RECT{248, 136, 340, 156}},
      {K::kGroup, PageLabel(3, 5), "写真間のスペース(0.1mm単位)", RECT{12, 178, 468, 236}},
      {K::kText, PageLabel(3, 6), "横", RECT{24, 204, 44, 222}},
      {K::kEdit, kControlWc4SpaceX, "", RECT{48, 200, 118, 222}, ES_NUMBER},
      {K::kText, PageLabel(3, 7), "縦", RECT{134, 204, 154, 222}},
      {K::kEdit, kControlWc4SpaceY, "", RECT{158, 200, 228, 222}, ES_NUMBER},
      {K::kCheck, kControlWc4AutoSpace, "自動", RECT{248, 202, 340, 222}},
  };
  AddNumber(out, PageLabel(3, 0), "列", kControlWc4Cols, kControlWc4ColsSpin, 24, 48);
  AddNumber(out, PageLabel(3, 1), "行", kControlWc4Rows, kControlWc4RowsSpin, 134, 48);
  return out;
}

DialogTemplate Wizard() {
  DialogTemplate t{kDialogPrintFormatWizard, "印刷フォーマットの作成", 480, 380, {}};
  t.controls.push_back({K::kText, kControlWizHeading, "", RECT{12, 12, 468, 32}});
  for (const auto& page : {NameAndKindPage(), PaperPage(), CalendarPage(), CellsPage()})
    t.controls.insert(t.controls.end(), page.begin(), page.end());
  const std::vector<ControlTemplate> buttons = {
      {K::kButton, kControlWizBack, "<< 戻る", RECT{120, 344, 200, 368}},
      {K::kButton, kControlWizNext, "次へ>>", RECT{204, 344, 284, 368}},
      {K::kButton, IDCANCEL, "キャンセル", RECT{300, 344, 380, 368}},
      {K::kButton, kControlWizFinish, "完了", RECT{388, 344, 468, 368}},
  };
  t.controls.insert(t.controls.end(), buttons.begin(), buttons.end());
  return t;
}

DialogTemplate Layout() {
  DialogTemplate t{
      kDialogLayout,
      "レイアウト",
      720,
      620,
      {
          {K::kButton, kControlLayoutPrint, "プリント", RECT{12, 12, 180, 36}},
          {K::kButton, IDCANCEL, "閉じる", RECT{12, 44, 180, 68}},
          {K::kButton, kControlLayoutPrev, "前ページ", RECT{12, 84, 92, 108}},
          {K::kButton, kControlLayoutNext, "次ページ", RECT{100, 84, 180, 108}},
          {K::kButton, kControlLayoutFront, "最前面へ", RECT{12, 124, 92, 148}},
          {K::kButton, kControlLayoutBack, "最背面へ", RECT{100, 124, 180, 148}},
          {K::kButton, kControlLayoutReset, "配置\nリセット", RECT{12, 164, 180, 208}},
          {K::kCheck, kControlLayoutBorders, "境界線の表示", RECT{12, 220, 180, 240}},
          {K::kCheck, kControlLayoutFit, "用紙をウィンドウに合わせる", RECT{12, 246, 188, 266}},
          {K::kGroup, 0, "全体の微調整（0.1mm単位）", RECT{8, 278, 184, 364}},
      }};
  AddNumber(t.controls, 0, "左右", kControlLayoutAdjustX, kControlLayoutAdjustXSpin, 20, 302, 0);
  AddNumber(t.controls, 0, "上下", kControlLayoutAdjustY, kControlLayoutAdjustYSpin, 20, 332, 0);
  return t;
}

}  // namespace

const std::vector<DialogTemplate>& PrintStyleTemplates() {
  static const std::vector<DialogTemplate> templates = {StyleList(), Margin(), PhotoOption(),
                                                        Wizard(), Layout()};
  return templates;
}

}  // namespace res
