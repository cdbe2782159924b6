// Loads the built module as the host does and drives it only through its exported functions.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "host/OrbPhotoApi.h"
#include "library/PhotoFileRecord.h"
#include "platform/phonelib/PhoneLib.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/registry/Registry.h"
#include "platform/win/Controls.h"
#include "platform/win/Menu.h"
#include "platform/win/TreeCtrl.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace {

// The exported functions, looked up by their plain names.
#define HARBO_ENTRIES(X)          \
  X(OrbPhotoCreateWindows);       \
  X(OrbPhotoDestroyWindows);      \
  X(OrbPhotoMoveWindow);          \
  X(OrbPhotoShowWindow);          \
  X(OrbPhotoPreTranslateMessage); \
  X(OrbPhotoGetMenu);             \
  X(OrbPhotoInitMenuPopup);       \
  X(OrbPhotoCommand);             \
  X(OrbPhotoChangeUser);          \
  X(OrbPhotoChangeColor);         \
  X(OrbPhotoSynchro);             \
  X(OrbPhotoGetWnd);              \
  X(OrbPhotoChangeMobilePhone);   \
  X(OrbPhotoSaveData);            \
  X(OrbPhotoChangeDataFolder);    \
  X(OrbPhotoTreeSetting);         \
  X(OrbPhotoTreeItemSelect);      \
  X(OrbPhotoDataConvert);         \
  X(OrbPhotoDataConvertPrev);     \
  X(OrbPhotoDataConvertError);

struct Module {
  void* handle = nullptr;
#define HARBO_ENTRY(name) decltype(&::name) name = nullptr
  HARBO_ENTRIES(HARBO_ENTRY)
#undef HARBO_ENTRY
  int found = 0;

  template <class F>
  void Bind(F& slot, const char* name) {
    slot = reinterpret_cast<F>(dlsym(handle, name));
    found += slot != nullptr ? 1 : 0;
  }

  bool Load() {
    const char* bin = std::getenv("HARBO_TEST_BIN");
    const std::string path = std::string(bin != nullptr ? bin : ".") + "/libKXPhoto.so";
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return false;
#define HARBO_BIND(name) Bind(name, #name)
    HARBO_ENTRIES(HARBO_BIND)
#undef HARBO_BIND
    return found == 20;
  }
};

// The module stays loaded for the whole program, as it does in the host.
Module& TheModule() {
  static Module module;
  static const bool loaded = module.Load();
  EXPECT_TRUE(loaded) << dlerror();
  return module;
}

class ModuleLifecycle : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(TheModule().found, 20);
    tree_.Create("tree", WS_CHILD, RECT{0, 0, 100, 300}, &suite_.host);
    suite_.context.indexTree = &tree_;
    usersFolder_ = temp_.file("Users");
    block_.hostWindow = &suite_.host;
    block_.frameLeft = 160;
    block_.frameTop = 0;
    block_.frameRight = 640;
    block_.frameBottom = 480;
    block_.usersFolder = usersFolder_.c_str();
    block_.dataRoot = temp_.path().c_str();
    block_.userName = "taro";
    block_.suiteContext = &suite_.context;
  }

  void TearDown() override {
    if (m().OrbPhotoDestroyWindows != nullptr) m().OrbPhotoDestroyWindows();
  }

  Module& m() { return TheModule(); }

  HWND CreateShownFrame() {
    m().OrbPhotoTreeSetting(&block_, 1);
    HWND frame = m().OrbPhotoCreateWindows(&block_);
    m().OrbPhotoShowWindow(SW_SHOW);
    return frame;
  }

  // Without a live frame every call the host may make at any time answers without effect.
  void ExpectNoFrameAndEveryCallHarmless() {
    MSG msg{};
    EXPECT_EQ(m().OrbPhotoGetWnd(), nullptr);
    EXPECT_EQ(m().OrbPhotoGetMenu(), nullptr);
    EXPECT_EQ(m().OrbPhotoPreTranslateMessage(&msg), 1);
    EXPECT_EQ(m().OrbPhotoPreTranslateMessage(nullptr), 1);
    EXPECT_EQ(m().OrbPhotoMoveWindow(0, 0, 10, 10, 1), 1);
    EXPECT_EQ(m().OrbPhotoShowWindow(SW_SHOW), 1);
    EXPECT_EQ(m().OrbPhotoInitMenuPopup(nullptr, 0, 0), 1);
    EXPECT_EQ(m().OrbPhotoCommand(32860, 0), 1);
    EXPECT_EQ(m().OrbPhotoSynchro(), 1);
    EXPECT_EQ(m().OrbPhotoChangeMobilePhone(), 1);
    EXPECT_EQ(m().OrbPhotoChangeColor(1), 1);
    EXPECT_EQ(m().OrbPhotoTreeItemSelect(1, 2, 3), 1);
    EXPECT_EQ(m().OrbPhotoSaveData(), 1);
    EXPECT_EQ(m().OrbPhotoDestroyWindows(), 1);
  }

  int ReadMainValue(const char* name) {
    const std::string key = "Software\\Pelkin Soft\\Harbo Suite\\Users\\taro\\Album\\Main";
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != 0) return -12345;
    DWORD value = 0;
    DWORD bytes = sizeof value;
    DWORD type = 0;
    const LONG rc =
        RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(opened);
    return rc == 0 ? static_cast<int>(value) : -12345;
  }

  TempDir temp_;
  FakeSuite suite_;
  CTreeCtrl tree_;
  std::string usersFolder_;
  HostParameterBlock block_{};
};

