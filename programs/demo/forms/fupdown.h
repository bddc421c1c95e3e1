#pragma once
// The up/down pad demo: the pad sized by a scroll bar, its modes, repeat speed and bevels, and the
// letter and status word of its last change.

#include "library/controls/orvanemisc/updownt.h"
#include "programs/demo/forms/paddemo.h"

class TUpDownDemo : public TDemoForm {
 public:
  explicit TUpDownDemo(TComponent* AOwner);

  TUpDownT* UpDownBtn;
  TScrollBar* SizeBar;  // the pad's width (its height follows)
  TPadInputs Inputs;
};
