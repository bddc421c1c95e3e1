#include "platform/graphics/pen_brush.h"

void TPen::Changed() {
  if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor V) {
  if (V == FColor) return;
  FColor = V;
  Changed();
}

void TPen::SetWidth(int V) {
  if (V < 1) V = 1;
  if (V == FWidth) return;
  FWidth = V;
  Changed();
}

void TPen::SetStyle(TPenStyle V) {
  if (V == FStyle) return;
  FStyle = V;
  Changed();
}

void TPen::SetMode(TPenMode V) {
  if (V == FMode) return;
  FMode = V;
  Changed();
}

void TPen::Assign(const TPen& Source) {
  if (&Source == this) return;
  if (Source.FColor == FColor && Source.FWidth == FWidth && Source.FStyle == FStyle &&
      Source.FMode == FMode) {
    return;
  }
  FColor = Source.FColor;
  FWidth = Source.FWidth;
  FStyle = Source.FStyle;
  FMode = Source.FMode;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange(this);
}

void TBrush::SetColor(TColor V) {
  if (V == FColor && FStyle != bsClear) return;
  FColor = V;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle V) {
  if (V == FStyle) return;
  FStyle = V;
  Changed();
}

void TBrush::Assign(const TBrush& Source) {
  if (&Source == this) return;
  if (Source.FColor == FColor && Source.FStyle == FStyle) return;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  Changed();
}
