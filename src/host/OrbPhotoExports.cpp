// The module's exported entry points. Each is a few lines that forward to the application
// object or the frame; nothing thrown inside ever reaches the host.
#include <algorithm>
#include <exception>
#include <memory>

#include "browse/IndexTree.h"
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/OrbPhotoApi.h"
#include "host/SuiteRegistry.h"
#include "library/DataConversion.h"
#include "platform/phonelib/PhoneLib.h"
#include "resources/CommandIds.h"
#include "resources/MenuResources.h"

namespace {

// Runs the body and turns anything thrown into the given result.
template <class Result, class Body>
Result Guarded(Result onFailure, Body body) {
  try {
    return body();
  } catch (...) {
    return onFailure;
  }
}

// The application object exists from the moment the module is loaded, and the phone
// library is started once.
const bool kAppMade = (TheApp(), _InitCdmaBinDll(), true);

void BuildIndexTree() {
  SuiteContext* context = suite::Context();
  if (context == nullptr) return;
  indextree::Build(context->indexTree, indextree::CategoriesOf(TheApp().library()),
                   TheApp().RememberedCategory());
}

}  // namespace

ORBPHOTO_API HWND OrbPhotoCreateWindows(const HostParameterBlock* block) {
  return Guarded<HWND>(nullptr, [&]() -> HWND {
    if (MainFrame() != nullptr) return MainFrame();
    if (block == nullptr) return nullptr;
    OrbPhotoChangeColor(block->colorScheme);
    const RECT rect{block->frameLeft, block->frameTop, block->frameRight, block->frameBottom};
    return CMainFrame::Install(std::make_unique<CMainFrame>(), block->hostWindow, rect);
  });
}

ORBPHOTO_API int OrbPhotoDestroyWindows() {
  return Guarded(1, [] {
    CMainFrame* frame = MainFrame();
    if (frame == nullptr) return 1;
    frame->SaveSettings(true);
    SetMainFrame(nullptr);
    SendMessage(frame, WM_CLOSE, 0, 0);
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoMoveWindow(int x, int y, int width, int height, int repaint) {
  return Guarded(1, [&] {
    if (CMainFrame* frame = MainFrame()) frame->MoveWindow(x, y, width, height, repaint != 0);
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoShowWindow(int command) {
  return Guarded(1, [&] {
    CMainFrame* frame = MainFrame();
    if (frame == nullptr) return 1;
    frame->ShowWindow(command);
    frame->OnHostShow(command);
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoPreTranslateMessage(MSG* msg) {
  return Guarded(0, [&] {
    if (MainFrame() == nullptr) return 1;
    return TheApp().PreTranslateMessage(msg) != 0 ? 1 : 0;
  });
}

ORBPHOTO_API HMENU OrbPhotoGetMenu() {
  return Guarded<HMENU>(nullptr, []() -> HMENU {
    if (MainFrame() == nullptr) return nullptr;
    return res::LoadMenu(res::kMainMenu).release();
  });
}

ORBPHOTO_API int OrbPhotoInitMenuPopup(HMENU menu, int /*index*/, int /*systemMenu*/) {
  return Guarded(1, [&] {
    CMainFrame* frame = MainFrame();
    if (frame == nullptr || menu == nullptr) return 1;
    frame->UpdateMenuStates(menu);
    return 1;
  });
}

ORBPHOTO_API LRESULT OrbPhotoCommand(WPARAM command, LPARAM control) {
  return Guarded<LRESULT>(0, [&]() -> LRESULT {
    CMainFrame* frame = MainFrame();
    if (frame == nullptr) return 1;
    return SendMessage(frame, WM_COMMAND, command, control);
  });
}

ORBPHOTO_API int OrbPhotoChangeUser(const char* /*userName*/) {
  return Guarded(1, [] {
    CMainFrame* frame = MainFrame();
    if (frame == nullptr) return 1;
    frame->SaveSettings(false);
    TheApp().SaveLibrary();
    TheApp().OpenUserAlbum();
    frame->LoadSettings();
    BuildIndexTree();
    frame->ApplyIndexAgain();
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoChangeColor(int scheme) {
  return Guarded(1, [&] {
    const bool applied = TheApp().ApplyColorScheme(scheme);
    CMainFrame* frame = MainFrame();
    if (frame == nullptr) return 1;
    if (!applied) return 0;
    frame->Invalidate();
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoSynchro() {
  return Guarded(1, [] {
    if (CMainFrame* frame = MainFrame()) SendMessage(frame, WM_COMMAND, cmd::kHostRead, 0);
    return 1;
  });
}

ORBPHOTO_API HWND OrbPhotoGetWnd() {
  return Guarded<HWND>(nullptr, [] { return static_cast<HWND>(MainFrame()); });
}

ORBPHOTO_API int OrbPhotoChangeMobilePhone() {
  return Guarded(1, [] {
    if (CMainFrame* frame = MainFrame()) frame->OnPhoneChanged();
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoSaveData() {
  return Guarded(1, [] {
    TheApp().SaveLibrary();
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoChangeDataFolder(const char* dataFolder, const char* userName) {
  return Guarded(1, [&] {
    CHarboPhotoApp& app = TheApp();
    const Cp932String user = userName != nullptr ? userName : "";
    // A user name that is not one plain folder name is refused and nothing changes.
    if (!app.AcceptsUserName(user)) return 1;
    if (MainFrame() != nullptr) MainFrame()->SaveSettings(false);
    app.SetDataFolder(dataFolder != nullptr ? dataFolder : "", user);
    app.OpenUserAlbum();
    if (MainFrame() != nullptr) MainFrame()->LoadSettings();
    BuildIndexTree();
    if (MainFrame() != nullptr) MainFrame()->ApplyIndexAgain();
    suite::PostAlbumChanged(1);
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoTreeSetting(const HostParameterBlock* block, int flag) {
  return Guarded(1, [&] {
    if (block == nullptr) return 1;
    if (!TheApp().TakeHostParameters(*block, flag)) return 1;
    BuildIndexTree();
    if (MainFrame() != nullptr) MainFrame()->ApplyIndexAgain();
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoTreeItemSelect(int32_t /*a*/, intptr_t b, intptr_t c) {
  return Guarded(1, [&] {
    if (CMainFrame* frame = MainFrame())
      SendMessage(frame, WM_USER + 0x221, static_cast<WPARAM>(c), static_cast<LPARAM>(b));
    return 1;
  });
}

ORBPHOTO_API int OrbPhotoDataConvert(DataConversionBlock* block) {
  return Guarded(0, [&] { return conversion::Convert(block); });
}

ORBPHOTO_API int OrbPhotoDataConvertPrev(DataConversionBlock* block) {
  return Guarded(0, [&] { return conversion::PrepareSafetyCopy(block); });
}

ORBPHOTO_API int OrbPhotoDataConvertError(DataConversionBlock* block) {
  return Guarded(0, [&] { return conversion::RestoreSafetyCopy(block); });
}
