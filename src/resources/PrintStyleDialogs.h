// Layouts of the print style dialogs: the style list, the style wizard with its four pages,
// the caption options and the header and footer editor; and the easy print layout window.
#pragma once

#include <vector>

#include "resources/DialogTemplates.h"

namespace res {

// The style list: the names, create, details, delete and close.
constexpr UINT kDialogPrintFormatList = 245;
constexpr UINT kControlStyleList = 1400;
constexpr UINT kControlStyleCreate = 1401;
constexpr UINT kControlStyleDetails = 1402;
constexpr UINT kControlStyleDelete = 1403;

// The header and footer editor: for each band, controls at fixed offsets from its first.
constexpr UINT kDialogMargin = 243;
constexpr UINT kControlMarginHeader = 1410;
constexpr UINT kControlMarginFooter = 1430;
constexpr UINT kBandShow = 0;
constexpr UINT kBandHide = 1;
constexpr UINT kBandText = 2;
constexpr UINT kBandFont = 3;
constexpr UINT kBandFontName = 4;
constexpr UINT kBandLeft = 5;  // then centre and right
constexpr UINT kBandTop = 8;   // then middle and bottom

// The caption options: for the name, the date and the memo a row of controls at fixed
// offsets from its first; then the memo size, alternation and how the photo fills its box.
constexpr UINT kDialogPhotoOption = 244;
constexpr UINT kControlOptionName = 1450;
constexpr UINT kControlOptionDate = 1460;
constexpr UINT kControlOptionMemo = 1470;
constexpr UINT kRowShow = 0;
constexpr UINT kRowPosition = 1;
constexpr UINT kRowColor = 2;
constexpr UINT kRowFont = 3;
constexpr UINT kRowFontName = 4;
constexpr UINT kControlOptionMemoSize = 1480;
constexpr UINT kControlOptionAlternate = 1481;
constexpr UINT kControlOptionStretch = 1482;
constexpr UINT kControlOptionKeep = 1483;
constexpr UINT kControlOptionFitWhole = 1484;

// The style wizard: a heading over the page, the four buttons below. Each page's controls
// have ids from its first up to the next page's.
constexpr UINT kDialogPrintFormatWizard = 246;
constexpr UINT kControlWizHeading = 1490;
constexpr UINT kControlWizBack = 1491;
constexpr UINT kControlWizNext = 1492;
constexpr UINT kControlWizFinish = 1493;
constexpr UINT kControlWizPage = 1500;  // page n from kControlWizPage + n * kWizPageIds
constexpr UINT kWizPageIds = 30;
// Page 0: name and kind.
constexpr UINT kControlWc1Name = 1501;
constexpr UINT kControlWc1Basic = 1502;
constexpr UINT kControlWc1Seal = 1503;
constexpr UINT kControlWc1Calendar = 1504;
// Page 1: printer, paper, orientation, margins, header and footer, label offset.
constexpr UINT kControlWc2Printer = 1531;
constexpr UINT kControlWc2Paper = 1532;
constexpr UINT kControlWc2Portrait = 1533;
constexpr UINT kControlWc2Landscape = 1534;
constexpr UINT kControlWc2Left = 1535;  // then right, top and bottom; each edit's spin after them
constexpr UINT kControlWc2LeftSpin = 1539;
constexpr UINT kControlWc2FromEdge = 1543;
constexpr UINT kControlWc2HeaderFooter = 1544;
constexpr UINT kControlWc2OffsetX = 1545;
constexpr UINT kControlWc2OffsetY = 1546;
constexpr UINT kControlWc2OffsetXSpin = 1547;
constexpr UINT kControlWc2OffsetYSpin = 1548;
constexpr UINT kControlWc2OffsetGroup = 1549;
// Page 2: the calendar.
constexpr UINT kControlWc3Position = 1561;
constexpr UINT kControlWc3Size = 1562;
constexpr UINT kControlWc3Start = 1563;
constexpr UINT kControlWc3Year = 1564;
constexpr UINT kControlWc3Month = 1565;
constexpr UINT kControlWc3Period = 1566;
constexpr UINT kControlWc3Option = 1567;
// Page 3: cells, photo size and spaces.
constexpr UINT kControlWc4Cols = 1591;
constexpr UINT kControlWc4Rows = 1592;
constexpr UINT kControlWc4ColsSpin = 1593;
constexpr UINT kControlWc4RowsSpin = 1594;
constexpr UINT kControlWc4Shift = 1595;
constexpr UINT kControlWc4PhotoOption = 1596;
constexpr UINT kControlWc4Width = 1597;
constexpr UINT kControlWc4Height = 1598;
constexpr UINT kControlWc4AutoSize = 1599;
constexpr UINT kControlWc4SpaceX = 1600;
constexpr UINT kControlWc4SpaceY = 1601;
constexpr UINT kControlWc4AutoSpace = 1602;

// The layout window: a column of buttons, the two switches and the whole-page fine
// adjustment left of the page preview (made by the window), which takes the rest of the
// client area whenever the window is laid out. Close is IDCANCEL.
constexpr UINT kDialogLayout = 293;
constexpr UINT kControlLayoutPrint = 1620;
constexpr UINT kControlLayoutReset = 1621;
constexpr UINT kControlLayoutFront = 1622;
constexpr UINT kControlLayoutBack = 1623;
constexpr UINT kControlLayoutPrev = 1624;
constexpr UINT kControlLayoutNext = 1625;
constexpr UINT kControlLayoutBorders = 1626;
constexpr UINT kControlLayoutFit = 1627;
constexpr UINT kControlLayoutAdjustX = 1628;
constexpr UINT kControlLayoutAdjustY = 1629;
constexpr UINT kControlLayoutAdjustXSpin = 1630;
constexpr UINT kControlLayoutAdjustYSpin = 1631;
constexpr UINT kControlLayoutPreview = 1632;
constexpr int kLayoutColumnWidth = 188;  // the preview starts right of it

// The layouts above, for the lookup of all dialogs.
const std::vector<DialogTemplate>& PrintStyleTemplates();

}  // namespace res
