// The pages of the style wizard. Each page owns the wizard's controls in its range of ids:
// it shows the style in them, stores them back into the style (false: the input was refused
// and the page stays), and handles the commands of its own buttons and boxes.
#pragma once

#include "print/CPrintFormat.h"

class CDlgPrintFormatWizard;
class CWnd;

class CDlgPrintFormatPage {
 public:
  CDlgPrintFormatPage(CDlgPrintFormatWizard& wizard, int index);
  virtual ~CDlgPrintFormatPage() = default;

  virtual const char* heading() const = 0;
  virtual void Fill(const CPrintFormat& style) = 0;
  virtual bool Store(CPrintFormat& style) = 0;
  // A command of a control of this page; false when the page has none for it.
  virtual bool OnCommand(UINT /*id*/, CPrintFormat& /*style*/) { return false; }
  // Shows or hides the page's controls.
  void Show(bool show);
  bool Owns(UINT id) const;

 protected:
  CWnd* Control(UINT id) const;
  bool Checked(UINT id) const;
  void SetChecked(UINT id, bool checked);
  // The edit's number, 0 when it holds none, kept within lower ... upper.
  int Number(UINT id, int lower, int upper) const;
  void SetNumber(UINT id, int value);
  // An edit with its spin of the given range.
  void SetUpNumber(UINT edit, UINT spin, int lower, int upper);
  int Selected(UINT id) const;
  void FillCombo(UINT id, const char* const* names, int count, int selected);
  CDlgPrintFormatWizard& wizard() const { return wizard_; }

 private:
  CDlgPrintFormatWizard& wizard_;
  UINT first_;
};

// Page 0: the name and the kind. A kind other than the style's resets the style to that
// kind's starting values.
class CDlgPrintFormatWC1 : public CDlgPrintFormatPage {
 public:
  explicit CDlgPrintFormatWC1(CDlgPrintFormatWizard& wizard) : CDlgPrintFormatPage(wizard, 0) {}
  const char* heading() const override;
  void Fill(const CPrintFormat& style) override;
  bool Store(CPrintFormat& style) override;
  // Resets the style's main block and paper to a kind's starting values; the captions'
  // colours and fonts stay.
  static void ResetToKind(CPrintFormat& style, int32_t kind);

 private:
  int32_t ChosenKind() const;
};

// Page 1: paper, orientation, margins, header and footer, and for label styles the
// printer's offset.
class CDlgPrintFormatWC2 : public CDlgPrintFormatPage {
 public:
  static constexpr int kMaxMargin = 5000;
  explicit CDlgPrintFormatWC2(CDlgPrintFormatWizard& wizard) : CDlgPrintFormatPage(wizard, 1) {}
  const char* heading() const override;
  void Fill(const CPrintFormat& style) override;
  bool Store(CPrintFormat& style) override;
  bool OnCommand(UINT id, CPrintFormat& style) override;

 private:
  void FillPapers(uint16_t sizeId);
};

// Page 2: where the calendar sits, its share, its first month and how many months.
class CDlgPrintFormatWC3 : public CDlgPrintFormatPage {
 public:
  explicit CDlgPrintFormatWC3(CDlgPrintFormatWizard& wizard) : CDlgPrintFormatPage(wizard, 2) {}
  const char* heading() const override;
  void Fill(const CPrintFormat& style) override;
  bool Store(CPrintFormat& style) override;
  bool OnCommand(UINT id, CPrintFormat& style) override;

 private:
  void TakeStart(CPrintParam& param) const;
  void EnableYearMonth();
};

// Page 3: columns and rows, the even-row shift, the photo size and the spaces.
class CDlgPrintFormatWC4 : public CDlgPrintFormatPage {
 public:
  static constexpr int kMaxCells = 8;
  static constexpr int kMinPhoto = 50;
  static constexpr int kMaxLength = 5000;
  explicit CDlgPrintFormatWC4(CDlgPrintFormatWizard& wizard) : CDlgPrintFormatPage(wizard, 3) {}
  const char* heading() const override;
  void Fill(const CPrintFormat& style) override;
  bool Store(CPrintFormat& style) override;
  bool OnCommand(UINT id, CPrintFormat& style) override;

 private:
  void EnableAutomatic();
};
