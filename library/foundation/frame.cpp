#include "library/foundation/frame.h"

#include <algorithm>
#include <array>
#include <utility>

#include "library/foundation/store.h"

namespace {

constexpr TColor kLight = clWhite;
constexpr TColor kShadow = clGray;
constexpr TColor kBand = clSilver;
constexpr int kMaxWidth = 5;

// (upper-left, lower-right) colours of a ring.
std::pair<TColor, TColor> RingColours(TPanelBevel Style, bool Pressed) {
  const bool raised_look = (Style == bvRaised) != Pressed;
  return raised_look ? std::pair{kLight, kShadow} : std::pair{kShadow, kLight};
}

}  // namespace

TFrameClickRule FrameClickRule = TFrameClickRule::ClickAtRelease;

TFrameControl::TFrameControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 200, 100);
  Font()->SetName("Arial");
}

void TFrameControl::SetBevelIn(TPanelBevel Value) { StoreAndRepaint(FBevelIn, Value); }
void TFrameControl::SetBevelOut(TPanelBevel Value) { StoreAndRepaint(FBevelOut, Value); }
void TFrameControl::SetBordLeft(bool Value) { StoreAndRepaint(FBordLeft, Value); }
void TFrameControl::SetBordTop(bool Value) { StoreAndRepaint(FBordTop, Value); }
void TFrameControl::SetBordRight(bool Value) { StoreAndRepaint(FBordRight, Value); }
void TFrameControl::SetBordBottom(bool Value) { StoreAndRepaint(FBordBottom, Value); }
void TFrameControl::SetColBgnd(TColor Value) { StoreAndRepaint(FColBgnd, Value); }
void TFrameControl::SetColBack(TColor Value) { StoreAndRepaint(FColBack, Value); }

void TFrameControl::SetBevWidth(int Value) {
  if (Value == FBevWidth) return;
  FBevWidth = std::clamp(Value, 0, kMaxWidth);
  Invalidate();
}

void TFrameControl::SetBordWidth(int Value) {
  if (Value == FBordWidth) return;
  FBordWidth = std::clamp(Value, 0, kMaxWidth);
  Invalidate();
}

void TFrameControl::SetFontAutom(bool Value) {
  if (!StoreChanged(FFontAutom, Value)) return;
  if (Value) Invalidate();
}

bool TFrameControl::HasOutline() const {
  return (FButtonStyle != tsNone && PressEffect) || FFramed;
}

void TFrameControl::SetDrawingState(TCanvas& C) {
  C.Brush()->SetStyle(bsSolid);
  C.Pen()->SetStyle(psClear);
  C.Pen()->SetMode(pmCopy);
}

void TFrameControl::PushOutSides(TRect& R, int W) const {
  if (!FBordRight) R.Right += W;
  if (!FBordLeft) R.Left -= W;
  if (!FBordTop) R.Top -= W;
  if (!FBordBottom) R.Bottom += W;
}

void TFrameControl::AdjustSides(int W) { PushOutSides(InnerRect, W); }

void TFrameControl::DrawBevel(int W, TColor C1, TColor C2) {
  TCanvas& c = *FrameCanvas();
  const int l = InnerRect.Left, t = InnerRect.Top, r = InnerRect.Right, b = InnerRect.Bottom;
  const std::array<TPoint, 6> upper_left = {
      {{l, t}, {r, t}, {r - W, t + W}, {l + W, t + W}, {l + W, b - W}, {l, b}}};
  const std::array<TPoint, 6> lower_right = {
      {{r, b}, {r, t}, {r - W, t + W}, {r - W, b - W}, {l + W, b - W}, {l, b}}};
  c.Brush()->SetColor(C1);
  c.Polygon(upper_left);
  c.Brush()->SetColor(C2);
  c.Polygon(lower_right);
}

void TFrameControl::DrawRing(int W, std::pair<TColor, TColor> Colours) {
  AdjustSides(W);
  DrawBevel(W, Colours.first, Colours.second);
  InflateRect(InnerRect, -W, -W);
}

void TFrameControl::Paint() {
  Canvas()->RemoveClip();
  TCustomControl::Paint();
  InnerRect = Rect(0, 0, Width(), Height());
  PrepareFrame();
  TCanvas& c = *FrameCanvas();
  SetDrawingState(c);
  c.Pen()->SetWidth(1);
  if (HasOutline()) {
    c.Brush()->SetColor(FColBtnBord);
    c.FrameRect(InnerRect);
    InflateRect(InnerRect, -1, -1);
  }
  if (FBevelOut != bvNone) DrawRing(FBevWidth, RingColours(FBevelOut, false));
  if (FBordWidth > 0) DrawRing(FBordWidth, {kBand, kBand});
  if (FBevelIn != bvNone) DrawRing(FBevWidth, RingColours(FBevelIn, false));
  c.Brush()->SetColor(FColBgnd);
  c.FillRect(InnerRect);
}

TRect TFrameControl::FrameInnerRect() const {
  TRect r = Rect(0, 0, Width(), Height());
  if (HasOutline()) InflateRect(r, -1, -1);
  // Each ring reaches over the switched-off sides, then the area shrinks by its width.
  const auto ring = [&](int W) {
    PushOutSides(r, W);
    InflateRect(r, -W, -W);
  };
  if (FBevelOut != bvNone) ring(FBevWidth);
  if (FBordWidth > 0) ring(FBordWidth);
  if (FBevelIn != bvNone) ring(FBevWidth);
  return r;
}

void TFrameControl::DrawDown(bool D) {
  InnerRect = Rect(0, 0, Width(), Height());
  FDown = D;
  SetDrawingState(*FrameCanvas());
  if (HasOutline()) InflateRect(InnerRect, -1, -1);
  const bool pressed = D && PressEffect;
  if (FBevelOut != bvNone) {
    auto [c1, c2] = RingColours(FBevelOut, pressed);
    AdjustSides(FBevWidth);
    DrawBevel(FBevWidth, c1, c2);
  } else if (FBevelIn != bvNone) {
    if (FBordWidth > 0) {
      AdjustSides(FBordWidth);
      InflateRect(InnerRect, -FBordWidth, -FBordWidth);
    }
    DrawRing(FBevWidth, RingColours(FBevelIn, pressed));
  }
}

void TFrameControl::Fire(const TNotifyEvent& Event) {
  if (Event) Event(this);
}

void TFrameControl::MouseDown(TMouseButton, TShiftState, int, int) {
  switch (FButtonStyle) {
    case tsPush:
      DrawDown(true);
      Fire(OnDown);
      break;
    case tsPushPull:
      if (FDown) {
        DrawDown(false);
        Fire(OnUp);
      } else {
        DrawDown(true);
        Fire(OnDown);
      }
      if (FrameClickRule == TFrameClickRule::ClickAtToggle) Fire(OnClick);
      break;
    case tsNone:
      break;
  }
}

void TFrameControl::MouseUp(TMouseButton, TShiftState, int, int) {
  switch (FButtonStyle) {
    case tsPush:
      DrawDown(false);
      Fire(OnUp);
      break;
    case tsPushPull:
      if (FrameClickRule == TFrameClickRule::ClickAtToggle) return;  // clicked at the press
      break;
    case tsNone:
      if (FrameClickRule == TFrameClickRule::ClickAtRelease) {
        ReleaseWithoutStyle();
      } else if (FDown) {
        DrawDown(false);
      }
      break;
  }
  Fire(OnClick);
}
