#include "print/CDlgPrintFormatWizard.h"

#include "platform/win/Controls.h"
#include "print/CDlgPrintFormatPages.h"
#include "resources/PrintStyleDialogs.h"

const MessageMap<CDlgPrintFormatWizard>& CDlgPrintFormatWizard::GetMessageMap() {
  using D = CDlgPrintFormatWizard;
  static const MessageMap<D> map{
      .messages = {},
      .commands =
          {
              {res::kControlWizBack, &D::OnBack},
              {res::kControlWizNext, &D::OnNext},
              {res::kControlWizFinish, &D::OnFinish},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgPrintFormatWizard, CCDialogExPh)

CDlgPrintFormatWizard::CDlgPrintFormatWizard(const CPrintFormat& style, Mode mode,
                                             const CPrintInfoEx* printer, HWND parent)
    : CCDialogExPh(res::kDialogPrintFormatWizard, parent),
      style_(style),
      working_(style),
      mode_(mode),
      printer_(printer) {}

CDlgPrintFormatWizard::~CDlgPrintFormatWizard() = default;

BOOL CDlgPrintFormatWizard::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  UseAlbumLook();
  SetWindowText(cp932::Lit(mode_ == Mode::kCreate ? "印刷スタイルの作成" : "印刷スタイルの詳細"));
  pages_ = {
      std::make_unique<CDlgPrintFormatWC1>(*this), std::make_unique<CDlgPrintFormatWC2>(*this),
      std::make_unique<CDlgPrintFormatWC3>(*this), std::make_unique<CDlgPrintFormatWC4>(*this)};
  ShowPage(0);
  return 1;
}

// A page shows the style as the pages before it stored it.
void CDlgPrintFormatWizard::ShowPage(int page) {
  page_ = page;
  for (int i = 0; i < kPageCount; ++i) pages_[static_cast<size_t>(i)]->Show(i == page);
  CDlgPrintFormatPage& shown = *pages_[static_cast<size_t>(page)];
  shown.Fill(working_);
  if (auto* heading = dynamic_cast<CStatic*>(Control(res::kControlWizHeading)))
    heading->SetText(cp932::Lit(shown.heading()));
  if (CWnd* back = Control(res::kControlWizBack)) back->EnableWindow(page > 0);
  if (CWnd* next = Control(res::kControlWizNext)) next->EnableWindow(page < kPageCount - 1);
}

// The calendar page belongs to calendar styles only.
int CDlgPrintFormatWizard::NextPage() const {
  const int next = page_ + 1;
  if (next == kCalendarPage && working_.attr != CPrintFormat::kCalendar) return next + 1;
  return next;
}

int CDlgPrintFormatWizard::PreviousPage() const {
  const int previous = page_ - 1;
  if (previous == kCalendarPage && working_.attr != CPrintFormat::kCalendar) return previous - 1;
  return previous;
}

void CDlgPrintFormatWizard::OnBack() {
  if (page_ > 0) ShowPage(PreviousPage());
}

void CDlgPrintFormatWizard::OnNext() {
  if (page_ >= kPageCount - 1 || !pages_[static_cast<size_t>(page_)]->Store(working_)) return;
  ShowPage(NextPage());
}

// Pages never shown keep the style's values.
void CDlgPrintFormatWizard::OnFinish() {
  if (!pages_[static_cast<size_t>(page_)]->Store(working_)) return;
  style_ = working_;
  EndDialog(IDOK);
}

BOOL CDlgPrintFormatWizard::OnCommand(WPARAM w, LPARAM l) {
  const UINT id = LOWORD(w);
  if (!pages_[0]) return CCDialogExPh::OnCommand(w, l);
  CDlgPrintFormatPage& shown = *pages_[static_cast<size_t>(page_)];
  if (shown.Owns(id) && shown.OnCommand(id, working_)) return 1;
  return CCDialogExPh::OnCommand(w, l);
}
