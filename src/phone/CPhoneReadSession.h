// One read from the phone, from the request to the new records. The communication object
// and the request are made when the read starts and live until its completion has been
// handled: the frame holds the session in between, the command-line tool waits for the
// completion message itself. Both run this same code.
#pragma once

#include <vector>

#include "phone/CRegReadOption.h"
#include "platform/phonelib/PhoneLib.h"

class CPhotoItem;
class CPhotoManager;

class CPhoneReadSession {
 public:
  // The status code under which the host shows the progress of a read.
  static constexpr int kStatusReading = 6;

  // Who takes part: the window told of the completion (WM_USER + 0x103), the owner of the
  // library's message boxes, the window that shows the status, the host window that stays
  // disabled while the transfer starts (each but the first may be null), and the folder
  // the library may use.
  struct Parties {
    HWND notify = nullptr;
    HWND messageBoxOwner = nullptr;
    HWND statusWindow = nullptr;
    HWND hostWindow = nullptr;
    Cp932String callbackFolder;
  };

  struct Outcome {
    std::vector<CPhotoItem*> records;     // the new photos and movies, in transfer order
    std::vector<CPhotoItem*> composites;  // the burst composites made of them
    bool cancelled = false;
    bool saved = true;  // false: the catalogue could not be written
  };

  CPhoneReadSession();
  ~CPhoneReadSession();
  CPhoneReadSession(const CPhoneReadSession&) = delete;
  CPhoneReadSession& operator=(const CPhoneReadSession&) = delete;

  // Fills the request from the settings and the library and starts the transfer; false
  // when the library did not start it (no phone, nothing to tell, a staging folder that
  // cannot be made).
  bool Start(const CPhotoManager& library, const CRegReadOption& option, bool lacksExternalMemory,
             const Parties& parties);
  bool UserCancelled() const;
  bool Transferring() const;
  // Handles the completion: the received files become records, bursts become composites,
  // and the library is counted again and saved.
  Outcome Complete(CPhotoManager& library);

  CCdmaComm* comm() const { return comm_; }
  CCdmaFilesOption* request() const { return request_; }

 private:
  CCdmaComm* comm_ = nullptr;
  CCdmaFilesOption* request_ = nullptr;
};
