#include "platform/graphics/pen_brush.h"

void TPen::Changed() {
  if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor v) {
  if (v == FColor) return;
  FColor = v;
  Changed();
}

void TPen::SetWidth(int v) {
  if (v < 1) v = 1;
  if (v == FWidth) return;
  FWidth = v;
  Changed();
}

void TPen::SetStyle(TPenStyle v) {
  if (v == FStyle) return;
  FStyle = v;
  Changed();
}

void TPen::SetMode(TPenMode v) {
  if (v == FMode) return;
  FMode = v;
  Changed();
}

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  if (source.FColor == FColor && source.FWidth == FWidth && source.FStyle == FStyle &&
      source.FMode == FMode) {
    return;
  }
  FColor = source.FColor;
  FWidth = source.FWidth;
  FStyle = source.FStyle;
  FMode = source.FMode;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange(this);
}

void TBrush::SetColor(TColor v) {
  if (v == FColor && FStyle != bsClear) return;
  FColor = v;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
  if (v == FStyle) return;
  FStyle = v;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  if (&source == this) return;
  if (source.FColor == FColor && source.FStyle == FStyle) return;
  FColor = source.FColor;
  FStyle = source.FStyle;
  Changed();
}
