#include "platform/shell/FileDialog.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/fileio/FileIo.h"
#include "platform/win/QtBridge.h"

namespace shell {
namespace {

FileDialogResponder& Responder() {
  static FileDialogResponder responder;
  return responder;
}

// The album's filter as the toolkit writes it: "text (patterns)" lines, the patterns taken
// from the second field of each pair.
QString QtFilter(const std::string& utf8) {
  QStringList parts = QString::fromStdString(utf8).split('|');
  QStringList lines;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    const QString label = parts[i].section(" (", 0, 0);
    lines << label + " (" + patterns.simplified() + ")";
  }
  return lines.join(";;");
}

ChosenFiles Sorted(const std::vector<std::string>& utf8Paths) {
  ChosenFiles result;
  result.chosen = !utf8Paths.empty();
  for (const std::string& utf8 : utf8Paths) {
    if (std::optional<Cp932String> path = fileio::FromDiskPath(utf8))
      result.paths.push_back(*path);
    else
      result.refused.push_back(utf8);
  }
  return result;
}

std::vector<std::string> Utf8(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

}  // namespace

ChosenFiles ChooseFilesToOpen(HWND owner, const Cp932String& filter) {
  const std::string text = cp932::ToUtf8Lossy(filter);
  if (Responder()) return Sorted(Responder()(FileDialogRequest{false, text}));
  QFileDialog dialog(QtBridge::WidgetOf(owner), QString(), QString(), QtFilter(text));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted) return {};
  return Sorted(Utf8(dialog.selectedFiles()));
}

ChosenFiles ChooseFileToSave(HWND owner, const Cp932String& filter, const Cp932String& name) {
  const std::string text = cp932::ToUtf8Lossy(filter);
  if (Responder()) return Sorted(Responder()(FileDialogRequest{false, text, true}));
  QFileDialog dialog(QtBridge::WidgetOf(owner), QString(), QString(), QtFilter(text));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.selectFile(QString::fromStdString(cp932::ToUtf8Lossy(name)));
  if (dialog.exec() != QDialog::Accepted) return {};
  return Sorted(Utf8(dialog.selectedFiles()));
}

ChosenFiles ChooseFolder(HWND owner, const Cp932String& prompt, const Cp932String& start) {
  const std::string text = cp932::ToUtf8Lossy(prompt);
  if (Responder()) return Sorted(Responder()(FileDialogRequest{true, text}));
  const QString folder =
      QFileDialog::getExistingDirectory(QtBridge::WidgetOf(owner), QString::fromStdString(text),
                                        QString::fromStdString(cp932::ToUtf8Lossy(start)));
  if (folder.isEmpty()) return {};
  return Sorted({folder.toStdString()});
}

Cp932String NameForMessage(const std::string& utf8) {
  Cp932String shown;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80    ? 1
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC0 ? 2
                                         : 1;
    const std::optional<Cp932String> one = cp932::FromUtf8(utf8.substr(i, length));
    shown += one ? *one : Cp932String("?");
    i += length;
  }
  return shown;
}

void SetFileDialogResponderForTest(FileDialogResponder responder) {
  Responder() = std::move(responder);
}

}  // namespace shell
