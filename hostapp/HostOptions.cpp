#include "hostapp/HostOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdlib>
#include <filesystem>

namespace {

// The options that take a value, each with the member it fills.
struct ValueOption {
  const char* name;
  std::optional<QString> CommandLine::*member;
};

constexpr ValueOption kValueOptions[] = {
    {"--data", &CommandLine::dataRoot},     {"--user", &CommandLine::userName},
    {"--phone", &CommandLine::phoneFolder}, {"--screenshot", &CommandLine::screenshotPath},
    {"--module", &CommandLine::modulePath}, {"--size", &CommandLine::size},
    {"--scheme", &CommandLine::scheme},     {"--focus-photo", &CommandLine::focusPhoto},
    {"--command", &CommandLine::command},
};

const ValueOption* FindValueOption(const QString& name) {
  for (const auto& option : kValueOptions)
    if (name == QLatin1String(option.name)) return &option;
  return nullptr;
}

std::optional<int> ParseReason(const QString& text, QString* error) {
  bool ok = false;
  const int reason = text.toInt(&ok);
  if (ok) return reason;
  *error = QStringLiteral("--refuse-phone expects a whole number, not \"%1\"").arg(text);
  return std::nullopt;
}

// Handles the flags that take no separate value; false when the argument is none of them.
bool ParseFlag(const QString& name, const std::optional<QString>& inlineValue, CommandLine* line,
               QString* error, bool* failed) {
  if (name == QLatin1String("-v") || name == QLatin1String("--verbose")) {
    line->verbose = true;
  } else if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
    line->help = true;
  } else if (name == QLatin1String("--refuse-phone")) {
    line->refuseReason = inlineValue ? ParseReason(*inlineValue, error) : 3;
    *failed = !line->refuseReason.has_value();
  } else {
    return false;
  }
  return true;
}

// Parses args[*i], taking the next argument as its value when the option needs one.
bool ParseArgument(const QStringList& args, int* i, CommandLine* line, QString* error) {
  const QString& arg = args[*i];
  const qsizetype equals = arg.indexOf('=');
  const QString name = equals < 0 ? arg : arg.left(equals);
  std::optional<QString> inlineValue;
  if (equals >= 0) inlineValue = arg.mid(equals + 1);
  bool failed = false;
  if (ParseFlag(name, inlineValue, line, error, &failed)) return !failed;
  const ValueOption* option = FindValueOption(name);
  if (option == nullptr) {
    *error = QStringLiteral("unknown option \"%1\"").arg(arg);
    return false;
  }
  if (!inlineValue && *i + 1 >= args.size()) {
    *error = QStringLiteral("%1 needs a value").arg(name);
    return false;
  }
  line->*(option->member) = inlineValue ? *inlineValue : args[++*i];
  return true;
}

QString DefaultDataRoot() {
  const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
  if (xdg.startsWith('/')) return xdg + QStringLiteral("/harbo-suite");
  return QDir::homePath() + QStringLiteral("/.local/share/harbo-suite");
}

// The module is looked for beside the running program, whatever the working folder.
QString DefaultModulePath() {
  std::error_code failed;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", failed);
  const QString folder = failed ? QStringLiteral(".") : QString::fromStdString(exe.parent_path());
  return folder + QStringLiteral("/libKXPhoto.so");
}

void ApplySettingFile(const QString& dataRoot, HostOptions* options) {
  const QSettings file(HostSettingsPath(dataRoot), QSettings::IniFormat);
  options->phoneFolder = file.value("PhoneFolder", options->phoneFolder).toString();
  options->refusePhone = file.value("RefusePhone", options->refusePhone).toBool();
  options->refuseReason = file.value("RefuseReason", options->refuseReason).toInt();
}

// "WIDTHxHEIGHT" within what a screen can show.
bool ApplySize(const QString& text, HostOptions* options, QString* error) {
  const QStringList parts = text.split('x');
  bool wide = false, high = false;
  const int width = parts.size() == 2 ? parts[0].toInt(&wide) : 0;
  const int height = parts.size() == 2 ? parts[1].toInt(&high) : 0;
  if (!wide || !high || width < 320 || height < 240 || width > 8192 || height > 8192) {
    *error = QStringLiteral("--size expects WIDTHxHEIGHT from 320x240 to 8192x8192, not \"%1\"")
                 .arg(text);
    return false;
  }
  options->width = width;
  options->height = height;
  return true;
}

