// Runs the tests inside one offscreen application, as the host program would provide it,
// with the registry in a fresh temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The built programs and the module lie beside every test program.
  if (std::getenv("HARBO_TEST_BIN") == nullptr) {
    std::error_code ignored;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (!self.empty()) setenv("HARBO_TEST_BIN", self.parent_path().c_str(), 1);
  }
  TempDir registryDir;
  setenv("HARBO_REGISTRY_DIR", registryDir.path().c_str(), 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
