#include "library/controls/orvanemisc/leftrightt.h"

#include <algorithm>

TLeftRightT::TLeftRightT(TComponent* AOwner)
    : TDirectionPad(AOwner, {{TPadArrow::Left, 1, 'L'}, {TPadArrow::Right, 2, 'R'}}) {
  SetBounds(Left(), Top(), 60, 30);
}

void TLeftRightT::SetButtonStatus(uint16_t Value) {
  if (AllowAllUp()) return;
  DrawButton(0, (Value & 1) != 0);
  DrawButton(1, (Value & 2) != 0);
}

void TLeftRightT::EnforceSize() {
  const int h = std::max(Height(), 20);
  const int w = 2 * (h - FrameThickness());
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TLeftRightT::PlaceCells() {
  const int side = BevWidth() + BordWidth();
  if (!BordBottom()) InnerRect.Bottom -= side;
  if (!BordLeft()) InnerRect.Left += side;
  if (!BordTop()) InnerRect.Top += side;
  const int cell = InnerRect.Height();
  SetMeasures(cell);
  SetCell(0, Bounds(InnerRect.Left, InnerRect.Top, cell, cell));
  SetCell(1, Bounds(InnerRect.Left + cell, InnerRect.Top, cell, cell));
}