bool ApplyScheme(const QString& text, HostOptions* options, QString* error) {
  bool ok = false;
  const int scheme = text.toInt(&ok);
  if (!ok || scheme < 0 || scheme > 99) {
    *error = QStringLiteral("--scheme expects a number from 0 to 99, not \"%1\"").arg(text);
    return false;
  }
  options->colorScheme = scheme;
  return true;
}

// One command id, or several separated by commas that run in that order.
bool ApplyCommand(const QString& text, HostOptions* options, QString* error) {
  options->commands.clear();
  for (const QString& part : text.split(',')) {
    bool ok = false;
    const int id = part.toInt(&ok);
    if (!ok || id <= 0 || id > 0xFFFF) {
      *error =
          QStringLiteral("--command expects command ids from 1 to 65535, not \"%1\"").arg(text);
      return false;
    }
    options->commands.push_back(id);
  }
  return true;
}

void ApplyCommandLine(const CommandLine& line, HostOptions* options) {
  options->userName = line.userName.value_or(options->userName);
  options->phoneFolder = line.phoneFolder.value_or(options->phoneFolder);
  options->screenshotPath = line.screenshotPath.value_or(options->screenshotPath);
  options->modulePath = line.modulePath.value_or(options->modulePath);
  options->verbose = line.verbose;
  options->focusPhoto = line.focusPhoto.value_or(options->focusPhoto);
  if (!line.refuseReason) return;
  options->refusePhone = true;
  options->refuseReason = *line.refuseReason;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const QStringList& args, QString* error) {
  CommandLine line;
  for (int i = 0; i < args.size(); ++i)
    if (!ParseArgument(args, &i, &line, error)) return std::nullopt;
  return line;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: harbo-suite [options]\n"
      "  --data DIR             data root (default $XDG_DATA_HOME/harbo-suite)\n"
      "  --user NAME            user whose album opens (default \"user\")\n"
      "  --phone DIR            folder that stands for the connected phone\n"
      "  --refuse-phone[=N]     refuse phone operations, giving reason N (default 3)\n"
      "  --screenshot FILE.png  save a picture of the window after start-up and quit\n"
      "  --module PATH          album module to load (default: beside the program)\n"
      "  --size WIDTHxHEIGHT    size of the main window (default 1100x720)\n"
      "  --scheme N             colour scheme, counted from 0 (default 0)\n"
      "  --focus-photo PATH     with --screenshot: focus the album's photo of that path\n"
      "  --command ID[,ID...]   with --screenshot: run the album commands and picture the\n"
      "                         dialog or window the last opens (or the main window)\n"
      "  -v, --verbose          log the album's notices to stderr\n"
      "  -h, --help             show this text\n"
      "Settings PhoneFolder, RefusePhone and RefuseReason may also be kept in\n"
      "<data root>/HbMb/host.ini; options on the command line win.\n");
}

QString DataRootOf(const CommandLine& line) {
  if (!line.dataRoot) return DefaultDataRoot();
  return QFileInfo(*line.dataRoot).absoluteFilePath();
}

QString HostSettingsPath(const QString& dataRoot) {
  return dataRoot + QStringLiteral("/HbMb/host.ini");
}

std::optional<HostOptions> ResolveOptions(const CommandLine& line, QString* error) {
  HostOptions options;
  options.dataRoot = DataRootOf(line);
  options.modulePath = DefaultModulePath();
  ApplySettingFile(options.dataRoot, &options);
  ApplyCommandLine(line, &options);
  if (line.size && !ApplySize(*line.size, &options, error)) return std::nullopt;
  if (line.scheme && !ApplyScheme(*line.scheme, &options, error)) return std::nullopt;
  if (line.command && !ApplyCommand(*line.command, &options, error)) return std::nullopt;
  return options;
}
