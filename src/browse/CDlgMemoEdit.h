// Edits a photo's memo: several lines, at most 511 bytes. OK stores the memo in the record;
// the caller saves the album.
#pragma once

#include <optional>

#include "host/CCDialogExPh.h"

class CEdit;
class CPhotoItem;

class CDlgMemoEdit : public CCDialogExPh {
 public:
  static constexpr size_t kMemoLimit = 511;

  CDlgMemoEdit(CPhotoItem* record, HWND parent = nullptr);

  CEdit* edit() const { return edit_; }
  // The message that refuses the memo, or nothing.
  static std::optional<Cp932String> Check(const Cp932String& memo);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CPhotoItem* record_;
  CEdit* edit_ = nullptr;
};
