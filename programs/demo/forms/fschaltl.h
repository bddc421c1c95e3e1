#pragma once
// The slide switch demo: one selector whose bevels, colours, caption and preset are chosen on the
// form, with the readout of its entry, and two selectors whose presets pick an entry by its
// value.

#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TSchaltLinDemo : public TDemoForm {
 public:
  explicit TSchaltLinDemo(TComponent* AOwner);

  TSelectorSlide* Selector;
  TSelectorSlide* SelectorSlide1;
  TSelectorSlide* SelectorSlide2;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelScalaCol;
  TRadioGroup* SelTextCol;
  TRadioGroup* SelCaption;
  TCheckBox* PresetEnable;
  TReadoutBlock Readout;

 private:
  void ShowReadout();
};
