#pragma once
// The seven-segment display demo: digits, colours, LEDs, unit text and the display's size are all
// set from the inputs around it.

#include "library/controls/disp7s/disp7seg.h"
#include "library/controls/tasten/spin.h"
#include "programs/demo/demoform.h"

class TDisp7sDemo : public TDemoForm {
 public:
  explicit TDisp7sDemo(TComponent* AOwner);

  TDisp7Seg* Disp7s;
  TScrollBar* ScrollW;
  TScrollBar* ScrollH;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelBackCol;
  TRadioGroup* SelDigitCol;
  TRadioGroup* SelLeds;
  TRadioGroup* SelLed1;
  TRadioGroup* SelLed2;
  TTextSpin* SelStellen;
  TEdit* EditVal;
  TCheckBox* ItalicCheck;
};
