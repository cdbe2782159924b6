// The bridge from the platform's pens, brushes and fonts to the toolkit's, for the device
// context and the host. The album itself never includes this header.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

#include "platform/gdi/GdiObjects.h"

namespace gdi {

QColor ToQColor(COLORREF color);
// A dead handle gives the toolkit's default object.
QPen ToQPen(HPEN pen);
QBrush ToQBrush(HBRUSH brush);
// The family is the resolved face name; the size follows the logical height (a positive
// cell height is scaled so that the font's line height matches it). Escapement is left to
// the device context, which turns its painter.
QFont ToQFont(HFONT font);

}  // namespace gdi
