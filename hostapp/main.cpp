// harbo-suite: the suite's host program. It reads its options, loads the album module and
// shows it inside the suite's main window.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "hostapp/AlbumModule.h"
#include "hostapp/HostMainWindow.h"
#include "hostapp/HostOptions.h"
#include "hostapp/HostParameters.h"

namespace {

// How long the window settles after start-up before a screenshot is taken.
constexpr int kSettleMilliseconds = 400;

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  return args;
}

// Errors go to stderr always, and into a message box when someone can see one.
int Fail(const QString& message) {
  std::fprintf(stderr, "harbo-suite: %s\n", qPrintable(message));
  if (qApp != nullptr && QGuiApplication::platformName() != QLatin1String("offscreen"))
    QMessageBox::critical(nullptr, QStringLiteral("Harbo Suite"), message);
  return 1;
}

void SaveScreenshot(QWidget* shown, const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  if (shown->grab().save(file, "PNG"))
    std::printf("screenshot: %s\n", qPrintable(file));
  else
    std::fprintf(stderr, "harbo-suite: cannot write the screenshot %s\n", qPrintable(file));
  std::fflush(stdout);
}

// A window of its own that the album shows beside the main window (the layout window).
QWidget* FloatingWindowOf(const QWidget* main) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget != main && widget->isWindow() && widget->isVisible() && !widget->inherits("QMenu"))
      return widget;
  return nullptr;
}

// The commands run once the window has settled; a dialog it opens runs its own loop, in
// which the picture is taken and the dialog closed. The window closes only after both the
// picture and the command are done, never from inside the dialog's loop.
void RunCommandForScreenshot(HostMainWindow* window, const QString& path,
                             const HostOptions& options) {
  struct Progress {
    bool pictured = false;
    bool commandDone = false;
  };
  auto progress = std::make_shared<Progress>();
  if (!options.focusPhoto.isEmpty() && !window->FocusPhoto(options.focusPhoto))
    std::fprintf(stderr, "harbo-suite: the album shows no photo %s\n",
                 qPrintable(options.focusPhoto));
  QTimer::singleShot(kSettleMilliseconds, window, [window, path, progress] {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* floating = modal != nullptr ? nullptr : FloatingWindowOf(window);
    SaveScreenshot(modal != nullptr ? modal : floating != nullptr ? floating : window, path);
    progress->pictured = true;
    if (modal != nullptr) modal->close();
    if (progress->commandDone) window->close();
  });
  for (int command : options.commands) window->RunCommand(static_cast<UINT>(command));
  progress->commandDone = true;
  if (progress->pictured) window->close();
}

void ScheduleScreenshot(HostMainWindow* window, const QString& path, const HostOptions& options) {
  QTimer::singleShot(kSettleMilliseconds, window, [window, path, options] {
    if (!options.commands.empty()) {
      RunCommandForScreenshot(window, path, options);
      return;
    }
    SaveScreenshot(window, path);
    window->close();
  });
}

// Without a display nobody could use the window: it is drawn once to a file and closed.
QString ScreenshotPathOf(const HostOptions& options, bool headless) {
  if (!options.screenshotPath.isEmpty() || !headless) return options.screenshotPath;
  return options.dataRoot + QStringLiteral("/harbo-suite-screenshot.png");
}

int Run(const HostOptions& options, bool headless) {
  QString error;
  if (!PrepareDataRoot(options.dataRoot, &error)) return Fail(error);
  std::optional<HostTexts> texts = MakeHostTexts(options, &error);
  if (!texts) return Fail(error);
  std::optional<AlbumModule> album = AlbumModule::Load(options.modulePath, &error);
  if (!album) return Fail(error);
  HostMainWindow window(options, *album, std::move(*texts));
  if (!window.Start(&error)) return Fail(error);
  window.show();
  const QString screenshot = ScreenshotPathOf(options, headless);
  if (!screenshot.isEmpty()) ScheduleScreenshot(&window, screenshot, options);
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QString error;
  const std::optional<CommandLine> line = ParseCommandLine(ArgumentsOf(argc, argv), &error);
  if (!line) {
    std::fprintf(stderr, "harbo-suite: %s\n%s", qPrintable(error), qPrintable(UsageText()));
    return 1;
  }
  if (line->help) {
    std::printf("%s", qPrintable(UsageText()));
    return 0;
  }
  if (!HasDisplay()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // An offscreen run has nobody to close the window, whatever display there is.
  const bool headless = qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen");
  QApplication app(argc, argv);
  const std::optional<HostOptions> options = ResolveOptions(*line, &error);
  if (!options) {
    std::fprintf(stderr, "harbo-suite: %s\n%s", qPrintable(error), qPrintable(UsageText()));
    return 1;
  }
  if (!options->phoneFolder.isEmpty() && !QFileInfo(options->phoneFolder).isDir())
    std::fprintf(stderr, "harbo-suite: the phone folder %s does not exist; no phone is connected\n",
                 qPrintable(options->phoneFolder));
  return Run(*options, headless);
}
