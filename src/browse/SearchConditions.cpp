#include "browse/SearchConditions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "library/PhotoKind.h"

namespace search {

namespace {

using cp932::Lit;
namespace chr = std::chrono;

constexpr Date kEarliest{1900, 1, 1};
constexpr Date kLatest{2099, 12, 31};

chr::year_month_day ToYmd(const Date& d) {
  return chr::year_month_day{chr::year{d.year}, chr::month{static_cast<unsigned>(d.month)},
                             chr::day{static_cast<unsigned>(d.day)}};
}

Date FromYmd(const chr::year_month_day& ymd) {
  return Date{static_cast<int16_t>(static_cast<int>(ymd.year())),
              static_cast<int16_t>(static_cast<unsigned>(ymd.month())),
              static_cast<int16_t>(static_cast<unsigned>(ymd.day()))};
}

// The same day some months back (the month's last day when it is shorter), then the day
// after: the first day of a span of that many months up to today.
Date DayAfterMonthsBack(const Date& today, int months) {
  chr::year_month_day back = ToYmd(today) - chr::months{months};
  if (!back.ok()) back = back.year() / back.month() / chr::last;
  return FromYmd(chr::sys_days{back} + chr::days{1});
}

int DateNumber(const Date& d) {
  return (d.year * 100 + d.month) * 100 + d.day;
}

void PutDate(int16_t* field, const Date& d) {
  const int16_t values[3] = {d.year, d.month, d.day};
  std::memcpy(field, values, sizeof values);
}

void PutKeywords(char* field, const Cp932String& text) {
  const Cp932String cut = cp932::Cut(text, kKeywordBytes);
  std::memcpy(field, cut.data(), cut.size());
  field[cut.size()] = '\0';
}

// A size in KB as the edit holds it: digits only, from 0 to 99999.
std::optional<Refusal> ReadKb(Cp932String& text, Field field, long* kb) {
  if (text.empty() || text.find_first_not_of("0123456789") != Cp932String::npos)
    return Refusal{Lit("数字を入力してください。"), field};
  const Cp932String digits = text.substr(std::min(text.find_first_not_of('0'), text.size() - 1));
  if (digits.size() > 5 || std::atol(digits.c_str()) > kLargestKb) {
    char message[96];
    std::snprintf(message, sizeof message, "%dから%dまでの数値を入力してください。", 0,
                  static_cast<int>(kLargestKb));
    return Refusal{Lit(message), field};
  }
  *kb = std::atol(digits.c_str());
  text = std::to_string(*kb);
  return std::nullopt;
}

std::optional<Refusal> BuildSize(Conditions& c, SearchCriteria& criteria) {
  long first = 0;
  if (auto refusal = ReadKb(c.sizeFrom, Field::kSizeFrom, &first)) return refusal;
  long second = 0;
  if (c.sizeTerm == kSizeBetween)
    if (auto refusal = ReadKb(c.sizeTo, Field::kSizeTo, &second)) return refusal;
  long smallest = 0;
  long largest = 0;
  if (c.sizeTerm == kAtMost)
    largest = first * 1024;
  else if (c.sizeTerm == kAtLeast)
    smallest = first * 1024;
  else
    smallest = std::min(first, second) * 1024, largest = std::max(first, second) * 1024;
  criteria.smallestSize = static_cast<int32_t>(smallest);
  criteria.largestSize = static_cast<int32_t>(largest);
  criteria.tests |= SearchCriteria::kSize;
  return std::nullopt;
}

// A keyword condition: refused when empty, else remembered and put into the record.
std::optional<Refusal> BuildKeywords(const Cp932String& text, const char* emptyMessage, Field field,
                                     std::vector<Cp932String>& history, char* into) {
  if (text.empty()) return Refusal{Lit(emptyMessage), field};
  Remember(history, text);
  PutKeywords(into, text);
  return std::nullopt;
}

std::optional<Refusal> CheckLengths(const Conditions& c) {
  if (c.name && c.nameText.size() > kNameLimit)
    return Refusal{Lit("名前は半角90文字以下で入力してください。"), Field::kName};
  if (c.memo && c.memoText.size() > kMemoLimit) {
    char message[96];
    std::snprintf(message, sizeof message, "メモは半角%d文字以下で入力してください。",
                  static_cast<int>(kMemoLimit));
    return Refusal{Lit(message), Field::kMemo};
  }
  return std::nullopt;
}

}  // namespace

void Remember(std::vector<Cp932String>& history, const Cp932String& text) {
  std::erase(history, text);
  history.insert(history.begin(), text);
  if (history.size() > kHistoryLength) history.resize(kHistoryLength);
}

std::pair<Date, Date> DateRange(const Conditions& c, const Date& today) {
  switch (c.dateType) {
    case kWithinWeek:
      return {FromYmd(chr::sys_days{ToYmd(today)} - chr::days{6}), today};
    case kWithinMonth:
      return {DayAfterMonthsBack(today, 1), today};
    case kWithinYear:
      return {DayAfterMonthsBack(today, 12), today};
    default:
      break;
  }
  if (c.dateTerm == kUntil) return {kEarliest, c.first};
  if (c.dateTerm == kSince) return {c.first, kLatest};
  if (DateNumber(c.second) < DateNumber(c.first)) return {c.second, c.first};
  return {c.first, c.second};
}

std::optional<Refusal> Build(Conditions& c, const Date& today, Histories& histories,
                             SearchCriteria* criteria) {
  if (!c.photos && !c.movies)
    return Refusal{Lit("写真、ムービーの両方または、どちらかにチェックしてください。"),
                   Field::kPhotos};
  if (auto refusal = CheckLengths(c)) return refusal;
  SearchCriteria built;
  if (c.name) {
    if (auto refusal = BuildKeywords(c.nameText, "名前を入力してください。", Field::kName,
                                     histories.names, built.nameKeywords))
      return refusal;
    built.tests |= SearchCriteria::kName;
  }
  if (c.date) {
    const auto [earliest, latest] = DateRange(c, today);
    PutDate(built.earliest, earliest);
    PutDate(built.latest, latest);
    built.tests |= SearchCriteria::kDate;
  }
  if (c.size)
    if (auto refusal = BuildSize(c, built)) return refusal;
  if (c.memo) {
    if (auto refusal = BuildKeywords(c.memoText, "メモを入力してください。", Field::kMemo,
                                     histories.memos, built.memoKeywords))
      return refusal;
    built.tests |= SearchCriteria::kMemo;
  }
  if (built.tests == 0) return Refusal{Lit("検索条件を設定してください。"), Field::kNone};
  built.tests |= SearchCriteria::kKind | SearchCriteria::kSetAside;
  built.wantedSetAside = 0;
  built.kindMask = (c.photos ? PhotoKind::kBurstComposite | PhotoKind::kStill : 0) |
                   (c.movies ? PhotoKind::kMovie : 0);
  built.report = 1;
  built.inView = c.inView ? 1 : 0;
  *criteria = built;
  return std::nullopt;
}

Date Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date{static_cast<int16_t>(local.tm_year + 1900), static_cast<int16_t>(local.tm_mon + 1),
              static_cast<int16_t>(local.tm_mday)};
}

}  // namespace search
