#include "platform/win/GroupBox.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

class GroupWidget : public WindowWidget {
 public:
  GroupWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), control(new QGroupBox(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    // The mouse goes through to the controls the frame surrounds.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    control->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  QGroupBox* control;
};

}  // namespace

WindowWidget* CGroupBox::MakeWidget(WindowWidget* parent) {
  auto* w = new GroupWidget(this, parent);
  w->control->setTitle(QtText::FromCp932(GetWindowText()));
  return w;
}

void CGroupBox::SetText(const Cp932String& text) {
  SetWindowText(text);
  if (auto* w = static_cast<GroupWidget*>(widget())) w->control->setTitle(QtText::FromCp932(text));
}
