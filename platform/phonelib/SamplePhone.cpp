#include "platform/phonelib/SamplePhone.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/phonelib/SampleExif.h"

namespace phonelib {

namespace {

struct Shot {
  int year, month, day, hour, minute, second;
};

struct PhotoPlan {
  int area;
  const char* name;
  const char* maker;
  const char* model;
  Shot shot;
  int width, height;
  const char* scene;
  std::optional<GpsPosition> gps;
  int frame;  // position within a burst, 0 for single shots
};

const std::string kCarrierMaker = std::string(kCarrierMakerPrefix) + " Mobile";

// The photos: three years, several months, both storage areas; a burst of three (same
// second, carrier maker, same size, names that differ only after "~"); and a pair from
// another maker taken in the same second, which is not a burst.
std::vector<PhotoPlan> Plans() {
  const std::string& m = kCarrierMaker;
  return {
      {kAreaInternal,
       "NOVA_20230114_093012.jpg",
       m.c_str(),
       "NV-31",
       {2023, 1, 14, 9, 30, 12},
       640,
       480,
       "Harbour",
       GpsPosition{35.6586, 139.7454},
       0},
      {kAreaInternal,
       "NOVA_20230321_154500.jpg",
       m.c_str(),
       "NV-31",
       {2023, 3, 21, 15, 45, 0},
       480,
       640,
       "Garden",
       std::nullopt,
       0},
      {kAreaInternal,
       "NOVA_20230805_181530.jpg",
       m.c_str(),
       "NV-31",
       {2023, 8, 5, 18, 15, 30},
       640,
       480,
       "Sunset",
       GpsPosition{34.6873, 135.5262},
       0},
      {kAreaInternal,
       "NOVA_20231224_200000.jpg",
       m.c_str(),
       "NV-31",
       {2023, 12, 24, 20, 0, 0},
       640,
       480,
       "Lights",
       std::nullopt,
       0},
      {kAreaInternal,
       "NOVA_20240503_120000~1.jpg",
       m.c_str(),
       "NV-40",
       {2024, 5, 3, 12, 0, 0},
       640,
       480,
       "Kite",
       std::nullopt,
       1},
      {kAreaInternal,
       "NOVA_20240503_120000~2.jpg",
       m.c_str(),
       "NV-40",
       {2024, 5, 3, 12, 0, 0},
       640,
       480,
       "Kite",
       std::nullopt,
       2},
      {kAreaInternal,
       "NOVA_20240503_120000~3.jpg",
       m.c_str(),
       "NV-40",
       {2024, 5, 3, 12, 0, 0},
       640,
       480,
       "Kite",
       std::nullopt,
       3},
      {kAreaInternal,
       "NOVA_20240920_071500.jpg",
       m.c_str(),
       "NV-40",
       {2024, 9, 20, 7, 15, 0},
       480,
       640,
       "Morning",
       GpsPosition{43.0621, 141.3544},
       0},
      {kAreaExternal,
       "ACME0001.jpg",
       "ACME Optics",
       "Z10",
       {2022, 11, 3, 14, 0, 5},
       640,
       480,
       "Market",
       std::nullopt,
       0},
      {kAreaExternal,
       "ACME0002.jpg",
       "ACME Optics",
       "Z10",
       {2022, 11, 3, 14, 0, 5},
       640,
       480,
       "Market",
       std::nullopt,
       0},
      {kAreaExternal,
       "NOVA_20250214_103000.jpg",
       m.c_str(),
       "NV-40",
       {2025, 2, 14, 10, 30, 0},
       640,
       480,
       "Snow",
       GpsPosition{-33.8568, 151.2153},
       0},
  };
}

struct MoviePlan {
  int area;
  const char* name;
  Shot shot;
};

const MoviePlan kMovies[] = {
    {kAreaInternal, "MOV_20240503_121500.3gp", {2024, 5, 3, 12, 15, 0}},
    {kAreaExternal, "MOV_20221103_140100.3gp", {2022, 11, 3, 14, 1, 0}},
};

std::string ExifTime(const Shot& s) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", s.year, s.month, s.day, s.hour,
                s.minute, s.second);
  return text;
}

QColor SceneColour(const PhotoPlan& plan, int shift) {
  const int hue = (plan.shot.month * 29 + plan.shot.year * 7 + shift) % 360;
  return QColor::fromHsv(hue, 160 + (shift % 60), 230 - (shift % 80));
}

// A sky-to-ground gradient, a sun, hills and a few shapes, then the scene name and date.
void PaintScene(QPainter& p, const PhotoPlan& plan) {
  const int w = plan.width, h = plan.height;
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, SceneColour(plan, 0));
  sky.setColorAt(1, SceneColour(plan, 140));
  p.fillRect(0, 0, w, h, sky);
  QRadialGradient sun(w * 0.75, h * 0.25, h * 0.15);
  sun.setColorAt(0, QColor(255, 250, 200));
  sun.setColorAt(1, QColor(255, 180, 60, 0));
  p.setBrush(sun);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(w * 0.75, h * 0.25), h * 0.15, h * 0.15);
  QPainterPath hills;
  hills.moveTo(0, h);
  for (int x = 0; x <= w; x += 20)
    hills.lineTo(x, h * 0.7 + std::sin((x + plan.shot.day * 40) / 60.0) * h * 0.06);
  hills.lineTo(w, h);
  p.fillPath(hills, SceneColour(plan, 200).darker(160));
  for (int i = 0; i < 5; ++i) {
    p.setBrush(SceneColour(plan, 60 + i * 45));
    p.drawRoundedRect(QRectF(30 + i * w / 6.0, h * 0.45 + (i % 2) * 30, w / 10.0, h / 8.0), 8, 8);
  }
}

