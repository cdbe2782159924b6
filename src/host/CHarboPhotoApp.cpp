#include "host/CHarboPhotoApp.h"

#include <cstdio>

#include "host/CCDialogExPh.h"
#include "host/CExclusive.h"
#include "host/CMainFrame.h"
#include "host/SuitePath.h"
#include "host/SuiteRegistry.h"
#include "platform/fileio/FileIo.h"
#include "platform/shell/Shell.h"
#include "platform/win/HandlerFailure.h"
#include "platform/win/Wnd.h"
#include "print/CPrintManager.h"
#include "ui/Skin.h"

namespace {

using cp932::Lit;

Cp932String TextOf(const char* text) {
  return text != nullptr ? Cp932String(text) : Cp932String();
}

Cp932String RegistryJoin(const Cp932String& key, const Cp932String& name) {
  if (key.empty()) return name;
  if (name.empty()) return key;
  return key + "\\" + name;
}

Cp932String RegistryParent(const Cp932String& key) {
  const size_t pos = cp932::FindLastChar(key, '\\');
  return pos == Cp932String::npos ? Cp932String() : key.substr(0, pos);
}

bool ThroughSuiteLibrary() {
  return suite::GetFileAccessMode() == 1;
}

// Creates or opens a key, through the suite's file library when the suite runs with it.
HKEY CreateKey(HKEY root, const Cp932String& path) {
  HKEY made = nullptr;
  DWORD disposition = 0;
  DWORD error = 0;
  const LONG rc = ThroughSuiteLibrary()
                      ? AdRegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                          nullptr, &made, &disposition, &error)
                      : RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                        &made, &disposition);
  return rc == ERROR_REG_SUCCESS ? made : nullptr;
}

HKEY OpenKey(HKEY root, const Cp932String& path) {
  HKEY opened = nullptr;
  DWORD error = 0;
  const LONG rc = ThroughSuiteLibrary()
                      ? AdRegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened, &error)
                      : RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened);
  return rc == ERROR_REG_SUCCESS ? opened : nullptr;
}

// The message for a refused phone operation; empty when none is shown.
Cp932String PhoneRefusalMessage(int reason) {
  switch (reason) {
    case 1:
      return Lit(
          "Quarn Port プログラムが起動処理中のため、指定した機能を実行できません。\n"
          "しばらくたってから再度実行してください。");
    case 2:
    case 6:
      return {};
    case 3:
      return Lit(
          "Quarn Port プログラムが処理中のため、指定された機能を実行できませんでした。\n\n"
          "Quarn Port プログラムの処理が終わった後で、操作をやり直してください。\n"
          "Quarn Port プログラムの設定画面やメッセージなどが表示されている場合は、"
          "そのウィンドウを閉じてから操作をやり直してください。");
    case 4:
      return Lit(
          "ミュージック機能がケータイと通信中のため、指定した機能を実行できません。\n"
          "ミュージック機能の通信が終わった後で、操作をやり直してください。");
    case 5:
      return Lit(
          "ケータイが接続されていないため、指定した機能を実行できません。\n"
          "ケータイをパソコンに接続してから再度実行してください。");
    case 7:
      return Lit("ケータイと通信中です。しばらくたってから再度実行してください。");
    default:
      return Lit(
          "通信中のため、指定した機能を実行できません。\n処理が終わった後に、操作をやり直してくださ"
          "い。");
  }
}

struct ShellMessage {
  intptr_t code;
  const char* text;
};

