// One send to the phone from its start to its completion: the phone's limit, the phone
// copies, the too-large list, the phone library's write and, once the library reports the
// end, the removal of the converted files. The frame keeps the session while the write
// runs; the converted files never outlive it.
#pragma once

#include "phone/PhoneSend.h"
#include "platform/win/WinTypes.h"

class CCdmaComm;
class CImageItems;
class CNyFileInfo;
class CWnd;

class CPhoneSendSession {
 public:
  struct Parties {
    CWnd* frame;           // receives the completion message; the library's write owner
    HWND hostMain;         // owner of the library's message boxes; disabled while starting
    HWND statusWindow;     // where the host shows progress
    Cp932String cbFolder;  // the folder the library may use
  };

  CPhoneSendSession() = default;
  ~CPhoneSendSession();
  CPhoneSendSession(const CPhoneSendSession&) = delete;
  CPhoneSendSession& operator=(const CPhoneSendSession&) = delete;

  // Converts the ticked photos of the view and starts the write. True when the library
  // started writing (the session then lives until the completion message); false when the
  // send ended here (stopped, cancelled, nothing to send, the phone refused), with every
  // converted file removed and the suite's phone operation ended.
  bool Start(const CImageItems& view, const phonesend::SendChoice& choice, const Parties& parties);
  // The library reported the end: the converted files go, and the phone operation ends.
  void Finish();

  const phonesend::Conversion& conversion() const { return conversion_; }

 private:
  bool AskAboutTooLarge() const;
  bool Write(const phonesend::SendChoice& choice, const Parties& parties);
  void Clean();

  CCdmaComm* comm_ = nullptr;
  CNyFileInfo* info_ = nullptr;
  phonesend::Conversion conversion_;
  bool operationBegun_ = false;
};