// In a burst a kite crosses the sky from frame to frame.
void PaintBurstFrame(QPainter& p, const PhotoPlan& plan) {
  if (plan.frame == 0) return;
  const QPointF centre(plan.width * (0.2 + 0.25 * plan.frame), plan.height * 0.3);
  const QPointF kite[] = {centre + QPointF(0, -40), centre + QPointF(28, 0),
                          centre + QPointF(0, 55), centre + QPointF(-28, 0)};
  p.setBrush(QColor(220, 30, 60));
  p.setPen(QPen(Qt::black, 2));
  p.drawPolygon(kite, 4);
  p.drawLine(kite[2], kite[2] + QPointF(-30, 120));
}

void PaintCaption(QPainter& p, const PhotoPlan& plan) {
  QFont font = p.font();
  font.setPixelSize(plan.width / 14);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  const QString text = QString::fromLatin1(plan.scene) + "\n" +
                       QString::fromStdString(ExifTime(plan.shot)) +
                       (plan.frame != 0 ? QString(" #%1").arg(plan.frame) : QString());
  p.drawText(QRect(16, 16, plan.width - 32, plan.height / 3), Qt::AlignLeft | Qt::TextWordWrap,
             text);
}

std::optional<std::string> EncodePhoto(const PhotoPlan& plan) {
  QImage image(plan.width, plan.height, QImage::Format_RGB32);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintScene(p, plan);
    PaintBurstFrame(p, plan);
    PaintCaption(p, plan);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "JPG", 88)) return std::nullopt;
  const ExifFields exif{plan.maker, plan.model, ExifTime(plan.shot), plan.gps};
  return InsertAfterStartOfImage(bytes.toStdString(), MakeExifSegment(exif));
}

// A minimal 3GPP file: the file-type box and an empty media-data box.
std::string MovieBytes() {
  const char box[] =
      "\x00\x00\x00\x18"
      "ftyp"
      "3gp4"
      "\x00\x00\x00\x00"
      "isom"
      "3gp4"
      "\x00\x00\x00\x08"
      "mdat";
  return std::string(box, sizeof box - 1);
}

// Local time, as the phone's clock keeps it.
bool SetShotTime(const Cp932String& path, const Shot& s) {
  std::tm tm{};
  tm.tm_year = s.year - 1900;
  tm.tm_mon = s.month - 1;
  tm.tm_mday = s.day;
  tm.tm_hour = s.hour;
  tm.tm_min = s.minute;
  tm.tm_sec = s.second;
  tm.tm_isdst = -1;
  const std::time_t when = std::mktime(&tm);
  const auto disk = fileio::ToDiskPath(path);
  if (when == -1 || !disk) return false;
  std::error_code error;
  const auto time = std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(when));
  std::filesystem::last_write_time(*disk, time, error);
  return !error;
}

struct Maker {
  Cp932String folder;
  std::vector<SampleFile>* made;
  std::string* error;

  bool Write(int area, const char* name, const std::string& data, const Shot* shot,
             std::string note) {
    const Cp932String path = AreaFolder(folder, area) + "/" + name;
    if (!fileio::WriteFileAtomic(path, data) || (shot != nullptr && !SetShotTime(path, *shot))) {
      *error = "cannot write " + cp932::ToUtf8Lossy(path);
      return false;
    }
    made->push_back({path, std::move(note)});
    return true;
  }
};

std::string PhotoNote(const PhotoPlan& plan) {
  std::string note = std::to_string(plan.width) + "x" + std::to_string(plan.height) + " photo, " +
                     plan.maker + ", taken " + ExifTime(plan.shot);
  if (plan.gps) note += ", with GPS";
  if (plan.frame != 0) note += ", burst shot " + std::to_string(plan.frame) + " of 3";
  return note;
}

bool MakeFolders(const Cp932String& folder, std::string* error) {
  for (int area : {kAreaInternal, kAreaExternal}) {
    const Cp932String path = AreaFolder(folder, area);
    if (fileio::IsDirectory(path) || fileio::CreateFolderPath(path, false)) continue;
    *error = "cannot make the folder " + cp932::ToUtf8Lossy(path);
    return false;
  }
  return true;
}

// Drawing text needs the toolkit's fonts, which need an application object; a program
// without one (the command-line tool) gets an offscreen one for the time of the call.
std::unique_ptr<QGuiApplication> EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "harbo-phone";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool MakeSamplePhone(const Cp932String& folder, std::vector<SampleFile>* made, std::string* error) {
  const auto application = EnsureApplication();
  if (!MakeFolders(folder, error)) return false;
  Maker maker{folder, made, error};
  const PhoneProfile profile{kModelWithExternalMemory, 300 * 1024, 2 * 1024 * 1024};
  const Cp932String profilePath = ProfilePath(folder);
  if (!fileio::WriteFileAtomic(profilePath, FormatPhoneProfile(profile))) {
    *error = "cannot write " + cp932::ToUtf8Lossy(profilePath);
    return false;
  }
  made->push_back({profilePath, "profile: model 1, 300 KB internal, 2 MB external"});
  for (const PhotoPlan& plan : Plans()) {
    const auto jpeg = EncodePhoto(plan);
    if (!jpeg) {
      *error = std::string("cannot encode ") + plan.name;
      return false;
    }
    if (!maker.Write(plan.area, plan.name, *jpeg, &plan.shot, PhotoNote(plan))) return false;
  }
  for (const MoviePlan& movie : kMovies)
    if (!maker.Write(movie.area, movie.name, MovieBytes(), &movie.shot, "movie (3GPP)"))
      return false;
  return true;
}

}  // namespace phonelib
