// An album open on a print system whose current printer is the file printer, so that the
// pages a test prints can be read back from the PDF it writes.
#pragma once

#include <cstdio>
#include <cstdlib>
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

// The number of pages of a PDF file, or -1 when it cannot be read.
inline int PdfPages(const std::string& path) {
  const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
  const size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
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
