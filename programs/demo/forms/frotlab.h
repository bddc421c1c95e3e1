#pragma once
// The rotated label demo: at every showing the label turns and grows from a tiny size until it
// stands upright and large; its angle, font, 3D style and shadow offset are chosen on the form.

#include "library/controls/orvanemisc2/rotlabel.h"
#include "library/controls/tasten/spin.h"
#include "library/foundation/smarttimer.h"
#include "programs/demo/demoform.h"

class TRotLabelDemo : public TDemoForm {
 public:
  explicit TRotLabelDemo(TComponent* AOwner);

  TRotLabel* RotLabel;
  TScrollBar* AngleScroll;
  TButton* FontBtn;
  TRadioGroup* AttrSel;
  TTextSpin* HorOffset;
  TTextSpin* VertOffset;
  TSmartTimer* SmartTimer;

 private:
  void StartAnimation();
  // One step of the animation: turn and grow; past the largest size it ends upright.
  void AnimationStep();
  void ChooseFont();
};
