#pragma once
// The letter bar demo: a small keyboard of push buttons and a column of latching digit buttons,
// each with a label showing the character last chosen.

#include "library/controls/orvanemisc/alphabar.h"
#include "programs/demo/demoform.h"

class TKeyBoardDemo : public TDemoForm {
 public:
  explicit TKeyBoardDemo(TComponent* AOwner);

  TAlphaBar* AlphaBar1;
  TAlphaBar* AlphaBar2;
  TLabel* Label1;
  TLabel* Label2;
};