// A plain catalogue (version 3) of one photo of the year, with the photo's file made too.
void WriteCatalogue(const std::string& album, int year) {
  std::filesystem::create_directories(album);
  const std::string photo = album + "/p" + std::to_string(year) + ".jpg";
  std::ofstream(photo, std::ios::binary) << "jpeg";
  PhotoFileRecord r{};
  r.flags = 4;
  std::strncpy(r.path, photo.c_str(), sizeof r.path - 1);
  r.year = static_cast<uint16_t>(year);
  r.month = r.day = 1;
  std::ofstream out(album + "/HBPH0200.dat", std::ios::binary | std::ios::trunc);
  out << "PHOTOALBUM0003";
  out.write(reinterpret_cast<const char*>(&r), sizeof r);
  out << std::string(13, '\0');
}

std::vector<std::string> NodeTexts(const CTreeCtrl& tree) {
  std::vector<std::string> texts;
  for (int i = 0; i < tree.GetCount(); ++i)
    texts.push_back(cp932::ToUtf8Lossy(tree.GetItemText(tree.GetItemAt(i))));
  return texts;
}

// Every file and folder below a folder, by its path relative to it.
std::set<std::string> Tree(const std::string& folder) {
  std::set<std::string> paths;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
    paths.insert(std::filesystem::relative(entry.path(), folder).string());
  return paths;
}

int FindPopup(const CMenu& bar, const std::string& utf8) {
  for (int i = 0; i < bar.GetMenuItemCount(); ++i)
    if (bar.GetItem(i)->text == cp932::Lit(utf8)) return i;
  return -1;
}

int FindIndex(const CMenu& menu, UINT id) {
  for (int i = 0; i < menu.GetMenuItemCount(); ++i)
    if (menu.GetMenuItemID(i) == id) return i;
  return -1;
}

}  // namespace

TEST_F(ModuleLifecycle, BeforeCreationTheEntryPointsGiveTheirNothingResults) {
  ExpectNoFrameAndEveryCallHarmless();
  EXPECT_EQ(m().OrbPhotoChangeUser("x"), 1);
  EXPECT_EQ(m().OrbPhotoCreateWindows(nullptr), nullptr);
  EXPECT_EQ(m().OrbPhotoTreeSetting(nullptr, 1), 1);
  EXPECT_EQ(m().OrbPhotoDataConvert(nullptr), 0);
}

TEST_F(ModuleLifecycle, TreeSettingMakesTheAlbumFolderAndFillsTheIndexTree) {
  ASSERT_EQ(m().OrbPhotoTreeSetting(&block_, 1), 1);
  EXPECT_TRUE(std::filesystem::is_directory(usersFolder_ + "/taro/Album"));
  ASSERT_EQ(tree_.GetCount(), 2);
  EXPECT_EQ(tree_.GetItemText(tree_.GetItemAt(0)), cp932::Lit("全て"));
  EXPECT_EQ(tree_.GetItemData(tree_.GetItemAt(0)), 0x10000);
  EXPECT_EQ(tree_.GetItemText(tree_.GetItemAt(1)), cp932::Lit("お気に入り"));
  EXPECT_EQ(tree_.GetItemData(tree_.GetItemAt(1)), 0x20000);
  EXPECT_EQ(tree_.GetSelectedItem(), tree_.GetItemAt(0));
  // A second tree setting rebuilds rather than adds.
  ASSERT_EQ(m().OrbPhotoTreeSetting(&block_, 0), 1);
  EXPECT_EQ(tree_.GetCount(), 2);
}

