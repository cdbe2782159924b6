// The album's one frame window, a child of the host window. It receives every menu,
// accelerator and tool command of the album and keeps the view settings in the registry
// section "Main".
#pragma once

#include <memory>

#include "platform/win/FrameWnd.h"

class CMainFrame : public CFrameWnd {
  HARBO_DECLARE_MESSAGE_MAP(CMainFrame)

 public:
  // Sort keys; bit 31 means descending.
  static constexpr uint32_t kSortDescending = 0x80000000u;
  static constexpr int kDefaultSort = 2;
  static constexpr int kDefaultImageSize = 160;
  static constexpr int kDefaultImageStyle = 14;

  CMainFrame() = default;

  // Creates the frame's hidden child window in the parent at the rectangle and makes it the
  // process's frame (MainFrame()). From then on the window owns the object, which goes with
  // the window by whatever path it is destroyed; when creation fails, the object is deleted
  // here, once. Null on failure.
  static CMainFrame* Install(std::unique_ptr<CMainFrame> frame, HWND parent, const RECT& rect);
  // Writes the view settings and the placement; the destroy entry point always records
  // the normal show state.
  void SaveSettings(bool fromDestroyEntry);
  void LoadSettings();
  // The phone state in which the host's phone windows follow whether phone commands may
  // run: a phone is connected and its profile reads.
  static constexpr int kPhoneReady = 5;

  // The host showed or hid the frame, or the connected phone changed: the phone state is
  // read again and the phone-dependent state refreshed.
  void OnHostShow(int command);
  void OnPhoneChanged();
  // A phone transfer started (non-zero) or ended (0); its end refreshes the phone state.
  void SetTransfer(int transfer);
  int phoneState() const { return phoneState_; }

  bool thumbnailShown() const { return thumbnailShown_; }
  bool easyPrintShown() const { return easyPrintShown_; }
  uint32_t sort() const { return sort_; }
  int imageSize() const { return imageSize_; }
  int imageStyle() const { return imageStyle_; }

 protected:
  bool OnCreateClient() override;
  void OnClose() override;
  // The window is gone: nothing may reach the frame any more.
  void PostNcDestroy() override;

 private:
  bool CreateFrame(HWND parent, const RECT& rect);
  static int ReadPhoneState();
  void RefreshPhoneWindows();

  LRESULT OnTreeItemSelect(WPARAM selected, LPARAM previous);
  LRESULT OnShowPhotoByName(WPARAM w, LPARAM l);
  LRESULT OnIgnored(WPARAM w, LPARAM l);
  LRESULT OnQueryEndSession(WPARAM w, LPARAM l);

  void OnSwitchView();
  void OnCaption(uint32_t bit);
  void OnCaptionName() { OnCaption(2); }
  void OnCaptionDate() { OnCaption(4); }
  void OnCaptionMemo() { OnCaption(8); }
  void OnStyleBit0() { OnCaption(1); }
  void OnThumbnailSize(int pixels);
  void OnSizeSmall() { OnThumbnailSize(80); }
  void OnSizeMedium() { OnThumbnailSize(160); }
  void OnSizeLarge() { OnThumbnailSize(240); }
  void OnSort(uint32_t key);
  void OnSortName() { OnSort(1); }
  void OnSortDate() { OnSort(2); }
  void OnSortSize() { OnSort(3); }
  void OnSortMemo() { OnSort(4); }
  void OnHelp();
  void OnHomePage();

  void OnUpdateCaption(CCmdUI* ui);
  void OnUpdateSize(CCmdUI* ui);
  void OnUpdateSort(CCmdUI* ui);

  bool thumbnailShown_ = true;
  bool easyPrintShown_ = true;
  uint32_t sort_ = kDefaultSort;
  int imageSize_ = kDefaultImageSize;
  int imageStyle_ = kDefaultImageStyle;
  int phoneState_ = 0;
  int phoneBlock_ = 0;
  int transfer_ = 0;
  LPARAM selectedNode_ = 0;
  // Set once creation succeeded: only then does the window own the object. A failed
  // creation destroys the window too, and its owner deletes the object instead.
  bool ownedByWindow_ = false;
};

// The process-wide pointer to the frame: set by window creation, emptied by destruction.
CMainFrame* MainFrame();
void SetMainFrame(CMainFrame* frame);
