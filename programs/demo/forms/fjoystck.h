#pragma once
// The joystick pad demo: the pad sized by a scroll bar, its modes, repeat speed and bevels, and
// the letter and status word of its last change.

#include "library/controls/orvanemisc/joystick.h"
#include "programs/demo/forms/paddemo.h"

class TJoyStickDemo : public TDemoForm {
 public:
  explicit TJoyStickDemo(TComponent* AOwner);

  TJoyStick* JoyStick;
  TScrollBar* HeightBar;  // the pad's width (the pad stays square)
  TPadInputs Inputs;
};
