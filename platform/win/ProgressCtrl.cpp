#include "platform/win/ProgressCtrl.h"

#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/win/WindowWidget.h"

namespace {

// The widget of a progress bar: a window widget holding the toolkit's bar.
class ProgressWidget : public WindowWidget {
 public:
  ProgressWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), bar(new QProgressBar(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    bar->setTextVisible(false);
  }
  QProgressBar* bar;
};

}  // namespace

WindowWidget* CProgressCtrl::MakeWidget(WindowWidget* parent) {
  auto* w = new ProgressWidget(this, parent);
  w->bar->setRange(lower_, upper_);
  w->bar->setValue(position_);
  return w;
}

void CProgressCtrl::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = std::max(lower, upper);
  position_ = std::clamp(position_, lower_, upper_);
  Show();
}

int CProgressCtrl::SetPos(int position) {
  const int previous = position_;
  position_ = std::clamp(position, lower_, upper_);
  Show();
  return previous;
}

void CProgressCtrl::Show() {
  auto* w = static_cast<ProgressWidget*>(widget());
  if (w == nullptr) return;
  w->bar->setRange(lower_, upper_);
  w->bar->setValue(position_);
  w->bar->repaint();
}
