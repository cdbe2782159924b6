// harbo-album search: the search dialog's conditions as options, turned into a search with
// the dialog's own code (the same checks, messages and date arithmetic); the hits, one
// record a line, then the dialog's report line.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "browse/SearchConditions.h"
#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"

namespace {

int Refuse(const std::string& utf8) {
  std::fprintf(stderr, "harbo-album: %s\n", utf8.c_str());
  return 2;
}

// YYYY-MM-DD, YYYY/MM/DD or YYYYMMDD: a day the dialog's pickers offer (1900 to 2999).
std::optional<search::Date> ParseDate(std::string text) {
  std::erase_if(text, [](char c) { return c == '-' || c == '/'; });
  if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int n = std::atoi(text.c_str());
  const search::Date d{static_cast<int16_t>(n / 10000), static_cast<int16_t>(n / 100 % 100),
                       static_cast<int16_t>(n % 100)};
  const std::chrono::year_month_day day{std::chrono::year{d.year},
                                        std::chrono::month{static_cast<unsigned>(d.month)},
                                        std::chrono::day{static_cast<unsigned>(d.day)}};
  if (d.year < 1900 || d.year > 2999 || !day.ok()) return std::nullopt;
  return d;
}

class OptionReader {
 public:
  explicit OptionReader(const std::vector<std::string>& args) : args_(args) {}

  // Reads every option into the conditions; the reason when one is wrong.
  std::optional<std::string> Read(search::Conditions& c) {
    c.name = c.memo = c.photos = false;
    for (i_ = 0; i_ < args_.size(); ++i_)
      if (std::optional<std::string> error = ReadOne(c)) return error;
    if (!c.photos && !c.movies) c.photos = true;  // as the dialog first offers
    return std::nullopt;
  }

 private:
  std::optional<std::string> ReadOne(search::Conditions& c) {
    const std::string& a = args_[i_];
    if (a == "--photos") return c.photos = true, std::nullopt;
    if (a == "--movies") return c.movies = true, std::nullopt;
    if (a == "--name" || a == "--memo")
      return Keywords(a == "--name" ? c.nameText : c.memoText, a == "--name" ? c.name : c.memo);
    if (a == "--within") return Within(c);
    if (a == "--until" || a == "--since" || a == "--between") return Dates(a, c);
    if (a == "--size-at-most" || a == "--size-at-least" || a == "--size-between")
      return Sizes(a, c);
    return "unknown option " + a;
  }

  const std::string* Next() { return i_ + 1 < args_.size() ? &args_[++i_] : nullptr; }

  std::optional<std::string> Keywords(Cp932String& text, bool& on) {
    const std::string* value = Next();
    if (value == nullptr) return "--name and --memo take the keywords";
    if (!cli::ToCp932(*value, &text)) return "keywords without a code page 932 form";
    on = true;
    return std::nullopt;
  }

  std::optional<std::string> Within(search::Conditions& c) {
    const std::string* span = Next();
    c.date = true;
    if (span != nullptr && *span == "week") return c.dateType = search::kWithinWeek, std::nullopt;
    if (span != nullptr && *span == "month") return c.dateType = search::kWithinMonth, std::nullopt;
    if (span != nullptr && *span == "year") return c.dateType = search::kWithinYear, std::nullopt;
    return "--within takes week, month or year";
  }

  std::optional<std::string> Dates(const std::string& a, search::Conditions& c) {
    c.date = true;
    c.dateType = search::kGivenDates;
    c.dateTerm = a == "--until"   ? search::kUntil
                 : a == "--since" ? search::kSince
                                  : search::kBetween;
    const std::string* first = Next();
    const std::string* second = c.dateTerm == search::kBetween ? Next() : nullptr;
    const auto firstDate = first != nullptr ? ParseDate(*first) : std::nullopt;
    const auto secondDate = second != nullptr ? ParseDate(*second) : std::nullopt;
    if (!firstDate || (c.dateTerm == search::kBetween && !secondDate))
      return "a date is YYYY-MM-DD, from 1900 to 2999";
    c.first = *firstDate;
    if (secondDate) c.second = *secondDate;
    return std::nullopt;
  }

  // The sizes go to the dialog's checks as typed, so that they refuse them in its words.
  std::optional<std::string> Sizes(const std::string& a, search::Conditions& c) {
    c.size = true;
    c.sizeTerm = a == "--size-at-most"    ? search::kAtMost
                 : a == "--size-at-least" ? search::kAtLeast
                                          : search::kSizeBetween;
    const std::string* first = Next();
    const std::string* second = c.sizeTerm == search::kSizeBetween ? Next() : nullptr;
    if (first == nullptr || (c.sizeTerm == search::kSizeBetween && second == nullptr))
      return a + " takes its size in KB";
    c.sizeFrom = *first;
    c.sizeTo = second != nullptr ? *second : std::string();
    return std::nullopt;
  }

  const std::vector<std::string>& args_;
  size_t i_ = 0;
};

}  // namespace

int RunSearch(CliSession& /*session*/, const std::vector<std::string>& args) {
  search::Conditions conditions;
  if (std::optional<std::string> error = OptionReader(args).Read(conditions)) return Refuse(*error);
  search::Histories histories;
  SearchCriteria criteria;
  if (const std::optional<search::Refusal> refusal =
          search::Build(conditions, search::Today(), histories, &criteria))
    return Refuse(cp932::ToUtf8Lossy(refusal->message));
  const CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  const std::unique_ptr<CPhotoItems> found = library->Search(criteria);
  for (const CPhotoItem* item : found->items()) std::printf("%s\n", cli::RecordLine(*item).c_str());
  std::printf("検索終了しました。検索件数は、%d件です。\n", found->count());
  return 0;
}
