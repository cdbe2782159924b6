// Renames a photo: its file is renamed within its folder keeping the extension, and the
// album is saved. "元の名前" offers the name the photo had on the phone or the PC. A name
// the album cannot take (empty, too long, with a character file names cannot hold) is
// refused with the dialog open; a rename the disk refuses (the name is taken, the folder
// is read-only) leaves the photo and its record as they were.
#pragma once

#include <optional>
#include <string_view>

#include "host/CCDialogExPh.h"

class CEdit;
class CPhotoItem;

class CDlgRename : public CCDialogExPh {
 public:
  static constexpr size_t kNameLimit = 90;

  CDlgRename(CPhotoItem* record, HWND parent = nullptr);

  CEdit* edit() const { return edit_; }
  using CCDialogExPh::Control;

  // The characters a photo name cannot hold, in the order the message lists them.
  static constexpr char kForbidden[] = "\\/:,;*?\"<>|";
  // The first forbidden character of the name, read a character at a time (the trail byte
  // of a double-byte character is never one); 0 when there is none.
  static char FirstForbidden(std::string_view name);

  // The checks of OK, for a name without leading and trailing blanks: the message that
  // refuses it (and whether its text is selected then), or nothing.
  struct Refusal {
    Cp932String message;
    bool selectText = false;
  };
  static std::optional<Refusal> Check(const Cp932String& name);
  // Renames the photo's file and saves the album; false, with file and record as they
  // were, when either fails.
  static bool RenameAndSave(CPhotoItem& record, const Cp932String& name);
  // Why a rename failed, worded for where the photo's file lives.
  static Cp932String FailureMessage(const CPhotoItem& record, const Cp932String& name);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  HARBO_DECLARE_MESSAGE_MAP(CDlgRename)

 private:
  void OnOriginalName();
  void Refuse(const Refusal& refusal);

  CPhotoItem* record_;
  CEdit* edit_ = nullptr;
};
