#pragma once
// The two-position slide switch demo: one switch whose texts, bevels and frame sides are chosen on
// the form, and four switches lined up side by side.

#include <array>

#include "library/controls/tasten/slidebutton.h"
#include "programs/demo/demoform.h"

class TSchalterDemo : public TDemoForm {
 public:
  explicit TSchalterDemo(TComponent* AOwner);

  TSlideButton* Schalter1;
  std::array<TSlideButton*, 4> SchalterS{};  // SchalterS1 .. SchalterS4
  TEdit* Edit1;
  TEdit* Edit2;
  TGroupBox* BorderGroup;
  TCheckBox* BordTopCheck;
  TCheckBox* BordRightCheck;
  TCheckBox* BordLeftCheck;
  TCheckBox* BordBottomCheck;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
};
