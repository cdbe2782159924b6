#include "platform/win/CheckBox.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

class CheckBoxWidget : public WindowWidget {
 public:
  CheckBoxWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), control(new QCheckBox(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
  }
  QCheckBox* control;
};

CheckBoxWidget* BoxOf(WindowWidget* widget) {
  return static_cast<CheckBoxWidget*>(widget);
}

}  // namespace

WindowWidget* CCheckBox::MakeWidget(WindowWidget* parent) {
  auto* w = new CheckBoxWidget(this, parent);
  w->control->setText(QtText::FromCp932(GetWindowText()));
  QObject::connect(w->control, &QCheckBox::clicked, [this](bool on) {
    check_ = on ? BST_CHECKED : BST_UNCHECKED;
    Notify();
  });
  return w;
}

void CCheckBox::SetText(const Cp932String& text) {
  SetWindowText(text);
  if (widget() != nullptr) BoxOf(widget())->control->setText(QtText::FromCp932(text));
}

int CCheckBox::GetCheck() const {
  return check_;
}

void CCheckBox::SetCheck(int check) {
  check_ = check != 0 ? BST_CHECKED : BST_UNCHECKED;
  if (widget() != nullptr) BoxOf(widget())->control->setChecked(check_ == BST_CHECKED);
}

void CCheckBox::Click() {
  if (!IsWindow(this) || !IsWindowEnabled()) return;
  SetCheck(check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  Notify();
}

void CCheckBox::Notify() {
  ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                reinterpret_cast<LPARAM>(this));
}
