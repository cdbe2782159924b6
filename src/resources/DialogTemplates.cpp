#include "resources/DialogTemplates.h"

#include "resources/EasyPrintPanel.h"
#include "resources/PrintStyleDialogs.h"

#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/DateTimeCtrl.h"
#include "platform/win/Edit.h"
#include "platform/win/GroupBox.h"
#include "platform/win/IconCtrl.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/ProgressCtrl.h"
#include "platform/win/RadioButton.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/SpinButton.h"

namespace res {
namespace {

const std::vector<DialogTemplate>& Templates() {
  static const std::vector<DialogTemplate> templates = {
      {kDialogPhoneWait,
       "ケータイデータバックアップ",
       360,
       130,
       {
           {ControlKind::kText, kControlWaitText,
            "他の処理にてケータイと通信中の為、しばらくお待ち下さい。", RECT{16, 16, 344, 64}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{260, 84, 344, 112}},
       }},
      // The buttons stand as for two; a list with one button moves the first to the middle.
      {kDialogConfList,
       "確認",
       468,
       250,
       {
           {ControlKind::kIcon, kControlConfIcon, "", RECT{8, 8, 40, 40}},
           {ControlKind::kText, kControlConfText, "", RECT{48, 8, 460, 40}},
           {ControlKind::kList, kControlConfList, "", RECT{8, 48, 288, 212}},
           {ControlKind::kButton, IDOK, "OK", RECT{99, 220, 184, 242}},
           {ControlKind::kButton, IDCANCEL, "ｷｬﾝｾﾙ", RECT{284, 220, 369, 242}},
       }},
      {kDialogProgMsg,
       "お待ちください",
       300,
       70,
       {
           {ControlKind::kText, kControlProgText, "", RECT{12, 10, 288, 30}},
           {ControlKind::kProgress, kControlProgBar, "", RECT{12, 38, 288, 56}},
       }},
      {kDialogPimSelect,
       "PRINT Image Matching 機能の選択",
       470,
       190,
       {
           {ControlKind::kCheck, kControlPimSwitch,
            "EPSONプリンタでのPRINT Image Matchingを有効にする", RECT{12, 10, 458, 30}},
           {ControlKind::kText, kControlPimExplanation, "", RECT{12, 38, 458, 110}},
           {ControlKind::kText, kControlPimNotice,
            "This software is based in part on the work of the Independent JPEG Group.",
            RECT{12, 116, 458, 150}},
           {ControlKind::kButton, IDOK, "OK", RECT{290, 160, 370, 182}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{378, 160, 458, 182}},
       }},
      {kDialogPrinting,
       "Quarn Port - 出力中…",
       300,
       104,
       {
           {ControlKind::kText, kControlPrintingText, "", RECT{12, 10, 288, 60}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{110, 70, 190, 92}},
       }},
      {kDialogNameEdit,
       "",
       284,
       84,
       {
           {ControlKind::kText, kControlNamePrompt, "", RECT{8, 8, 276, 20}},
           {ControlKind::kEdit, kControlNameEdit, "", RECT{8, 28, 276, 48}},
           {ControlKind::kButton, IDOK, "OK", RECT{108, 56, 188, 76}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{196, 56, 276, 76}},
       }},
      {kDialogSearch,
       "検索",
       448,
       250,
       {
           {ControlKind::kCheck, kControlSearchName, "名前", RECT{8, 10, 88, 30}},
           {ControlKind::kCombo, kControlSearchNameText, "", RECT{96, 8, 440, 200}, CBS_DROPDOWN},
           {ControlKind::kCheck, kControlSearchDate, "日付", RECT{8, 40, 88, 60}},
           {ControlKind::kCombo, kControlSearchDateType, "", RECT{96, 38, 216, 160}},
           {ControlKind::kDate, kControlSearchFirstDate, "", RECT{96, 66, 216, 88}},
           {ControlKind::kCombo, kControlSearchDateTerm, "", RECT{222, 66, 292, 160}},
           {ControlKind::kDate, kControlSearchSecondDate, "", RECT{298, 66, 418, 88}},
           {ControlKind::kCheck, kControlSearchSize, "サイズ", RECT{8, 98, 88, 118}},
           {ControlKind::kEdit, kControlSearchSizeFrom, "", RECT{96, 96, 156, 118}, ES_NUMBER},
           {ControlKind::kText, kControlSearchFromKb, "KB", RECT{160, 98, 184, 118}},
           {ControlKind::kCombo, kControlSearchSizeTerm, "", RECT{188, 96, 258, 180}},
           {ControlKind::kEdit, kControlSearchSizeTo, "", RECT{264, 96, 324, 118}, ES_NUMBER},
           {ControlKind::kText, kControlSearchToKb, "KB", RECT{328, 98, 352, 118}},
           {ControlKind::kCheck, kControlSearchMemo, "メモ", RECT{8, 128, 88, 148}},
           {ControlKind::kCombo, kControlSearchMemoText, "", RECT{96, 126, 440, 320}, CBS_DROPDOWN},
           {ControlKind::kGroup, kControlSearchKinds, "", RECT{8, 154, 440, 210}},
           {ControlKind::kCheck, kControlSearchPhotos, "写真", RECT{18, 162, 98, 182}},
           {ControlKind::kCheck, kControlSearchMovies, "ムービー", RECT{104, 162, 204, 182}},
           {ControlKind::kCheck, kControlSearchInView, "現在の表示から検索",
            RECT{18, 184, 248, 204}},
           {ControlKind::kButton, kControlSearchRun, "検索", RECT{184, 220, 264, 242}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{272, 220, 352, 242}},
           {ControlKind::kButton, kControlSearchHelp, "ヘルプ(&H)", RECT{360, 220, 440, 242}},
       }},
      {kDialogRename,
       "名前の変更",
       384,
       84,
       {
           {ControlKind::kText, kControlRenamePrompt, "名前を入力して下さい", RECT{8, 8, 376, 20}},
           {ControlKind::kEdit, kControlRenameEdit, "", RECT{8, 28, 376, 48}},
           {ControlKind::kButton, kControlRenameOriginal, "元の名前", RECT{8, 56, 88, 76}},
           {ControlKind::kButton, IDOK, "OK", RECT{208, 56, 288, 76}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{296, 56, 376, 76}},
       }},
      {kDialogMemoEdit,
       "メモの編集",
       304,
       188,
       {
           {ControlKind::kEdit, kControlMemoEdit, "", RECT{8, 8, 296, 152}, ES_MULTILINE},
           {ControlKind::kButton, IDOK, "OK", RECT{128, 160, 208, 180}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{216, 160, 296, 180}},
       }},
      {kDialogImageEditer,
       "",
       360,
       328,
       {
           {ControlKind::kText, kControlSaturationLabel, "彩度", RECT{8, 216, 69, 236}},
           {ControlKind::kSlider, kControlSaturation, "", RECT{77, 216, 287, 236}},
           {ControlKind::kText, kControlContrastLabel, "コントラスト", RECT{8, 244, 69, 264}},
           {ControlKind::kSlider, kControlContrast, "", RECT{77, 244, 287, 264}},
           {ControlKind::kText, kControlBrightnessLabel, "輝度", RECT{8, 272, 69, 292}},
           {ControlKind::kSlider, kControlBrightness, "", RECT{77, 272, 287, 292}},
           {ControlKind::kButton, kControlEditRotate, "回転", RECT{8, 300, 88, 320}},
           {ControlKind::kButton, kControlEditReset, "リセット", RECT{96, 300, 176, 320}},
           {ControlKind::kButton, IDOK, "OK", RECT{184, 300, 264, 320}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{272, 300, 352, 320}},
       }},
      {kDialogImageProperties,
       "",
       508,
       208,
       {
           {ControlKind::kList, kControlDetailsGeneralList, "", RECT{8, 8, 328, 172}},
           {ControlKind::kList, kControlDetailsShootingList, "", RECT{8, 8, 328, 172}},
           {ControlKind::kButton, kControlDetailsGeneralButton, "全般", RECT{8, 180, 88, 200}},
           {ControlKind::kButton, kControlDetailsShootingButton, "撮影情報",
            RECT{96, 180, 176, 200}},
           {ControlKind::kButton, IDCANCEL, "閉じる", RECT{420, 180, 500, 200}},
       }},
      {kDialogImagePreview,
       "",
       770,
       594,
       {
           {ControlKind::kButton, kControlSlideOn, "スライド On", RECT{682, 8, 762, 32}},
           {ControlKind::kButton, kControlSlideOff, "スライド Off", RECT{682, 36, 762, 60}},
           {ControlKind::kButton, kControlPrevious, "前へ", RECT{682, 64, 762, 88}},
           {ControlKind::kButton, kControlNext, "次へ", RECT{682, 92, 762, 116}},
           {ControlKind::kButton, kControlZoomOut, "縮小", RECT{682, 120, 762, 144}},
           {ControlKind::kButton, kControlZoomIn, "拡大", RECT{682, 148, 762, 172}},
           {ControlKind::kButton, kControlSettings, "設定", RECT{682, 176, 762, 200}},
           {ControlKind::kButton, kControlPreviewHelp, "ヘルプ", RECT{682, 204, 762, 228}},
           {ControlKind::kButton, IDCANCEL, "閉じる", RECT{682, 232, 762, 256}},
       }},
      {kDialogImagePreviewSetting,
       "プレビュー設定",
       300,
       262,
       {
           {ControlKind::kText, 0, "スライド", RECT{12, 14, 72, 32}},
           {ControlKind::kEdit, kControlSlideTick, "", RECT{76, 12, 126, 34}},
           {ControlKind::kSpin, kControlSlideSpin, "", RECT{126, 12, 144, 34}},
           {ControlKind::kText, 0, "0.1秒単位", RECT{150, 14, 240, 32}},
           {ControlKind::kCheck, kControlSlideLoop, "ループ", RECT{24, 40, 120, 60}},
           {ControlKind::kCheck, kControlSlideReverse, "リバース", RECT{130, 40, 240, 60}},
           {ControlKind::kText, 0, "イメージ数", RECT{12, 72, 90, 90}},
           {ControlKind::kCombo, kControlViewCount, "", RECT{94, 68, 154, 200}},
           {ControlKind::kText, 0, "枚", RECT{160, 72, 190, 90}},
           {ControlKind::kCheck, kControlViewSlide, "スライドする数も同じにする",
            RECT{24, 98, 288, 118}},
           {ControlKind::kText, 0, "画像", RECT{12, 126, 90, 144}},
           {ControlKind::kCheck, kControlSizeAuto, "サイズを調節して表示する",
            RECT{24, 146, 288, 166}},
           {ControlKind::kCheck, kControlShowMemo, "メモの表示", RECT{24, 168, 288, 188}},
           {ControlKind::kText, 0, "描画効果（1枚時のみ）", RECT{12, 198, 160, 216}},
           {ControlKind::kCombo, kControlDrawEffect, "", RECT{164, 194, 288, 330}},
           {ControlKind::kButton, IDOK, "OK", RECT{120, 230, 200, 254}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{208, 230, 288, 254}},
       }},
      // The type group stays hidden; the confirmation switch takes its place.
      {kDialogReadOption,
       "読み込み設定",
       400,
       236,
       {
           {ControlKind::kText, kControlReadPrompt,
            "アルバムに読み込むファイルや通信中に表示される確認画面を設定してください",
            RECT{12, 10, 388, 42}},
           {ControlKind::kGroup, kControlReadSourceGroup,
            "読み込み元の指定（機種によって外部メモリはできません）", RECT{12, 48, 388, 140}},
           {ControlKind::kRadio, kControlReadBoth, "内部データフォルダ && 外部メモリ",
            RECT{28, 70, 372, 90}},
           {ControlKind::kRadio, kControlReadInternal, "内部データフォルダのみ",
            RECT{28, 92, 372, 112}},
           {ControlKind::kRadio, kControlReadExternal, "外部メモリのみ", RECT{28, 114, 372, 134}},
           {ControlKind::kGroup, kControlReadTypeGroup, "拡張子指定", RECT{12, 146, 388, 190}},
           {ControlKind::kCheck, kControlReadJpg, "JPG", RECT{28, 164, 92, 184}},
           {ControlKind::kCheck, kControlReadJpg + 1, "PNG", RECT{98, 164, 162, 184}},
           {ControlKind::kCheck, kControlReadJpg + 2, "AMC", RECT{168, 164, 232, 184}},
           {ControlKind::kCheck, kControlReadJpg + 3, "3GP", RECT{238, 164, 302, 184}},
           {ControlKind::kCheck, kControlReadJpg + 4, "3G2", RECT{308, 164, 372, 184}},
           {ControlKind::kCheck, kControlReadFileDisp, "確認画面の表示", RECT{20, 150, 372, 170}},
           {ControlKind::kButton, IDOK, "OK", RECT{212, 202, 292, 226}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{300, 202, 380, 226}},
       }},
      {kDialogImageImport,
       "インポート",
       516,
       322,
       {
           {ControlKind::kText, kControlImportPrompt,
            "PCから取り込みたい写真(jpg, png)やムービー(amc, 3gp, 3g2)ファイルを、下のリストへ"
            "ドロップしてください。\n（挿入ボタンからもファイルを選ぶことが出来ます）",
            RECT{8, 8, 508, 34}},
           {ControlKind::kList, kControlImportList, "", RECT{8, 42, 508, 286}},
           {ControlKind::kButton, kControlImportInsert, "挿入...", RECT{8, 294, 88, 314}},
           {ControlKind::kButton, kControlImportRemove, "取消し", RECT{96, 294, 176, 314}},
           {ControlKind::kCheck, kControlImportHideMain, "メインウィンドウを隠す",
            RECT{184, 294, 244, 314}},
           {ControlKind::kButton, IDOK, "OK", RECT{252, 294, 332, 314}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{340, 294, 420, 314}},
           {ControlKind::kButton, kControlImportHelp, "ヘルプ", RECT{428, 294, 508, 314}},
       }},
      {kDialogImageExport,
       "エクスポート",
       516,
       324,
       {
           {ControlKind::kText, 0, "エクスポート先のフォルダを指定してください",
            RECT{8, 8, 420, 20}},
           {ControlKind::kEdit, kControlExportFolder, "", RECT{8, 22, 420, 42}},
           {ControlKind::kButton, kControlExportBrowse, "参照...", RECT{428, 22, 508, 42}},
           {ControlKind::kText, kControlExportCaption, "", RECT{8, 50, 336, 62}},
           {ControlKind::kList, kControlExportList, "", RECT{8, 64, 336, 228}},
           {ControlKind::kText, 0, "オプション", RECT{8, 238, 508, 252}},
           {ControlKind::kCheck, kControlExportOverwrite, "同名ファイルの上書き",
            RECT{18, 256, 168, 276}},
           {ControlKind::kCheck, kControlExportSubfolders, "年月別サブフォルダの作成",
            RECT{176, 256, 356, 276}},
           {ControlKind::kCheck, kControlExportApplyEdits, "編集値の有効",
            RECT{364, 256, 500, 276}},
           {ControlKind::kText, kControlExportBest, "最高画質", RECT{18, 280, 78, 292}},
           {ControlKind::kSlider, kControlExportQuality, "", RECT{80, 278, 200, 294}},
           {ControlKind::kText, kControlExportSmallest, "最大圧縮", RECT{204, 280, 264, 292}},
           {ControlKind::kButton, kControlExportStart, "エクスポート開始",
            RECT{212, 296, 332, 316}},
           {ControlKind::kButton, IDCANCEL, "閉じる", RECT{340, 296, 420, 316}},
           {ControlKind::kButton, kControlExportHelp, "ヘルプ", RECT{428, 296, 508, 316}},
       }},
      // The destination's choices and the size list sit in the options group.
      {kDialogImageUpdate,
       "写真をケータイに送ります",
       516,
       332,
       {
           {ControlKind::kText, kControlUpdateCaption, "", RECT{8, 8, 336, 24}},
           {ControlKind::kList, kControlUpdateList, "", RECT{8, 28, 336, 192}},
           {ControlKind::kGroup, kControlUpdateOptions, "オプション", RECT{8, 200, 508, 292}},
           {ControlKind::kText, kControlUpdateDestination, "書き込み先", RECT{18, 220, 98, 240}},
           {ControlKind::kRadio, kControlUpdateInternal, "内部データフォルダ",
            RECT{104, 218, 264, 240}},
           {ControlKind::kRadio, kControlUpdateExternal, "外部メモリ(データフォルダ)",
            RECT{272, 218, 500, 240}},
           {ControlKind::kCheck, kControlUpdateResize, "画像サイズを変更", RECT{18, 244, 168, 264}},
           {ControlKind::kCombo, kControlUpdateSize, "", RECT{176, 244, 400, 264}},
           {ControlKind::kCheck, kControlUpdateOverwrite, "同名ファイルの上書",
            RECT{18, 268, 248, 288}},
           {ControlKind::kButton, IDOK, "ケータイに送る", RECT{212, 302, 332, 324}},
           {ControlKind::kButton, IDCANCEL, "閉じる", RECT{340, 302, 420, 324}},
           {ControlKind::kButton, kControlUpdateHelp, "ヘルプ", RECT{428, 302, 508, 324}},
       }},
      // The swatch is painted by the dialog left of the colour's change button.
      {kDialogEventDay,
       "祝日または、記念日の設定",
       380,
       272,
       {
           {ControlKind::kText, 0, "名前", RECT{12, 14, 72, 32}},
           {ControlKind::kEdit, kControlEventName, "", RECT{76, 12, 368, 34}},
           {ControlKind::kText, 0, "種類", RECT{12, 46, 72, 64}},
           {ControlKind::kRadio, kControlEventAnniversary, "記念日", RECT{76, 44, 176, 64}},
           {ControlKind::kRadio, kControlEventHoliday, "祝日", RECT{184, 44, 284, 64}},
           {ControlKind::kText, 0, "文字色", RECT{12, 76, 72, 94}},
           {ControlKind::kButton, kControlEventColor, "変更...", RECT{144, 74, 224, 96}},
           {ControlKind::kText, 0, "繰り返し", RECT{12, 110, 72, 128}},
           {ControlKind::kCombo, kControlEventRepeat, "", RECT{76, 106, 176, 226}},
           {ControlKind::kText, 0, "日付", RECT{12, 144, 72, 162}},
           {ControlKind::kEdit, kControlEventYear, "", RECT{76, 140, 136, 162}},
           {ControlKind::kText, 0, "年", RECT{140, 144, 160, 162}},
           {ControlKind::kCombo, kControlEventMonth, "", RECT{164, 140, 224, 330}},
           {ControlKind::kText, 0, "月", RECT{228, 144, 248, 162}},
           {ControlKind::kCombo, kControlEventDay, "", RECT{252, 140, 312, 330}},
           {ControlKind::kText, 0, "日", RECT{316, 144, 336, 162}},
           {ControlKind::kCheck, kControlEventByWeekday, "曜日の指定", RECT{12, 176, 200, 196}},
           {ControlKind::kCombo, kControlEventWeekNumber, "", RECT{76, 202, 156, 322}},
           {ControlKind::kCombo, kControlEventWeekday, "", RECT{164, 202, 264, 362}},
           {ControlKind::kButton, IDOK, "OK", RECT{200, 240, 280, 264}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{288, 240, 368, 264}},
       }},
      // The colour's swatch and the font's sample are painted by the dialog.
      {kDialogCalendarOption,
       "カレンダーオプション",
       460,
       424,
       {
           {ControlKind::kGroup, 0, "曜日色", RECT{12, 8, 220, 96}},
           {ControlKind::kCombo, kControlCalColorTarget, "", RECT{24, 30, 172, 250}},
           {ControlKind::kButton, kControlCalColorChange, "変更...", RECT{92, 60, 172, 84}},
           {ControlKind::kGroup, 0, "ロゴタイプ", RECT{232, 8, 448, 96}},
           {ControlKind::kRadio, kControlCalJapanese, "日本語(日 月 火...)",
            RECT{244, 30, 440, 50}},
           {ControlKind::kRadio, kControlCalEnglish, "英語(Sun Mon Tue...)",
            RECT{244, 60, 440, 80}},
           {ControlKind::kGroup, 0, "フォント", RECT{12, 104, 448, 188}},
           {ControlKind::kCombo, kControlCalFontFace, "", RECT{24, 124, 316, 344}},
           {ControlKind::kButton, kControlCalBold, "B", RECT{324, 124, 350, 146}},
           {ControlKind::kButton, kControlCalItalic, "I", RECT{354, 124, 380, 146}},
           {ControlKind::kButton, kControlCalUnderline, "U", RECT{384, 124, 410, 146}},
           {ControlKind::kCheck, kControlCalEventNames, "祝日または、記念日の文字を印刷する",
            RECT{12, 194, 448, 214}},
           {ControlKind::kGroup, 0, "祝日と記念日の一覧", RECT{12, 220, 448, 380}},
           {ControlKind::kList, kControlCalEventList, "", RECT{24, 240, 340, 370}},
           {ControlKind::kButton, kControlCalCreate, "作成...", RECT{348, 240, 436, 264}},
           {ControlKind::kButton, kControlCalEdit, "詳細...", RECT{348, 270, 436, 294}},
           {ControlKind::kButton, kControlCalDelete, "削除", RECT{348, 300, 436, 324}},
           {ControlKind::kButton, kControlCalReset, "リセット", RECT{348, 346, 436, 370}},
           {ControlKind::kButton, IDOK, "OK", RECT{272, 390, 352, 414}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{360, 390, 440, 414}},
       }},
  };
  return templates;
}

template <class Control>
std::unique_ptr<CWnd> Make(const ControlTemplate& t, HWND parent) {
  const Cp932String text = cp932::Lit(t.text);
  auto control = std::make_unique<Control>();
  if (!control->Create(text, WS_CHILD | WS_VISIBLE | t.style, t.rect, parent, t.id)) return nullptr;
  if constexpr (requires { control->SetText(text); }) control->SetText(text);
  return control;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
  for (const auto& t : Templates())
    if (t.id == id) return &t;
  for (const auto& t : PrintStyleTemplates())
    if (t.id == id) return &t;
  for (const auto& t : EasyPrintTemplates())
    if (t.id == id) return &t;
  return nullptr;
}

std::unique_ptr<CWnd> CreateControl(const ControlTemplate& control, HWND parent) {
  switch (control.kind) {
    case ControlKind::kButton:
      return Make<CButton>(control, parent);
    case ControlKind::kIcon:
      return Make<CIconCtrl>(control, parent);
    case ControlKind::kList:
      return Make<CListCtrl>(control, parent);
    case ControlKind::kProgress:
      return Make<CProgressCtrl>(control, parent);
    case ControlKind::kEdit:
      return Make<CEdit>(control, parent);
    case ControlKind::kSlider:
      return Make<CSliderCtrl>(control, parent);
    case ControlKind::kCheck:
      return Make<CCheckBox>(control, parent);
    case ControlKind::kSpin:
      return Make<CSpinButtonCtrl>(control, parent);
    case ControlKind::kRadio:
      return Make<CRadioButton>(control, parent);
    case ControlKind::kGroup:
      return Make<CGroupBox>(control, parent);
    case ControlKind::kDate:
      return Make<CDateTimeCtrl>(control, parent);
    case ControlKind::kCombo: {
      auto box = std::make_unique<CComboBox>();
      if (!box->Create(WS_CHILD | WS_VISIBLE | control.style, control.rect, parent, control.id))
        return nullptr;
      return box;
    }
    case ControlKind::kText:
      break;
  }
  return Make<CStatic>(control, parent);
}

}  // namespace res
