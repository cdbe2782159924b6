// The album's part in the host's upgrade of a user's data: a safety copy of the database
// before the conversion, the conversion itself, and the restore when the host's conversion
// failed. Each step initialises the application from the block and runs without windows.
#pragma once

#include "host/DataConversionBlock.h"

namespace conversion {

int PrepareSafetyCopy(DataConversionBlock* block);
int Convert(DataConversionBlock* block);
int RestoreSafetyCopy(DataConversionBlock* block);

}  // namespace conversion
