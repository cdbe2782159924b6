// harbo-album read-phone PHONE_DIR: reads the phone folder into the album as the read
// command (F5) does, with the user's read settings, and prints each new record, then the
// burst composites made of them, then a count line. Files the album has already are left
// on the phone; questions (a file of the same name in the album folder) are answered "no".
#include <cstdio>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "host/CHarboPhotoApp.h"
#include "phone/CPhoneReadSession.h"
#include "phone/PhoneReadRequest.h"
#include "platform/fileio/FileIo.h"
#include "platform/win/HeadlessApplication.h"
#include "platform/win/Wnd.h"

namespace {

// The window the read tells of its end, as the frame is told.
class CompletionWnd : public CWnd {
 public:
  bool done = false;

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == CCdmaComm::kMsgReadDone) done = true;
    return CWnd::WindowProc(message, w, l);
  }
};

void PrintRecords(const char* prefix, const std::vector<CPhotoItem*>& records) {
  for (const CPhotoItem* item : records)
    std::printf("%s%s\n", prefix, cli::RecordLine(*item).c_str());
}

}  // namespace

int RunReadPhone(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: harbo-album read-phone PHONE_DIR\n");
    return 2;
  }
  Cp932String folder;
  if (!cli::ToCp932(args[0], &folder)) return 1;
  if (!fileio::IsDirectory(folder)) {
    std::fprintf(stderr, "read-phone: %s is not a folder\n", args[0].c_str());
    return 1;
  }
  // The transfer runs with its progress window, as under the host.
  const win::HeadlessApplication application;
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  phonelib::SetPhoneFolder(folder);
  CRegReadOption option;
  option.Load();
  CompletionWnd window;
  if (!window.Create("read-phone", 0, RECT{0, 0, 10, 10}, nullptr)) return 1;
  CPhoneReadSession read;
  const CPhoneReadSession::Parties parties{&window, nullptr, nullptr, nullptr,
                                           TheApp().GetPath(CHarboPhotoApp::Path::kCallbackFolder)};
  if (!read.Start(*library, option, phoneread::PhoneLacksExternalMemory(), parties)) {
    std::fprintf(stderr, "read-phone: the phone folder could not be read\n");
    return 1;
  }
  while (!window.done) PumpMessages();
  const CPhoneReadSession::Outcome outcome = read.Complete(*library);
  PrintRecords("", outcome.records);
  PrintRecords("burst\t", outcome.composites);
  std::printf("read\t%zu\tburst composites\t%zu\n", outcome.records.size(),
              outcome.composites.size());
  if (!outcome.saved) {
    std::fprintf(stderr, "read-phone: the album could not be saved\n");
    return 1;
  }
  return 0;
}
