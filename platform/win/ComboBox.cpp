#include "platform/win/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "platform/gdi/GdiQt.h"
#include "platform/win/EditRules.h"
#include "platform/win/QtText.h"
#include "platform/win/SkinQt.h"
#include "platform/win/WindowWidget.h"

namespace {

constexpr int kArrowWidth = 16;
constexpr int kTextInset = 4;

// The closed box, drawn with the skin: its background and border, the chosen item's text
// (highlighted while the box has the focus) and the arrow.
class SkinnedBox : public QComboBox {
 public:
  SkinnedBox(QWidget* parent, const win::ControlSkin* skin) : QComboBox(parent), skin_(skin) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (isEditable()) {
      QComboBox::paintEvent(event);
      return;
    }
    QPainter p(this);
    const QRect box = rect();
    p.fillRect(box, gdi::ToQColor(skin_->background));
    p.setPen(gdi::ToQColor(skin_->border));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    const int arrowLeft = box.right() - kArrowWidth;
    p.drawLine(arrowLeft, box.top() + 1, arrowLeft, box.bottom() - 1);
    PaintText(p, QRect(box.left() + 2, box.top() + 2, arrowLeft - 3, box.height() - 4));
    PaintArrow(p, QRect(arrowLeft + 1, box.top(), kArrowWidth - 1, box.height()));
  }

 private:
  QColor TextColour() const {
    return gdi::ToQColor(isEnabled() ? skin_->text : skin_->disabledText);
  }

  void PaintText(QPainter& p, const QRect& area) {
    QColor colour = TextColour();
    if (hasFocus() && isEnabled()) {
      p.fillRect(area, gdi::ToQColor(skin_->selectedBackground));
      colour = gdi::ToQColor(skin_->selectedText);
    }
    p.setFont(win::SkinFont(*skin_));
    p.setPen(colour);
    const QRect text = area.adjusted(kTextInset - 2, 0, -2, 0);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(currentText(), Qt::ElideRight, text.width()));
  }

  void PaintArrow(QPainter& p, const QRect& area) {
    const QPoint c = area.center();
    const QPolygon triangle(
        {QPoint(c.x() - 4, c.y() - 2), QPoint(c.x() + 4, c.y() - 2), QPoint(c.x(), c.y() + 2)});
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(TextColour());
    p.drawPolygon(triangle);
  }

  const win::ControlSkin* skin_;
};

class DropListWidget : public WindowWidget {
 public:
  DropListWidget(CWnd* owner, QWidget* parent, const win::ControlSkin* skin)
      : WindowWidget(owner, parent), box(new SkinnedBox(this, skin)) {
    setFocusProxy(box);
  }
  SkinnedBox* box;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    box->setGeometry(rect());
    WindowWidget::resizeEvent(event);
  }
};

DropListWidget* BoxOf(const CWnd* window) {
  return static_cast<DropListWidget*>(window->widget());
}

}  // namespace

WindowWidget* CComboBox::MakeWidget(WindowWidget* parent) {
  auto* w = new DropListWidget(this, parent, &skin_);
  w->box->setStyleSheet(win::DropListStyleSheet(skin_));
  QObject::connect(w->box, &QComboBox::currentIndexChanged, [this] {
    if (IsWindow(this) && !settingSelection_) NotifySelChange();
  });
  if ((style() & CBS_DROPDOWN) != 0) {
    QComboBox* box = w->box;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, [this, box] {
      win::KeepLineWithinRules(box->lineEdit(), editText_, editLimit_, false);
    });
    QObject::connect(box, &QComboBox::activated, [this](int index) { EditPicked(index); });
  }
  return w;
}

void CComboBox::EditPicked(int index) {
  QComboBox* box = BoxOf(this)->box;
  editText_ = GetLBText(index);
  box->lineEdit()->setText(QtText::FromCp932(editText_));
}

void CComboBox::SetEditText(const Cp932String& text) {
  editText_ = text;
  if (widget() != nullptr && BoxOf(this)->box->isEditable())
    BoxOf(this)->box->lineEdit()->setText(QtText::FromCp932(text));
}

void CComboBox::SetEditSel(int start, int end) {
  if (widget() == nullptr || !BoxOf(this)->box->isEditable()) return;
  QLineEdit* line = BoxOf(this)->box->lineEdit();
  const int length = static_cast<int>(line->text().size());
  const int from = std::clamp(start, 0, length);
  const int to = end < 0 ? length : std::clamp(end, from, length);
  line->setSelection(from, to - from);
}

bool CComboBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  RECT closed = rect;
  closed.bottom = closed.top + std::min<LONG>(rect.bottom - rect.top, kClosedHeight);
  return CWnd::Create({}, style | WS_CHILD, closed, parent, id);
}

// The toolkit chooses the first item added to an empty box; the list here starts with none.
int CComboBox::AddString(const Cp932String& text) {
  if (widget() == nullptr) return CB_ERR;
  QComboBox* box = BoxOf(this)->box;
  const ProgramChoice quiet(this);
  const int chosen = box->currentIndex();
  box->addItem(QtText::FromCp932(text), QVariant::fromValue<qulonglong>(0));
  box->setCurrentIndex(chosen);
  return box->count() - 1;
}

void CComboBox::ResetContent() {
  if (widget() == nullptr) return;
  const ProgramChoice quiet(this);
  BoxOf(this)->box->clear();
}

int CComboBox::GetCount() const {
  return widget() != nullptr ? BoxOf(this)->box->count() : 0;
}

int CComboBox::GetCurSel() const {
  return widget() != nullptr ? BoxOf(this)->box->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  if (widget() == nullptr) return CB_ERR;
  QComboBox* box = BoxOf(this)->box;
  const bool valid = index >= 0 && index < box->count();
  const ProgramChoice quiet(this);
  box->setCurrentIndex(valid ? index : -1);
  return valid ? index : CB_ERR;
}

Cp932String CComboBox::GetLBText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return QtText::ToCp932Lossy(BoxOf(this)->box->itemText(index));
}

uintptr_t CComboBox::GetItemData(int index) const {
  if (index < 0 || index >= GetCount()) return static_cast<uintptr_t>(CB_ERR);
  return static_cast<uintptr_t>(BoxOf(this)->box->itemData(index).toULongLong());
}

int CComboBox::SetItemData(int index, uintptr_t value) {
  if (index < 0 || index >= GetCount()) return CB_ERR;
  BoxOf(this)->box->setItemData(index, QVariant::fromValue<qulonglong>(value));
  return 0;
}

void CComboBox::SelectAsUser(int index) {
  if (index < 0 || index >= GetCount() || !IsWindowEnabled()) return;
  BoxOf(this)->box->setCurrentIndex(index);
}

void CComboBox::SetSkin(const win::ControlSkin& skin) {
  skin_ = skin;
  if (widget() == nullptr) return;
  QComboBox* box = BoxOf(this)->box;
  box->setStyleSheet(win::DropListStyleSheet(skin_));
  box->update();
}

void CComboBox::NotifySelChange() {
  if (!IsWindow(this)) return;
  ::SendMessage(GetParent(), WM_COMMAND,
                MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(this));
}
