// Command identifiers of the album's menus, accelerators and buttons, and the host's own
// commands that the album's menu carries (49152 and above, below 49253).
#pragma once

#include "platform/win/WinTypes.h"

namespace cmd {

constexpr UINT kReadFromPhone = 1000;
constexpr UINT kPrint = 1002;
// The easy print panel's layout button: shows or hides its layout window.
constexpr UINT kEasyPrintLayout = 1003;
constexpr UINT kSendToPhone = 32841;
constexpr UINT kReadOptions = 32885;
constexpr UINT kImport = 32873;
constexpr UINT kExport = 32826;
constexpr UINT kMap = 32887;
constexpr UINT kDetails = 32794;
constexpr UINT kDelete = 32771;
constexpr UINT kPrintStyles = 32838;
constexpr UINT kEditPhoto = 32899;
constexpr UINT kInsertIntoEasyPrint = 32876;
constexpr UINT kCopy = 57634;
constexpr UINT kSelectAll = 32789;
constexpr UINT kRename = 32835;
constexpr UINT kEditMemo = 32852;
constexpr UINT kRenameFavourite = 32878;
constexpr UINT kToggleEasyPrint = 32848;
constexpr UINT kSearch = 32900;
constexpr UINT kSwitchView = 32898;
constexpr UINT kCaptionName = 32854;
constexpr UINT kCaptionDate = 32855;
constexpr UINT kCaptionMemo = 32856;
constexpr UINT kStyleBit0 = 32857;
constexpr UINT kSizeSmall = 32842;
constexpr UINT kSizeMedium = 32843;
constexpr UINT kSizeLarge = 32844;
constexpr UINT kSortName = 32860;
constexpr UINT kSortDate = 32861;
constexpr UINT kSortSize = 32874;
constexpr UINT kSortMemo = 32875;
constexpr UINT kPreview = 32840;
constexpr UINT kSetFavourite = 32871;
constexpr UINT kRestore = 32872;
constexpr UINT kHelp = 32880;
constexpr UINT kHomePage = 32888;
constexpr UINT kOpenItem = 32824;
constexpr UINT kFind = 32837;
constexpr UINT kNextPane = 57680;
constexpr UINT kPreviousPane = 57681;

// The host's range: the album's menu carries these, the host handles them.
constexpr UINT kHostFirst = 49152;
constexpr UINT kHostEnd = 49253;
constexpr UINT kHostExit = 49152;
constexpr UINT kHostSwitchUser = 49153;
constexpr UINT kHostEditUser = 49154;
constexpr UINT kHostLauncher = 49155;
constexpr UINT kHostSettings = 49156;
constexpr UINT kHostDataLocation = 49157;
constexpr UINT kHostHelp = 49158;
constexpr UINT kHostSupport = 49159;
constexpr UINT kHostUpdateCheck = 49160;
constexpr UINT kHostVersion = 49161;
constexpr UINT kHostRead = 49169;  // also the host's synchronisation command
constexpr UINT kHostSend = 49170;

constexpr bool IsHostCommand(UINT id) {
  return id >= kHostFirst && id < kHostEnd;
}

}  // namespace cmd
