// The suite's application base: the fixed folder names every module of the suite shares,
// where the per-user folders lie, and the tool object.
#pragma once

#include <memory>

#include "host/CWinAppCdma_Tool.h"
#include "platform/text/Cp932.h"
#include "platform/win/FrameWnd.h"

class CWinAppCdma : public CWinApp {
 public:
  CWinAppCdma();

  // Null when the tool object is missing; initialisation then fails with error 5.
  CWinAppCdma_Tool* tool() const { return tool_.get(); }
  // Tests take the tool away to see the failure path.
  void SetToolForTest(std::unique_ptr<CWinAppCdma_Tool> tool) { tool_ = std::move(tool); }

  // The suite's fixed folder and file names.
  static constexpr const char* kUsersName = "Users";
  static constexpr const char* kSharedFolderName = "HbMb";
  static constexpr const char* kWorkFolderName = "Work";
  static constexpr const char* kLogFolderName = "Log";
  static constexpr const char* kCallbackFolderName = "CB";
  static constexpr const char* kSettingsFileName = "MbMstSt.ini";

  // Whether the work, log and callback folders lie inside the user folder (true) or once
  // under the data root.
  bool workPerUser() const { return workPerUser_; }
  bool logPerUser() const { return logPerUser_; }
  bool callbackPerUser() const { return callbackPerUser_; }

  // The data root used when the host gives none: the suite's folder in the user's data
  // directory ($XDG_DATA_HOME, else ~/.local/share).
  static Cp932String DefaultDataRoot();

 private:
  std::unique_ptr<CWinAppCdma_Tool> tool_;
  bool workPerUser_ = true;
  bool logPerUser_ = false;
  bool callbackPerUser_ = false;
};
