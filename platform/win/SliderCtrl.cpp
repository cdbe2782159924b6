#include "platform/win/SliderCtrl.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "platform/win/WindowWidget.h"

// The widget of a slider: a window widget holding the toolkit's slider, whose moves reach
// the window object.
class SliderWidget : public WindowWidget {
 public:
  SliderWidget(CSliderCtrl* owner, QWidget* parent)
      : WindowWidget(owner, parent), slider(new QSlider(Qt::Horizontal, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(slider);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(1);
    QObject::connect(slider, &QSlider::valueChanged, this, [this, owner](int value) {
      if (this->owner() != nullptr) owner->Moved(value);
    });
  }
  QSlider* slider;
};

WindowWidget* CSliderCtrl::MakeWidget(WindowWidget* parent) {
  auto* w = new SliderWidget(this, parent);
  w->slider->setRange(lower_, upper_);
  w->slider->setValue(position_);
  return w;
}

void CSliderCtrl::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = std::max(lower, upper);
  position_ = std::clamp(position_, lower_, upper_);
  Show();
}

void CSliderCtrl::SetPos(int position) {
  position_ = std::clamp(position, lower_, upper_);
  Show();
}

void CSliderCtrl::Drag(int position) {
  auto* w = static_cast<SliderWidget*>(widget());
  if (w != nullptr)
    w->slider->setValue(std::clamp(position, lower_, upper_));
  else
    Moved(std::clamp(position, lower_, upper_));
}

void CSliderCtrl::Moved(int position) {
  if (position == position_) return;
  position_ = position;
  if (IsWindow(GetParent()))
    ::SendMessage(GetParent(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, static_cast<WORD>(position)),
                  reinterpret_cast<LPARAM>(static_cast<HWND>(this)));
}

// Moving the slider from the program tells nobody.
void CSliderCtrl::Show() {
  auto* w = static_cast<SliderWidget*>(widget());
  if (w == nullptr) return;
  const QSignalBlocker quiet(w->slider);
  w->slider->setRange(lower_, upper_);
  w->slider->setValue(position_);
}
