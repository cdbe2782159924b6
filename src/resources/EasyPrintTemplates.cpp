#include "resources/EasyPrintPanel.h"

namespace res {

namespace {

using K = ControlKind;

// The selector, the buttons and the paging, above and below the pages' room (y 30-150).
void AddShared(std::vector<ControlTemplate>& out) {
  out.insert(out.end(),
             {
                 {K::kCombo, kControlEasyStyle, "", RECT{4, 4, 116, 124}},
                 {K::kButton, kControlEasyInsert, "挿入", RECT{120, 4, 176, 26}},
                 {K::kButton, kControlEasyClear, "クリア", RECT{180, 4, 236, 26}},
                 {K::kButton, kControlEasyLayout, "レイア\nウト...", RECT{288, 4, 336, 50}},
                 {K::kButton, kControlEasyMargin, "ヘッダー・フッター", RECT{4, 158, 128, 180}},
                 {K::kButton, kControlEasySetup, "設定...", RECT{132, 158, 196, 180}},
                 {K::kButton, kControlEasyPrint, "プリント", RECT{200, 158, 336, 180}},
                 {K::kRadio, kControlEasyOnePage, "一枚", RECT{4, 188, 60, 206}},
                 {K::kRadio, kControlEasyAllPages, "全ページ", RECT{62, 188, 140, 206}},
                 {K::kButton, kControlEasyPrev, "PREV", RECT{144, 186, 192, 208}},
                 {K::kButton, kControlEasyNext, "NEXT", RECT{196, 186, 244, 208}},
                 {K::kText, kControlEasyIndicator, "- / - ページ", RECT{250, 190, 340, 208}},
             });
}

// A block's columns and rows: its label, then "列" and "行" after the two lists.
void AddBlock(std::vector<ControlTemplate>& out, const char* label, UINT cols, UINT rows,
              UINT option, int y) {
  out.insert(out.end(), {
                            {K::kText, 0, label, RECT{4, y + 3, 44, y + 21}},
                            {K::kCombo, cols, "", RECT{44, y, 88, y + 160}},
                            {K::kText, 0, "列", RECT{90, y + 3, 104, y + 21}},
                            {K::kCombo, rows, "", RECT{106, y, 150, y + 160}},
                            {K::kText, 0, "行", RECT{152, y + 3, 166, y + 21}},
                            {K::kButton, option, "写真オプション...", RECT{172, y, 284, y + 22}},
                        });
}

void AddBasicPage(std::vector<ControlTemplate>& out) {
  AddBlock(out, "メイン", kControlMainCols, kControlMainRows, kControlMainOption, 32);
  out.insert(out.end(), {
                            {K::kCheck, kControlMainShift, "偶数行をずらす", RECT{44, 56, 180, 74}},
                            {K::kCheck, kControlMix, "ミックス", RECT{4, 80, 84, 98}},
                            {K::kRadio, kControlSplitUpDown, "上下", RECT{90, 80, 140, 98}},
                            {K::kRadio, kControlSplitLeftRight, "左右", RECT{144, 80, 194, 98}},
                        });
  AddBlock(out, "サブ", kControlSubCols, kControlSubRows, kControlSubOption, 104);
  out.push_back({K::kCheck, kControlSubShift, "偶数行をずらす", RECT{44, 128, 180, 146}});
}

void AddCalendarPage(std::vector<ControlTemplate>& out) {
  AddBlock(out, "写真", kControlCalendarCols, kControlCalendarRows, kControlCalendarOption, 32);
  out.insert(out.end(),
             {
                 {K::kText, 0, "位置", RECT{4, 63, 44, 81}},
                 {K::kCombo, kControlCalendarPosition, "", RECT{44, 60, 104, 160}},
                 {K::kText, 0, "大きさ", RECT{110, 63, 156, 81}},
                 {K::kCombo, kControlCalendarSize, "", RECT{156, 60, 212, 160}},
                 {K::kButton, kControlCalendarEvents, "オプション...", RECT{216, 60, 300, 82}},
                 {K::kText, 0, "開始", RECT{4, 93, 44, 111}},
                 {K::kCombo, kControlCalendarYear, "", RECT{44, 90, 124, 250}},
                 {K::kCombo, kControlCalendarMonth, "", RECT{128, 90, 184, 250}},
                 {K::kText, 0, "期間", RECT{190, 93, 226, 111}},
                 {K::kCombo, kControlCalendarPeriod, "", RECT{228, 90, 300, 190}},
             });
}

void AddStyleListPage(std::vector<ControlTemplate>& out) {
  out.insert(out.end(), {
                            {K::kList, kControlEasyStyleList, "", RECT{4, 32, 284, 126}},
                            {K::kButton, kControlEasyStyleDetails, "印刷スタイルの詳細...",
                             RECT{4, 130, 180, 152}},
                        });
}

DialogTemplate Panel(UINT id, void (*add)(std::vector<ControlTemplate>&)) {
  DialogTemplate t{id, "", kEasyPrintControlsWidth, kEasyPrintHeight, {}};
  add(t.controls);
  return t;
}

}  // namespace

const std::vector<DialogTemplate>& EasyPrintTemplates() {
  static const std::vector<DialogTemplate> templates = {
      Panel(kPanelEasyPrint, AddShared), Panel(kPanelEasyPrintPages[0], AddBasicPage),
      Panel(kPanelEasyPrintPages[1], AddCalendarPage),
      Panel(kPanelEasyPrintPages[2], AddStyleListPage)};
  return templates;
}

}  // namespace res
