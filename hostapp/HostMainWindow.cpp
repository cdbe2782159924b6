#include "hostapp/HostMainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "hostapp/HostWindow.h"
#include "hostapp/MenuBridge.h"
#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneMounts.h"
#include "platform/win/QtBridge.h"
#include "platform/win/QtText.h"
#include "resources/CommandIds.h"

namespace {

constexpr int kIndexColumnWidth = 220;

// How often the host looks whether a device was mounted or taken away.
constexpr int kMountPollMilliseconds = 3000;

PhonePolicy PolicyOf(const HostOptions& options) {
  return PhonePolicy{options.phoneFolder, options.refusePhone, options.refuseReason,
                     options.verbose};
}

}  // namespace

HostMainWindow::HostMainWindow(const HostOptions& options, const AlbumModule& album,
                               HostTexts texts)
    : options_(options), album_(album), texts_(std::move(texts)) {
  setWindowTitle(QStringLiteral("Harbo Suite"));
  resize(options.width, options.height);
  InitSuiteContext(&context_, &errorRecord_);
}

HostMainWindow::~HostMainWindow() {
  ShutDown();
}

bool HostMainWindow::Start(QString* error) {
  // The phone library copies from the folder the host calls the connected phone.
  phonelib::SetPhoneFolder(QtText::ToCp932(options_.phoneFolder).value_or(Cp932String()));
  if (!CreateHostWindows()) {
    *error = QStringLiteral("cannot create the host's windows");
    return false;
  }
  if (!CreateAlbum(error)) return false;
  ShowAlbum();
  BuildMenus();
  RouteTreeSelection();
  RouteMessagesToAlbum(&album_);
  WatchPhone();
  return true;
}

// The host window, the tree and the buttons are platform windows, so that the album can
// parent, fill and enable them; their widgets are then placed into this window's layout.
bool HostMainWindow::CreateHostWindows() {
  HostWindow::Handlers handlers{[this](const QString& text) { statusBar()->showMessage(text); },
                                [this](int w, int h) { AlbumAreaResized(w, h); },
                                [this](UINT id) { Command(id); }};
  hostWindow_ = std::make_unique<HostWindow>(PolicyOf(options_), std::move(handlers));
  if (!hostWindow_->Create({}, 0, RECT{0, 0, 800, 600}, nullptr)) return false;
  if (!tree_.Create({}, 0, RECT{0, 0, kIndexColumnWidth, 400}, nullptr)) return false;
  if (!CreatePhoneButton(&readButton_, cmd::kHostRead, "ケータイから読み込む") ||
      !CreatePhoneButton(&sendButton_, cmd::kHostSend, "ケータイに書き込む"))
    return false;
  auto* splitter = new QSplitter(this);
  splitter->addWidget(BuildIndexColumn());
  splitter->addWidget(QtBridge::WidgetOf(hostWindow_.get()));
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kIndexColumnWidth, width() - kIndexColumnWidth});
  setCentralWidget(splitter);
  statusBar()->showMessage(QString());
  return true;
}

QWidget* HostMainWindow::BuildIndexColumn() {
  auto* column = new QWidget();
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(QtBridge::WidgetOf(&tree_), 1);
  phoneList_ = new QComboBox(column);
  phoneList_->setToolTip(QStringLiteral("ケータイとして使うフォルダ"));
  layout->addWidget(new QLabel(QStringLiteral("ケータイ:"), column));
  layout->addWidget(phoneList_);
  layout->addWidget(QtBridge::WidgetOf(&readButton_));
  layout->addWidget(QtBridge::WidgetOf(&sendButton_));
  return column;
}

// The buttons' parent is the host window: their clicks arrive there as WM_COMMAND.
bool HostMainWindow::CreatePhoneButton(CButton* button, UINT id, const char* text) {
  if (!button->Create({}, 0, RECT{0, 0, kIndexColumnWidth, 32}, hostWindow_.get(), id))
    return false;
  button->SetText(cp932::Lit(text));
  return true;
}

bool HostMainWindow::CreateAlbum(QString* error) {
  context_.hostMainWindow = hostWindow_.get();
  context_.lockWindow1 = &readButton_;
  context_.lockWindow2 = &sendButton_;
  context_.indexTree = &tree_;
  // The album area gets its real size before the frame rectangle is taken from it.
  layout()->activate();
  block_ = MakeParameterBlock(texts_, hostWindow_.get(), hostWindow_->GetClientRect(), &context_);
  block_.colorScheme = options_.colorScheme;
  album_.OrbPhotoTreeSetting(&block_, 1);
  if (album_.OrbPhotoCreateWindows(&block_) == nullptr) {
    *error = QStringLiteral("the album module could not create its windows");
    return false;
  }
  albumRunning_ = true;
  return true;
}

// Phone functions may start only once the album is on screen.
void HostMainWindow::ShowAlbum() {
  const RECT area = hostWindow_->GetClientRect();
  album_.OrbPhotoMoveWindow(0, 0, area.right, area.bottom, 1);
  album_.OrbPhotoShowWindow(SW_SHOW);
  context_.hostReady = 1;
  // Phone functions may start from now on: the album's phone windows follow.
  album_.OrbPhotoChangeMobilePhone();
}