constexpr ShellMessage kShellMessages[] = {
    {0, "ＯＳのメモリまたはリソースが足りません。"},
    {2, "ファイルが見つかりません。"},
    {3, "パスが見つかりません。"},
    {5, "ＯＳが指定したファイルへのアクセスを拒否しました。"},
    {8, "処理を完了するのに十分なメモリがありません。"},
    {11, ".exeのファイルが利用できません。"},
    {26, "共有違反が発生しました。"},
    {27, "ファイルに関連づけられた物が不完全かまたは無効です。"},
    {28, "DDE通信でタイムアウトが発生しました。"},
    {29, "DDE通信が失敗しました。"},
    {30, "他のDDEプロセスが通信中だったので、DDE通信が完了できません。"},
    {31,
     "指定したファイルに関連づけられたアプリケーションが見つかりません。"
     "このエラーは、印刷できないファイルを印刷しようとしたときにも発生します。"},
    {32, "指定したDLLファイルが見つかりません。"},
};

Cp932String ShellFailureMessage(intptr_t code) {
  for (const auto& m : kShellMessages)
    if (m.code == code) return Lit(m.text);
  return Lit("起動に失敗しました。");
}

// The refused name as the error record shows it: every character that is not printable
// code page 932 is written as its bytes in hexadecimal, so the record is readable text.
Cp932String Printable(const Cp932String& name) {
  Cp932String out;
  for (size_t i = 0; i < name.size();) {
    const bool pair = cp932::IsLeadByte(static_cast<uint8_t>(name[i])) && i + 1 < name.size();
    const std::string_view one(name.data() + i, pair ? 2 : 1);
    const bool printable =
        (pair || static_cast<uint8_t>(one[0]) >= 0x20) && cp932::ToUtf8(one).has_value();
    if (printable) {
      out += one;
    } else {
      for (const char c : one) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(static_cast<uint8_t>(c)));
        out += hex;
      }
    }
    i += one.size();
  }
  return out;
}

Cp932String RefusedUserText(const Cp932String& name) {
  return Lit("ユーザー名「") + Printable(name) +
         Lit("」は一つのフォルダー名として使えないため、受け付けませんでした。");
}

// The module whose phone operation an operation code names: 7 the album, 9 and 11 the
// suite's other modules.
int32_t ModuleOfOperation(int operationCode) {
  switch (operationCode) {
    case 9:
      return 1;
    case 11:
      return 3;
    default:
      return suite::kAlbumModule;
  }
}

// A window handler that threw: the message was answered with 0; the suite's error record
// says what happened.
void ReportHandlerFailure(const char* what) {
  suite::ReportError(suite::kErrorHandlerThrew, 0, 0, TextOf(what), 1);
}

}  // namespace

CHarboPhotoApp& TheApp() {
  static CHarboPhotoApp app;
  return app;
}

CHarboPhotoApp::CHarboPhotoApp()
    : title_(Lit("Harbo Suite アルバム")),
      helpFile_("HbsAlbum.chm"),
      albumFolderName_("Album"),
      registryRoot_(HKEY_CURRENT_USER) {
  win::SetHandlerFailureSink(&ReportHandlerFailure);
}

CHarboPhotoApp::~CHarboPhotoApp() {
  win::SetHandlerFailureSink(nullptr);
}

CPrintManager& CHarboPhotoApp::printManager() {
  if (printManager_ == nullptr) printManager_ = std::make_unique<CPrintManager>();
  return *printManager_;
}

Cp932String CHarboPhotoApp::Join(const Cp932String& a, const Cp932String& b) {
  return suite::JoinPath({a, b});
}

int CHarboPhotoApp::Initialise(int module, const HostParameterBlock& block, int report) {
  suite::SetContext(block.suiteContext);
  if (tool() == nullptr) {
    suite::ReportError(suite::kErrorNoTool, 0, 0, {}, report);
    return 0;
  }
  if (tool()->initialised()) return 1;
  const Cp932String user = TextOf(block.userName);
  if (!AcceptsUserName(user)) return 0;
  ClearAllPaths();
  albumFolderName_ = "Album";
  title_ = block.title != nullptr && block.title[0] != '\0' ? Cp932String(block.title) : title_;
  if (block.helpFile != nullptr && block.helpFile[0] != '\0') helpFile_ = block.helpFile;
  registryRoot_ = RegRootFromValue(block.registryRoot);
  hostUsersRegistryKey_ = TextOf(block.usersRegistryKey);
  hostDataRoot_ = TextOf(block.dataRoot);
  hostUsersFolder_ = TextOf(block.usersFolder);
  const Cp932String suiteName = suite::ModuleFolderName(module);
  if (!suiteName.empty()) albumFolderName_ = suiteName;
  SetUser(user);
  tool()->SetHost(block.hostWindow, block.hostValue);
  tool()->SetInitialised(true);
  return 1;
}

