// The import dialog: collects the files to import, dropped from a file manager or chosen
// with the file dialog. A file joins the list when the import takes its kind and it is not
// listed yet; a dropped or chosen name without a code page 932 form is refused by name.
// OK hands the list to the caller, who runs the import.
#pragma once

#include <vector>

#include "host/CCDialogExPh.h"

class CListCtrl;

class CDlgImageImport : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgImageImport)

 public:
  // The longest path the insert takes, in bytes.
  static constexpr size_t kMaxPathBytes = 259;

  explicit CDlgImageImport(HWND parent = nullptr);
  ~CDlgImageImport() override;

  // The files in list order (after OK: the files to import).
  const std::vector<Cp932String>& files() const { return files_; }
  // Adds the file when the import takes it and it is not listed; true when added.
  bool AddFile(const Cp932String& path);
  // The control of the layout with this id while the dialog runs (tests drive them).
  using CCDialogExPh::Control;
  // The dialog's list while it runs, or null.
  CListCtrl* list() const { return list_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  LRESULT OnDropFiles(WPARAM w, LPARAM l);
  void OnInsert();
  void OnRemove();

  bool Listed(const Cp932String& path) const;
  void RefuseNames(const std::vector<std::string>& utf8Names);
  void SortByColumn(int column);
  void TakeListOrder();
  static Cp932String CellText(const Cp932String& path, int column);

  // Each row carries an index into paths_, which only grows while the dialog runs.
  std::vector<Cp932String> paths_;
  std::vector<Cp932String> files_;
  int sortColumn_ = -1;
  bool sortAscending_ = true;
  CListCtrl* list_ = nullptr;
};
