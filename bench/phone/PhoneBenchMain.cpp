// The phone benchmarks' main: one offscreen application for the transfers' windows, then
// each benchmark of the folder in turn, each printing its ratio against its reference.
#include <stdlib.h>

#include <QApplication>

int RunPhoneReadBench();
int RunPhoneSendBench();

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int read = RunPhoneReadBench();
  const int send = RunPhoneSendBench();
  return read != 0 || send != 0 ? 1 : 0;
}
