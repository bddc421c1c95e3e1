#include "library/controls/orvanemisc/updownt.h"

#include <algorithm>

TUpDownT::TUpDownT(TComponent* AOwner)
    : TDirectionPad(AOwner, {{TPadArrow::Up, 1, 'U'}, {TPadArrow::Down, 2, 'D'}}) {
  SetBounds(Left(), Top(), 30, 60);
}

void TUpDownT::SetButtonStatus(uint16_t Value) {
  if (AllowAllUp()) return;
  DrawButton(0, (Value & 1) != 0);
  DrawButton(1, (Value & 2) != 0);
}

void TUpDownT::EnforceSize() {
  const int w = std::max(Width(), 20);
  const int h = 2 * (w - FrameThickness());
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TUpDownT::PlaceCells() {
  const int side = BevWidth() + BordWidth();
  if (!BordRight()) InnerRect.Right -= side;
  if (!BordLeft()) InnerRect.Left += side;
  const int cell = InnerRect.Width();
  SetMeasures(cell);
  SetCell(0, Bounds(InnerRect.Left, InnerRect.Top, cell, cell));
  SetCell(1, Bounds(InnerRect.Left, InnerRect.Top + cell, cell, cell));
}
