#include "library/controls/tasten/ledcheck.h"

#include <algorithm>
#include <cstdlib>

#include "library/controls/tasten/store.h"
#include "library/foundation/ledcolors.h"
#include "library/foundation/tickservice.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr int kMinLedSize = 6;
constexpr int kMaxLedSize = 30;

}  // namespace

TLedCheck::TLedCheck(TComponent* AOwner)
    : TRahmen(AOwner), FBlink(TTickKind::Blink, [this] { BlinkTick(); }) {
  SetBounds(Left(), Top(), 113, 17);
  SetBevWidth(0);
  SetBordWidth(0);
  SetBevelIn(bvNone);
  SetBevelOut(bvNone);
  SetColBtnBord(clSilver);
  PressEffect = false;
}

void TLedCheck::SetCheckMode(TCheckMode Value) {
  if (!StoreChanged(FCheckMode, Value)) return;
  static constexpr TTastStyle kStyles[] = {tsNone, tsPush, tsPushPull, tsPushPull};
  FButtonStyle = kStyles[Value];
  if (FPainted) Invalidate();
}

void TLedCheck::SetChecked(bool Value) {
  if (!StoreChanged(FDown, Value)) return;
  DrawLed(FDown);
  DrawCaption(FDown);
  NotifyGroup();
}

void TLedCheck::SetLedCol(TColor Value) {
  if (StoreChanged(FLedCol, Value)) DrawLed(FDown);
}

void TLedCheck::SetLedBlink(bool Value) {
  if (StoreChanged(FLedBlink, Value)) DrawLed(FDown);
}

void TLedCheck::SetLedShape(TLedShape Value) { StoreAndRepaint(FLedShape, Value); }
void TLedCheck::SetLedBevel(TPanelBevel Value) { StoreAndRepaint(FLedBevel, Value); }
void TLedCheck::SetCaption(const std::string& Value) { StoreAndRepaint(FCaption, Value); }
void TLedCheck::SetCaption1(const std::string& Value) { StoreAndRepaint(FCaption1, Value); }
void TLedCheck::SetCaptPos(TOrientType Value) { StoreAndRepaint(FCaptPos, Value); }

void TLedCheck::SetLedSize(int Value) {
  if (Value == FLedSize) return;
  FLedSize = std::clamp(Value, kMinLedSize, kMaxLedSize);
  Invalidate();
}

void TLedCheck::SetCaptionCol(TColor Value) {
  if (StoreChanged(FCaptionCol, Value)) DrawCaption(FDown);
}

void TLedCheck::SetCaptionCol1(TColor Value) {
  if (StoreChanged(FCaptionCol1, Value)) DrawCaption(FDown);
}

void TLedCheck::SetCaptFrmCol(TColor Value) {
  if (StoreChanged(FCaptFrmCol, Value)) DrawCaption(FDown);
}

void TLedCheck::SetCaptFrame(bool Value) {
  if (!StoreChanged(FCaptFrame, Value)) return;
  if (Value) FCaptAutoFrm = false;
  Invalidate();
}

void TLedCheck::SetCaptAutoFrm(bool Value) {
  if (!StoreChanged(FCaptAutoFrm, Value)) return;
  if (Value) FCaptFrame = false;
  Invalidate();
}

void TLedCheck::SetGroupIndex(int Value) { FGroupIndex = std::max(Value, 0); }

bool TLedCheck::IsRadioMember() const {
  return FCheckMode == lcRadioBtn && FGroupIndex != 0 && Parent() != nullptr;
}

void TLedCheck::NotifyGroup() {
  if (IsRadioMember() && FDown) ::NotifyGroup(*this, FGroupIndex);
}

