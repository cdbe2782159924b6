#include "exif/CExifSource.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <initializer_list>

#include "exif/ExifDirectoryWalk.h"
#include "exif/ExifGps.h"
#include "exif/ExifSegment.h"
#include "exif/ExifTagTable.h"
#include "exif/ExifValueText.h"
#include "host/CHarboPhotoApp.h"
#include "platform/fileio/FileIo.h"

namespace {

using exif::ExifDirectoryWalk;
using exif::TagInfo;
using exif::WalkHandler;

// A read-only descriptor of the photo, closed when it goes.
class PhotoFile {
 public:
  // The file layer opens only plain files, so a folder, a device or a pipe named as a
  // photo is refused before it is opened and cannot block.
  explicit PhotoFile(const Cp932String& path) : fd_(fileio::OpenFileForReading(path)) {
    struct stat status {};
    if (fd_ >= 0 && fstat(fd_, &status) != 0) Reset();
    if (fd_ >= 0) size_ = static_cast<uint64_t>(status.st_size);
  }
  ~PhotoFile() { Reset(); }
  PhotoFile(const PhotoFile&) = delete;
  PhotoFile& operator=(const PhotoFile&) = delete;

  int fd() const { return fd_; }
  uint64_t size() const { return size_; }

 private:
  void Reset() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }
  int fd_ = -1;
  uint64_t size_ = 0;
};

// Looks for a few tags at once; the first of each found is kept. A value that cannot be
// decoded ends the search, so a tag counts as found only when it stands before the first
// unreadable entry, as it would in a search for that tag alone.
class TagSearch : public WalkHandler {
 public:
  TagSearch(std::initializer_list<uint16_t> tags) {
    for (uint16_t t : tags) wanted_[count_++].tag = t;
  }

  uint32_t EnterDirectory() override { return 0; }
  Step Shown(uint32_t, const TagInfo& info, const ExifValue& value) override {
    for (size_t i = 0; i < count_; ++i) Keep(wanted_[i], info.tag, value);
    return found_ == count_ ? Step::kStop : Step::kGoOn;
  }
  void Pointer(uint32_t, const TagInfo&) override {}
  bool UnreadableEndsWalk() const override { return true; }

  const ExifValue* Found(uint16_t t) const {
    for (size_t i = 0; i < count_; ++i)
      if (wanted_[i].tag == t && wanted_[i].found) return &wanted_[i].value;
    return nullptr;
  }

 private:
  struct Wanted {
    uint16_t tag = 0;
    bool found = false;
    ExifValue value;
  };
  void Keep(Wanted& w, uint16_t t, const ExifValue& value) {
    if (w.tag != t || w.found) return;
    w.found = true;
    w.value = value;
    ++found_;
  }

  std::array<Wanted, 5> wanted_;
  size_t count_ = 0;
  size_t found_ = 0;
};

// Appends a row per shown tag and a heading per sub-directory. Each directory's rows take
// the group of the list's last row when its walk starts; a heading and the rows below it
// take the next group. An unreadable value ends the listing of its directory only.
class ListFiller : public WalkHandler {
 public:
  explicit ListFiller(std::vector<ExifListRow>& list) : list_(list) {}

  uint32_t EnterDirectory() override { return list_.empty() ? 0 : list_.back().group(); }
  Step Shown(uint32_t group, const TagInfo& info, const ExifValue& value) override {
    list_.push_back({exif::TagLabel(info), exif::ValueText(info.tag, value), group});
    return Step::kGoOn;
  }
  void Pointer(uint32_t group, const TagInfo& info) override {
    const uint32_t next = (group + 1) & ExifListRow::kGroupMask;
    list_.push_back({exif::TagLabel(info), {}, next | ExifListRow::kHeadingBit});
  }
  bool UnreadableEndsWalk() const override { return false; }

 private:
  std::vector<ExifListRow>& list_;
};

// Map datums name Tokyo in any case.
// South of the equator and west of Greenwich the position counts negative; a missing or
// unknown reference leaves it north and east.
double Hemisphere(const ExifValue* reference, char negative) {
  if (reference == nullptr) return 1.0;
  const Cp932String text = cp932::AsciiUpper(exif::AsciiText(*reference));
  return !text.empty() && text[0] == negative ? -1.0 : 1.0;
}

