// The transition player of a window, for the platform layer: a transition painted on a
// window shows its first frame in that paint and its later frames from a timer at the
// display's pace, each composed in a memory bitmap and copied in by an ordinary paint of
// the window. While it runs, a paint that lies wholly in its rectangle copies the frame
// alone; any other paint of the window is drawn by the window and the frame laid over it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace gdi {

// Starts (or restarts from what shows now) the transition of the picture into the
// rectangle of the widget being painted, drawing the first frame with the painter.
void StartEffect(QWidget* widget, QPainter* painter, const QImage& after, const QRect& rect,
                 int effect);
// Whether a running transition covers the whole region of the widget's paint.
bool EffectCovers(const QWidget* widget, const QRegion& region);
// Copies the running transition's frame into the widget (inside its paint); nothing when
// none runs.
void PaintEffectFrame(QWidget* widget);
// One frame at progress t (0..1) from before to after, both of the frame's size.
void ComposeEffectFrame(QPainter& p, const QImage& before, const QImage& after, int effect,
                        double t);
// What the painter's surface shows in the rectangle, black where it cannot be read.
QImage GrabPainted(QPainter* p, const QRect& r);

}  // namespace gdi
