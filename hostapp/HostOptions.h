// The host program's options: the command line, the host setting file and the defaults,
// resolved into one record before the application starts.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct HostOptions {
  QString dataRoot;
  QString userName = QStringLiteral("user");
  QString phoneFolder;  // empty: no phone is connected
  bool refusePhone = false;
  int refuseReason = 3;
  QString screenshotPath;  // empty: run interactively
  QString modulePath;
  bool verbose = false;
  int width = 1100;  // of the main window
  int height = 720;
  int colorScheme = 0;  // the colour scheme number, counted from 0
  // A screenshot run may first focus a photo (its path) and run album commands on it in
  // order, then picture the dialog or window the last one opens.
  QString focusPhoto;
  std::vector<int> commands;
};

// What the command line said; unset members fall back to the setting file and defaults.
struct CommandLine {
  std::optional<QString> dataRoot;
  std::optional<QString> userName;
  std::optional<QString> phoneFolder;
  std::optional<int> refuseReason;  // set when --refuse-phone was given
  std::optional<QString> screenshotPath;
  std::optional<QString> modulePath;
  std::optional<QString> size;    // "WIDTHxHEIGHT"
  std::optional<QString> scheme;  // a colour scheme number
  std::optional<QString> focusPhoto;
  std::optional<QString> command;  // album command ids, separated by commas
  bool verbose = false;
  bool help = false;
};

// Parses the arguments after the program name; nullopt with a message on a bad argument.
std::optional<CommandLine> ParseCommandLine(const QStringList& args, QString* error);

QString UsageText();

// The data root the command line names, else the user's default one.
QString DataRootOf(const CommandLine& line);

// Where the host keeps its own settings inside a data root.
QString HostSettingsPath(const QString& dataRoot);

// Defaults, then the host setting file, then the command line; nullopt with a message when
// the size or the scheme is not a number the host takes.
std::optional<HostOptions> ResolveOptions(const CommandLine& line, QString* error);
