#include "platform/win/Edit.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

// A window widget holding the toolkit's line edit, which takes the window's focus.
class EditWidget : public WindowWidget {
 public:
  EditWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), line(new QLineEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(line);
    setFocusProxy(line);
  }
  QLineEdit* line;
};

EditWidget* EditOf(const CWnd* window) {
  return static_cast<EditWidget*>(window->widget());
}

}  // namespace

WindowWidget* CEdit::MakeWidget(WindowWidget* parent) {
  auto* w = new EditWidget(this, parent);
  QObject::connect(w->line, &QLineEdit::textEdited, [this] { Edited(); });
  return w;
}

void CEdit::SetText(const Cp932String& text) {
  accepted_ = text;
  if (EditWidget* w = EditOf(this)) w->line->setText(QtText::FromCp932(text));
}

Cp932String CEdit::GetText() const {
  return accepted_;
}

void CEdit::SetLimitText(size_t bytes) {
  limit_ = bytes;
}

void CEdit::Edited() {
  EditWidget* w = EditOf(this);
  if (w == nullptr) return;
  const std::optional<Cp932String> text = QtText::ToCp932(w->line->text());
  if (text.has_value() && (limit_ == 0 || text->size() <= limit_)) {
    accepted_ = *text;
    return;
  }
  const int cursor = w->line->cursorPosition();
  const int grown = static_cast<int>(w->line->text().size()) -
                    static_cast<int>(QtText::FromCp932(accepted_).size());
  w->line->setText(QtText::FromCp932(accepted_));
  w->line->setCursorPosition(std::max(0, cursor - std::max(0, grown)));
}

void CEdit::SetSel(int start, int end) {
  EditWidget* w = EditOf(this);
  if (w == nullptr) return;
  const int length = static_cast<int>(w->line->text().size());
  const int from = std::clamp(start, 0, length);
  const int to = end < 0 ? length : std::clamp(end, from, length);
  w->line->setSelection(from, to - from);
}

void CEdit::GetSel(int* start, int* end) const {
  EditWidget* w = EditOf(this);
  const bool selected = w != nullptr && w->line->hasSelectedText();
  const int cursor = w != nullptr ? w->line->cursorPosition() : 0;
  const int from = selected ? w->line->selectionStart() : cursor;
  if (start != nullptr) *start = from;
  if (end != nullptr)
    *end = selected ? from + static_cast<int>(w->line->selectedText().size()) : cursor;
}
