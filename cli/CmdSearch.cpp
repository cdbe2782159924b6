#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "library/PhotoKind.h"

namespace {

constexpr size_t kMaxNameBytes = 90;
constexpr size_t kMaxMemoBytes = 511;
constexpr size_t kKeywordBytes = 255;
constexpr long kMaxKb = 99999;

struct Date {
  int16_t year, month, day;
};

struct Options {
  std::optional<Cp932String> name, memo;
  std::optional<Date> from, to;
  std::optional<long> minKb, maxKb;
  bool photos = false, movies = false;
};

int Refuse(const char* utf8) {
  std::fprintf(stderr, "harbo-album: %s\n", utf8);
  return 2;
}

// YYYYMMDD within the dates the search dialog's pickers accept.
std::optional<Date> ParseDate(const std::string& text) {
  if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int n = std::atoi(text.c_str());
  const Date d{static_cast<int16_t>(n / 10000), static_cast<int16_t>(n / 100 % 100),
               static_cast<int16_t>(n % 100)};
  if (d.year < 1900 || d.year > 2999 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31)
    return std::nullopt;
  return d;
}

std::optional<long> ParseKb(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 5)
    return std::nullopt;
  return std::atol(text.c_str());
}

// Reads the options; an error text when one is wrong.
const char* ParseOptions(const std::vector<std::string>& args, Options& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--photos")
      o.photos = true;
    else if (a == "--movies")
      o.movies = true;
    else if (i + 1 >= args.size())
      return "an option without its value, or an unknown option";
    else if (a == "--name" || a == "--memo") {
      Cp932String text;
      if (!cli::ToCp932(args[++i], &text)) return "a keyword without code page 932 form";
      (a == "--name" ? o.name : o.memo) = text;
    } else if (a == "--from" || a == "--to") {
      if (!((a == "--from" ? o.from : o.to) = ParseDate(args[++i])))
        return "a date is not YYYYMMDD";
    } else if (a == "--min-kb" || a == "--max-kb") {
      if (!((a == "--min-kb" ? o.minKb : o.maxKb) = ParseKb(args[++i])))
        return "数字を入力してください。(0から99999まで)";
    } else {
      return "unknown option";
    }
  }
  // Without a choice the search looks for photos, as the search dialog first does.
  if (!o.photos && !o.movies) o.photos = true;
  return nullptr;
}

void PutDate(int16_t* field, const Date& d) {
  const int16_t values[3] = {d.year, d.month, d.day};
  std::memcpy(field, values, sizeof values);
}

// The dates as the dialog sets them: up to a date, from a date on, or between two.
void SetDates(const Options& o, SearchCriteria& c) {
  Date from = o.from.value_or(Date{1900, 1, 1});
  Date to = o.to.value_or(Date{2099, 12, 31});
  const auto number = [](const Date& d) { return (d.year * 100 + d.month) * 100 + d.day; };
  if (o.from && o.to && number(from) > number(to)) std::swap(from, to);
  PutDate(c.earliest, from);
  PutDate(c.latest, to);
}

// The sizes as the dialog sets them: at most, at least, or between two, in KB.
void SetSizes(const Options& o, SearchCriteria& c) {
  long smallest = o.minKb.value_or(0) * 1024;
  long largest = o.maxKb ? *o.maxKb * 1024 : 0;
  if (o.minKb && o.maxKb && smallest > largest) std::swap(smallest, largest);
  c.smallestSize = static_cast<int32_t>(smallest);
  c.largestSize = static_cast<int32_t>(largest);
}

void SetKeywords(char* field, const Cp932String& text) {
  const Cp932String cut = cp932::Cut(text, kKeywordBytes);
  std::memcpy(field, cut.data(), cut.size());
}

// The criteria the search dialog builds from the same choices.
const char* BuildCriteria(const Options& o, SearchCriteria& c) {
  if (!o.photos && !o.movies) return "写真、ムービーの両方または、どちらかにチェックしてください。";
  if (o.name && o.name->empty()) return "名前を入力してください。";
  if (o.name && o.name->size() > kMaxNameBytes) return "名前は半角90文字以下で入力してください。";
  if (o.memo && o.memo->empty()) return "メモを入力してください。";
  if (o.memo && o.memo->size() > kMaxMemoBytes) return "メモは半角511文字以下で入力してください。";
  if (!o.name && !o.memo && !o.from && !o.to && !o.minKb && !o.maxKb)
    return "検索条件を設定してください。";
  if (o.name) c.tests |= SearchCriteria::kName, SetKeywords(c.nameKeywords, *o.name);
  if (o.memo) c.tests |= SearchCriteria::kMemo, SetKeywords(c.memoKeywords, *o.memo);
  if (o.from || o.to) c.tests |= SearchCriteria::kDate, SetDates(o, c);
  if (o.minKb || o.maxKb) c.tests |= SearchCriteria::kSize, SetSizes(o, c);
  c.tests |= SearchCriteria::kKind | SearchCriteria::kSetAside;
  c.kindMask = (o.photos ? PhotoKind::kBurstComposite | PhotoKind::kStill : 0) |
               (o.movies ? PhotoKind::kMovie : 0);
  c.report = 1;
  return nullptr;
}

}  // namespace

int RunSearch(CliSession& /*session*/, const std::vector<std::string>& args) {
  Options options;
  if (const char* error = ParseOptions(args, options)) return Refuse(error);
  SearchCriteria criteria;
  if (const char* error = BuildCriteria(options, criteria)) return Refuse(error);
  const CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  const std::unique_ptr<CPhotoItems> found = library->Search(criteria);
  for (const CPhotoItem* item : found->items()) std::printf("%s\n", cli::RecordLine(*item).c_str());
  return 0;
}