void HostMainWindow::BuildMenus() {
  albumMenu_ = album_.OrbPhotoGetMenu();
  menus_ = new MenuBridge(
      menuBar(), [this](UINT id) { Command(id); },
      [this](HMENU menu, int index) { album_.OrbPhotoInitMenuPopup(menu, index, 0); });
  menus_->Build(albumMenu_);
}

void HostMainWindow::RouteTreeSelection() {
  tree_.SetSelectionHandler([this](HTREEITEM selected, HTREEITEM previous) {
    if (albumRunning_) album_.OrbPhotoTreeItemSelect(0, previous, selected);
  });
}

// A phone is connected while its folder exists: the album hears of every change, so that
// the phone buttons follow.
void HostMainWindow::WatchPhone() {
  if (options_.phoneFolder.isEmpty()) {
    LookForMountedPhones();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { LookForMountedPhones(); });
    timer->start(kMountPollMilliseconds);
    connect(phoneList_, &QComboBox::activated, this, [this](int index) { ChoosePhone(index); });
    return;
  }
  phoneList_->addItem(QFileInfo(options_.phoneFolder).fileName(), options_.phoneFolder);
  phoneList_->setEnabled(false);
  phoneConnected_ = QFileInfo(options_.phoneFolder).isDir();
  auto* watcher = new QFileSystemWatcher(this);
  watcher->addPath(QFileInfo(options_.phoneFolder).absolutePath());
  connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] { PhoneMayHaveChanged(); });
}

void HostMainWindow::PhoneMayHaveChanged() {
  const bool connected = QFileInfo(options_.phoneFolder).isDir();
  if (connected == phoneConnected_ || !albumRunning_) return;
  phoneConnected_ = connected;
  album_.OrbPhotoChangeMobilePhone();
}

// The list follows what is mounted; the chosen device stays chosen while it is there, and
// the first one found is chosen when it goes (or none is left).
void HostMainWindow::LookForMountedPhones() {
  const std::vector<phonelib::MountedPhone> found = phonelib::FindMountedPhones();
  QStringList folders;
  for (const phonelib::MountedPhone& phone : found) folders << QtText::FromCp932(phone.folder);
  QStringList listed;
  for (int i = 0; i < phoneList_->count(); ++i) listed << phoneList_->itemData(i).toString();
  if (!found.empty() && folders == listed) return;
  if (found.empty() && phoneList_->count() == 1 && listed.front().isEmpty()) return;
  const QString chosen = phoneList_->currentData().toString();
  phoneList_->clear();
  for (const phonelib::MountedPhone& phone : found)
    phoneList_->addItem(QtText::FromCp932(phone.name), QtText::FromCp932(phone.folder));
  if (found.empty()) phoneList_->addItem(QStringLiteral("(なし)"), QString());
  const int keep = phoneList_->findData(chosen);
  ChoosePhone(keep >= 0 ? keep : 0);
}

void HostMainWindow::ChoosePhone(int index) {
  phoneList_->setCurrentIndex(index);
  const QString folder = phoneList_->itemData(index).toString();
  const Cp932String wanted = QtText::ToCp932(folder).value_or(Cp932String());
  if (wanted == phonelib::PhoneFolder()) return;
  phonelib::SetPhoneFolder(wanted);
  if (albumRunning_) album_.OrbPhotoChangeMobilePhone();
}

void HostMainWindow::AlbumAreaResized(int width, int height) {
  if (albumRunning_) album_.OrbPhotoMoveWindow(0, 0, width, height, 1);
}

bool HostMainWindow::FocusPhoto(const QString& path) {
  const std::optional<Cp932String> name = QtText::ToCp932(path);
  if (!albumRunning_ || !name) return false;
  return ::SendMessage(album_.OrbPhotoGetWnd(), kHostMsgFocusPhoto, 0,
                       reinterpret_cast<LPARAM>(name->c_str())) == 0;
}

// The host's own range is handled here, except reading and sending, which the album does.
void HostMainWindow::Command(UINT id) {
  if (!albumRunning_) return;
  if (cmd::IsHostCommand(id) && id != cmd::kHostRead && id != cmd::kHostSend) {
    HostCommand(id);
    return;
  }
  album_.OrbPhotoCommand(id, 0);
}

void HostMainWindow::HostCommand(UINT id) {
  if (id == cmd::kHostExit) {
    // Closing takes the menus down; the menu that chose exit must first finish its signal.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return;
  }
  QMessageBox::information(this, windowTitle(),
                           QStringLiteral("この機能はこのホストでは使用できません。"));
}

void HostMainWindow::closeEvent(QCloseEvent* event) {
  ShutDown();
  event->accept();
}

// The album saves and goes first, while every host window it refers to still exists; the
// pre-translation is removed with it, as it would swallow messages without a frame.
void HostMainWindow::ShutDown() {
  if (!albumRunning_) return;
  albumRunning_ = false;
  album_.OrbPhotoSaveData();
  album_.OrbPhotoDestroyWindows();
  RouteMessagesToAlbum(nullptr);
  tree_.SetSelectionHandler(nullptr);
  if (menus_ != nullptr) menus_->Clear();
  DestroyMenu(albumMenu_);
  albumMenu_ = nullptr;
  PumpMessages();
  context_.indexTree = nullptr;
  context_.lockWindow1 = context_.lockWindow2 = nullptr;
}
