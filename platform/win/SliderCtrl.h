// A horizontal slider (track bar): a range and a position inside it. When the user moves
// it, the parent hears WM_HSCROLL with TB_THUMBTRACK and the new position in the first
// parameter and the slider in the second, as a track bar tells its parent.
#pragma once

#include "platform/win/Wnd.h"

constexpr UINT WM_HSCROLL = 0x0114;
constexpr WORD TB_THUMBTRACK = 5;

class CSliderCtrl : public CWnd {
 public:
  // An upper end below the lower one is taken as the lower one.
  void SetRange(int lower, int upper);
  int lower() const { return lower_; }
  int upper() const { return upper_; }
  // Moves the slider, held inside the range, without telling the parent.
  void SetPos(int position);
  int GetPos() const { return position_; }
  // Moves the slider as a user would: the parent is told when the position changed.
  void Drag(int position);

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  friend class SliderWidget;
  void Moved(int position);
  void Show();

  int lower_ = 0;
  int upper_ = 100;
  int position_ = 0;
};