bool CHarboPhotoApp::TakeHostParameters(const HostParameterBlock& block, int flag) {
  if (flag == 0) SaveLibrary();
  if (tool() != nullptr) tool()->SetInitialised(false);
  if (!Initialise(suite::kAlbumModule, block, flag)) return false;
  OpenUserAlbum();
  return true;
}

void CHarboPhotoApp::OpenUserAlbum() {
  if (!suite::IsPlainFolderName(userName_)) return;
  MakeAlbumFolder();
  MakeUserRegistryKey();
  if (!library_) library_ = std::make_unique<CPhotoManager>();
  // The views show records of the library about to be reloaded: they let go of them first.
  if (CMainFrame* frame = MainFrame()) frame->ForgetItems();
  const Cp932String database = DatabasePath();
  library_->LoadAlbum(&database);
  library_->Recount();
}

int CHarboPhotoApp::SaveLibrary() {
  return library_ != nullptr ? library_->SaveAlbum() : 1;
}

LPARAM CHarboPhotoApp::RememberedCategory() {
  return static_cast<LPARAM>(static_cast<uint32_t>(ReadInt("IndexView", "TabCurrent", 0x10000)));
}

bool CHarboPhotoApp::MakeAlbumFolder() {
  const Cp932String& folder = GetPath(Path::kAlbumFolder);
  return !folder.empty() && fileio::CreateFolderPath(folder, ThroughSuiteLibrary());
}

bool CHarboPhotoApp::MakeUserRegistryKey() {
  const Cp932String& key = GetPath(Path::kUserRegistryKey);
  // Each level is made in turn, from the left.
  for (size_t end = cp932::FindChar(key, '\\');; end = cp932::FindChar(key, '\\', end + 1)) {
    HKEY made = CreateKey(registryRoot_, key.substr(0, end));
    if (made == nullptr) return false;
    CloseSection(made);
    if (end == Cp932String::npos) return true;
  }
}

bool CHarboPhotoApp::AcceptsUserName(const Cp932String& name) {
  if (suite::IsPlainFolderName(name)) return true;
  suite::ReportError(suite::kErrorUserNameRefused, 0, 0, RefusedUserText(name), 1);
  return false;
}

bool CHarboPhotoApp::SetUser(const Cp932String& name) {
  if (!AcceptsUserName(name)) return false;
  userName_ = name;
  ClearUserPaths();
  return true;
}

bool CHarboPhotoApp::SetDataFolder(const Cp932String& folder, const Cp932String& user) {
  if (!AcceptsUserName(user)) return false;
  hostUsersFolder_ = folder;
  ClearAllPaths();
  return SetUser(user);
}

void CHarboPhotoApp::ClearAllPaths() {
  for (auto& path : paths_) path.reset();
}

void CHarboPhotoApp::ClearUserPaths() {
  ClearPath(Path::kUserRegistryKey);
  ClearPath(Path::kAlbumRegistryKey);
  ClearPath(Path::kUserFolder);
  ClearPath(Path::kAlbumFolder);
  if (workPerUser()) ClearPath(Path::kWorkFolder);
  if (logPerUser()) ClearPath(Path::kLogFolder);
  if (callbackPerUser()) ClearPath(Path::kCallbackFolder);
}

const Cp932String& CHarboPhotoApp::GetPath(Path which) {
  auto& slot = paths_[static_cast<size_t>(which)];
  if (!slot) slot = FormPath(which);
  return *slot;
}