void TLedCheck::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  int r = FLedSize;
  const TRect inner = InnerRect;
  FCaptionRect = inner;
  InflateRect(FCaptionRect, -2, -2);
  const int ch = (std::abs(c.Font()->Height()) * 12) / 10 + (FCaptFrame || FCaptAutoFrm ? 3 : 1);
  TRect& cr = FCaptionRect;
  switch (FCaptPos) {
    case orTop:
      FCentre = {Width() / 2, inner.Bottom - (r + 2)};
      cr.Bottom = FCentre.Y - (FLedSize + 2);
      cr.Top = cr.Bottom - std::min(ch, cr.Height());
      break;
    case orBottom:
      FCentre = {Width() / 2, inner.Top + r + 2};
      cr.Top = FCentre.Y + FLedSize + 2;
      cr.Bottom = cr.Top + std::min(ch, cr.Height());
      break;
    case orLeft:
      FCentre = {inner.Right - (r + 2), Height() / 2};
      cr.Right = FCentre.X - (FLedSize + 2);
      break;
    case orRight:
      FCentre = {inner.Left + r + 2, Height() / 2};
      cr.Left = FCentre.X + FLedSize + 2;
      break;
  }
  if ((FCaptPos == orLeft || FCaptPos == orRight) && ch < cr.Height()) {
    cr.Top = FCentre.Y - ch / 2;
    cr.Bottom = FCentre.Y + ch / 2;
  }
  FLedRect = LedCircleBox(FCentre, r);
  // The socket.
  TColor upper_left = ColBgnd(), lower_right = ColBgnd();
  if (FLedBevel == bvLowered) upper_left = clGray, lower_right = clWhite;
  if (FLedBevel == bvRaised) upper_left = clWhite, lower_right = clGray;
  const int bw = FLedSize / 9 + 1 + FLedSize / 15;
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(clSilver);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clSilver);
  if (FLedShape == ledRectangle) {
    Frame3D(&c, FLedRect, clSilver, clSilver, 1);
    Frame3D(&c, FLedRect, upper_left, lower_right, bw - bw / 3);
    if (bw / 3 > 0) Frame3D(&c, FLedRect, clSilver, clSilver, bw / 3);
  } else {
    c.Ellipse(LedCircleBox(FCentre, r));
    --r;
    const int x = FCentre.X, y = FCentre.Y;
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetWidth(bw);
    c.Pen()->SetColor(upper_left);
    c.Arc(x - r, y - r, x + r, y + r, x + r, y - r, x - r, y + r);
    c.Pen()->SetColor(lower_right);
    c.Arc(x - r, y - r, x + r, y + r, x - r, y + r, x + r, y - r);
    r -= bw;
  }
  FRadius = r;
  DrawLed(FDown);
  DrawCaption(FDown);
  SetStatus(FDown);
  if (OnRepaint) OnRepaint(this);
}

void TLedCheck::DrawLed(bool Lit) {
  if (!FPainted) return;
  const TRect box = FLedShape == ledCircle ? LedCircleBox(FCentre, FRadius) : FLedRect;
  {
    TCanvasSaver keep(*Canvas(), cpPen | cpBrush);
    ::DrawLed(*Canvas(), FLedShape, box, LedColour(FLedCol, Lit, Enabled()));
  }
  NotifyGroup();
}

void TLedCheck::DrawCaption(bool State) {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  const bool second = State && !FCaption1.empty();
  const std::string& text = second ? FCaption1 : FCaption;
  TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  c.Font()->SetColor(!Enabled() ? kDisabledCaption : second ? FCaptionCol1 : FCaptionCol);
  const bool framed = FCaptFrame || (FCaptAutoFrm && FDown);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBgnd());
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(framed ? FCaptFrmCol : ColBgnd());
  c.Rectangle(FCaptionRect);
  TRect r = FCaptionRect;
  InflateRect(r, -1, -1);
  const int tw = c.TextWidth(text);
  int x = r.Left + r.Width() / 2 - tw / 2;
  if (FCaptPos == orRight) x = r.Left + 1;
  if (FCaptPos == orLeft) x = r.Right - tw - 1;
  c.TextRect(r, x, r.Top - 2, text);
}

void TLedCheck::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (IsRadioMember() && FDown) {
    // The owner's members count (a form owns what is placed on it, also on its panels).
    if (OtherGroupMembers<TLedCheck>(Owner(), *this, FGroupIndex) > 0) return;
    TRahmen::MouseDown(Button, Shift, X, Y);
    NotifyGroup();
    return;
  }
  if (FCheckMode != lcNone) {
    DrawLed(!FDown);
    DrawCaption(!FDown);
  }
  TRahmen::MouseDown(Button, Shift, X, Y);
  NotifyGroup();
}

void TLedCheck::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseUp(Button, Shift, X, Y);
  if (FCheckMode == lcNone) return;
  DrawLed(FDown);
  DrawCaption(FDown);
}

void TLedCheck::BlinkTick() {
  if (!FPainted || !FDown || !FLedBlink) return;
  DrawLed(BlinkPhase);
  TickHook();
}

void TLedCheck::WndProc(TMessage& Message) {
  if (Message.Msg == CM_BUTTONPRESSED) {
    if (FCheckMode == lcRadioBtn && ReleasedByNotice(Message, *this, FGroupIndex)) {
      SetChecked(false);
    }
    return;
  }
  TRahmen::WndProc(Message);
  if (Message.Msg == CM_ENABLEDCHANGED) {
    DrawLed(FDown);
    DrawCaption(FDown);
  } else if (Message.Msg == WM_SIZE) {
    int side = 2 * FLedSize + 2;
    if (BevelIn() != bvNone) side += 2 * BevWidth();
    if (BevelOut() != bvNone) side += 2 * BevWidth();
    if (Width() < side || Height() < side) {
      SetBounds(Left(), Top(), std::max(Width(), side), std::max(Height(), side));
    }
  }
}
