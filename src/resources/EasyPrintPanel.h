// Layout of the easy print panel: the style selector and the buttons shared by its pages,
// then each page's controls (the basic page, the calendar page and the style list), all on
// the panel's left; the page preview fills the rest.
#pragma once

#include <vector>

#include "resources/DialogTemplates.h"

namespace res {

// The shared controls, then one layout per page, in the selector's order.
constexpr UINT kPanelEasyPrint = 292;
constexpr UINT kPanelEasyPrintPages[3] = {2920, 2921, 2922};
constexpr int kEasyPrintControlsWidth = 344;
constexpr int kEasyPrintHeight = 214;

// Shared by every page.
constexpr UINT kControlEasyStyle = 1301;  // ベーシック, カレンダー, 印刷スタイル
constexpr UINT kControlEasyInsert = 1023;
constexpr UINT kControlEasyClear = 1022;
constexpr UINT kControlEasyLayout = 1003;
constexpr UINT kControlEasyPrint = 1002;
constexpr UINT kControlEasySetup = 1021;
constexpr UINT kControlEasyMargin = 1024;
constexpr UINT kControlEasyOnePage = 1383;
constexpr UINT kControlEasyAllPages = 1384;
constexpr UINT kControlEasyPrev = 1387;
constexpr UINT kControlEasyNext = 1386;
constexpr UINT kControlEasyIndicator = 1411;

// The basic page: the main block, the mixed page and its split, the sub block.
constexpr UINT kControlMainCols = 1290;
constexpr UINT kControlMainRows = 1291;
constexpr UINT kControlMainShift = 1017;
constexpr UINT kControlMainOption = 1347;
constexpr UINT kControlMix = 1019;
constexpr UINT kControlSplitUpDown = 1285;
constexpr UINT kControlSplitLeftRight = 1284;
constexpr UINT kControlSubCols = 1292;
constexpr UINT kControlSubRows = 1293;
constexpr UINT kControlSubShift = 1018;
constexpr UINT kControlSubOption = 1350;

// The calendar page.
constexpr UINT kControlCalendarCols = 1294;
constexpr UINT kControlCalendarRows = 1295;
constexpr UINT kControlCalendarOption = 1363;
constexpr UINT kControlCalendarPosition = 1296;
constexpr UINT kControlCalendarSize = 1297;
constexpr UINT kControlCalendarYear = 1299;
constexpr UINT kControlCalendarMonth = 1298;
constexpr UINT kControlCalendarPeriod = 1300;
constexpr UINT kControlCalendarEvents = 1360;

// The style list page.
constexpr UINT kControlEasyStyleList = 1187;
constexpr UINT kControlEasyStyleDetails = 1382;

const std::vector<DialogTemplate>& EasyPrintTemplates();

}  // namespace res
