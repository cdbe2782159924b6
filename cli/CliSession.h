// What the command-line tool stands in for: a host without windows that hands the album
// its parameter block and suite context.
#pragma once

#include <string>
#include <vector>

#include "host/HostParameterBlock.h"
#include "host/SuiteContext.h"
#include "platform/text/Cp932.h"

struct CliOptions {
  std::string dataRoot;  // UTF-8; empty: the suite's default data root
  std::string user = "user";
};

class CliSession {
 public:
  // Converts the options and initialises the application object; false (with a message on
  // stderr) when a name has no code page 932 form.
  bool Open(const CliOptions& options);
  // The data root (absolute) and the user, as the session was opened with them, in UTF-8.
  const std::string& dataRootUtf8() const { return dataRootUtf8_; }
  const std::string& userUtf8() const { return userUtf8_; }

 private:
  std::string dataRootUtf8_;
  std::string userUtf8_;
  Cp932String dataRoot_;
  Cp932String usersFolder_;
  Cp932String user_;
  SuiteContext context_{};
  SuiteErrorRecord error_{};
  HostParameterBlock block_{};
};