TEST_F(ModuleLifecycle, TheFrameIsAHiddenChildAtTheBlocksRectangleAndIsMadeOnce) {
  m().OrbPhotoTreeSetting(&block_, 1);
  HWND frame = m().OrbPhotoCreateWindows(&block_);
  ASSERT_TRUE(IsWindow(frame));
  EXPECT_EQ(frame->GetParent(), &suite_.host);
  EXPECT_FALSE(frame->IsWindowVisible());
  const RECT r = frame->GetWindowRect();
  EXPECT_EQ(r.left, 160);
  EXPECT_EQ(r.right, 640);
  EXPECT_EQ(r.bottom, 480);
  EXPECT_EQ(m().OrbPhotoCreateWindows(&block_), frame);
  EXPECT_EQ(m().OrbPhotoGetWnd(), frame);
  suite_.host.ShowWindow(SW_SHOW);
  m().OrbPhotoShowWindow(SW_SHOW);
  EXPECT_TRUE(frame->IsWindowVisible());
  m().OrbPhotoMoveWindow(10, 20, 300, 200, 1);
  EXPECT_EQ(frame->GetWindowRect().right, 310);
  m().OrbPhotoShowWindow(SW_HIDE);
  EXPECT_FALSE(frame->IsWindowVisible());
}

TEST_F(ModuleLifecycle, DestroyingStoresTheViewSettingsAndEmptiesTheFrame) {
  HWND frame = CreateShownFrame();
  ASSERT_NE(frame, nullptr);
  m().OrbPhotoCommand(32860, 0);  // name ascending
  m().OrbPhotoCommand(32860, 0);  // then descending
  m().OrbPhotoCommand(32842, 0);  // small thumbnails
  EXPECT_EQ(m().OrbPhotoDestroyWindows(), 1);
  EXPECT_EQ(m().OrbPhotoGetWnd(), nullptr);
  EXPECT_EQ(m().OrbPhotoGetMenu(), nullptr);
  PumpMessages();
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(static_cast<uint32_t>(ReadMainValue("Sort")), 0x80000001u);
  EXPECT_EQ(ReadMainValue("ImageSize"), 80);
  EXPECT_EQ(ReadMainValue("ImageStyle"), 14);
  EXPECT_EQ(ReadMainValue("DispThumbnail"), 1);
  EXPECT_EQ(ReadMainValue("ShowWindow"), SW_SHOW);
  EXPECT_EQ(ReadMainValue("Width"), 480);
  // A new frame starts from what was stored.
  CreateShownFrame();
  m().OrbPhotoCommand(32861, 0);
  m().OrbPhotoDestroyWindows();
  EXPECT_EQ(ReadMainValue("Sort"), 2);
}

TEST_F(ModuleLifecycle, TheMenuUpdatesAlbumItemsAndLeavesTheHostsAlone) {
  CreateShownFrame();
  HMENU bar = m().OrbPhotoGetMenu();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->GetMenuItemCount(), 5);
  CMenu* file = bar->GetSubMenu(FindPopup(*bar, "ファイル(&F)"));
  ASSERT_NE(file, nullptr);
  const int exitIndex = FindIndex(*file, 49152);
  file->EnableItem(exitIndex, false);  // the host's own state must survive the update
  m().OrbPhotoInitMenuPopup(file, 0, 0);
  EXPECT_FALSE(file->IsItemEnabled(exitIndex));
  EXPECT_EQ(file->GetItem(FindIndex(*file, 1000))->text,
            cp932::Lit("ケータイから写真を読み込む\tF5"));

  CMenu* view = bar->GetSubMenu(FindPopup(*bar, "表示(&V)"));
  ASSERT_NE(view, nullptr);
  m().OrbPhotoCommand(32874, 0);  // sort by size
  m().OrbPhotoInitMenuPopup(view, 2, 0);
  CMenu* sort = nullptr;
  for (int i = 0; i < view->GetMenuItemCount(); ++i)
    if (view->GetItem(i)->text == cp932::Lit("写真の整列")) sort = view->GetSubMenu(i);
  ASSERT_NE(sort, nullptr);
  // With the thumbnails shown, the style and size pop-ups are available.
  for (int i = 0; i < view->GetMenuItemCount(); ++i) {
    if (view->GetSubMenu(i) != nullptr) {
      EXPECT_TRUE(view->IsItemEnabled(i)) << i;
    }
  }
  m().OrbPhotoInitMenuPopup(sort, 0, 0);
  EXPECT_TRUE(sort->IsItemChecked(FindIndex(*sort, 32874)));
  EXPECT_FALSE(sort->IsItemChecked(FindIndex(*sort, 32861)));
  DestroyMenu(bar);
}

