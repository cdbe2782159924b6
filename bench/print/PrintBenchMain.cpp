// The print benchmarks' main: one offscreen application for the fonts and the preview's
// window, then each benchmark of the folder in turn, or only those named on the command
// line ("print", "preview"), each printing its ratios against its reference.
#include <stdlib.h>

#include <QApplication>
#include <cstring>

int RunPrintBench();
int RunPreviewBench();

namespace {

bool Wanted(int argc, char** argv, const char* name) {
  if (argc < 2) return true;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  int failed = 0;
  if (Wanted(argc, argv, "print")) failed |= RunPrintBench();
  if (Wanted(argc, argv, "preview")) failed |= RunPreviewBench();
  return failed != 0 ? 1 : 0;
}
