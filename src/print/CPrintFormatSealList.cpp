#include "print/CPrintFormatSealList.h"

#include "print/CPrintPaper.h"

namespace {

// One row of the table: maker group, name, margins left/top/right/bottom, spaces X/Y,
// label width and height, columns and rows.
struct SheetRow {
  int32_t group;
  const char* name;
  int32_t margin[4];
  int32_t space[2];
  int32_t label[2];
  uint8_t cols, rows;
};

// The second group of labels of a mixed sheet: split direction and position, label size,
// spaces, columns and rows.
struct SecondGroup {
  uint8_t number;
  uint8_t mixLine;
  uint16_t mixWidth;
  int32_t label[2];
  int32_t space[2];
  uint8_t cols, rows;
};

constexpr SheetRow kSheets[CPrintFormatSealList::kCount] = {
    {1, "2面 右寄 (CJ2865S)", {140, 190, 40, 190}, {20, 20}, {820, 540}, 1, 2},
    {1, "2面 (CJ2875S)", {90, 190, 90, 190}, {20, 20}, {820, 540}, 1, 2},
    {1, "4面 右寄 (CJ864S)", {140, 190, 40, 190}, {20, 20}, {400, 540}, 2, 2},
    {1, "4面 (CJ874S)", {90, 190, 90, 190}, {20, 20}, {400, 540}, 2, 2},
    {1, "6面 (CJ866S)", {150, 50, 150, 150}, {60, 10}, {320, 420}, 2, 3},
    {1, "6面 ﾐｯｸｽ･ﾛﾝｸﾞ (CJ2868S)", {50, 40, 50, 140}, {20, 20}, {900, 320}, 1, 2},
    {1, "9面 右寄 (CJ2863S)", {140, 190, 40, 200}, {20, 20}, {260, 350}, 3, 3},
    {1, "9面 (CJ2873S)", {90, 190, 90, 200}, {20, 20}, {260, 350}, 3, 3},
    {1, "15面 ﾐｯｸｽ (CJ2867S)", {60, 20, 60, 130}, {30, 20}, {300, 430}, 1, 3},
    {1, "16面 右寄 (CJ2860S)", {140, 190, 40, 190}, {20, 20}, {190, 260}, 4, 4},
    {1, "16面 (CJ2870S)", {90, 190, 90, 190}, {20, 20}, {190, 260}, 4, 4},
    {2, "2面 各種表示用 (29310)", {100, 190, 100, 190}, {0, 20}, {800, 540}, 1, 2},
    {2, "2面 名刺サイズ (29339)", {45, 160, 45, 160}, {0, 60}, {910, 550}, 1, 2},
    {2, "4面 (29332)", {170, 310, 170, 310}, {20, 20}, {320, 420}, 2, 2},
    {2, "9面 (29408)", {140, 230, 140, 230}, {30, 30}, {220, 320}, 3, 3},
    {2, "15面 (29407)", {140, 135, 140, 195}, {30, 10}, {220, 220}, 3, 5},
    {2, "16面 (29331)", {90, 190, 90, 190}, {20, 20}, {190, 260}, 4, 4},
    {2, "16面 丸 (29330)", {90, 225, 90, 225}, {20, 90}, {190, 190}, 4, 4},
    {2, "20面 ひし形 (29406)", {145, 135, 145, 205}, {10, 10}, {170, 220}, 4, 5},
    {3, "全面ﾉｰｶｯﾄ (LB-PKJP3)", {0, 0, 0, 0}, {0, 0}, {1000, 1480}, 1, 1},
    {3, "15面 星 (LB-PKJP9)", {100, 90, 100, 200}, {45, 10}, {240, 230}, 3, 5},
    {3, "15面 ﾊｰﾄ (LB-PKJP10)", {100, 90, 100, 200}, {40, 10}, {240, 230}, 3, 5},
    {3, "16面 (LB-PKJP4)", {90, 190, 90, 190}, {20, 20}, {190, 260}, 4, 4},
    {4, "1面 (SCJH6)", {90, 190, 90, 190}, {0, 0}, {820, 1100}, 1, 1},
    {4, "2面 (SCJH3)", {140, 190, 140, 190}, {20, 20}, {720, 540}, 1, 2},
    {4, "4面 (SCJH2)", {90, 190, 90, 190}, {20, 20}, {400, 540}, 2, 2},
    {4, "4面 横長 (SCJH4)", {90, 190, 90, 190}, {20, 20}, {820, 260}, 1, 4},
    {4, "8面 楕円 (SCJH5)", {90, 190, 90, 190}, {60, 20}, {380, 260}, 2, 4},
    {4, "16面 (SCJH1)", {90, 190, 90, 190}, {20, 20}, {190, 260}, 4, 4},
    {5, "2面 (KJ-G6525)", {90, 190, 90, 190}, {20, 20}, {820, 540}, 1, 2},
    {5, "4面 (KJ-G6535)", {90, 190, 90, 190}, {20, 20}, {400, 540}, 2, 2},
    {5, "9面 (KJ-G6545)", {90, 195, 90, 195}, {20, 20}, {260, 350}, 3, 3},
    {5, "16面 (KJ-G6515)", {90, 190, 90, 190}, {20, 20}, {190, 260}, 4, 4},
};

// The second group of sheet 5 lies below the first two rows (40 + 2 x (320 + 20)); that of
// sheet 8 right of the first column (60 + 300 + 30).
constexpr SecondGroup kSecondGroups[] = {
    {5, 1, 720, {210, 620}, {20, 20}, 4, 1},
    {8, 0, 390, {260, 205}, {30, 20}, 2, 6},
};

CPrintSealSheet MakeSheet(uint8_t number, const SheetRow& row) {
  CPrintSealSheet sheet;
  sheet.number = number;
  sheet.makerGroup = row.group;
  const Cp932String name = cp932::Cut(cp932::Lit(row.name), CPrintSealSheet::kNameBytes - 1);
  name.copy(sheet.name, name.size());
  sheet.sizeId = CPrintPaper::kPostcard;
  sheet.vLine = 1;
  sheet.spaceLeft = row.margin[0];
  sheet.spaceTop = row.margin[1];
  sheet.spaceRight = row.margin[2];
  sheet.spaceBottom = row.margin[3];
  sheet.spaceSizeX = row.space[0];
  sheet.spaceSizeY = row.space[1];
  sheet.photoSizeX = row.label[0];
  sheet.photoSizeY = row.label[1];
  sheet.cols = row.cols;
  sheet.rows = row.rows;
  // The first maker's single-group sheets keep its usual spaces for a second group.
  if (row.group == 1) sheet.subSpaceSizeX = sheet.subSpaceSizeY = 20;
  return sheet;
}

void AddSecondGroup(CPrintSealSheet& sheet, const SecondGroup& group) {
  sheet.mix = 1;
  sheet.mixLine = group.mixLine;
  sheet.mixWidth = group.mixWidth;
  sheet.subPhotoSizeX = group.label[0];
  sheet.subPhotoSizeY = group.label[1];
  sheet.subSpaceSizeX = group.space[0];
  sheet.subSpaceSizeY = group.space[1];
  sheet.subCols = group.cols;
  sheet.subRows = group.rows;
}

}  // namespace

CPrintFormatSealList::CPrintFormatSealList() {
  for (int i = 0; i < kCount; ++i) sheets_[i] = MakeSheet(static_cast<uint8_t>(i), kSheets[i]);
  for (const SecondGroup& group : kSecondGroups) AddSecondGroup(sheets_[group.number], group);
}

const CPrintSealSheet* CPrintFormatSealList::Get(int number) const {
  if (number < 0 || number >= kCount) return nullptr;
  return &sheets_[number];
}
