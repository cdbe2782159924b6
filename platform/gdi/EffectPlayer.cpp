#include "platform/gdi/EffectPlayer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "platform/gdi/TransitionEffects.h"

namespace gdi {
namespace {

constexpr const char* kPlayerName = "harbo-transition";

class EffectPlayer : public QObject {
 public:
  EffectPlayer(QWidget* widget, QImage before, QImage after, const QRect& rect, int effect)
      : QObject(widget),
        widget_(widget),
        before_(std::move(before)),
        after_(std::move(after)),
        frame_(rect.size(), QImage::Format_RGB32),
        rect_(rect),
        effect_(effect) {
    setObjectName(kPlayerName);
    clock_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Advance(); });
    Compose(1.0 / EffectFrameCount());
    timer_.start(kFrameMilliseconds);
  }

  const QRect& rect() const { return rect_; }
  const QImage& frame() const { return frame_; }

 private:
  void Compose(double t) {
    QPainter p(&frame_);
    ComposeEffectFrame(p, before_, after_, effect_, t);
  }

  // The frame for the time that has passed; the last one hands the window back its paint.
  void Advance() {
    const int duration = std::max(1, EffectDuration());
    const double t = std::min(1.0, static_cast<double>(clock_.elapsed()) / duration);
    if (t >= 1.0) {
      timer_.stop();
      setObjectName(QString());
      widget_->update(rect_);
      deleteLater();
      return;
    }
    Compose(t);
    widget_->update(rect_);
  }

  QWidget* widget_;
  QImage before_;
  QImage after_;
  QImage frame_;
  QRect rect_;
  int effect_;
  QElapsedTimer clock_;
  QTimer timer_;
};

EffectPlayer* PlayerOf(const QWidget* widget) {
  return widget->findChild<EffectPlayer*>(kPlayerName, Qt::FindDirectChildrenOnly);
}

}  // namespace

void StartEffect(QWidget* widget, QPainter* painter, const QImage& after, const QRect& rect,
                 int effect) {
  QImage before = GrabPainted(painter, rect);
  if (EffectPlayer* running = PlayerOf(widget)) {
    running->setObjectName(QString());
    running->deleteLater();
  }
  auto* player = new EffectPlayer(widget, std::move(before), after, rect, effect);
  painter->drawImage(rect.topLeft(), player->frame());
}

bool EffectCovers(const QWidget* widget, const QRegion& region) {
  const EffectPlayer* player = PlayerOf(widget);
  return player != nullptr && player->rect().contains(region.boundingRect());
}

void PaintEffectFrame(QWidget* widget) {
  const EffectPlayer* player = PlayerOf(widget);
  if (player == nullptr) return;
  QPainter p(widget);
  p.drawImage(player->rect().topLeft(), player->frame());
}

}  // namespace gdi
