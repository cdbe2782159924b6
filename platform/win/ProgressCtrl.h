// A progress bar: a range and a position inside it.
#pragma once

#include "platform/win/Wnd.h"

class CProgressCtrl : public CWnd {
 public:
  // An upper end below the lower one is taken as the lower one.
  void SetRange(int lower, int upper);
  int lower() const { return lower_; }
  int upper() const { return upper_; }
  // Moves the bar to the position, held inside the range, and repaints it at once as the
  // system's bar does, so that a loop that pumps no messages still shows its progress.
  // Returns the previous position.
  int SetPos(int position);
  int GetPos() const { return position_; }

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  void Show();

  int lower_ = 0;
  int upper_ = 100;
  int position_ = 0;
};
