#pragma once
// The roll-up panel demo: a main panel holding three panels that roll up and down by themselves
// (a radio group, a drop-down list and a picture), and an arrow button whose direction, shape and
// light are chosen with spins.

#include "library/controls/orvanemisc2/rollbar.h"
#include "library/controls/tasten/arrowbtn.h"
#include "library/controls/tasten/spin.h"
#include "programs/demo/demoform.h"

class TRollFormDemo : public TDemoForm {
 public:
  explicit TRollFormDemo(TComponent* AOwner);

  TArrowBtn* ArrowBtn;
  TTextSpin* OrSpin;
  TTextSpin* ShapeSpin;
  TTextSpin* BlinkSpin;
  TRollBar* MainBar;
  TRollBar* RollBar1;
  TRollBar* RollBar2;
  TRollBar* RollBar3;
  TRadioGroup* RadioGroup;
  TComboBox* ComboBox;
  TImage* Image;

 private:
  void BlinkChanging();
};
