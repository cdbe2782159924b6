// The image benchmarks' main: runs them, then prints the thumbnail ratios.
#include <benchmark/benchmark.h>

#include <vector>

void PrintThumbnailRatios();

class RatioReporter;
benchmark::BenchmarkReporter* MakeRatioReporter();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::BenchmarkReporter* reporter = MakeRatioReporter();
  benchmark::RunSpecifiedBenchmarks(reporter);
  PrintThumbnailRatios();
  benchmark::Shutdown();
  delete reporter;
  return 0;
}
