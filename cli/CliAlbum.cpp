#include "cli/CliAlbum.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "host/CHarboPhotoApp.h"
#include "platform/win/Dialog.h"

namespace cli {
namespace {

std::string Escaped(const Cp932String& text) {
  std::string out;
  for (char c : cp932::ToUtf8Lossy(text)) {
    if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\\')
      out += "\\\\";
    else
      out += c;
  }
  return out;
}

std::string Hex(const uint8_t* bytes, size_t size) {
  std::string out;
  char two[3];
  for (size_t i = 0; i < size; ++i) {
    std::snprintf(two, sizeof two, "%02x", bytes[i]);
    out += two;
  }
  return out;
}

std::string Numbers(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Numbers(const char* format, ...) {
  char buffer[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

int ConsoleAnswer(const win::MessageBoxRequest& request) {
  std::fprintf(stderr, "harbo-album: %s\n", request.text.c_str());
  return (request.type & 0xF) == MB_YESNO ? IDNO : IDOK;
}

}  // namespace

CPhotoManager* OpenLibrary() {
  win::SetMessageBoxResponder(&ConsoleAnswer);
  CHarboPhotoApp& app = TheApp();
  app.OpenUserAlbum();
  if (app.library() == nullptr) std::fprintf(stderr, "harbo-album: no user album to open\n");
  return app.library();
}

std::vector<CPhotoItem*> ChosenPhotos(const CPhotoManager& library,
                                      const std::optional<Cp932String>& nameKeywords,
                                      std::unique_ptr<CPhotoItems>& holder) {
  if (nameKeywords) {
    SearchCriteria criteria;
    criteria.tests = SearchCriteria::kName;
    const Cp932String keywords = cp932::Cut(*nameKeywords, sizeof criteria.nameKeywords - 1);
    std::memcpy(criteria.nameKeywords, keywords.data(), keywords.size());
    holder = library.Search(criteria);
  }
  std::vector<CPhotoItem*> photos;
  const CPhotoItems& from = holder ? *holder : static_cast<const CPhotoItems&>(library);
  for (CPhotoItem* item : from.items())
    if (item->deleted() == 0) photos.push_back(item);
  return photos;
}

std::string RecordLine(const CPhotoItem& item) {
  uint8_t adjustments[AdjustmentRecord::kBytes];
  item.adjustments().ToBytes(adjustments);
  return Escaped(item.title()) + "\t" + Escaped(item.path()) +
         Numbers("\t%d\t%d\t%d\t%x\t%x\t%u\t", item.DateNumber(), item.TimeNumber(), item.size(),
                 item.flags(), item.favourites(), unsigned{item.comboNumber()}) +
         Escaped(item.memo()) + "\t" + Hex(adjustments, sizeof adjustments);
}

std::string FileRecordLine(const PhotoFileRecord& r, const AdjustmentRecord& a) {
  uint8_t adjustments[AdjustmentRecord::kBytes];
  a.ToBytes(adjustments);
  const auto text = [](const char* field, size_t size) {
    return Escaped(Cp932String(field, strnlen(field, size)));
  };
  return text(r.path, sizeof r.path) + "\t" + text(r.sourceName, sizeof r.sourceName) +
         Numbers("\t%04u-%02u-%02u %02u:%02u:%02u\t%d\t%x\t%x\t%u\t%u\t%u\t", r.year, r.month,
                 r.day, r.hour, r.minute, r.second, r.size, r.flags, r.favourites,
                 unsigned{r.comboNumber}, unsigned{r.reserved}, unsigned{r.deleted}) +
         text(r.memo, sizeof r.memo) + "\t" + Hex(adjustments, sizeof adjustments);
}

bool ToCp932(const std::string& utf8, Cp932String* out) {
  std::optional<Cp932String> text = cp932::FromUtf8(utf8);
  if (!text) {
    std::fprintf(stderr, "harbo-album: '%s' has no code page 932 form\n", utf8.c_str());
    return false;
  }
  *out = *text;
  return true;
}

}  // namespace cli
