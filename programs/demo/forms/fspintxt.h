#pragma once
// The text spin demo: a spin whose list is edited in a memo and written back with "Update", its
// bevels, colours, end stop and repeat speed chosen on the form, and the readout of its line.

#include "library/controls/tasten/spin.h"
#include "programs/demo/demoform.h"

class TTextSpinDemo : public TDemoForm {
 public:
  explicit TTextSpinDemo(TComponent* AOwner);

  TTextSpin* TextSpin;
  TTextSpin* SelSpeed;
  TMemo* Memo;
  TButton* UpdateBtn;
  TCheckBox* Anschlag;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelColor;
  TRadioGroup* SelTextCol;
  TReadoutBlock Readout;

 private:
  void UpdateList();
  void ShowReadout();
};
