// The entries of a transfer list, walked by positions in the order they were added.
#pragma once

#include "platform/phonelib/CNyFileInfo.h"
#include "platform/phonelib/PositionList.h"

class CNyFileInfoList : public PositionList<CNyFileInfo> {};
