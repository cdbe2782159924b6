// An album open on a print system whose current printer is the file printer, so that the
// pages a test prints can be read back from the PDF it writes.
#pragma once

#include <cstdio>
#include <string>

#include "print/CPrintManager.h"
#include "tests/library/LibraryTestSupport.h"

// What a command writes to its standard output.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  pclose(pipe);
  return out;
}

class FilePrintFixture : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    TheApp().OpenUserAlbum();
    ASSERT_TRUE(manager_.Start(false));
    ASSERT_TRUE(manager_.printer().SelectPrinter(printsys::FilePrinterName()));
  }

  CPrintManager manager_;
};
