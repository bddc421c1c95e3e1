#include "library/controls/tasten/arrowbtn.h"

#include <algorithm>

#include "library/controls/tasten/store.h"
#include "library/foundation/ledcolors.h"
#include "library/foundation/tickservice.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr int kMinSide = 20;
constexpr uint16_t kFirstRepeatMs = 500;
constexpr int kMinRepSpeed = 50;
constexpr int kRepSpeedModulus = 2001;

}  // namespace

TArrowBtn::TArrowBtn(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      FBlink(TTickKind::Blink, [this] { BlinkTick(); }),
      FRepeat(TTickKind::Interval, [this] { RepeatTick(); }) {
  SetBounds(Left(), Top(), 30, 30);
}

template <class T>
void TArrowBtn::StoreAndDraw(T& Field, T Value) {
  if (StoreChanged(Field, Value)) DrawButton();
}

void TArrowBtn::SetShape(TArrBtnShape Value) { StoreAndDraw(FShape, Value); }
void TArrowBtn::SetOrientation(TOrientType Value) { StoreAndDraw(FOrientation, Value); }
void TArrowBtn::SetShapeOn(bool Value) { StoreAndDraw(FShapeOn, Value); }
void TArrowBtn::SetShapeBlink(bool Value) { StoreAndDraw(FShapeBlink, Value); }
void TArrowBtn::SetColorUp(TColor Value) { StoreAndDraw(FColorUp, Value); }
void TArrowBtn::SetColorDown(TColor Value) { StoreAndDraw(FColorDown, Value); }
void TArrowBtn::SetColorButton(TColor Value) { StoreAndDraw(FColorButton, Value); }

void TArrowBtn::SetDown(bool Value) {
  if (Value == FPressed) return;
  FPressed = FLatched = Value;
  DrawButton();
  NotifyGroup(*this, FGroupIndex);
}

void TArrowBtn::Paint() {
  // Always square, at least 20 pixels.
  const int side = std::max(Width(), kMinSide);
  if (side != Width() || side != Height()) SetBounds(Left(), Top(), side, side);
  TOrvaneBase::Paint();
  FPainted = true;
  const int inset = BevWidth() + BordWidth();
  FButtonRect = InnerRect;
  if (!BordRight()) FButtonRect.Right -= inset;
  if (!BordLeft()) FButtonRect.Left += inset;
  if (!BordTop()) FButtonRect.Top += inset;
  if (!BordBottom()) FButtonRect.Bottom -= inset;
  DrawButton();
  if (OnRepaint) OnRepaint(this);
}

void TArrowBtn::DrawButton() {
  if (!FPainted) return;
  TCanvas& c = *WorkBitmap->Canvas();
  const TRect client = ClientRect();
  c.CopyRect(client, FrameBitmap->Canvas(), client);
  TRect r = FButtonRect;
  InflateRect(r, -2, -2);
  TCanvasSaver keep(c, cpPen | cpBrush);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clSilver);
  if (FPressed) {
    Frame3D(&c, r, clGray, clWhite, 1);
  } else {
    c.Rectangle(r);
    InflateRect(r, -1, -1);
    Frame3D(&c, r, clWhite, clGray, 1);
  }
  c.Brush()->SetColor(FColorButton);
  if (FPressed) {
    c.Pen()->SetColor(clBlack);
    c.Rectangle(r);
  } else {
    c.FillRect(r);
  }
  const int d = Width() / 10;
  InflateRect(r, -d, -d);
  DrawSymbol(c, r);
  Canvas()->CopyRect(client, &c, client);
}

void TArrowBtn::DrawSymbol(TCanvas& C, const TRect& R) {
  const bool lit = FShapeOn != (FShapeBlink && FPhase);
  TCanvasSaver keep(C, cpPen | cpBrush);
  SetLedPen(C, LedColour(FPressed ? FColorDown : FColorUp, lit, Enabled()));
  const int l = R.Left, t = R.Top, rt = R.Right, b = R.Bottom;
  const int mx = l + R.Width() / 2, my = t + R.Height() / 2;
  switch (FShape) {
    case taCircle:
      C.Ellipse(R);
      return;
    case taSquare:
      C.Rectangle(R);
      return;
    case taArrow:
      break;
  }
  TPoint p[3];
  switch (FOrientation) {
    case orTop:
      p[0] = {l, b}, p[1] = {rt, b}, p[2] = {mx, t};
      break;
    case orBottom:
      p[0] = {l, t}, p[1] = {rt, t}, p[2] = {mx, b};
      break;
    case orLeft:
      p[0] = {rt, t}, p[1] = {rt, b}, p[2] = {l, my};
      break;
    case orRight:
      p[0] = {l, t}, p[1] = {l, b}, p[2] = {rt, my};
      break;
  }
  C.Polygon(p);
}

bool TArrowBtn::Grouped() const {
  const TWinControl* parent = Parent();
  if (FGroupIndex == 0 || parent == nullptr) return false;
  const int count =
      OtherGroupMembers<TArrowBtn>(parent, *this, FGroupIndex) + (Owner() == parent ? 1 : 0);
  return count > 1;
}

void TArrowBtn::MouseDown(TMouseButton, TShiftState, int, int) {
  if (!Enabled()) return;
  FPressed = true;
  DrawButton();
  NotifyGroup(*this, FGroupIndex);
  if (OnClick) OnClick(this);
  if (FButtonMode == tbmPush && OnDown) OnDown(this);
  if (FRepSpeed >= kMinRepSpeed) FRepeat.Start(kFirstRepeatMs);
}

void TArrowBtn::MouseUp(TMouseButton, TShiftState, int, int) {
  FRepeat.Stop();
  if (!Enabled()) return;
  const bool stays = FButtonMode == tbmLocked && Grouped();
  if (FButtonMode == tbmPush) {
    FPressed = FLatched = false;
  } else if (!stays) {
    FLatched = !FLatched;
    FPressed = FLatched;
  }
  DrawButton();
  if (FLatched) {
    if (OnDown) OnDown(this);
  } else if (OnUp) {
    OnUp(this);
  }
}

void TArrowBtn::BlinkTick() {
  if (!FPainted || !FShapeBlink) return;
  FPhase = BlinkPhase;
  DrawButton();
  TickHook();
}

void TArrowBtn::RepeatTick() {
  if (!FPainted) return;
  FRepeat.Start(static_cast<uint16_t>(FRepSpeed % kRepSpeedModulus));
  if (OnDown) OnDown(this);
}

void TArrowBtn::WndProc(TMessage& Message) {
  if (Message.Msg == CM_BUTTONPRESSED) {
    // Only members of a group count: the class library's speed buttons share the message.
    if (dynamic_cast<TGroupMember*>(NoticeFromOther(Message, *this, FGroupIndex)) != nullptr) {
      FPressed = FLatched = false;
      DrawButton();
    }
    return;
  }
  TOrvaneBase::WndProc(Message);
  if (Message.Msg == CM_ENABLEDCHANGED) DrawButton();
}