bool IsTokyoDatum(const Cp932String& text) {
  static constexpr char kTokyo[] = "TOKYO";
  return text.size() == sizeof kTokyo - 1 && cp932::AsciiUpper(text) == kTokyo;
}

}  // namespace

int CExifSource::Open(const Cp932String& photoPath, const Cp932String& tempFolder) {
  Close();
  PhotoFile photo(photoPath);
  if (photo.fd() < 0) return 0;
  ExifFileWindow photoWindow;
  photoWindow.Attach(photo.fd(), photo.size());
  exif::SegmentPlace segment;
  if (!exif::FindExifSegment(photoWindow, &segment)) return 0;
  if (!temp_.Create(tempFolder) || !exif::CopyTiffBlock(photoWindow, segment, temp_)) {
    Close();
    return 0;
  }
  window_.Attach(temp_.fd(), temp_.size());
  block_.Attach(&window_);
  if (block_.ReadHeader(&firstDirectory_)) return 1;
  Close();
  return 0;
}

void CExifSource::Close() {
  block_.Attach(nullptr);
  window_.Detach();
  temp_.Close();
  value_ = ExifValue();
  firstDirectory_ = 0;
}

int CExifSource::Maker(Cp932String* text) {
  if (FindText(exif::tag::kMake, text)) return 1;
  text->clear();
  return 0;
}

int CExifSource::DateTaken(Cp932String* text) {
  if (FindText(exif::tag::kDateTimeOriginal, text)) return 1;
  *text = "0";
  return 0;
}

// One walk looks for both coordinates and the datum.
int CExifSource::GpsPosition(double* latitude, double* longitude, int* datumFlag) {
  *datumFlag = 1;
  if (!IsOpen()) return 0;
  TagSearch search{exif::tag::kGpsLatitude, exif::tag::kGpsLongitude, exif::tag::kGpsMapDatum,
                   exif::tag::kGpsLatitudeRef, exif::tag::kGpsLongitudeRef};
  ExifDirectoryWalk(block_, value_, search).Walk(firstDirectory_);
  const ExifValue* datum = search.Found(exif::tag::kGpsMapDatum);
  if (datum != nullptr && IsTokyoDatum(exif::AsciiText(*datum))) *datumFlag = 0;
  const ExifValue* lat = search.Found(exif::tag::kGpsLatitude);
  const ExifValue* lon = search.Found(exif::tag::kGpsLongitude);
  const auto latUnits = lat != nullptr ? exif::PositionUnits(*lat) : std::nullopt;
  const auto lonUnits = lon != nullptr ? exif::PositionUnits(*lon) : std::nullopt;
  if (!latUnits || !lonUnits) return 0;
  *latitude = *latUnits * Hemisphere(search.Found(exif::tag::kGpsLatitudeRef), 'S');
  *longitude = *lonUnits * Hemisphere(search.Found(exif::tag::kGpsLongitudeRef), 'W');
  return 1;
}

int CExifSource::FillList(std::vector<ExifListRow>* list) {
  if (!IsOpen() || list == nullptr) return 0;
  list->push_back({cp932::Lit("主な情報"), {}, ExifListRow::kHeadingBit});
  ListFiller filler(*list);
  ExifDirectoryWalk(block_, value_, filler).Walk(firstDirectory_);
  return 1;
}

Cp932String CExifSource::DefaultTempFolder() {
  const Cp932String& work = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
  if (!work.empty() && work[0] == '/') return work;
  const char* system = std::getenv("TMPDIR");
  const auto folder = fileio::FromDiskPath(system != nullptr && *system == '/' ? system : "/tmp");
  return folder ? *folder : Cp932String("/tmp");
}

int CExifSource::FindText(uint16_t tag, Cp932String* text) {
  if (!IsOpen()) return 0;
  TagSearch search{tag};
  ExifDirectoryWalk(block_, value_, search).Walk(firstDirectory_);
  const ExifValue* found = search.Found(tag);
  if (found == nullptr) return 0;
  *text = exif::ValueText(tag, *found);
  return 1;
}
