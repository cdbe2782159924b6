// The album names the fonts of its original platform. Here the Japanese faces resolve to
// the IPA fonts (fonts-ipafont-gothic, fonts-ipafont-mincho), asked of the font system so
// that a proportional face falls back to the fixed one when only that is installed.
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <array>
#include <cstring>
#include <map>
#include <string_view>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiQt.h"

namespace {

constexpr std::string_view kGothic = "IPAGothic";
constexpr std::string_view kPGothic = "IPAPGothic";
constexpr std::string_view kMincho = "IPAMincho";
constexpr std::string_view kPMincho = "IPAPMincho";

// A face name (UTF-8, compared without regard to ASCII case) and the families tried for
// it, best first.
struct FaceMapping {
  std::string_view face;
  std::string_view first;
  std::string_view second;
};

constexpr std::array<FaceMapping, 14> kFaces = {{
    {"MS UI Gothic", kPGothic, kGothic},
    {"MS PGothic", kPGothic, kGothic},
    {"ＭＳ Ｐゴシック", kPGothic, kGothic},
    {"MS Gothic", kGothic, kPGothic},
    {"ＭＳ ゴシック", kGothic, kPGothic},
    {"Meiryo", kPGothic, kGothic},
    {"Meiryo UI", kPGothic, kGothic},
    {"メイリオ", kPGothic, kGothic},
    {"MS PMincho", kPMincho, kMincho},
    {"ＭＳ Ｐ明朝", kPMincho, kMincho},
    {"MS Mincho", kMincho, kPMincho},
    {"ＭＳ 明朝", kMincho, kPMincho},
    {"IPAGothic", kGothic, kPGothic},
    {"IPAMincho", kMincho, kPMincho},
}};

bool HasGuiApplication() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

bool SameFace(std::string_view a, std::string_view b) {
  return a.size() == b.size() && cp932::AsciiUpper(a) == cp932::AsciiUpper(b);
}

const FaceMapping* MappingOf(std::string_view utf8Face) {
  for (const FaceMapping& m : kFaces)
    if (SameFace(m.face, utf8Face)) return &m;
  return nullptr;
}

// The font database is asked once per family: asking goes to the font system, and a draw
// selects its fonts for every item it paints.
bool IsInstalled(std::string_view family) {
  static std::map<std::string, bool, std::less<>> known;
  const auto found = known.find(family);
  if (found != known.end()) return found->second;
  const bool installed = QFontDatabase::hasFamily(
      QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
  known.emplace(std::string(family), installed);
  return installed;
}

// The first family of the mapping that is installed; without an application to ask, the
// first one.
std::string_view InstalledFamily(const FaceMapping& m) {
  if (!HasGuiApplication() || IsInstalled(m.first) || !IsInstalled(m.second)) return m.first;
  return m.second;
}

// The font as asked for, when there is no font system to ask.
gdi::FontMatch RequestedMatch(const LOGFONTA& record) {
  const Cp932String face(record.lfFaceName, strnlen(record.lfFaceName, LF_FACESIZE));
  const LONG height = record.lfHeight;
  const int pixels = height < 0    ? static_cast<int>(-static_cast<int64_t>(height))
                     : height == 0 ? 12
                                   : height;
  return {gdi::ResolveFaceName(face), pixels, record.lfWeight >= 600, record.lfItalic != 0};
}

}  // namespace

namespace gdi {

std::string ResolveFaceName(const Cp932String& face) {
  const std::string utf8 = cp932::ToUtf8Lossy(face);
  const FaceMapping* mapping = MappingOf(utf8);
  if (mapping == nullptr) return utf8;
  return std::string(InstalledFamily(*mapping));
}

std::vector<Cp932String> FontFaceNames() {
  std::vector<Cp932String> names;
  if (!HasGuiApplication()) return names;
  for (const QString& family : QFontDatabase::families())
    if (std::optional<Cp932String> name = cp932::FromUtf8(family.toStdString()))
      names.push_back(*name);
  return names;
}

FontMatch MatchFont(HFONT font) {
  LOGFONTA record;
  if (GetObjectType(font) != OBJ_FONT || GetObjectA(font, sizeof record, &record) == 0) return {};
  if (!HasGuiApplication()) return RequestedMatch(record);
  const QFontInfo info(ToQFont(font));
  return {info.family().toStdString(), info.pixelSize(), info.bold(), info.italic()};
}

}  // namespace gdi
