// The record the host hands to the data conversion entry points. Owned by the host; the
// album reads the parameter block and the safety folder and writes the error fields only
// on failure.
#pragma once

#include <cstdint>

#include "host/HostParameterBlock.h"

struct DataConversionBlock {
  uint32_t hostValue1;
  uint32_t hostValue2;
  HostParameterBlock host;
  const char* safetyFolder;
  uint32_t hostValue3;
  uint32_t hostValue4;
  uint32_t errorCode;  // 1 read failed, 2 write failed, else the copy's error code
  uint32_t lastError;
  char errorMessage[512];  // code page 932
};
