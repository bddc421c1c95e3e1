#pragma once
// The rotary switch demo: a switch whose number of positions is set by a spin, its colours,
// caption and preset chosen on the form, and the readout of its entry.

#include "library/controls/tasten/spin.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TSchalt270Demo : public TDemoForm {
 public:
  explicit TSchalt270Demo(TComponent* AOwner);

  TSelector270* Schalter;
  TTextSpin* TextSpin;
  TRadioGroup* SelScalaCol;
  TRadioGroup* SelTextCol;
  TRadioGroup* SelZeigerCol;
  TRadioGroup* SelKnopfCol;
  TCheckBox* CaptionCheck;
  TCheckBox* PresetEnable;
  TReadoutBlock Readout;

 private:
  void ShowReadout();
};
