// Pens, brushes and fonts as the album's platform hands them out: handles that the album
// holds, selects into a device context and deletes. A handle is the address of a platform
// object; a process-wide set of live objects lets a stale or foreign handle fail cleanly
// instead of being used. Also the system colours and the mapping of the album's font face
// names onto the fonts installed here.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

// Colour references are 0x00BBGGRR.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
  return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
  return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
  return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;

// Brush styles.
constexpr UINT BS_SOLID = 0;

// Font weights and character sets.
constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SHIFTJIS_CHARSET = 128;
constexpr size_t LF_FACESIZE = 32;

// Object types as GetObjectType reports them.
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_BRUSH = 2;
constexpr DWORD OBJ_FONT = 6;

// System colour indices.
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_3DFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;

struct LOGPEN {
  UINT lopnStyle = PS_SOLID;
  POINT lopnWidth;  // only x is used
  COLORREF lopnColor = 0;
};

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  uintptr_t lbHatch = 0;
};

// A logical font. A negative height is the character height in device units (the cell
// without its internal leading), a positive one the cell height, 0 a default size.
// Escapement and orientation are in tenths of a degree. The face name is code page 932.
struct LOGFONTA {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = DEFAULT_CHARSET;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};

namespace gdi {

// The platform objects behind the handles. Only the calls below make and delete them;
// their records are read through GetObjectA.
struct Object {
  explicit Object(DWORD t) : type(t) {}
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  const DWORD type;
};

struct Pen : Object {
  explicit Pen(const LOGPEN& r) : Object(OBJ_PEN), record(r) {}
  const LOGPEN record;
};

struct Brush : Object {
  explicit Brush(const LOGBRUSH& r) : Object(OBJ_BRUSH), record(r) {}
  const LOGBRUSH record;
};

struct Font : Object {
  explicit Font(const LOGFONTA& r) : Object(OBJ_FONT), record(r) {}
  const LOGFONTA record;
};

}  // namespace gdi

using HGDIOBJ = gdi::Object*;
using HPEN = gdi::Pen*;
using HBRUSH = gdi::Brush*;
using HFONT = gdi::Font*;

// Platform calls: the same arguments and results as the calls of the same name. A width of
// 0 or less draws one pixel wide; an unknown style gives no pen.
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirectA(const LOGFONTA* font);
// FALSE for a handle that is not a live object (never made, or already deleted).
BOOL DeleteObject(HGDIOBJ object);
// OBJ_PEN, OBJ_BRUSH or OBJ_FONT; 0 for a handle that is not a live object.
DWORD GetObjectType(HGDIOBJ object);
// Copies the object's logical record (LOGPEN, LOGBRUSH or LOGFONTA) into buffer; returns
// the bytes copied, or the record's size when buffer is null; 0 on a dead handle or a
// buffer smaller than the record.
int GetObjectA(HGDIOBJ object, int bufferSize, void* buffer);
// The colour of a system colour index; 0 for an index the system does not have.
DWORD GetSysColor(int index);

namespace gdi {

// Deletes an owned handle when its owner goes.
struct ObjectDeleter {
  void operator()(Object* object) const { DeleteObject(object); }
};
template <class T>
using Owned = std::unique_ptr<T, ObjectDeleter>;

// The family (UTF-8) that an album face name stands for on this system: the Japanese
// Gothic faces map to the IPA Gothic fonts, the Mincho faces to IPA Mincho, and the
// proportional faces to the proportional IPA fonts where those are installed. Any other
// name is passed on for the font system to match.
std::string ResolveFaceName(const Cp932String& face);

// The font families installed, by name, in the font system's order; families whose names
// have no code page 932 form are left out. Empty without a running application.
std::vector<Cp932String> FontFaceNames();

// What the font system made of a font: its family, its character height in pixels, and
// whether it is bold or italic. Without a running application the answer is the resolved
// face name and the requested size.
struct FontMatch {
  std::string family;
  int pixelSize = 0;
  bool bold = false;
  bool italic = false;
};
FontMatch MatchFont(HFONT font);

// The number of live pen, brush and font objects, for tests that look for leaks.
size_t LiveObjectCountForTest();

}  // namespace gdi