Cp932String CHarboPhotoApp::FormPath(Path which) {
  const auto perUser = [this](bool perUserFolder, const char* name) {
    return Join(GetPath(perUserFolder ? Path::kUserFolder : Path::kDataRoot), name);
  };
  switch (which) {
    case Path::kDataRoot:
      return hostDataRoot_.empty() ? DefaultDataRoot() : hostDataRoot_;
    case Path::kDataFolder:
      return hostUsersFolder_.empty() ? Join(GetPath(Path::kDataRoot), kUsersName)
                                      : hostUsersFolder_;
    case Path::kUsersFolder:
      return hostUsersFolder_.empty() ? GetPath(Path::kDataRoot) : hostUsersFolder_;
    case Path::kUserFolder:
      return userName_.empty() ? Cp932String() : Join(GetPath(Path::kUsersFolder), userName_);
    case Path::kAlbumFolder:
      return userName_.empty() ? Cp932String() : Join(GetPath(Path::kUserFolder), albumFolderName_);
    case Path::kWorkFolder:
      return perUser(workPerUser(), kWorkFolderName);
    case Path::kLogFolder:
      return perUser(logPerUser(), kLogFolderName);
    case Path::kCallbackFolder:
      return perUser(callbackPerUser(), kCallbackFolderName);
    case Path::kSharedFolder:
      return Join(GetPath(Path::kDataRoot), kSharedFolderName);
    case Path::kUsersRegistryKey:
      // Without a key from the host, the users live under the suite's own key.
      return hostUsersRegistryKey_.empty() ? RegistryJoin(kSuiteKey, kUsersName)
                                           : hostUsersRegistryKey_;
    case Path::kSuiteRegistryKey:
      return RegistryParent(GetPath(Path::kUsersRegistryKey));
    case Path::kUserRegistryKey:
      return RegistryJoin(GetPath(Path::kUsersRegistryKey), userName_);
    case Path::kAlbumRegistryKey:
      return RegistryJoin(GetPath(Path::kUserRegistryKey), albumFolderName_);
    case Path::kCount:
      break;
  }
  return {};
}

Cp932String CHarboPhotoApp::ColorSchemePath(int number) {
  // Counted in 64 bits: the host's number may be the largest int, whose successor an int
  // cannot hold.
  const int64_t fileNumber = static_cast<int64_t>(number) + 1;
  return Join(GetPath(Path::kDataFolder), "color" + std::to_string(fileNumber) + ".dat");
}

std::unique_ptr<CDrawObject> CHarboPhotoApp::ReplaceDrawObject(
    std::unique_ptr<CDrawObject> object) {
  std::swap(object, drawObject_);
  return object;
}

bool CHarboPhotoApp::ApplyColorScheme(int number) {
  SetColorScheme(number);
  if (!drawObject_) return false;
  drawObject_->SetSchemeFolder(GetPath(Path::kDataFolder));
  drawObject_->Load(ColorSchemePath(number), true);
  drawObject_->SetAppliedScheme(number);
  skin::SchemeApplied(*drawObject_, mainWindow());
  return true;
}

HKEY CHarboPhotoApp::OpenSection(const Cp932String& section, bool create) {
  const Cp932String key = RegistryJoin(GetPath(Path::kAlbumRegistryKey), section);
  return create ? CreateKey(registryRoot_, key) : OpenKey(registryRoot_, key);
}

void CHarboPhotoApp::CloseSection(HKEY key) {
  DWORD error = 0;
  if (ThroughSuiteLibrary())
    AdRegCloseKey(key, &error);
  else
    RegCloseKey(key);
}

int CHarboPhotoApp::ReadInt(const Cp932String& section, const Cp932String& name, int fallback) {
  HKEY key = OpenSection(section, false);
  if (key == nullptr) return fallback;
  DWORD type = 0;
  DWORD value = 0;
  DWORD bytes = sizeof(value);
  const LONG rc =
      RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes);
  CloseSection(key);
  if (rc != ERROR_REG_SUCCESS || type != REG_DWORD || bytes != sizeof(value)) return fallback;
  return static_cast<int>(value);
}

