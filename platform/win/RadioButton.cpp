#include "platform/win/RadioButton.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

class RadioWidget : public WindowWidget {
 public:
  RadioWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), control(new QRadioButton(this)) {
    // Each button sits in a widget of its own, so the toolkit's exclusivity among siblings
    // would never apply; the group is kept by the window objects instead.
    control->setAutoExclusive(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
  }
  QRadioButton* control;
};

RadioWidget* RadioOf(WindowWidget* widget) {
  return static_cast<RadioWidget*>(widget);
}

}  // namespace

WindowWidget* CRadioButton::MakeWidget(WindowWidget* parent) {
  auto* w = new RadioWidget(this, parent);
  w->control->setText(QtText::FromCp932(GetWindowText()));
  // The toolkit flips the state on each click; a radio button only ever becomes chosen.
  QObject::connect(w->control, &QRadioButton::clicked, [this](bool) { Click(); });
  return w;
}

void CRadioButton::SetText(const Cp932String& text) {
  SetWindowText(text);
  if (widget() != nullptr) RadioOf(widget())->control->setText(QtText::FromCp932(text));
}

void CRadioButton::SetCheck(int check) {
  check_ = check != 0 ? BST_CHECKED : BST_UNCHECKED;
  if (widget() != nullptr) RadioOf(widget())->control->setChecked(check_ == BST_CHECKED);
}

void CRadioButton::Click() {
  if (!IsWindow(this) || !IsWindowEnabled()) return;
  SetCheck(BST_CHECKED);
  ClearOthersInGroup();
  Notify();
}

void CRadioButton::ClearOthersInGroup() {
  QWidget* parent = widget() != nullptr ? widget()->parentWidget() : nullptr;
  if (parent == nullptr) return;
  for (QObject* object : parent->children()) {
    auto* sibling = dynamic_cast<WindowWidget*>(object);
    auto* radio = sibling != nullptr ? dynamic_cast<CRadioButton*>(sibling->owner()) : nullptr;
    if (radio != nullptr && radio != this && radio->group() == group_)
      radio->SetCheck(BST_UNCHECKED);
  }
}

void CRadioButton::Notify() {
  ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                reinterpret_cast<LPARAM>(this));
}
