#include "platform/gdi/GdiQt.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

// The character height of a font whose logical height is 0: the platform's default.
constexpr int kDefaultPixelSize = 12;

template <class Record>
std::optional<Record> RecordOf(HGDIOBJ object, DWORD type) {
  Record record;
  if (GetObjectType(object) != type) return std::nullopt;
  if (GetObjectA(object, sizeof(Record), &record) != static_cast<int>(sizeof(Record)))
    return std::nullopt;
  return record;
}

Qt::PenStyle PenStyleOf(UINT style) {
  switch (style) {
    case PS_DASH:
      return Qt::DashLine;
    case PS_DOT:
      return Qt::DotLine;
    case PS_DASHDOT:
      return Qt::DashDotLine;
    case PS_DASHDOTDOT:
      return Qt::DashDotDotLine;
    case PS_NULL:
      return Qt::NoPen;
    default:
      return Qt::SolidLine;
  }
}

bool HasGuiApplication() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// A positive logical height is the whole cell; the toolkit sizes fonts by their character
// height, so the pixel size is scaled by how tall a line of the font comes out.
int PixelSizeForCell(QFont font, int cellHeight) {
  if (!HasGuiApplication()) return cellHeight;
  font.setPixelSize(cellHeight);
  const int line = QFontMetrics(font).height();
  if (line <= 0) return cellHeight;
  return std::max(1, static_cast<int>(std::lround(double(cellHeight) * cellHeight / line)));
}

int PixelSizeOf(const QFont& font, LONG height) {
  if (height < 0) return static_cast<int>(std::min<LONG>(-static_cast<int64_t>(height), 4096));
  if (height == 0) return kDefaultPixelSize;
  return PixelSizeForCell(font, static_cast<int>(std::min<LONG>(height, 4096)));
}

int WeightOf(LONG weight) {
  if (weight <= FW_DONTCARE) return QFont::Normal;
  return static_cast<int>(std::clamp<LONG>(weight, 1, 1000));
}

}  // namespace

namespace gdi {

QColor ToQColor(COLORREF color) {
  return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

QPen ToQPen(HPEN pen) {
  const auto record = RecordOf<LOGPEN>(pen, OBJ_PEN);
  if (!record) return QPen();
  QPen result(ToQColor(record->lopnColor));
  result.setStyle(PenStyleOf(record->lopnStyle));
  result.setWidth(std::max<LONG>(1, record->lopnWidth.x));
  return result;
}

QBrush ToQBrush(HBRUSH brush) {
  const auto record = RecordOf<LOGBRUSH>(brush, OBJ_BRUSH);
  if (!record) return QBrush();
  return QBrush(ToQColor(record->lbColor));
}

QFont ToQFont(HFONT font) {
  const auto record = RecordOf<LOGFONTA>(font, OBJ_FONT);
  if (!record) return QFont();
  const Cp932String face(record->lfFaceName, strnlen(record->lfFaceName, LF_FACESIZE));
  QFont result(QString::fromStdString(ResolveFaceName(face)));
  result.setPixelSize(PixelSizeOf(result, record->lfHeight));
  result.setWeight(static_cast<QFont::Weight>(WeightOf(record->lfWeight)));
  result.setItalic(record->lfItalic != 0);
  result.setUnderline(record->lfUnderline != 0);
  result.setStrikeOut(record->lfStrikeOut != 0);
  return result;
}

}  // namespace gdi
