#pragma once
// The rotary potentiometer demo: one potentiometer whose divisions, colours, caption, preset and
// drag delay are set on the form, with its value read out in the chosen event.

#include "library/controls/tasten/spin.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TPoti270Demo : public TDemoForm {
 public:
  explicit TPoti270Demo(TComponent* AOwner);

  TPoti270* Poti;
  TEdit* ValueOut;
  TTextSpin* SelTeilung;
  TTextSpin* DragDelaySel;
  TRadioGroup* SelScalaCol;
  TRadioGroup* SelTextCol;
  TRadioGroup* SelZeigerCol;
  TRadioGroup* SelKnopfCol;
  TRadioGroup* SelCaption;
  TCheckBox* PresetEnable;
  TCheckBox* EventSel;

 private:
  void ShowValue();
};
