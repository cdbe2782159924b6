// What the search dialog asks for, as the user set it, and how it becomes the library's
// search record: the checks and their messages, the dates each choice stands for, the
// sizes, the keywords and the two keyword histories. The dialog and the command-line tool
// build their searches with this code, so both refuse the same input with the same words.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "library/SearchCriteria.h"
#include "platform/text/Cp932.h"

namespace search {

struct Date {
  int16_t year = 0;
  int16_t month = 0;
  int16_t day = 0;
  bool operator==(const Date&) const = default;
};

// The choices of the drop lists, in their order.
enum DateType { kWithinWeek, kWithinMonth, kWithinYear, kGivenDates };
enum DateTerm { kUntil, kBetween, kSince };
enum SizeTerm { kAtMost, kSizeBetween, kAtLeast };

constexpr size_t kNameLimit = 90;
constexpr size_t kMemoLimit = 511;
constexpr size_t kKeywordBytes = 255;
constexpr size_t kHistoryLength = 16;
constexpr long kLargestKb = 99999;

struct Conditions {
  bool name = false;
  bool date = false;
  bool size = false;
  bool memo = false;
  bool photos = true;
  bool movies = false;
  bool inView = false;
  Cp932String nameText;
  Cp932String memoText;
  int dateType = kWithinWeek;
  int dateTerm = kBetween;
  Date first;
  Date second;
  int sizeTerm = kAtMost;
  Cp932String sizeFrom;  // as typed, in KB
  Cp932String sizeTo;
};

// The control a refusal points the user at.
enum class Field { kPhotos, kName, kMemo, kSizeFrom, kSizeTo, kNone };

struct Refusal {
  Cp932String message;
  Field field = Field::kNone;
};

struct Histories {
  std::vector<Cp932String> names;  // newest first
  std::vector<Cp932String> memos;
};

// Builds the search record from the conditions, as of the day given. A refusal says why
// and where; the histories take the name and memo of a search that got as far as them (a
// later refusal keeps them there, as the user typed them). On success the size texts are
// rewritten with the numbers read from them.
std::optional<Refusal> Build(Conditions& conditions, const Date& today, Histories& histories,
                             SearchCriteria* criteria);

// Puts the text at the front of the history, removed from any older place; the oldest
// beyond 16 is dropped.
void Remember(std::vector<Cp932String>& history, const Cp932String& text);

// The first and last day a date choice stands for, as of the day given.
std::pair<Date, Date> DateRange(const Conditions& conditions, const Date& today);

// The day the machine's clock gives.
Date Today();

}  // namespace search
