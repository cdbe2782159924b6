#include "browse/CIdxIndexCtrl.h"

CIdxCtrl::IconCells CIdxIndexCtrl::IconsOf(indexentries::Kind kind) {
  const int row = kind == indexentries::Kind::kMonth       ? kMonthRow
                  : kind == indexentries::Kind::kFavourite ? kFavouriteRow
                                                           : kAllRow;
  const auto cell = [row](int column) {
    return LoadBitmapCell(kSprite, column * kCellPitch, row, kIconSide, kIconSide);
  };
  return IconCells{cell(0), cell(1), cell(2)};
}

void CIdxIndexCtrl::ShowEntries(const std::vector<indexentries::Entry>& entries) {
  DeleteAllItems();
  for (const indexentries::Entry& entry : entries)
    AddItem(entry.text, entry.value, 0, IconsOf(entry.kind));
}
