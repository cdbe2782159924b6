// The index panel's list: the entries of one category with their photo counts, each with
// its 14 x 14 icon cut from the panel's sprite bitmap (rows for "全て", the months and the
// favourites; columns for the normal, hover and selected looks).
#pragma once

#include <vector>

#include "browse/IndexEntries.h"
#include "ui/CIdxCtrl.h"

class CIdxIndexCtrl : public CIdxCtrl {
 public:
  // The sprite bitmap and where its cells lie.
  static constexpr int kSprite = 430;
  static constexpr int kCellPitch = 16;
  static constexpr int kAllRow = 80;
  static constexpr int kMonthRow = 96;
  static constexpr int kFavouriteRow = 112;

  // The icon cells of an entry of that kind.
  static IconCells IconsOf(indexentries::Kind kind);

  // Replaces the list with the entries; nothing is selected.
  void ShowEntries(const std::vector<indexentries::Entry>& entries);
  // The list's row of the entry value, or -1.
  int RowOfEntry(int value) const { return FindItem(value); }
};
