#pragma once
// The slide potentiometer demo: one potentiometer whose look, scale, caption, preset and drag
// delay are set on the form, beside a logarithmic one and a linear one around zero, each with
// its value read out.

#include "library/controls/tasten/spin.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TPotiLinDemo : public TDemoForm {
 public:
  explicit TPotiLinDemo(TComponent* AOwner);

  TPotiSlide* Poti;
  TPotiSlide* Poti1;
  TPotiSlide* Poti2;
  TEdit* Value0;
  TEdit* Value1;
  TEdit* Value2;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelScalaCol;
  TRadioGroup* SelTextCol;
  TRadioGroup* SelCaption;
  TRadioGroup* SelMode;
  TEdit* Edit1;
  TCheckBox* PresetEnable;
  TCheckBox* EventSel;
  TTextSpin* DragDelaySel;
};
