#pragma once
// The left/right pad demo: the pad sized by a scroll bar, its modes, repeat speed and bevels, and
// the letter and status word of its last change.

#include "library/controls/orvanemisc/leftrightt.h"
#include "programs/demo/forms/paddemo.h"

class TLeftRightDemo : public TDemoForm {
 public:
  explicit TLeftRightDemo(TComponent* AOwner);

  TLeftRightT* LeftRightBtn;
  TScrollBar* SizeBar;  // the pad's height (its width follows)
  TPadInputs Inputs;
};
