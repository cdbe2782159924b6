// Runs the built host program as a user would, offscreen, each time with its own data root
// and registry folder, and checks what it leaves behind.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>

#include "tests/support/TempDir.h"

namespace {

struct Outcome {
  int exitCode = -1;
  bool crashed = false;
  QString output;
  QString errors;
};

class HarboSuiteProgram : public testing::Test {
 protected:
  QString BinFolder() const {
    const char* bin = std::getenv("HARBO_TEST_BIN");
    return QString::fromLocal8Bit(bin != nullptr ? bin : ".");
  }

  QString Data() const { return QString::fromStdString(data_.path()); }
  QString Registry() const { return QString::fromStdString(registry_.path()); }

  Outcome Run(QStringList args) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HARBO_REGISTRY_DIR", Registry());
    process.setProcessEnvironment(env);
    args.prepend(Data());
    args.prepend("--data");
    process.start(BinFolder() + "/harbo-suite", args);
    process.waitForFinished(-1);
    return Outcome{process.exitCode(), process.exitStatus() == QProcess::CrashExit,
                   QString::fromLocal8Bit(process.readAllStandardOutput()),
                   QString::fromLocal8Bit(process.readAllStandardError())};
  }

  QString RegistryText() const {
    QFile file(Registry() + "/HKEY_CURRENT_USER.reg");
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
  }

  void ExpectRefused(const Outcome& outcome, const QString& mentioned) const {
    EXPECT_FALSE(outcome.crashed);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.errors.contains(mentioned)) << outcome.errors.toStdString();
  }

  TempDir data_;
  TempDir registry_;
};

}  // namespace

TEST_F(HarboSuiteProgram, StartsTheAlbumDrawsItselfAndSavesTheFrameSettingsOnClose) {
  const QString shot = Data() + "/s.png";
  const Outcome outcome = Run({"--screenshot", shot});
  ASSERT_FALSE(outcome.crashed) << outcome.errors.toStdString();
  EXPECT_EQ(outcome.exitCode, 0) << outcome.errors.toStdString();
  EXPECT_TRUE(outcome.output.contains("screenshot: " + shot));
  const QImage image(shot);
  ASSERT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 800);
  EXPECT_GE(image.height(), 500);
  EXPECT_TRUE(QFileInfo(Data() + "/Users/user/Album").isDir());
  EXPECT_TRUE(RegistryText().contains("DispThumbnail"));
}

TEST_F(HarboSuiteProgram, RefusesAUserNameThatHasNoCodePage932Form) {
  ExpectRefused(Run({"--user", QString::fromUtf8("caf\u00e9"), "--screenshot", Data() + "/s.png"}),
                "code page 932");
  ExpectRefused(Run({"--user", QString::fromUtf8("\U0001F4F7"), "--screenshot", Data() + "/s.png"}),
                "code page 932");
  EXPECT_FALSE(QFileInfo::exists(Data() + "/s.png"));
}

TEST_F(HarboSuiteProgram, RefusesAModuleThatIsMissingOrLacksAnEntryPoint) {
  const QString missing = Data() + "/no-such-module.so";
  ExpectRefused(Run({"--module", missing}), missing);
  // The platform library loads fine but exports none of the album's functions.
  ExpectRefused(Run({"--module", BinFolder() + "/libHarboPlatform.so"}), "OrbPhotoCreateWindows");
}

TEST_F(HarboSuiteProgram, RefusesADataFolderThatCannotBeMade) {
  QFile blocker(Data() + "/file");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  // A later --data wins over the one that Run puts first.
  ExpectRefused(Run({"--data", Data() + "/file/inner"}), "cannot make the data folder");
}
