#include "library/controls/orvanemisc2/background.h"

#include <algorithm>

#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

TBackGround::TBackGround(TComponent* AOwner)
    : TGraphicControl(AOwner), FBitmap(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 50, 50);
  SetAlign(alNone);
}

TBackGround::~TBackGround() = default;

void TBackGround::SetFillDirection(TFillDirection Value) {
  if (Value == FFillDirection) return;
  FFillDirection = Value;
  Invalidate();
}

void TBackGround::SetBeginColor(TColor Value) {
  if (Value == FBeginColor) return;
  FBeginColor = Value;
  Invalidate();
}

void TBackGround::SetEndColor(TColor Value) {
  if (Value == FEndColor) return;
  FEndColor = Value;
  Invalidate();
}

void TBackGround::SetNumberOfColors(TNumberOfColors Value) {
  Value = std::clamp(Value, 1, 256);
  if (Value == FNumberOfColors) return;
  FNumberOfColors = Value;
  UpdateBandCount();
  Invalidate();
}

void TBackGround::SetRealize(bool Value) {
  if (Value == FRealize) return;
  FRealize = Value;
  // The band count depends on both properties, whichever is set last.
  UpdateBandCount();
  Invalidate();
}

void TBackGround::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  Invalidate();
}

void TBackGround::UpdateBandCount() {
  FBands = (FNumberOfColors == 256 && FRealize) ? 255 : FNumberOfColors;
}

void TBackGround::BuildPalette(int r0, int g0, int b0, int dr, int dg, int db) {
  const int n = FBands;
  TLogPalette log;
  log.palVersion = 0x300;
  log.palPalEntry.resize(n + 1);
  log.palPalEntry[0] = {uint8_t(r0), uint8_t(g0), uint8_t(b0), 0};
  for (int k = 0; k < n; ++k) {
    TPaletteEntry& e = log.palPalEntry[k + 1];
    if (n > 1) {
      e.peRed = uint8_t(r0 + MulDiv(k, dr, n - 1));
      e.peGreen = uint8_t(g0 + MulDiv(k, dg, n - 1));
      e.peBlue = uint8_t(b0 + MulDiv(k, db, n - 1));
    } else {
      e = log.palPalEntry[0];
    }
  }
  FPalette = CreatePalette(log);
}

void TBackGround::Paint() {
  FBitmap->SetSize(Width(), Height());
  TCanvas* bc = FBitmap->Canvas();
  const TColor b = ColorToRGB(FBeginColor), e = ColorToRGB(FEndColor);
  const int r0 = GetRValue(b), g0 = GetGValue(b), b0 = GetBValue(b);
  const int dr = GetRValue(e) - r0, dg = GetGValue(e) - g0, db = GetBValue(e) - b0;
  TCanvasSaver keep(*bc, cpBrush);
  if (FRealize) {
    BuildPalette(r0, g0, b0, dr, dg, db);
    SelectPalette(bc, FPalette, false);
    RealizePalette(bc);
  } else {
    FPalette = nullptr;
    SelectPalette(bc, nullptr, false);
  }
  const int n = FBands;
  const bool vertical = FFillDirection == fdTopToBottom || FFillDirection == fdBottomToTop;
  const bool reverse = FFillDirection == fdBottomToTop || FFillDirection == fdRightToLeft;
  const int extent = vertical ? FBitmap->Height() : FBitmap->Width();
  bc->Brush()->SetStyle(bsSolid);
  // One band more than the count: the last (the end colour) lies just outside the bitmap.
  for (int k = 0; k <= n; ++k) {
    const int i = reverse ? n - k : k;
    const int from = reverse ? MulDiv(i - 1, extent, n) : MulDiv(i, extent, n);
    const int to = reverse ? MulDiv(i, extent, n) : MulDiv(i + 1, extent, n);
    int r = r0, g = g0, bl = b0;
    if (n > 1) {
      r += MulDiv(k, dr, n);
      g += MulDiv(k, dg, n);
      bl += MulDiv(k, db, n);
    }
    bc->Brush()->SetColor(FRealize ? PaletteRGB(r, g, bl) : RGB(r, g, bl));
    bc->FillRect(vertical ? Rect(0, from, FBitmap->Width(), to)
                          : Rect(from, 0, to, FBitmap->Height()));
  }
  SelectPalette(Canvas(), FPalette, false);
  RealizePalette(Canvas());
  Canvas()->Draw(0, 0, FBitmap.get());
}
