#include <algorithm>
#include <cmath>
#include <cstdint>

#include "library/foundation/store.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"

TMagicEye::TMagicEye(TComponent* AOwner) : TRahmen(AOwner) {
  SetBordWidth(4);
  SetBevWidth(1);
  SetWidth(150);
  SetHeight(30);
}

void TMagicEye::SetStartPos(double Value) {
  if (!std::isfinite(Value)) return;
  if (StoreChanged(FStartPos, Value)) DrawEye();
}
void TMagicEye::SetEndPos(double Value) {
  if (!std::isfinite(Value)) return;
  if (StoreChanged(FEndPos, Value)) DrawEye();
}
void TMagicEye::SetColorBack(TColor Value) {
  if (StoreChanged(FColorBack, Value)) DrawEye();
}
void TMagicEye::SetColorEye(TColor Value) {
  if (StoreChanged(FColorEye, Value)) DrawEye();
}
void TMagicEye::SetColorEyeInv(TColor Value) {
  if (StoreChanged(FColorEyeInv, Value)) DrawEye();
}

void TMagicEye::SetStartValue(double Value) {
  if (SetRangeStart(FStartValue, Value, FEndValue, ComponentState().Contains(csReading))) DrawEye();
}

void TMagicEye::SetEndValue(double Value) {
  if (SetRangeEnd(FEndValue, Value, FStartValue, ComponentState().Contains(csReading))) DrawEye();
}

void TMagicEye::SetDirection(TOrientation Value) {
  if (!StoreChanged(FDirection, Value)) return;
  if (FPainted) SetBounds(Left(), Top(), Height(), Width());
}

void TMagicEye::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    DrawEye();
    return;
  }
  TRahmen::WndProc(Message);
}

void TMagicEye::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpPen);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  // A one-pixel sunken frame on the border of the inner rectangle.
  const TRect r = InnerRect;
  c.Pen()->SetColor(0x808080);
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
  c.Pen()->SetColor(0xFFFFFF);
  c.MoveTo(r.Right - 1, r.Top + 1);
  c.LineTo(r.Right - 1, r.Bottom - 1);
  c.LineTo(r.Left, r.Bottom - 1);
  FEyeRect = r;
  InflateRect(FEyeRect, -1, -1);
  DrawEye();
  if (OnRepaint) OnRepaint(this);
}

void TMagicEye::DrawEye() {
  if (!FPainted) return;
  const TRect e = FEyeRect;
  const bool vertical = FDirection == orVertical;
  const int length = vertical ? e.Bottom - e.Top : e.Right - e.Left;
  if (length <= 0) return;
  // A scale of no width (only form data can hold one) puts both ends at its start.
  const double span = FEndValue - FStartValue;
  const auto offset = [&](double v) {
    v = std::clamp(v, std::min(FStartValue, FEndValue), std::max(FStartValue, FEndValue));
    if (!(span > 0)) return 0;
    return static_cast<int>(
        std::clamp<int64_t>(Round((v - FStartValue) * length / span), 0, length));
  };
  int p1 = offset(FStartPos), p2 = offset(FEndPos);
  const TColor band = p1 <= p2 ? FColorEye : FColorEyeInv;
  // Ends on one pixel still show a one-pixel band, widened into the eye at its start.
  if (p1 == p2) {
    if (p1 > 0) {
      --p1;
    } else {
      ++p2;
    }
  }
  const int lo = std::min(p1, p2), hi = std::max(p1, p2);
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpBrush);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FColorBack);
  if (vertical) {
    c.FillRect(Rect(e.Left, e.Bottom - lo, e.Right, e.Bottom));
    c.FillRect(Rect(e.Left, e.Top, e.Right, e.Bottom - hi));
    c.Brush()->SetColor(band);
    c.FillRect(Rect(e.Left, e.Bottom - hi, e.Right, e.Bottom - lo));
  } else {
    c.FillRect(Rect(e.Left, e.Top, e.Left + lo, e.Bottom));
    c.FillRect(Rect(e.Left + hi, e.Top, e.Right, e.Bottom));
    c.Brush()->SetColor(band);
    c.FillRect(Rect(e.Left + lo, e.Top, e.Left + hi, e.Bottom));
  }
}