Cp932String CHarboPhotoApp::ReadText(const Cp932String& section, const Cp932String& name,
                                     const Cp932String& fallback) {
  HKEY key = OpenSection(section, false);
  if (key == nullptr) return fallback;
  DWORD type = 0;
  DWORD bytes = 0;
  Cp932String value;
  LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &bytes);
  if (rc == ERROR_REG_SUCCESS && type == REG_SZ) {
    value.resize(bytes);
    rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                          &bytes);
  }
  CloseSection(key);
  if (rc != ERROR_REG_SUCCESS || type != REG_SZ) return fallback;
  value.resize(std::min<size_t>(bytes, value.size()));
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

bool CHarboPhotoApp::WriteInt(const Cp932String& section, const Cp932String& name, int value) {
  HKEY key = OpenSection(section, true);
  if (key == nullptr) return false;
  const auto number = static_cast<DWORD>(value);
  const LONG rc = RegSetValueExA(key, name.c_str(), 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&number), sizeof(number));
  CloseSection(key);
  return rc == ERROR_REG_SUCCESS;
}

bool CHarboPhotoApp::WriteText(const Cp932String& section, const Cp932String& name,
                               const Cp932String& value) {
  HKEY key = OpenSection(section, true);
  if (key == nullptr) return false;
  const LONG rc =
      RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  CloseSection(key);
  return rc == ERROR_REG_SUCCESS;
}

Cp932String CHarboPhotoApp::NotAcceptedText() {
  return Lit("操作を受け付けません。");
}

Cp932String CHarboPhotoApp::ErrorText() {
  return Lit("エラーが発生しました。");
}

int CHarboPhotoApp::CheckPhoneAccess(int operationCode) {
  // Without the host's main window nobody can grant the operation.
  if (suite::Context() != nullptr && !IsWindow(suite::Context()->hostMainWindow)) {
    AlbumMessageBox(NotAcceptedText(), MB_ICONEXCLAMATION);
    return 0;
  }
  if (suite::GetRunningPhoneOperation(0) != 0) {
    CExclusive wait(tool() != nullptr ? tool()->hostWindow() : nullptr);
    const intptr_t answer = wait.DoModal();
    // A wait dialog that cannot be shown leaves the check without an answer.
    if (answer == -1) AlbumMessageBox(ErrorText(), MB_ICONEXCLAMATION);
    if (answer != IDOK) return 0;
  }
  int32_t reason = 0;
  const int32_t module = ModuleOfOperation(operationCode);
  if (suite::BeginOperation(module, suite::kKindPhone, 1, 1, reinterpret_cast<LPARAM>(&reason)))
    return 1;
  // A refusal without a word from the host means another operation holds the phone.
  if (reason == 0 && suite::GetRunningPhoneOperation(0) > 0) reason = 7;
  if (reason == 8 && suite::IsPhoneConnected() != 1) reason = 5;
  const Cp932String message = PhoneRefusalMessage(reason);
  if (!message.empty()) AlbumMessageBox(message, MB_ICONEXCLAMATION);
  return 0;
}

int CHarboPhotoApp::OpenDocument(const Cp932String& target, Cp932String* message) {
  const intptr_t result =
      ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (result > 32) return 1;
  if (message != nullptr) *message = ShellFailureMessage(result);
  return 0;
}

BOOL CHarboPhotoApp::PreTranslateMessage(MSG* msg) {
  if (msg == nullptr) return 0;
  if (msg->message == WM_MOUSEWHEEL) {
    HWND under = win::WindowFromCursor();
    for (HWND w = under; IsWindow(w); w = w->GetParent()) {
      if (w != mainWindow()) continue;
      return SendMessage(under, WM_MOUSEWHEEL, msg->wParam, msg->lParam) != 0 ? 1 : 0;
    }
    return 0;
  }
  return CWinAppCdma::PreTranslateMessage(msg);
}
