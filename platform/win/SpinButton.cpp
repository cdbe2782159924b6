#include "platform/win/SpinButton.h"

#include <QElapsedTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "platform/win/Edit.h"
#include "platform/win/WindowWidget.h"

namespace {

constexpr int kFirstRepeat = 400;
constexpr int kRepeat = 100;

class SpinWidget : public WindowWidget {
 public:
  SpinWidget(CSpinButtonCtrl* owner, QWidget* parent) : WindowWidget(owner, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    AddButton(owner, Qt::UpArrow, +1, &upClock_);
    AddButton(owner, Qt::DownArrow, -1, &downClock_);
  }

 private:
  void AddButton(CSpinButtonCtrl* owner, Qt::ArrowType arrow, int direction, QElapsedTimer* clock) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kFirstRepeat);
    button->setAutoRepeatInterval(kRepeat);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QObject::connect(button, &QToolButton::pressed, [clock] { clock->start(); });
    QObject::connect(button, &QToolButton::clicked, [owner, direction, clock] {
      owner->StepAsUser(direction, clock->isValid() ? static_cast<int>(clock->elapsed()) : 0);
    });
    layout()->addWidget(button);
  }

  QElapsedTimer upClock_;
  QElapsedTimer downClock_;
};

}  // namespace

WindowWidget* CSpinButtonCtrl::MakeWidget(WindowWidget* parent) {
  return new SpinWidget(this, parent);
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
  lower_ = std::min(lower, upper);
  upper_ = std::max(lower, upper);
  pos_ = std::clamp(pos_, lower_, upper_);
}

int CSpinButtonCtrl::GetPos() const {
  if (buddy_ == nullptr) return pos_;
  const std::string text = buddy_->GetText();
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return pos_;
  return std::clamp(std::stoi(text), lower_, upper_);
}

void CSpinButtonCtrl::SetPos(int pos) {
  pos_ = std::clamp(pos, lower_, upper_);
  if (buddy_ != nullptr) buddy_->SetText(std::to_string(pos_));
}

int CSpinButtonCtrl::Increment(int heldMilliseconds) const {
  int increment = 1;
  for (const UDACCEL& a : accel_)
    if (heldMilliseconds >= static_cast<int>(a.seconds) * 1000)
      increment = static_cast<int>(a.increment);
  return increment;
}

void CSpinButtonCtrl::StepAsUser(int direction, int heldMilliseconds) {
  SetPos(GetPos() + (direction < 0 ? -1 : 1) * Increment(heldMilliseconds));
}
