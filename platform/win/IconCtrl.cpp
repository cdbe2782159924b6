#include "platform/win/IconCtrl.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

#include "platform/win/WindowWidget.h"

namespace {

constexpr int kIconSize = 32;

// The widget of an icon control: a window widget holding a label with the picture.
class IconWidget : public WindowWidget {
 public:
  IconWidget(CWnd* owner, QWidget* parent) : WindowWidget(owner, parent), label(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
  }
  QLabel* label;
};

std::optional<QStyle::StandardPixmap> PixmapOf(UINT icon) {
  switch (icon) {
    case IDI_HAND:
      return QStyle::SP_MessageBoxCritical;
    case IDI_QUESTION:
      return QStyle::SP_MessageBoxQuestion;
    case IDI_EXCLAMATION:
      return QStyle::SP_MessageBoxWarning;
    case IDI_ASTERISK:
      return QStyle::SP_MessageBoxInformation;
    default:
      return std::nullopt;
  }
}

void ShowOn(QLabel* label, UINT icon) {
  const auto pixmap = PixmapOf(icon);
  if (!pixmap) {
    label->clear();
    return;
  }
  label->setPixmap(QApplication::style()->standardIcon(*pixmap).pixmap(kIconSize, kIconSize));
}

}  // namespace

WindowWidget* CIconCtrl::MakeWidget(WindowWidget* parent) {
  auto* w = new IconWidget(this, parent);
  ShowOn(w->label, icon_);
  return w;
}

bool CIconCtrl::SetStandardIcon(UINT icon) {
  icon_ = PixmapOf(icon) ? icon : 0;
  if (auto* w = static_cast<IconWidget*>(widget())) ShowOn(w->label, icon_);
  return icon_ != 0;
}