TEST_F(ModuleLifecycle, SizeAndCaptionCommandsAreGreyedWhileTheListIsShown) {
  CreateShownFrame();
  m().OrbPhotoCommand(32898, 0);  // switch to the list
  HMENU bar = m().OrbPhotoGetMenu();
  CMenu* view = bar->GetSubMenu(FindPopup(*bar, "表示(&V)"));
  for (int i = 0; i < view->GetMenuItemCount(); ++i) {
    CMenu* sub = view->GetSubMenu(i);
    if (sub == nullptr) continue;
    m().OrbPhotoInitMenuPopup(sub, i, 0);
    const bool sortMenu = sub->GetMenuItemID(0) == 32860;
    EXPECT_EQ(sub->IsItemEnabled(0), sortMenu) << i;
  }
  m().OrbPhotoInitMenuPopup(view, 0, 0);
  EXPECT_TRUE(view->IsItemEnabled(FindIndex(*view, 32898)));
  DestroyMenu(bar);
}

TEST_F(ModuleLifecycle, ABlockWithoutTextsOrContextIsHandledWithoutACrash) {
  HostParameterBlock empty{};
  EXPECT_EQ(m().OrbPhotoTreeSetting(&empty, 1), 1);
  EXPECT_EQ(m().OrbPhotoCreateWindows(&empty), nullptr);
  EXPECT_EQ(m().OrbPhotoChangeDataFolder(nullptr, nullptr), 1);
  EXPECT_EQ(m().OrbPhotoSaveData(), 1);
}

TEST_F(ModuleLifecycle, AUserNameThatIsNotOnePlainFolderNameOpensNoAlbumByAnyEntryPoint) {
  const std::string safety = temp_.file("Safety");
  for (const Cp932String name : {"../x", "..", ".", "a/b", "a\\b", "", "a\x80"}) {
    SCOPED_TRACE(cp932::ToUtf8Lossy(name));
    block_.userName = name.c_str();
    suite_.error = {};
    EXPECT_EQ(m().OrbPhotoTreeSetting(&block_, 1), 1);
    EXPECT_EQ(suite_.error.code, 2092);
    EXPECT_EQ(tree_.GetCount(), 0) << "a failed initialisation does not fill the tree";

    suite_.error = {};
    EXPECT_EQ(m().OrbPhotoChangeDataFolder(usersFolder_.c_str(), name.c_str()), 1);
    EXPECT_EQ(suite_.error.code, 2092);

    DataConversionBlock conversion{};
    conversion.host = block_;
    conversion.safetyFolder = safety.c_str();
    EXPECT_EQ(m().OrbPhotoDataConvertPrev(&conversion), 0);
    EXPECT_EQ(m().OrbPhotoDataConvert(&conversion), 0);
    EXPECT_EQ(m().OrbPhotoDataConvertError(&conversion), 0);
    EXPECT_EQ(suite_.error.code, 2092);

    // The host still hands over the user through the tree setting; this text is not used.
    EXPECT_EQ(m().OrbPhotoChangeUser(name.c_str()), 1);
    EXPECT_EQ(Tree(temp_.path()), std::set<std::string>{}) << "nothing was made anywhere";
  }
}

