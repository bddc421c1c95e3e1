#pragma once
// The LED check box demo: one LED check box shown as a plain LED, a button, a check box or a radio
// button, its checked state kept in step with two status radios both ways, and a second one whose
// caption placement and frame are chosen on the form.

#include <array>

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/controls/tasten/multibmp.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TLedCheckDemo : public TDemoForm {
 public:
  explicit TLedCheckDemo(TComponent* AOwner);

  // The LED check box under test and its radio partner of group 4.
  TLedCheck* LedCheck;
  TLedCheck* LedCheck9;
  // LedCheck1 .. LedCheck19 by their number (index 0 and 9 unused: LedCheck9 is above).
  std::array<TLedCheck*, 20> Check{};
  TSlider* Slider;
  TMultiBmp* MultiBmpL;
  TMultiBmp* MultiBmpR;

 private:
  void ModeClick(TCheckMode Mode);
  void LedCheckDownUp();
  void LedCheck9Click();
  void BevelClick();
};
