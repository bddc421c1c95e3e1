#pragma once
// The chainable spin demo: a number, a decade prefix and a unit turned like the digits of a
// counter make up a value shown in a numeric field; a fourth spin is resized by a slider and
// takes its bevels and colours from the buttons beside it.

#include "library/controls/orvanemisc/numedit.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/controls/tasten/spin.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TSerieSpinDemo : public TDemoForm {
 public:
  explicit TSerieSpinDemo(TComponent* AOwner);

  TSerieSpin* SpinNum;
  TSerieSpin* SpinPot;
  TSerieSpin* SpinUn;
  TSerieSpin* SerieSpin;
  TNumEdit* NumOut;
  TSlider* Sizer;
  TLedCheck* RaisedCheck;
  TLedCheck* LoweredCheck;
  TLedCheck* WidthCheck;
  TLedButton* BackBtn;
  TLedButton* TextBtn;

 private:
  void ShowProduct();
  void SizerChanging();
};
