#pragma once
// TLeftRightT: two buttons side by side, a left arrow (bit 1, 'L') and a right arrow (bit 2, 'R').

#include "library/controls/orvanemisc/directionpad.h"

class TLeftRightT : public TDirectionPad {
 public:
  explicit TLeftRightT(TComponent* AOwner);

  TColor ColorLeft() const { return FColorLeft; }
  void SetColorLeft(TColor Value) { StoreAndRepaint(FColorLeft, Value); }
  TColor ColorRight() const { return FColorRight; }
  void SetColorRight(TColor Value) { StoreAndRepaint(FColorRight, Value); }

  // Without AllowAllUp the two buttons follow bits 1 and 2.
  void SetButtonStatus(uint16_t Value) override;

 protected:
  void EnforceSize() override;
  void PlaceCells() override;
  TColor ArrowColor(int Index) const override { return Index == 0 ? FColorLeft : FColorRight; }

 private:
  TColor FColorLeft = 0x00FF00;
  TColor FColorRight = 0x0000FF;
};
