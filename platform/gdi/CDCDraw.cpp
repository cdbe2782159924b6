// The drawing calls of a device context: selected objects, outlines, lines, text and icons,
// each a thin step over the painter.
#include <QFontMetrics>

#include "platform/gdi/CDC.h"
#include "platform/gdi/CDCBridge.h"
#include "platform/gdi/GdiQt.h"
#include "platform/gdi/IconsQt.h"
#include "platform/win/QtText.h"

namespace {

// The pen a null or dead handle draws with: black, one pixel.
QPen PenOf(HPEN pen) {
  if (GetObjectType(pen) != OBJ_PEN) return QPen(Qt::black, 1);
  QPen result = gdi::ToQPen(pen);
  result.setJoinStyle(Qt::MiterJoin);
  result.setCapStyle(Qt::SquareCap);
  return result;
}

QBrush BrushOf(HBRUSH brush) {
  if (GetObjectType(brush) != OBJ_BRUSH) return QBrush(Qt::white);
  return gdi::ToQBrush(brush);
}

int AlignmentOf(UINT format) {
  int flags = (format & DT_RIGHT)    ? Qt::AlignRight
              : (format & DT_CENTER) ? Qt::AlignHCenter
                                     : Qt::AlignLeft;
  if (format & DT_VCENTER) return flags | Qt::AlignVCenter;
  return flags | ((format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop);
}

const QFontMetrics& MetricsOf(CDC::Impl& impl) {
  if (!impl.textMetrics) impl.textMetrics.emplace(impl.textFont);
  return *impl.textMetrics;
}

int TextFlagsOf(UINT format) {
  int flags = AlignmentOf(format);
  if (format & DT_SINGLELINE) flags |= Qt::TextSingleLine;
  if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) flags |= Qt::TextWordWrap;
  if (format & DT_NOCLIP) flags |= Qt::TextDontClip;
  if (!(format & DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
  return flags;
}

// The point before the end of a line, which the line leaves out.
QPointF OneShort(QPoint from, QPoint to) {
  const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
  const double part = double(steps - 1) / steps;
  return QPointF(from) + QPointF(to - from) * part;
}

}  // namespace

void CDC::FillRect(const RECT& rect, HBRUSH brush) {
  QPainter* p = gdi::PainterOf(*this);
  if (p == nullptr || GetObjectType(brush) != OBJ_BRUSH) return;
  p->fillRect(gdi::ToQRect(rect), gdi::ToQBrush(brush));
}

HPEN CDC::SelectObject(HPEN pen) {
  if (!impl_) return nullptr;
  return std::exchange(impl_->pen, pen);
}

HBRUSH CDC::SelectObject(HBRUSH brush) {
  if (!impl_) return nullptr;
  return std::exchange(impl_->brush, brush);
}

HFONT CDC::SelectObject(HFONT font) {
  if (!impl_) return nullptr;
  impl_->textFont = GetObjectType(font) == OBJ_FONT ? gdi::ToQFont(font) : QFont();
  impl_->textMetrics.reset();
  return std::exchange(impl_->font, font);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
  if (!impl_) return 0;
  return std::exchange(impl_->textColour, colour);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
  if (!impl_) return 0;
  return std::exchange(impl_->backgroundColour, colour);
}

int CDC::SetBkMode(int mode) {
  if (!impl_ || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(impl_->backgroundMode, mode);
}

void CDC::Rectangle(const RECT& rect) {
  QPainter* p = gdi::PainterOf(*this);
  const QRect r = gdi::ToQRect(rect);
  if (p == nullptr || r.width() <= 0 || r.height() <= 0) return;
  p->fillRect(r, BrushOf(impl_->brush));
  const QPen pen = PenOf(impl_->pen);
  if (pen.style() == Qt::NoPen) return;
  p->setPen(pen);
  p->setBrush(Qt::NoBrush);
  // A one-pixel outline drawn over width - 1 covers the rectangle's outer pixels exactly.
  p->drawRect(r.adjusted(0, 0, -1, -1));
}

POINT CDC::MoveTo(int x, int y) {
  if (!impl_) return {};
  const QPoint previous = std::exchange(impl_->position, QPoint(x, y));
  return POINT{previous.x(), previous.y()};
}

void CDC::LineTo(int x, int y) {
  QPainter* p = gdi::PainterOf(*this);
  if (p == nullptr) return;
  const QPoint from = impl_->position, to(x, y);
  impl_->position = to;
  if (from == to) return;
  p->setPen(PenOf(impl_->pen));
  p->drawLine(QPointF(from), OneShort(from, to));
}

int CDC::DrawText(const Cp932String& text, const RECT& rect, UINT format) {
  QPainter* p = gdi::PainterOf(*this);
  if (p == nullptr || text.empty()) return 0;
  QString shown = QtText::FromCp932(text);
  const QRect r = gdi::ToQRect(rect);
  if ((format & DT_END_ELLIPSIS) && (format & DT_SINGLELINE))
    shown = MetricsOf(*impl_).elidedText(shown, Qt::ElideRight, r.width());
  p->setFont(impl_->textFont);
  p->setPen(gdi::ToQColor(impl_->textColour));
  p->setBackgroundMode(impl_->backgroundMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
  p->setBackground(gdi::ToQColor(impl_->backgroundColour));
  QRect drawn;
  p->drawText(r, TextFlagsOf(format), shown, &drawn);
  p->setBackgroundMode(Qt::TransparentMode);
  return drawn.height();
}

SIZE CDC::GetTextExtent(std::string_view text) const {
  if (!impl_) return {};
  const QFontMetrics& metrics = MetricsOf(*impl_);
  const QString shown = QtText::FromCp932(Cp932String(text));
  return SIZE{metrics.horizontalAdvance(shown), metrics.height()};
}

bool CDC::DrawIcon(int x, int y, HICON icon) {
  QPainter* p = gdi::PainterOf(*this);
  const QImage* image = gdi::ImageOfIcon(icon);
  if (p == nullptr || image == nullptr) return false;
  p->drawImage(QPoint(x, y), *image);
  return true;
}

void CDC::SelectClipRect(const RECT* rect) {
  QPainter* p = gdi::PainterOf(*this);
  if (p == nullptr) return;
  if (rect == nullptr) {
    p->setClipping(false);
    return;
  }
  p->setClipRect(gdi::ToQRect(*rect));
}
