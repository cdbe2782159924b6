// The query an entry of the index panel sends to the frame: which photos the views show for
// a category and one of its entries.
#pragma once

#include "library/SearchCriteria.h"
#include "platform/win/WinTypes.h"

namespace indexquery {

// The entry value of a category's first entry, "全て".
constexpr int kAllEntry = 0;

// The criteria of the category's entry: for a year the entry is a month (0: the whole
// year), for the favourites a slot's bit (0: every favourite). The search category has no
// query of its own; asking for one gives criteria that test nothing.
SearchCriteria For(LPARAM category, int entry);

}  // namespace indexquery
