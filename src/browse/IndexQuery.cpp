#include "browse/IndexQuery.h"

#include "browse/IndexTree.h"
#include "library/PhotoKind.h"

namespace indexquery {
namespace {

constexpr uint32_t kFavouriteBits = 0xFFF;

void SetDates(SearchCriteria& c, int16_t fromYear, int16_t fromMonth, int16_t toYear,
              int16_t toMonth, int16_t toDay) {
  c.earliest[0] = fromYear;
  c.earliest[1] = fromMonth;
  c.earliest[2] = 1;
  c.latest[0] = toYear;
  c.latest[1] = toMonth;
  c.latest[2] = toDay;
}

SearchCriteria AllPhotos() {
  SearchCriteria c;
  c.tests = SearchCriteria::kKind | SearchCriteria::kDate | SearchCriteria::kSetAside;
  c.kindMask = PhotoKind::kAnyKindMask;
  SetDates(c, 0, 1, 32767, 12, 31);
  return c;
}

// A year, or one month of it.
SearchCriteria Year(int16_t year, int month) {
  SearchCriteria c;
  c.tests = SearchCriteria::kKind | SearchCriteria::kDate | SearchCriteria::kSetAside;
  c.kindMask = PhotoKind::kPhotoOrMovieMask;
  if (month >= 1 && month <= 12)
    SetDates(c, year, static_cast<int16_t>(month), year, static_cast<int16_t>(month), 31);
  else
    SetDates(c, year, 1, year, 12, 31);
  return c;
}

SearchCriteria Favourites(int entry) {
  SearchCriteria c;
  c.tests = SearchCriteria::kKind | SearchCriteria::kFavourites | SearchCriteria::kSetAside;
  c.kindMask = PhotoKind::kBurstComposite | PhotoKind::kAnyKindMask;
  c.favouriteMask = entry == kAllEntry ? kFavouriteBits : static_cast<uint32_t>(entry);
  return c;
}

SearchCriteria Burst() {
  SearchCriteria c;
  c.tests = SearchCriteria::kKind | SearchCriteria::kSetAside;
  c.kindMask = PhotoKind::kBurstComposite;
  return c;
}

SearchCriteria SetAside() {
  SearchCriteria c;
  c.tests = SearchCriteria::kSetAside;
  c.wantedSetAside = 1;
  return c;
}

}  // namespace

SearchCriteria For(LPARAM category, int entry) {
  switch (category) {
    case indextree::kAll:
      return AllPhotos();
    case indextree::kFavourites:
      return Favourites(entry);
    case indextree::kBurst:
      return Burst();
    case indextree::kSetAside:
      return SetAside();
    case indextree::kSearch:
      return SearchCriteria{};
    default:
      return category > 0 && category < indextree::kAll
                 ? Year(static_cast<int16_t>(category), entry)
                 : SearchCriteria{};
  }
}

}  // namespace indexquery
