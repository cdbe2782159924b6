// The album's one process-wide application object: its identity, the folders and registry
// keys of the current user (formed on first use and cached until a piece changes), the
// album's registry settings, and the questions many commands ask: may the album talk to
// the phone now, and can a document be opened in its program.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "host/CWinAppCdma.h"
#include "host/HostParameterBlock.h"
#include "library/CPhotoManager.h"
#include "platform/registry/Registry.h"
#include "ui/CDrawObject.h"

class CPrintManager;

class CHarboPhotoApp : public CWinAppCdma {
 public:
  // Every cached path; SetUser and Initialise clear them by these names.
  enum class Path {
    kDataRoot,
    kDataFolder,
    kUsersFolder,
    kUserFolder,
    kAlbumFolder,
    kWorkFolder,
    kLogFolder,
    kCallbackFolder,
    kSharedFolder,
    kUsersRegistryKey,
    kSuiteRegistryKey,
    kUserRegistryKey,
    kAlbumRegistryKey,
    kCount
  };

  static constexpr const char* kDatabaseFileName = "HBPH0200.dat";
  static constexpr const char* kSuiteKey = "Software\\Pelkin Soft\\Harbo Suite";

  CHarboPhotoApp();
  // The platform's handler-failure sink points into the module: it goes with the module.
  ~CHarboPhotoApp() override;

  const Cp932String& title() const { return title_; }
  const Cp932String& helpFile() const { return helpFile_; }
  const Cp932String& albumFolderName() const { return albumFolderName_; }
  const Cp932String& userName() const { return userName_; }
  HKEY registryRoot() const { return registryRoot_; }

  // Takes over the host's values; 1 on success, 0 without a tool object (error 5 when the
  // report flag is set) or for a refused user name, which leaves every value as it was. A
  // second call on an initialised object changes nothing.
  int Initialise(int module, const HostParameterBlock& block, int report);
  // The tree-setting step: saves first when the flag is 0, initialises afresh from the
  // block and opens the user's album. False when initialisation failed.
  bool TakeHostParameters(const HostParameterBlock& block, int flag);
  // Makes the user's folders and registry key and opens the user's album; nothing
  // happens without a user, or for a name that is not one plain folder name.
  void OpenUserAlbum();
  // Saves the open library; there is nothing to save while no library is open.
  int SaveLibrary();
  // The library of the user's album; null until an album was first opened.
  CPhotoManager* library() const { return library_.get(); }
  // The category the index tree starts on ("IndexView"/"TabCurrent").
  LPARAM RememberedCategory();
  // Makes every missing level of the album folder and of the user registry key.
  bool MakeAlbumFolder();
  bool MakeUserRegistryKey();

  // A user's folder and registry key are named after the user, so a name the host gives
  // must be one plain folder name (see suite::IsPlainFolderName). True when it is; otherwise
  // the refusal goes to the suite's error record and the caller must not take the name.
  bool AcceptsUserName(const Cp932String& name);
  // Takes the user name and clears the user's paths; a refused name changes nothing.
  bool SetUser(const Cp932String& name);
  // Switches to another data folder: the users folder and data folder, then every path. A
  // refused user name changes nothing, not even the folder.
  bool SetDataFolder(const Cp932String& folder, const Cp932String& user);

  const Cp932String& GetPath(Path which);
  Cp932String DatabasePath() { return Join(GetPath(Path::kAlbumFolder), kDatabaseFileName); }
  Cp932String SettingsFilePath() { return Join(GetPath(Path::kSharedFolder), kSettingsFileName); }
  // The colour scheme file for a scheme number counted from 0.
  Cp932String ColorSchemePath(int number);

  // Album settings in a section of the album registry key; missing values give the default.
  int ReadInt(const Cp932String& section, const Cp932String& name, int fallback);
  Cp932String ReadText(const Cp932String& section, const Cp932String& name,
                       const Cp932String& fallback);
  bool WriteInt(const Cp932String& section, const Cp932String& name, int value);
  bool WriteText(const Cp932String& section, const Cp932String& name, const Cp932String& value);

  // 1 when the album may talk to the phone for the operation code (7, 9, 11); otherwise 0
  // and the user has been told why.
  int CheckPhoneAccess(int operationCode);
  // The generic answers of the phone access check: the host cannot take the operation, or
  // the check itself failed.
  static Cp932String NotAcceptedText();
  static Cp932String ErrorText();
  // Opens a file or address in its program; 1 on success, else 0 and the message to show.
  int OpenDocument(const Cp932String& target, Cp932String* message);
  BOOL PreTranslateMessage(MSG* msg) override;

  // The phone-block value the frame takes when it is created (0: phone commands allowed).
  int phoneBlock() const { return phoneBlock_; }
  int colorScheme() const { return colorScheme_; }
  void SetColorScheme(int number) { colorScheme_ = number; }
  // Printing's styles, printer and page, made when first asked for; Start() it before use.
  CPrintManager& printManager();

  // The drawing resources of every owner-drawn window; null only once taken away.
  CDrawObject* drawObject() { return drawObject_.get(); }
  // Puts another drawing object (or none) in place and returns the previous one.
  std::unique_ptr<CDrawObject> ReplaceDrawObject(std::unique_ptr<CDrawObject> object);
  // Records the scheme number and loads its file into the drawing object, clearing it
  // first; false when there is no drawing object. A missing file leaves the built-in look.
  bool ApplyColorScheme(int number);

  // The album's window whose drag is running (null when none): drop targets of the album
  // tell its own drags of photos from drags of other programs' files by it.
  void SetDragSource(HWND window) { dragSource_ = window; }
  HWND dragSource() const { return dragSource_; }

 private:
  static Cp932String Join(const Cp932String& a, const Cp932String& b);
  Cp932String FormPath(Path which);
  void ClearPath(Path which) { paths_[static_cast<size_t>(which)].reset(); }
  void ClearAllPaths();
  void ClearUserPaths();
  HKEY OpenSection(const Cp932String& section, bool create);
  void CloseSection(HKEY key);

  Cp932String title_;
  Cp932String helpFile_;
  Cp932String albumFolderName_;
  Cp932String userName_;
  HKEY registryRoot_;
  // Values the host gave.
  Cp932String hostUsersFolder_;
  Cp932String hostUsersRegistryKey_;
  Cp932String hostDataRoot_;
  std::array<std::optional<Cp932String>, static_cast<size_t>(Path::kCount)> paths_;
  int phoneBlock_ = 0;
  int colorScheme_ = 0;
  HWND dragSource_ = nullptr;
  std::unique_ptr<CDrawObject> drawObject_ = std::make_unique<CDrawObject>();
  std::unique_ptr<CPhotoManager> library_;
  std::unique_ptr<CPrintManager> printManager_;
};

// The application object, made once per process.
CHarboPhotoApp& TheApp();
