// The image benchmarks' main: runs them, then prints the thumbnail and item set ratios.
// Drawing text needs the toolkit's font system, hence an offscreen application.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <vector>

void PrintThumbnailRatios();
void PrintItemSetRatios();

class RatioReporter;
benchmark::BenchmarkReporter* MakeRatioReporter();

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::BenchmarkReporter* reporter = MakeRatioReporter();
  benchmark::RunSpecifiedBenchmarks(reporter);
  PrintThumbnailRatios();
  PrintItemSetRatios();
  benchmark::Shutdown();
  delete reporter;
  return 0;
}
