// Dialog layouts, keyed by resource number: the caption, the client size and the controls.
#pragma once

#include <memory>
#include <vector>

#include "platform/win/WinTypes.h"

namespace res {

// kIcon shows a standard icon, kList is a report-style list, kProgress a progress bar,
// kEdit an edit, kSlider a horizontal slider, kCheck a check box, kCombo a drop-down list,
// kSpin an up-down control, kRadio a radio button (the radio buttons of one dialog form one
// group), kGroup a titled frame around the controls listed after it, kDate a date picker.
// A control's style bits are its kind's own (an edit's ES_MULTILINE or ES_NUMBER, a drop-down
// box's CBS_DROPDOWN).
enum class ControlKind {
  kText,
  kButton,
  kIcon,
  kList,
  kProgress,
  kEdit,
  kSlider,
  kCheck,
  kCombo,
  kSpin,
  kRadio,
  kGroup,
  kDate
};

struct ControlTemplate {
  ControlKind kind;
  UINT id;
  const char* text;  // UTF-8 in the source; code page 932 once loaded
  RECT rect;
  DWORD style = 0;
};

struct DialogTemplate {
  UINT id;
  const char* caption;
  int width;
  int height;
  std::vector<ControlTemplate> controls;
};

constexpr UINT kDialogPhoneWait = 24030;
constexpr UINT kControlWaitText = 1001;

// The confirmation list: an icon and a text over the list of photos, two buttons below.
constexpr UINT kDialogConfList = 150;
constexpr UINT kControlConfList = 1024;
constexpr UINT kControlConfIcon = 1025;
constexpr UINT kControlConfText = 1026;

// The progress window: a text over a progress bar.
constexpr UINT kDialogProgMsg = 153;
constexpr UINT kControlProgBar = 1027;
constexpr UINT kControlProgText = 1028;

// The name editor: a prompt over the name's edit, OK and cancel below. The caption is
// the caller's.
constexpr UINT kDialogNameEdit = 214;
constexpr UINT kControlNamePrompt = 1050;
constexpr UINT kControlNameEdit = 1143;

// The photo editor: the picture above three sliders with their labels, four buttons below.
// The controls are placed from the client's bottom edge whenever the dialog is laid out.
constexpr UINT kDialogImageEditer = 136;
constexpr UINT kControlEditRotate = 1060;
constexpr UINT kControlEditReset = 1061;
constexpr UINT kControlSaturationLabel = 1062;
constexpr UINT kControlSaturation = 1063;
constexpr UINT kControlContrastLabel = 1064;
constexpr UINT kControlContrast = 1065;
constexpr UINT kControlBrightnessLabel = 1066;
constexpr UINT kControlBrightness = 1067;

// The photo's details: two lists in one place beside the photo, the two page buttons and
// the close button below. The caption is made from the photo's names.
constexpr UINT kDialogImageProperties = 152;
constexpr UINT kControlDetailsGeneralList = 1080;
constexpr UINT kControlDetailsShootingList = 1081;
constexpr UINT kControlDetailsGeneralButton = 1082;
constexpr UINT kControlDetailsShootingButton = 1083;

// The preview: the picture cells (made by the window) left of a column of buttons, placed
// whenever the window is laid out.
constexpr UINT kDialogImagePreview = 160;
constexpr UINT kControlSlideOn = 1090;
constexpr UINT kControlSlideOff = 1091;
constexpr UINT kControlPrevious = 1092;
constexpr UINT kControlNext = 1093;
constexpr UINT kControlZoomOut = 1094;
constexpr UINT kControlZoomIn = 1095;
constexpr UINT kControlSettings = 1096;
constexpr UINT kControlPreviewHelp = 1097;

// The preview's settings: the interval with its spin, loop and reverse, the count, the
// picture options and the transition list.
constexpr UINT kDialogImagePreviewSetting = 161;
constexpr UINT kControlSlideTick = 1100;
constexpr UINT kControlSlideSpin = 1101;
constexpr UINT kControlSlideLoop = 1102;
constexpr UINT kControlSlideReverse = 1103;
constexpr UINT kControlViewCount = 1104;
constexpr UINT kControlViewSlide = 1105;
constexpr UINT kControlSizeAuto = 1106;
constexpr UINT kControlShowMemo = 1107;
constexpr UINT kControlDrawEffect = 1108;

// The read settings: the source as three choices in a group, the hidden group of file
// types, the confirmation screen switch, OK and cancel.
constexpr UINT kDialogReadOption = 178;
constexpr UINT kControlReadPrompt = 1120;
constexpr UINT kControlReadSourceGroup = 1121;
constexpr UINT kControlReadBoth = 1122;
constexpr UINT kControlReadInternal = 1123;
constexpr UINT kControlReadExternal = 1124;
constexpr UINT kControlReadTypeGroup = 1125;
constexpr UINT kControlReadJpg = 1126;  // then PNG, AMC, 3GP and 3G2 in order
constexpr UINT kControlReadFileDisp = 1131;

// The import: a prompt over the list of files to import, insert and remove on the left
// of OK, cancel and help.
constexpr UINT kDialogImageImport = 231;
constexpr UINT kControlImportPrompt = 1200;
constexpr UINT kControlImportList = 1201;
constexpr UINT kControlImportInsert = 1202;
constexpr UINT kControlImportRemove = 1203;
constexpr UINT kControlImportHideMain = 1204;
constexpr UINT kControlImportHelp = 1205;

// The export: the folder with its browse button, the photo list with its caption and the
// focused photo beside it, the options, and start, close and help.
constexpr UINT kDialogImageExport = 232;
constexpr UINT kControlExportFolder = 1210;
constexpr UINT kControlExportBrowse = 1211;
constexpr UINT kControlExportCaption = 1212;
constexpr UINT kControlExportList = 1213;
constexpr UINT kControlExportOverwrite = 1214;
constexpr UINT kControlExportSubfolders = 1215;
constexpr UINT kControlExportApplyEdits = 1216;
constexpr UINT kControlExportQuality = 1217;
constexpr UINT kControlExportBest = 1218;
constexpr UINT kControlExportSmallest = 1219;
constexpr UINT kControlExportStart = 1220;
constexpr UINT kControlExportHelp = 1221;

// The send: the photo list with its caption and the focused photo beside it, the options
// (destination, size, overwrite), and send, close and help.
constexpr UINT kDialogImageUpdate = 233;
constexpr UINT kControlUpdateCaption = 1230;
constexpr UINT kControlUpdateList = 1231;
constexpr UINT kControlUpdateOptions = 1232;
constexpr UINT kControlUpdateDestination = 1233;
constexpr UINT kControlUpdateInternal = 1234;
constexpr UINT kControlUpdateExternal = 1235;
constexpr UINT kControlUpdateResize = 1236;
constexpr UINT kControlUpdateSize = 1237;
constexpr UINT kControlUpdateOverwrite = 1238;
constexpr UINT kControlUpdateHelp = 1239;

// The search dialog: a condition a row (name, date, size, memo), each ticked on and off,
// the kinds to look for and the choice of searching the photos shown only.
constexpr UINT kDialogSearch = 418;
constexpr UINT kControlSearchName = 1018;
constexpr UINT kControlSearchNameText = 1440;
constexpr UINT kControlSearchDate = 1019;
constexpr UINT kControlSearchDateType = 1287;
constexpr UINT kControlSearchFirstDate = 1438;
constexpr UINT kControlSearchDateTerm = 1433;
constexpr UINT kControlSearchSecondDate = 1439;
constexpr UINT kControlSearchSize = 1021;
constexpr UINT kControlSearchSizeFrom = 1285;
constexpr UINT kControlSearchSizeTerm = 1434;
constexpr UINT kControlSearchSizeTo = 1288;
constexpr UINT kControlSearchMemo = 1022;
constexpr UINT kControlSearchMemoText = 1441;
constexpr UINT kControlSearchPhotos = 1020;
constexpr UINT kControlSearchMovies = 1023;
constexpr UINT kControlSearchInView = 1024;
constexpr UINT kControlSearchRun = 1010;
constexpr UINT kControlSearchHelp = 57670;
constexpr UINT kControlSearchFromKb = 1289;
constexpr UINT kControlSearchToKb = 1290;
constexpr UINT kControlSearchKinds = 1291;

// Rename: a prompt over the name's edit; the original name, OK and cancel below.
constexpr UINT kDialogRename = 206;
constexpr UINT kControlRenamePrompt = 1050;
constexpr UINT kControlRenameEdit = 1135;
constexpr UINT kControlRenameOriginal = 3;

// The memo editor: a multi-line edit over OK and cancel.
constexpr UINT kDialogMemoEdit = 250;
constexpr UINT kControlMemoEdit = 1250;

// The PRINT Image Matching choice: its check box over the explanation and a notice.
constexpr UINT kDialogPimSelect = 191;
constexpr UINT kControlPimSwitch = 1330;
constexpr UINT kControlPimExplanation = 1331;
constexpr UINT kControlPimNotice = 1332;

// The window of a print job: the document, the printer and its port, and Cancel.
constexpr UINT kDialogPrinting = 190;
constexpr UINT kControlPrintingText = 1320;

// The holiday or anniversary editor: the name, the kind, the colour's swatch with its change
// button, the repeat, the date by year, month and day, or by week number and weekday. The
// caption is the caller's.
constexpr UINT kDialogEventDay = 241;
constexpr UINT kControlEventName = 1300;
constexpr UINT kControlEventAnniversary = 1301;
constexpr UINT kControlEventHoliday = 1302;
constexpr UINT kControlEventColor = 1303;
constexpr UINT kControlEventRepeat = 1304;
constexpr UINT kControlEventYear = 1305;
constexpr UINT kControlEventMonth = 1306;
constexpr UINT kControlEventDay = 1307;
constexpr UINT kControlEventByWeekday = 1308;
constexpr UINT kControlEventWeekNumber = 1309;
constexpr UINT kControlEventWeekday = 1310;
constexpr RECT kEventColorSwatch{76, 74, 136, 96};

// The calendar options: the colour of each weekday, holidays and the month title with its
// swatch, the weekday names, the calendar font with its sample (both painted by the
// dialog), the event names switch, and the list of holidays and anniversaries with its
// buttons.
constexpr UINT kDialogCalendarOption = 242;
constexpr UINT kControlCalColorTarget = 1320;
constexpr UINT kControlCalColorChange = 1321;
constexpr UINT kControlCalJapanese = 1322;
constexpr UINT kControlCalEnglish = 1323;
constexpr UINT kControlCalFontFace = 1324;
constexpr UINT kControlCalBold = 1325;
constexpr UINT kControlCalItalic = 1326;
constexpr UINT kControlCalUnderline = 1327;
constexpr UINT kControlCalEventNames = 1328;
constexpr UINT kControlCalEventList = 1329;
constexpr UINT kControlCalCreate = 1330;
constexpr UINT kControlCalEdit = 1331;
constexpr UINT kControlCalDelete = 1332;
constexpr UINT kControlCalReset = 1333;
constexpr RECT kCalColorSwatch{24, 62, 84, 84};
constexpr RECT kCalFontSample{24, 154, 436, 180};

// The template of a dialog, or null when there is none.
const DialogTemplate* FindDialogTemplate(UINT id);

// Makes the control a template describes as a visible child of the parent, with its text;
// null when the window cannot be made.
std::unique_ptr<CWnd> CreateControl(const ControlTemplate& control, HWND parent);

}  // namespace res
