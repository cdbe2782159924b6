// The send dialog: the photos of the current view with their ticks (a tick is the photo's
// selection mark, so ticking here selects in the view too), the focused photo beside the
// list, and the destination, resizing and overwriting choices. The choices are read from
// the "NyUpdate" settings when the dialog opens and written when it closes.
#pragma once

#include "browse/TickedPhotoList.h"
#include "host/CCDialogExPh.h"
#include "images/CImageItems.h"
#include "phone/PhoneSend.h"

class CCheckBox;
class CComboBox;
class CListCtrl;
class CRadioButton;
class CStatic;

class CDlgImageUpdate : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgImageUpdate)

 public:
  // Where the focused photo is painted: beside the list, over its height.
  static constexpr RECT kPreviewRect{344, 28, 508, 192};

  explicit CDlgImageUpdate(CImageItems& view, HWND parent = nullptr);
  ~CDlgImageUpdate() override;

  // The choices as the dialog ended (the settings before it ran until then).
  const phonesend::SendChoice& choice() const { return choice_; }

  // The settings as stored; the dialog writes them when it closes.
  static phonesend::SendChoice ReadSettings();
  static void WriteSettings(const phonesend::SendChoice& choice);

  using CCDialogExPh::Control;
  CListCtrl* list() const { return list_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnPaint() override;

 private:
  LRESULT OnNotify(WPARAM w, LPARAM l);
  void OnResizeClicked();

  bool FindControls();
  void ShowChoice();
  void TakeChoice();
  void ShowCount();

  CImageItems& view_;
  TickedPhotoList ticked_{view_};
  phonesend::SendChoice choice_;
  CListCtrl* list_ = nullptr;
  CStatic* caption_ = nullptr;
  CRadioButton* internal_ = nullptr;
  CRadioButton* external_ = nullptr;
  CCheckBox* resize_ = nullptr;
  CComboBox* size_ = nullptr;
  CCheckBox* overwrite_ = nullptr;
};
