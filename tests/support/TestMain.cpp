// Runs the tests inside one offscreen application, as the host program would provide it,
// with the registry in a fresh temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  TempDir registryDir;
  setenv("HARBO_REGISTRY_DIR", registryDir.path().c_str(), 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
