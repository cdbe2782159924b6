#include "platform/gdi/GdiObjects.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace {

// Every live object, so that a stale handle is refused rather than followed.
struct LiveObjects {
  std::mutex mutex;
  std::unordered_set<gdi::Object*> objects;
};

// Never destroyed: at exit, the statics of libraries loaded later (the album's drawing
// resources) delete their objects after this library's statics would have gone.
LiveObjects& Live() {
  static auto* live = new LiveObjects;
  return *live;
}

template <class T>
T* Register(T* object) {
  std::lock_guard lock(Live().mutex);
  Live().objects.insert(object);
  return object;
}

// Runs the reader on the object while it is known to be alive; fallback otherwise.
template <class Result, class Reader>
Result WithLiveObject(HGDIOBJ handle, Result fallback, Reader reader) {
  std::lock_guard lock(Live().mutex);
  if (handle == nullptr || Live().objects.count(handle) == 0) return fallback;
  return reader(*handle);
}

int CopyRecord(const void* record, int recordSize, int bufferSize, void* buffer) {
  if (buffer == nullptr) return recordSize;
  if (bufferSize < recordSize) return 0;
  std::memcpy(buffer, record, static_cast<size_t>(recordSize));
  return recordSize;
}

int CopyObjectRecord(const gdi::Object& object, int bufferSize, void* buffer) {
  switch (object.type) {
    case OBJ_PEN:
      return CopyRecord(&static_cast<const gdi::Pen&>(object).record, sizeof(LOGPEN), bufferSize,
                        buffer);
    case OBJ_BRUSH:
      return CopyRecord(&static_cast<const gdi::Brush&>(object).record, sizeof(LOGBRUSH),
                        bufferSize, buffer);
    case OBJ_FONT:
      return CopyRecord(&static_cast<const gdi::Font&>(object).record, sizeof(LOGFONTA), bufferSize,
                        buffer);
    default:
      return 0;
  }
}

// The palette role that stands in for each system colour index, and the colour used when
// no application (and so no palette) is running: the platform's standard scheme.
struct SysColor {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
  COLORREF fallback;
};

constexpr QPalette::ColorGroup kActive = QPalette::Active;
constexpr QPalette::ColorGroup kInactive = QPalette::Inactive;
constexpr QPalette::ColorGroup kDisabled = QPalette::Disabled;

constexpr std::array<SysColor, 31> kSysColors = {{
    {kActive, QPalette::Button, RGB(200, 200, 200)},           // scroll bar
    {kActive, QPalette::Dark, RGB(0, 0, 0)},                   // desktop
    {kActive, QPalette::Highlight, RGB(153, 180, 209)},        // active caption
    {kInactive, QPalette::Mid, RGB(191, 205, 219)},            // inactive caption
    {kActive, QPalette::Window, RGB(240, 240, 240)},           // menu
    {kActive, QPalette::Base, RGB(255, 255, 255)},             // window
    {kActive, QPalette::Shadow, RGB(100, 100, 100)},           // window frame
    {kActive, QPalette::WindowText, RGB(0, 0, 0)},             // menu text
    {kActive, QPalette::Text, RGB(0, 0, 0)},                   // window text
    {kActive, QPalette::HighlightedText, RGB(0, 0, 0)},        // caption text
    {kActive, QPalette::Button, RGB(180, 180, 180)},           // active border
    {kInactive, QPalette::Button, RGB(244, 247, 252)},         // inactive border
    {kActive, QPalette::Dark, RGB(171, 171, 171)},             // application workspace
    {kActive, QPalette::Highlight, RGB(51, 153, 255)},         // highlight
    {kActive, QPalette::HighlightedText, RGB(255, 255, 255)},  // highlight text
    {kActive, QPalette::Button, RGB(240, 240, 240)},           // button face
    {kActive, QPalette::Dark, RGB(160, 160, 160)},             // button shadow
    {kDisabled, QPalette::Text, RGB(109, 109, 109)},           // grey text
    {kActive, QPalette::ButtonText, RGB(0, 0, 0)},             // button text
    {kInactive, QPalette::WindowText, RGB(67, 78, 84)},        // inactive caption text
    {kActive, QPalette::Light, RGB(255, 255, 255)},            // button highlight
    {kActive, QPalette::Shadow, RGB(105, 105, 105)},           // 3-D dark shadow
    {kActive, QPalette::Midlight, RGB(227, 227, 227)},         // 3-D light
    {kActive, QPalette::ToolTipText, RGB(0, 0, 0)},            // tip text
    {kActive, QPalette::ToolTipBase, RGB(255, 255, 225)},      // tip background
    {kActive, QPalette::NoRole, RGB(0, 0, 0)},                 // unused index
    {kActive, QPalette::Link, RGB(0, 102, 204)},               // hot-tracked item
    {kActive, QPalette::Highlight, RGB(185, 209, 234)},        // active caption gradient
    {kInactive, QPalette::Mid, RGB(215, 228, 242)},            // inactive caption gradient
    {kActive, QPalette::Highlight, RGB(51, 153, 255)},         // menu highlight
    {kActive, QPalette::Window, RGB(240, 240, 240)},           // menu bar
}};

COLORREF FromQColor(const QColor& c) {
  return RGB(static_cast<BYTE>(c.red()), static_cast<BYTE>(c.green()), static_cast<BYTE>(c.blue()));
}

bool HasGuiApplication() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style < PS_SOLID || style > PS_NULL) return nullptr;
  LOGPEN record;
  record.lopnStyle = static_cast<UINT>(style);
  record.lopnWidth.x = width > 0 ? width : 1;
  record.lopnColor = color & 0x00FFFFFF;
  return Register(new gdi::Pen(record));
}

HBRUSH CreateSolidBrush(COLORREF color) {
  LOGBRUSH record;
  record.lbColor = color & 0x00FFFFFF;
  return Register(new gdi::Brush(record));
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (font == nullptr) return nullptr;
  LOGFONTA record = *font;
  // A face name that fills the field has no terminator of its own.
  record.lfFaceName[LF_FACESIZE - 1] = '\0';
  return Register(new gdi::Font(record));
}

BOOL DeleteObject(HGDIOBJ object) {
  {
    std::lock_guard lock(Live().mutex);
    if (object == nullptr || Live().objects.erase(object) == 0) return 0;
  }
  delete object;
  return 1;
}

DWORD GetObjectType(HGDIOBJ object) {
  return WithLiveObject<DWORD>(object, 0, [](const gdi::Object& o) { return o.type; });
}

int GetObjectA(HGDIOBJ object, int bufferSize, void* buffer) {
  return WithLiveObject(
      object, 0, [&](const gdi::Object& o) { return CopyObjectRecord(o, bufferSize, buffer); });
}

DWORD GetSysColor(int index) {
  if (index < 0 || index >= static_cast<int>(kSysColors.size())) return 0;
  const SysColor& entry = kSysColors[static_cast<size_t>(index)];
  if (entry.role == QPalette::NoRole || !HasGuiApplication()) return entry.fallback;
  return FromQColor(QGuiApplication::palette().color(entry.group, entry.role));
}

namespace gdi {

size_t LiveObjectCountForTest() {
  std::lock_guard lock(Live().mutex);
  return Live().objects.size();
}

}  // namespace gdi
