// What the host hands to the album: the parameter block with its code page 932 texts, and
// the suite context that the host owns for the whole run.
#pragma once

#include <QString>
#include <optional>

#include "host/HostParameterBlock.h"
#include "host/SuiteContext.h"
#include "hostapp/HostOptions.h"
#include "platform/text/Cp932.h"

// The block's texts; they must outlive every call that gets the block.
struct HostTexts {
  Cp932String usersFolder;
  Cp932String usersRegistryKey;
  Cp932String dataRoot;
  Cp932String userName;
  Cp932String title;
  Cp932String helpFile;
};

// Makes the data root when it is missing; false with a message when it cannot be written.
bool PrepareDataRoot(const QString& dataRoot, QString* error);

// nullopt with a message when the user name is unusable or a text has no code page 932 form.
std::optional<HostTexts> MakeHostTexts(const HostOptions& options, QString* error);

HostParameterBlock MakeParameterBlock(const HostTexts& texts, HWND hostWindow, const RECT& frame,
                                      SuiteContext* context);

// Fills in what the host knows before any window exists; windows are added later.
void InitSuiteContext(SuiteContext* context, SuiteErrorRecord* errorRecord);
