#include <algorithm>
#include <cmath>
#include <cstdint>

#include "library/foundation/store.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"

TMagicEye::TMagicEye(TComponent* AOwner) : TRahmen(AOwner) {
  SetBordWidth(4);
  SetBevWidth(1);
  SetWidth(150);
  SetHeight(30);
}

void TMagicEye::SetStartPos(double V) {
  if (!std::isfinite(V)) return;
  if (StoreChanged(start_pos_, V)) DrawEye();
}
void TMagicEye::SetEndPos(double V) {
  if (!std::isfinite(V)) return;
  if (StoreChanged(end_pos_, V)) DrawEye();
}
void TMagicEye::SetColorBack(TColor V) {
  if (StoreChanged(color_back_, V)) DrawEye();
}
void TMagicEye::SetColorEye(TColor V) {
  if (StoreChanged(color_eye_, V)) DrawEye();
}
void TMagicEye::SetColorEyeInv(TColor V) {
  if (StoreChanged(color_eye_inv_, V)) DrawEye();
}

void TMagicEye::SetStartValue(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    start_value_ = V;
    return;
  }
  if (V >= end_value_) V = end_value_ - 1;
  if (StoreChanged(start_value_, V)) DrawEye();
}

void TMagicEye::SetEndValue(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    end_value_ = V;
    return;
  }
  if (V <= start_value_) V = start_value_ + 1;
  if (StoreChanged(end_value_, V)) DrawEye();
}

void TMagicEye::SetDirection(TOrientation V) {
  if (!StoreChanged(direction_, V)) return;
  if (painted_) SetBounds(Left(), Top(), Height(), Width());
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
  painted_ = true;
  TCanvas& c = *Canvas();
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
  eye_rect_ = r;
  InflateRect(eye_rect_, -1, -1);
  DrawEye();
  if (OnRepaint) OnRepaint(this);
}

void TMagicEye::DrawEye() {
  if (!painted_) return;
  const TRect e = eye_rect_;
  const bool vertical = direction_ == orVertical;
  const int length = vertical ? e.Bottom - e.Top : e.Right - e.Left;
  if (length <= 0) return;
  // A scale of no width (only form data can hold one) puts both ends at its start.
  const double span = end_value_ - start_value_;
  const auto offset = [&](double v) {
    v = std::clamp(v, std::min(start_value_, end_value_), std::max(start_value_, end_value_));
    if (!(span > 0)) return 0;
    return static_cast<int>(
        std::clamp<int64_t>(Round((v - start_value_) * length / span), 0, length));
  };
  int p1 = offset(start_pos_), p2 = offset(end_pos_);
  const TColor band = p1 <= p2 ? color_eye_ : color_eye_inv_;
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
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(color_back_);
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
