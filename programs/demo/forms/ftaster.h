#pragma once
// The lit picture button demo: one button whose bevels, rows, switch function, light, colour and
// shape are chosen on the form, and two that blink while they are held or latched.

#include "library/controls/tasten/pictbutton.h"
#include "programs/demo/demoform.h"

class TTasterDemo : public TDemoForm {
 public:
  explicit TTasterDemo(TComponent* AOwner);

  TPictButton* Taster;
  TPictButton* Taster2;
  TPictButton* Taster3;
  TEdit* Zeile1;
  TEdit* Zeile2;
  TEdit* Zeile3;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelZeilen;
  TRadioGroup* SelSchalter;
  TRadioGroup* SelLeucht;
  TRadioGroup* SelColor;
  TRadioGroup* SelForm;
};
