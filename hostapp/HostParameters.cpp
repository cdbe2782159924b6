#include "hostapp/HostParameters.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "platform/win/QtText.h"

namespace {

constexpr const char* kUsersRegistryKey = "Software\\Pelkin Soft\\Harbo Suite\\Users";

// The album makes <users folder>/<user name>/..., so the name must be one plain folder name.
bool CheckUserName(const QString& name, QString* error) {
  if (name.isEmpty()) {
    *error = QStringLiteral("the user name must not be empty");
    return false;
  }
  if (name.contains('/') || name == QLatin1String(".") || name == QLatin1String("..")) {
    *error = QStringLiteral("the user name \"%1\" is not a plain folder name").arg(name);
    return false;
  }
  return true;
}

bool Convert(const QString& text, const QString& what, Cp932String* out, QString* error) {
  auto converted = QtText::ToCp932(text);
  if (converted) {
    *out = *converted;
    return true;
  }
  *error = QStringLiteral("the %1 \"%2\" has no code page 932 form; the album cannot use it")
               .arg(what, text);
  return false;
}

void CopyName(char* slot, const char* name) {
  std::strncpy(slot, name, kSuiteFolderNameBytes - 1);
  slot[kSuiteFolderNameBytes - 1] = '\0';
}

}  // namespace

bool PrepareDataRoot(const QString& dataRoot, QString* error) {
  if (!QDir().mkpath(dataRoot)) {
    *error = QStringLiteral("cannot make the data folder %1").arg(dataRoot);
    return false;
  }
  if (!QFileInfo(dataRoot).isWritable()) {
    *error = QStringLiteral("the data folder %1 is not writable").arg(dataRoot);
    return false;
  }
  return true;
}

std::optional<HostTexts> MakeHostTexts(const HostOptions& options, QString* error) {
  if (!CheckUserName(options.userName, error)) return std::nullopt;
  HostTexts texts;
  if (!Convert(options.userName, QStringLiteral("user name"), &texts.userName, error) ||
      !Convert(options.dataRoot, QStringLiteral("data folder"), &texts.dataRoot, error))
    return std::nullopt;
  texts.usersFolder = texts.dataRoot + "/Users";
  texts.usersRegistryKey = kUsersRegistryKey;
  texts.title = cp932::Lit("Harbo Suite アルバム");
  return texts;
}

HostParameterBlock MakeParameterBlock(const HostTexts& texts, HWND hostWindow, const RECT& frame,
                                      SuiteContext* context) {
  HostParameterBlock block{};
  block.hostWindow = hostWindow;
  block.frameLeft = frame.left;
  block.frameTop = frame.top;
  block.frameRight = frame.right;
  block.frameBottom = frame.bottom;
  block.usersFolder = texts.usersFolder.c_str();
  block.registryRoot = 0;
  block.usersRegistryKey = texts.usersRegistryKey.c_str();
  block.dataRoot = texts.dataRoot.c_str();
  block.userName = texts.userName.c_str();
  block.title = texts.title.c_str();
  block.colorScheme = 0;
  block.helpFile = texts.helpFile.c_str();
  block.suiteContext = context;
  return block;
}

void InitSuiteContext(SuiteContext* context, SuiteErrorRecord* errorRecord) {
  *context = SuiteContext{};
  *errorRecord = SuiteErrorRecord{};
  context->errorRecord = errorRecord;
  CopyName(context->moduleFolderNames[0], "Phone");
  CopyName(context->moduleFolderNames[1], "Album");
  CopyName(context->moduleFolderNames[2], "Music");
  CopyName(context->moduleFolderNames[3], "Other");
  context->hostReady = 0;
  context->fileAccessMode = -1;
}
