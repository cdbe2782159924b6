#include "platform/win/HeadlessApplication.h"

#include <QApplication>

namespace win {

struct HeadlessApplication::Made {
  int argc = 1;
  char name[16] = "harbo-headless";
  char* argv[2] = {name, nullptr};
  // Constructed after argc and argv, which the application keeps references to.
  QApplication application{argc, argv};
};

// Offscreen always: a program without a host shows nothing, and a display it was started
// under may go away while it runs.
HeadlessApplication::HeadlessApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  made_ = std::make_unique<Made>();
}

HeadlessApplication::~HeadlessApplication() = default;

}  // namespace win
