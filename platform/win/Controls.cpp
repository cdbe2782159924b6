#include "platform/win/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

// A window widget that holds one toolkit control filling it.
template <class Control>
class ControlWidget : public WindowWidget {
 public:
  ControlWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), control(new Control(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
  }
  Control* control;
};

using LabelWidget = ControlWidget<QLabel>;
using ButtonWidget = ControlWidget<QPushButton>;

}  // namespace

WindowWidget* CStatic::MakeWidget(WindowWidget* parent) {
  auto* w = new LabelWidget(this, parent);
  w->control->setWordWrap(true);
  w->control->setText(QtText::FromCp932(GetWindowText()));
  return w;
}

void CStatic::SetText(const Cp932String& text) {
  SetWindowText(text);
  if (auto* w = static_cast<LabelWidget*>(widget())) w->control->setText(QtText::FromCp932(text));
}

WindowWidget* CButton::MakeWidget(WindowWidget* parent) {
  auto* w = new ButtonWidget(this, parent);
  QObject::connect(w->control, &QPushButton::clicked, [this, w] {
    // A checkable button keeps the state its owner gave until the owner changes it.
    if (w->control->isCheckable()) w->control->setChecked(checked_ != 0);
    Click();
  });
  return w;
}

void CButton::SetText(const Cp932String& text) {
  SetWindowText(text);
  if (auto* w = static_cast<ButtonWidget*>(widget())) w->control->setText(QtText::FromCp932(text));
}

// The toolkit's button turns checkable with its first state, and a click does not flip it:
// the parent decides, as with a push-like check box whose owner keeps the states in step.
void CButton::SetCheck(int checked) {
  checked_ = checked != 0 ? 1 : 0;
  auto* w = static_cast<ButtonWidget*>(widget());
  if (w == nullptr) return;
  w->control->setCheckable(true);
  w->control->setChecked(checked_ != 0);
}

void CButton::Click() {
  if (!IsWindow(this) || !IsWindowEnabled()) return;
  ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                reinterpret_cast<LPARAM>(this));
}
