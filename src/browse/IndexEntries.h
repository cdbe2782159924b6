// The entries the index panel lists for a category, worded with the library's tallies:
// "全て (%d)" first, then a year's months with photos, or the twelve favourites.
#pragma once

#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CPhotoManager;

namespace indexentries {

// Which icon an entry carries.
enum class Kind { kAll, kMonth, kFavourite };

struct Entry {
  Cp932String text;
  int value = 0;  // the month, the favourite's bit, 0 for "全て"
  Kind kind = Kind::kAll;
};

// The entries of the category; none for a value that is no category. Without a library
// every count is 0 and the favourites have no names.
std::vector<Entry> Of(const CPhotoManager* library, LPARAM category);

// "%s (%d)": the favourite's name and its tally.
Cp932String FavouriteText(const CPhotoManager* library, int slot);
// The favourite slot (1..12) of an entry value that is one favourite's bit, else 0.
int SlotOfValue(int value);

}  // namespace indexentries