TEST_F(ModuleLifecycle, AfterTheHostDestroysItsWindowFirstEveryEntryPointIsHarmless) {
  HWND frame = CreateShownFrame();
  ASSERT_NE(frame, nullptr);
  suite_.host.DestroyWindow();
  EXPECT_FALSE(IsWindow(frame));
  ExpectNoFrameAndEveryCallHarmless();
  EXPECT_EQ(m().OrbPhotoChangeUser("taro"), 1);
  // A new frame cannot be made in the host's window that is gone; nothing is left behind.
  EXPECT_EQ(m().OrbPhotoCreateWindows(&block_), nullptr);
  EXPECT_EQ(m().OrbPhotoGetWnd(), nullptr);
}

TEST_F(ModuleLifecycle, TheModuleStartsThePhoneLibraryOnceWhenItLoads) {
  EXPECT_EQ(phonelib::InitCountForTest(), 1);
}

TEST_F(ModuleLifecycle, ChangingTheUserOrTheDataFolderRebuildsTheIndexTree) {
  WriteCatalogue(usersFolder_ + "/taro/Album", 2020);
  WriteCatalogue(usersFolder_ + "/jiro/Album", 2023);
  ASSERT_NE(CreateShownFrame(), nullptr);
  EXPECT_EQ(NodeTexts(tree_), (std::vector<std::string>{"全て", "2020年", "お気に入り"}));
  m().OrbPhotoChangeDataFolder(usersFolder_.c_str(), "jiro");
  EXPECT_EQ(NodeTexts(tree_), (std::vector<std::string>{"全て", "2023年", "お気に入り"}));
  // The user change saves the library and reloads it; the tree is built again from it.
  tree_.DeleteAllItems();
  m().OrbPhotoChangeUser("jiro");
  EXPECT_EQ(NodeTexts(tree_), (std::vector<std::string>{"全て", "2023年", "お気に入り"}));
}

TEST_F(ModuleLifecycle, TreeNodesArePointerSizedFromTheHostToTheFrame) {
  ASSERT_NE(CreateShownFrame(), nullptr);
  tree_.InsertItem(cp932::Lit("検索結果"), 0x40000);
  const int withSearch = tree_.GetCount();
  const intptr_t node = (intptr_t{1} << 40) + 7;
  m().OrbPhotoTreeItemSelect(0, node, node);
  EXPECT_EQ(tree_.GetCount(), withSearch) << "the same node again keeps the search results";
  m().OrbPhotoTreeItemSelect(0, node, node + 1);
  EXPECT_EQ(tree_.GetCount(), withSearch - 1) << "another node takes them away";
}

TEST_F(ModuleLifecycle, TheHostsPhoneWindowsFollowThePhoneAndWhatBlocksIt) {
  const std::string phone = temp_.file("phone");
  std::filesystem::create_directories(phone);
  std::ofstream(phone + "/" + phonelib::kProfileFileName)
      << phonelib::FormatPhoneProfile({1, 100000, 2000000});
  phonelib::SetPhoneFolder(phone);
  CButton read, send;
  ASSERT_TRUE(read.Create("read", WS_CHILD, RECT{0, 0, 10, 10}, &suite_.host));
  ASSERT_TRUE(send.Create("send", WS_CHILD, RECT{0, 0, 10, 10}, &suite_.host));
  suite_.context.lockWindow1 = &read;
  suite_.context.lockWindow2 = &send;
  read.EnableWindow(false);
  send.EnableWindow(false);

  ASSERT_NE(CreateShownFrame(), nullptr);
  EXPECT_TRUE(read.IsWindowEnabled() && send.IsWindowEnabled()) << "a ready phone, nothing blocks";
  suite_.context.hostReady = 0;
  m().OrbPhotoChangeMobilePhone();
  EXPECT_FALSE(read.IsWindowEnabled() || send.IsWindowEnabled()) << "the host is not ready";
  suite_.context.hostReady = 1;
  suite_.host.phoneConnected = 0;
  m().OrbPhotoChangeMobilePhone();
  EXPECT_FALSE(read.IsWindowEnabled()) << "without a phone the windows stay as they are";
  suite_.host.phoneConnected = 1;
  m().OrbPhotoShowWindow(SW_SHOW);
  EXPECT_TRUE(read.IsWindowEnabled() && send.IsWindowEnabled());
  m().OrbPhotoDestroyWindows();
  suite_.context.lockWindow1 = suite_.context.lockWindow2 = nullptr;
  phonelib::SetPhoneFolder("");
}
