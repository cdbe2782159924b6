// The style wizard: four pages over one style, the name and kind, the paper, the calendar
// (calendar styles only) and the cells, with back, next, cancel and finish. Next and finish
// store the page shown first; a page that refuses its input stays. The wizard works on a
// copy; finish hands the style back through style().
#pragma once

#include <array>
#include <memory>

#include "host/CCDialogExPh.h"
#include "platform/win/MessageMap.h"
#include "print/CPrintFormat.h"

class CDlgPrintFormatPage;
class CPrintInfoEx;

class CDlgPrintFormatWizard : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgPrintFormatWizard)

 public:
  enum class Mode { kCreate, kDetails };
  static constexpr int kPageCount = 4;
  static constexpr int kCalendarPage = 2;

  // The paper page lists the printer's papers; without a printer only the style's paper.
  CDlgPrintFormatWizard(const CPrintFormat& style, Mode mode, const CPrintInfoEx* printer,
                        HWND parent = nullptr);
  ~CDlgPrintFormatWizard() override;

  // The style as the wizard finished (as given until then).
  const CPrintFormat& style() const { return style_; }
  // The page shown, 0 ... 3.
  int page() const { return page_; }
  // The style with what the pages stored so far.
  CPrintFormat& working() { return working_; }
  const CPrintInfoEx* printer() const { return printer_; }

  using CCDialogExPh::Control;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM w, LPARAM l) override;
  // Enter finishes, as the finish button does.
  void OnOK() override { OnFinish(); }

 private:
  void OnBack();
  void OnNext();
  void OnFinish();

  void ShowPage(int page);
  int NextPage() const;
  int PreviousPage() const;

  CPrintFormat style_;
  CPrintFormat working_;
  Mode mode_;
  const CPrintInfoEx* printer_;
  std::array<std::unique_ptr<CDlgPrintFormatPage>, kPageCount> pages_;
  int page_ = 0;
};
