#include "platform/win/Dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>

#include "platform/win/Controls.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

win::DialogResponder g_dialogResponder;
win::MessageBoxResponder g_messageBoxResponder;

QMessageBox::StandardButtons ButtonsOf(UINT type) {
  switch (type & 0xF) {
    case MB_OKCANCEL:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
      return QMessageBox::Yes | QMessageBox::No;
    case MB_YESNOCANCEL:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon IconOf(UINT type) {
  switch (type & 0xF0) {
    case MB_ICONERROR:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int ResultOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDOK;
  }
}

std::string Utf8(const char* text) {
  return text != nullptr ? cp932::ToUtf8Lossy(text) : "";
}

}  // namespace

intptr_t CDialog::DoModal() {
  ended_ = false;
  RECT rect{0, 0, 400, 200};
  if (!Create({}, 0, rect, parentWindow_, templateId_)) return -1;
  OnInitDialog();
  intptr_t answer = 0;
  if (g_dialogResponder) {
    answer = g_dialogResponder(*this);
  } else if (!ended_) {
    widget()->setWindowModality(Qt::ApplicationModal);
    widget()->show();
    // The dialog takes the keyboard, also where no window manager hands it over.
    widget()->raise();
    widget()->activateWindow();
    QEventLoop loop;
    while (!ended_ && IsWindow(this)) loop.processEvents(QEventLoop::WaitForMoreEvents);
  }
  const intptr_t result = ended_ ? result_ : answer;
  if (IsWindow(this)) DestroyWindow();
  return result;
}

void CDialog::EndDialog(intptr_t result) {
  result_ = result;
  ended_ = true;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg == nullptr || msg->message != WM_KEYDOWN) return 0;
  if (msg->wParam == VK_ESCAPE) {
    ::SendMessage(this, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 1;
  }
  if (msg->wParam != VK_RETURN) return 0;
  if (dynamic_cast<CEdit*>(msg->hwnd) != nullptr && (msg->hwnd->style() & ES_MULTILINE) != 0)
    return 0;
  WORD id = IDOK;
  if (dynamic_cast<CButton*>(msg->hwnd) != nullptr) {
    id = static_cast<WORD>(msg->hwnd->GetDlgCtrlID());
  } else {
    const auto answer = static_cast<uintptr_t>(::SendMessage(this, DM_GETDEFID, 0, 0));
    if (HIWORD(answer) == DC_HASDEFID) id = LOWORD(answer);
  }
  ::SendMessage(this, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  return 1;
}

BOOL CDialog::OnCommand(WPARAM w, LPARAM l) {
  if (LOWORD(w) == IDOK) {
    OnOK();
    return 1;
  }
  if (LOWORD(w) == IDCANCEL) {
    OnCancel();
    return 1;
  }
  return CWnd::OnCommand(w, l);
}

namespace win {

void SetDialogResponder(DialogResponder responder) {
  g_dialogResponder = std::move(responder);
}

void SetMessageBoxResponder(MessageBoxResponder responder) {
  g_messageBoxResponder = std::move(responder);
}

}  // namespace win

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  const win::MessageBoxRequest request{owner, Utf8(text), Utf8(caption), type};
  if (g_messageBoxResponder) return g_messageBoxResponder(request);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return IDCANCEL;
  QWidget* parent = IsWindow(owner) ? owner->widget() : nullptr;
  QMessageBox box(IconOf(type), QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), ButtonsOf(type), parent);
  return ResultOf(box.exec());
}
