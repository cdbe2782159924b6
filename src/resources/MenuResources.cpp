#include "resources/MenuResources.h"

#include "resources/CommandIds.h"

namespace res {
namespace {

using cp932::Lit;

void AddItem(CMenu& menu, UINT id, const char* utf8) {
  menu.AppendItem(id, Lit(utf8));
}

void FillFile(CMenu& menu) {
  AddItem(menu, cmd::kReadFromPhone, "ケータイから写真を読み込む\tF5");
  AddItem(menu, cmd::kSendToPhone, "写真をケータイに書き込む...\tShift+F5");
  menu.AppendSeparator();
  AddItem(menu, cmd::kReadOptions, "読み込み設定(&R)...");
  menu.AppendSeparator();
  AddItem(menu, cmd::kImport, "インポート...");
  AddItem(menu, cmd::kExport, "エクスポート...");
  menu.AppendSeparator();
  AddItem(menu, cmd::kPrintStyles, "印刷スタイルの設定...");
  AddItem(menu, cmd::kPrint, "印刷(&P)");
  menu.AppendSeparator();
  AddItem(menu, cmd::kHostSwitchUser, "ユーザーの切り替え...");
  menu.AppendSeparator();
  AddItem(menu, cmd::kHostExit, "終了(&X)");
}

void FillEdit(CMenu& menu) {
  AddItem(menu, cmd::kCopy, "コピー(&C)\tCtrl+C");
  AddItem(menu, cmd::kSelectAll, "全て選択(&A)\tCtrl+A");
  menu.AppendSeparator();
  AddItem(menu, cmd::kDelete, "削除(&D)\tDelete");
  menu.AppendSeparator();
  AddItem(menu, cmd::kRename, "名前の変更...");
  AddItem(menu, cmd::kEditMemo, "メモの編集...");
  AddItem(menu, cmd::kRenameFavourite, "お気に入り名の変更...");
  menu.AppendSeparator();
  AddItem(menu, cmd::kEditPhoto, "写真の編集(&H)...\tCtrl+H");
  AddItem(menu, cmd::kInsertIntoEasyPrint, "簡単プリントに挿入(&I)\tCtrl+I");
  menu.AppendSeparator();
  AddItem(menu, cmd::kHostEditUser, "ユーザー情報の編集...");
}

void FillView(CMenu& menu) {
  AddItem(menu, cmd::kToggleEasyPrint, "簡単プリント");
  AddItem(menu, cmd::kSwitchView, "表示切替");
  AddItem(menu, cmd::kSearch, "検索");
  menu.AppendSeparator();
  CMenu& style = menu.AppendPopup(Lit("写真スタイル"));
  AddItem(style, cmd::kCaptionName, "名前");
  AddItem(style, cmd::kCaptionDate, "日付");
  AddItem(style, cmd::kCaptionMemo, "メモ");
  CMenu& size = menu.AppendPopup(Lit("写真サイズ"));
  AddItem(size, cmd::kSizeSmall, "小");
  AddItem(size, cmd::kSizeMedium, "中");
  AddItem(size, cmd::kSizeLarge, "大");
  CMenu& sort = menu.AppendPopup(Lit("写真の整列"));
  AddItem(sort, cmd::kSortName, "名前");
  AddItem(sort, cmd::kSortDate, "日時");
  AddItem(sort, cmd::kSortSize, "サイズ");
  AddItem(sort, cmd::kSortMemo, "メモ");
  menu.AppendSeparator();
  AddItem(menu, cmd::kPreview, "写真プレビュー");
  AddItem(menu, cmd::kDetails, "詳細");
  AddItem(menu, cmd::kMap, "地図表示");
}

void FillTools(CMenu& menu) {
  AddItem(menu, cmd::kHostLauncher, "ランチャー");
  AddItem(menu, cmd::kHostSettings, "共通設定...");
  AddItem(menu, cmd::kHostDataLocation, "データの保存場所...");
}

void FillHelp(CMenu& menu) {
  AddItem(menu, cmd::kHelp, "アルバムのヘルプ");
  menu.AppendSeparator();
  AddItem(menu, cmd::kHostHelp, "Harbo Suite のヘルプ");
  AddItem(menu, cmd::kHostSupport, "サポートページ");
  AddItem(menu, cmd::kHostUpdateCheck, "アップデートの確認");
  AddItem(menu, cmd::kHostVersion, "バージョン情報");
}

std::unique_ptr<CMenu> MainMenu() {
  auto menu = std::make_unique<CMenu>();
  FillFile(menu->AppendPopup(Lit("ファイル(&F)")));
  FillEdit(menu->AppendPopup(Lit("編集(&E)")));
  FillView(menu->AppendPopup(Lit("表示(&V)")));
  FillTools(menu->AppendPopup(Lit("ツール(&T)")));
  FillHelp(menu->AppendPopup(Lit("ヘルプ(&H)")));
  return menu;
}

// The views' context menus: the first on photos, the second on empty space.
std::unique_ptr<CMenu> ContextMenus() {
  auto menu = std::make_unique<CMenu>();
  CMenu& onItems = menu->AppendPopup(Lit("ｺﾝﾃｷｽﾄﾒﾆｭｰ1"));
  AddItem(onItems, cmd::kOpenItem, "開く\tEnter");
  AddItem(onItems, cmd::kEditPhoto, "写真の編集(&H)...\tCtrl+H");
  onItems.AppendSeparator();
  AddItem(onItems, cmd::kCopy, "コピー(&C)\tCtrl+C");
  AddItem(onItems, cmd::kDelete, "削除(&D)\tDelete");
  onItems.AppendSeparator();
  AddItem(onItems, cmd::kRename, "名前の変更...");
  AddItem(onItems, cmd::kEditMemo, "メモの編集...");
  AddItem(onItems, cmd::kInsertIntoEasyPrint, "簡単プリントに挿入(&I)\tCtrl+I");
  onItems.AppendSeparator();
  AddItem(onItems, cmd::kDetails, "詳細");
  AddItem(onItems, cmd::kMap, "地図表示");
  CMenu& onSpace = menu->AppendPopup(Lit("ｺﾝﾃｷｽﾄﾒﾆｭｰ2"));
  AddItem(onSpace, cmd::kSelectAll, "全て選択(&A)\tCtrl+A");
  onSpace.AppendSeparator();
  AddItem(onSpace, cmd::kSwitchView, "表示切替");
  CMenu& sort = onSpace.AppendPopup(Lit("写真の整列"));
  AddItem(sort, cmd::kSortName, "名前");
  AddItem(sort, cmd::kSortDate, "日時");
  AddItem(sort, cmd::kSortSize, "サイズ");
  AddItem(sort, cmd::kSortMemo, "メモ");
  CMenu& size = onSpace.AppendPopup(Lit("写真サイズ"));
  AddItem(size, cmd::kSizeSmall, "小");
  AddItem(size, cmd::kSizeMedium, "中");
  AddItem(size, cmd::kSizeLarge, "大");
  onSpace.AppendSeparator();
  AddItem(onSpace, cmd::kPreview, "写真プレビュー");
  AddItem(onSpace, cmd::kSearch, "検索");
  return menu;
}

const CAcceleratorTable& MainAccelerators() {
  static const CAcceleratorTable table({
      {FVIRTKEY, VK_F5, cmd::kReadFromPhone},
      {FVIRTKEY | FSHIFT, VK_F5, cmd::kSendToPhone},
      {FVIRTKEY | FCONTROL, 'P', cmd::kPrint},
      {FVIRTKEY | FCONTROL, 'A', cmd::kSelectAll},
      {FVIRTKEY | FCONTROL, 'I', cmd::kInsertIntoEasyPrint},
      {FVIRTKEY | FCONTROL, 'C', cmd::kCopy},
      {FVIRTKEY | FCONTROL, VK_INSERT, cmd::kCopy},
      {FVIRTKEY | FCONTROL, 'H', cmd::kEditPhoto},
      {FVIRTKEY, VK_F6, cmd::kNextPane},
      {FVIRTKEY | FSHIFT, VK_F6, cmd::kPreviousPane},
      {FVIRTKEY, VK_RETURN, cmd::kOpenItem},
      {FVIRTKEY | FCONTROL, 'F', cmd::kFind},
  });
  return table;
}

}  // namespace

std::unique_ptr<CMenu> LoadMenu(UINT id) {
  if (id == kMainMenu) return MainMenu();
  if (id == kContextMenus) return ContextMenus();
  return nullptr;
}

HACCEL LoadAccelerators(UINT id) {
  if (id == kMainAccelerators) return &MainAccelerators();
  return nullptr;
}

}  // namespace res
