#include "library/controls/orvanemisc/joystick.h"

#include <algorithm>

#include "platform/graphics/bitmap.h"

TJoyStick::TJoyStick(TComponent* AOwner)
    : TDirectionPad(AOwner, {{TPadArrow::UpLeft, 1, 'A'},
                             {TPadArrow::Up, 2, 'B'},
                             {TPadArrow::UpRight, 4, 'C'},
                             {TPadArrow::Left, 8, 'D'},
                             {TPadArrow::Centre, 16, 'E'},
                             {TPadArrow::Right, 32, 'F'},
                             {TPadArrow::DownLeft, 64, 'G'},
                             {TPadArrow::Down, 128, 'H'},
                             {TPadArrow::DownRight, 256, 'I'}}),
      FSymbolUp(std::make_unique<TBitmap>()),
      FSymbolDown(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 90, 90);
}

TJoyStick::~TJoyStick() = default;

void TJoyStick::SetSymbolUp(const TBitmap* Value) {
  if (Value != nullptr) FSymbolUp->Assign(Value);
}

void TJoyStick::SetSymbolDown(const TBitmap* Value) {
  if (Value != nullptr) FSymbolDown->Assign(Value);
}

void TJoyStick::SetButtonStatus(uint16_t Value) {
  if (!AllowAllUp() && !LockMode()) {
    for (int i = 0; i < ButtonCount(); ++i) {
      if (i != kCentre) DrawButton(i, (Value & (1u << i)) != 0);
    }
  }
  DrawButton(kCentre, (Value & 16) != 0 && RastCenter());
}

void TJoyStick::EnforceSize() {
  const int w = std::max(Width(), 60);
  if (w != Width() || Height() != w) SetBounds(Left(), Top(), w, w);
}

void TJoyStick::PlaceCells() {
  const int cell = InnerRect.Width() / 3;
  SetMeasures(cell);
  for (int i = 0; i < ButtonCount(); ++i) {
    SetCell(i, Bounds(InnerRect.Left + (i % 3) * cell, InnerRect.Top + (i / 3) * cell, cell, cell));
  }
}

TColor TJoyStick::ArrowColor(int Index) const {
  // The corners are the diagonals.
  return (Index % 2 == 0) ? FColorSek : FColorMain;
}

void TJoyStick::DrawSymbol(int, bool Pressed, const TRect& R) {
  Canvas()->StretchDraw(R, Pressed ? FSymbolDown.get() : FSymbolUp.get());
}

bool TJoyStick::ReleaseCentreOnMouseUp() {
  if (FRastCenter || !Pressed(kCentre)) return false;
  DrawButton(kCentre, false);
  return true;
}
