// Fault points for tests. Every write, flush, rename and copy that the file layer makes is
// a numbered point; a test arms the k-th point from now to fail as a full disk or a failing
// disk would, or to end the process right there as a crash or a power cut would. Counting
// the points one run passes tells a test every k there is to try.
#pragma once

namespace fileio::faults {

enum class Point { kWrite, kFlush, kRename, kCopy };

enum class Action {
  kNone,
  kNoSpace,  // the call fails with ENOSPC (the disk is full)
  kIoError,  // the call fails with EIO (the disk failed)
  kExit,     // the process ends at once with kExitCode, flushing nothing of its own
};

// The exit status of a process ended at an armed point.
constexpr int kExitCode = 86;

// Arms the k-th point from now (1 = the next one); k <= 0 or kNone disarms. Arming also
// restarts the count of points passed.
void Arm(int k, Action action);
void Disarm();
// Points passed since the last Arm or ResetCount.
int PointsPassed();
void ResetCount();

// Called by the file layer at each point: 0 to go on, or the errno the call fails with.
int Hit(Point point);

}  // namespace fileio::faults
