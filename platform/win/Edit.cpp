#include "platform/win/Edit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/win/EditRules.h"
#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

// A window widget holding the toolkit's line edit or, for a multi-line edit, its plain
// text edit; the one held takes the window's focus.
class EditWidget : public WindowWidget {
 public:
  EditWidget(CWnd* owner, QWidget* parent, bool multiline) : WindowWidget(owner, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* shown = nullptr;
    if (multiline) {
      lines = new QPlainTextEdit(this);
      lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      lines->setTabChangesFocus(true);
      shown = lines;
    } else {
      line = new QLineEdit(this);
      shown = line;
    }
    layout->addWidget(shown);
    setFocusProxy(shown);
  }

  QString Text() const { return line != nullptr ? line->text() : lines->toPlainText(); }
  void SetText(const QString& text) {
    const bool wasSetting = setting;
    setting = true;
    if (line != nullptr)
      line->setText(text);
    else
      lines->setPlainText(win::ToToolkitLines(text));
    setting = wasSetting;
  }
  int Length() const { return static_cast<int>(Text().size()); }

  QLineEdit* line = nullptr;
  QPlainTextEdit* lines = nullptr;
  // Set while the program puts a text in, which is no edit of the user's.
  bool setting = false;
};

EditWidget* EditOf(const CWnd* window) {
  return static_cast<EditWidget*>(window->widget());
}

}  // namespace

WindowWidget* CEdit::MakeWidget(WindowWidget* parent) {
  auto* w = new EditWidget(this, parent, (style() & ES_MULTILINE) != 0);
  if (w->line != nullptr)
    QObject::connect(w->line, &QLineEdit::textEdited, [this] { Edited(); });
  else
    QObject::connect(w->lines, &QPlainTextEdit::textChanged, [this, w] {
      if (!w->setting) Edited();
    });
  return w;
}

void CEdit::SetText(const Cp932String& text) {
  accepted_ = text;
  if (EditWidget* w = EditOf(this)) w->SetText(QtText::FromCp932(text));
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
  const bool digitsOnly = (style() & ES_NUMBER) != 0;
  if (w->line != nullptr) {
    win::KeepLineWithinRules(w->line, accepted_, limit_, digitsOnly);
    return;
  }
  const QString text = win::ToPlatformLines(w->lines->toPlainText());
  if (std::optional<Cp932String> kept = win::TextWithinRules(text, limit_, digitsOnly)) {
    accepted_ = std::move(*kept);
    return;
  }
  const int cursor = w->lines->textCursor().position();
  const int grown =
      w->Length() - static_cast<int>(win::ToToolkitLines(QtText::FromCp932(accepted_)).size());
  w->SetText(QtText::FromCp932(accepted_));
  QTextCursor back = w->lines->textCursor();
  back.setPosition(std::clamp(cursor - std::max(0, grown), 0, w->Length()));
  w->lines->setTextCursor(back);
}

void CEdit::SetSel(int start, int end) {
  EditWidget* w = EditOf(this);
  if (w == nullptr) return;
  const int length = w->Length();
  const int from = std::clamp(start, 0, length);
  const int to = end < 0 ? length : std::clamp(end, from, length);
  if (w->line != nullptr) {
    w->line->setSelection(from, to - from);
    return;
  }
  QTextCursor selection = w->lines->textCursor();
  selection.setPosition(from);
  selection.setPosition(to, QTextCursor::KeepAnchor);
  w->lines->setTextCursor(selection);
}

void CEdit::GetSel(int* start, int* end) const {
  EditWidget* w = EditOf(this);
  int from = 0;
  int to = 0;
  if (w != nullptr && w->line != nullptr) {
    const bool selected = w->line->hasSelectedText();
    from = selected ? w->line->selectionStart() : w->line->cursorPosition();
    to = selected ? from + static_cast<int>(w->line->selectedText().size()) : from;
  } else if (w != nullptr) {
    const QTextCursor cursor = w->lines->textCursor();
    from = cursor.selectionStart();
    to = cursor.selectionEnd();
  }
  if (start != nullptr) *start = from;
  if (end != nullptr) *end = to;
}
