// An up-down control beside a buddy edit: each press, and each repeat while a button is
// held, moves the position by the increment of the accelerations for how long the button
// has been held, within the range, and writes the position into the buddy as digits, where
// the parent reads it.
#pragma once

#include <vector>

#include "platform/win/Wnd.h"

class CEdit;

struct UDACCEL {
  UINT seconds;    // from this many seconds held
  UINT increment;  // the position moves by this much
};

class CSpinButtonCtrl : public CWnd {
 public:
  void SetBuddy(CEdit* buddy) { buddy_ = buddy; }
  void SetRange(int lower, int upper);
  void SetAccel(std::vector<UDACCEL> accel) { accel_ = std::move(accel); }
  // The position as the buddy's text reads, clamped into the range.
  int GetPos() const;
  void SetPos(int pos);
  // One step up (+1) or down (-1) as a button held for so long makes it.
  void StepAsUser(int direction, int heldMilliseconds);

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  int Increment(int heldMilliseconds) const;

  CEdit* buddy_ = nullptr;
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
  std::vector<UDACCEL> accel_{{0, 1}};
};
