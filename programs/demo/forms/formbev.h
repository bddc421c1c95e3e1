#pragma once
// The bevel and label button demo: a plain plate whose caption field, bevels, switch function and
// text alignment are chosen on the form, beside a word-wrapping toggle plate.

#include "library/controls/tasten/bevel3d.h"
#include "programs/demo/demoform.h"

class TBevelDemo : public TDemoForm {
 public:
  explicit TBevelDemo(TComponent* AOwner);

  TBevel3D* Bevel3D1;
  TBevel3D* Bevel3D2;
  TEdit* Edit1;
  TEdit* Edit2;
  TRadioGroup* SelTexte;
  TRadioGroup* SelTextBevel;
  TRadioGroup* SelSchalter;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelTextAdj;

 private:
  void SelTexteClick(TObject* Sender);
};
