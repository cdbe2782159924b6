// The communication object: one transfer at a time between the album and the connected
// phone, reading (GetFilesForQuarn) or writing (PutFilesForQuarn). A transfer runs on the
// user-interface thread with its own progress window; the call returns at once, and the
// end is posted to the window given: WM_USER + 0x103 after reading, WM_USER + 0x104 after
// writing, with the number of files moved as the first parameter and 1 as the second when
// the user cancelled.
#pragma once

#include <memory>

#include "platform/phonelib/CCdmaFilesOption.h"
#include "platform/phonelib/CNyFileInfoList.h"
#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CPhoneTransfer;

class CCdmaComm {
 public:
  static constexpr UINT kMsgReadDone = WM_USER + 0x103;
  static constexpr UINT kMsgWriteDone = WM_USER + 0x104;
  // The only kind of entry PutFilesForQuarn writes: files.
  static constexpr int kPutFiles = 1;

  CCdmaComm();
  ~CCdmaComm();
  CCdmaComm(const CCdmaComm&) = delete;
  CCdmaComm& operator=(const CCdmaComm&) = delete;

  void SetMsgBoxWnd(HWND window) { msgBoxWnd_ = window; }
  // A folder the library may use; its work folder is made inside it.
  void SetCBDirPath(const Cp932String& folder) { cbDirPath_ = folder; }
  // Where the host shows progress, and the status code it shows it under.
  void SetStatusNotifyInfo(HWND window, int code) {
    statusWnd_ = window;
    statusCode_ = code;
  }

  // Starts reading the request's file types from the storage areas of the mask (1 internal
  // data folder, 2 external memory, 3 both) into the request's staging folders, leaving
  // out the files it lists as present. Non-zero when started; 0 when nothing started: no
  // phone, a transfer already running, no live window to tell, a bad mask or request, or a
  // staging folder that cannot be made.
  BOOL GetFilesForQuarn(int mask, CCdmaFilesOption* request, HWND notify);
  // Starts writing the list's entries (kind kPutFiles) into their storage areas; with
  // overwrite 0 a file of the same name on the phone is kept and the entry is not written.
  // The list is copied at the start, so it may be the object's own. Non-zero when started.
  BOOL PutFilesForQuarn(const CNyFileInfoList* list, int kind, int overwrite, HWND notify);

  BOOL IsUserCancel() const;
  bool IsTransferring() const;
  // The files of the last transfer, in transfer order (after writing: every entry, those
  // written marked as read).
  CNyFileInfoList* GetNyFileInfoList() { return &files_; }
  CCdmaFilesOption* GetCdmaFilesOption() { return &ownRequest_; }
  // A folder for temporary files; made when first asked for.
  Cp932String GetWorkDirPath();

  HWND msgBoxWnd() const { return msgBoxWnd_; }
  HWND statusWnd() const { return statusWnd_; }
  int statusCode() const { return statusCode_; }
  // The running transfer (or the last one), for tests that press its cancel button.
  CPhoneTransfer* transferForTest() { return transfer_.get(); }

 private:
  bool CanStart(HWND notify) const;
  bool Begin(std::unique_ptr<CPhoneTransfer> transfer, const Cp932String& caption);

  HWND msgBoxWnd_ = nullptr;
  HWND statusWnd_ = nullptr;
  int statusCode_ = 0;
  Cp932String cbDirPath_;
  Cp932String workDirPath_;
  CCdmaFilesOption ownRequest_;
  CNyFileInfoList files_;
  std::unique_ptr<CPhoneTransfer> transfer_;
};
