// The entries of a transfer list, walked by positions in the order they were added.
#pragma once

#include "platform/phonelib/CCdmaOptionFileInfo.h"
#include "platform/phonelib/PositionList.h"

class CCdmaOptionFileInfoList : public PositionList<CCdmaOptionFileInfo> {};
