// The subcommands of harbo-album. Each lives in its own file (Cmd<Name>.cpp) and has one
// line in the table in CliCommands.cpp.
#pragma once

#include <string>
#include <vector>

#include "cli/CliSession.h"

struct CliCommand {
  const char* name;
  const char* usage;
  // Whether the command works on the user's album (the session is opened first).
  bool needsAlbum;
  int (*run)(CliSession& session, const std::vector<std::string>& args);
};

const std::vector<CliCommand>& CliCommandTable();

int RunInfo(CliSession& session, const std::vector<std::string>& args);
int RunThumbs(CliSession& session, const std::vector<std::string>& args);
int RunColors(CliSession& session, const std::vector<std::string>& args);
int RunMakePhone(CliSession& session, const std::vector<std::string>& args);
int RunReadPhone(CliSession& session, const std::vector<std::string>& args);
int RunSendPhone(CliSession& session, const std::vector<std::string>& args);
int RunExif(CliSession& session, const std::vector<std::string>& args);
int RunImport(CliSession& session, const std::vector<std::string>& args);
int RunExport(CliSession& session, const std::vector<std::string>& args);
int RunList(CliSession& session, const std::vector<std::string>& args);
int RunSearch(CliSession& session, const std::vector<std::string>& args);
int RunPrint(CliSession& session, const std::vector<std::string>& args);
int RunRename(CliSession& session, const std::vector<std::string>& args);
int RunMemo(CliSession& session, const std::vector<std::string>& args);
int RunDbDump(CliSession& session, const std::vector<std::string>& args);
int RunDbCheck(CliSession& session, const std::vector<std::string>& args);
int RunShot(CliSession& session, const std::vector<std::string>& args);
int RunIndex(CliSession& session, const std::vector<std::string>& args);
int RunDetails(CliSession& session, const std::vector<std::string>& args);
int RunMapUrl(CliSession& session, const std::vector<std::string>& args);
int RunEvents(CliSession& session, const std::vector<std::string>& args);
int RunStyles(CliSession& session, const std::vector<std::string>& args);
int RunLabels(CliSession& session, const std::vector<std::string>& args);
