#pragma once
// TUpDownT: two buttons stacked, an up arrow (bit 1, 'U') over a down arrow (bit 2, 'D').

#include "library/controls/orvanemisc/directionpad.h"

class TUpDownT : public TDirectionPad {
 public:
  explicit TUpDownT(TComponent* AOwner);

  TColor ColorUp() const { return FColorUp; }
  void SetColorUp(TColor Value) { StoreAndRepaint(FColorUp, Value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { StoreAndRepaint(FColorDown, Value); }

  // Without AllowAllUp the two buttons follow bits 1 and 2.
  void SetButtonStatus(uint16_t Value) override;

 protected:
  void EnforceSize() override;
  void PlaceCells() override;
  TColor ArrowColor(int Index) const override { return Index == 0 ? FColorUp : FColorDown; }

 private:
  TColor FColorUp = 0xFFFF00;
  TColor FColorDown = 0x0000FF;
};
