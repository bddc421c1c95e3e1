#include "library/controls/tasten/ledbutton.h"

#include <algorithm>
#include <cstdlib>

#include "library/controls/tasten/store.h"
#include "library/foundation/helpers.h"
#include "library/foundation/ledcolors.h"
#include "library/foundation/tickservice.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

TLedButton::TLedButton(TComponent* AOwner)
    : TGroupButton(AOwner), FBlink(TTickKind::Blink, [this] { BlinkTick(); }) {
  FButtonStyle = tsPushPull;
  SetBounds(Left(), Top(), 30, 30);
}

bool TLedButton::IsOwnClass(const TComponent& Other) const {
  return dynamic_cast<const TLedButton*>(&Other) != nullptr;
}

void TLedButton::StyleChanged(TObject*) { Invalidate(); }

void TLedButton::SetColLed(TColor Value) {
  FColLed = Value;
  DrawLed(FLedOn);
}

void TLedButton::SetLedOn(bool Value) {
  if (StoreChanged(FLedOn, Value)) DrawLed(FLedOn);
}

void TLedButton::SetLedBlink(bool Value) {
  if (StoreChanged(FLedBlink, Value)) DrawLed(FLedOn || Value);
}

void TLedButton::SetLedShape(TLedShape Value) { StoreAndRepaint(FLedShape, Value); }
void TLedButton::SetCaptType(TCaptType Value) { StoreAndRepaint(FCaptType, Value); }
void TLedButton::SetCaption(const string10& Value) { StoreAndRepaint(FCaption, Value); }
void TLedButton::SetCaption1(const string10& Value) { StoreAndRepaint(FCaption1, Value); }

void TLedButton::SetColCaption(TColor Value) {
  if (StoreChanged(FColCaption, Value) && FCaptType == ctBevel) DrawCaption();
}

void TLedButton::SetColCaption1(TColor Value) {
  if (StoreChanged(FColCaption1, Value) && FCaptType == ctBevel) DrawCaption();
}

void TLedButton::SetCaptBevel(TPanelBevel Value) {
  if (StoreChanged(FCaptBevel, Value) && FCaptType == ctBevel) Invalidate();
}

void TLedButton::Paint() {
  TGroupButton::Paint();
  FPainted = true;
  FCentre = {Width() / 2, Height() / 2};
  const int e = Width() > Height() ? InnerRect.Height() : InnerRect.Width();
  FRadius = static_cast<int>(Round(e * 0.48L));
  const int margin = e - 2 * FRadius;
  FLedRect = InnerRect;
  InflateRect(FLedRect, -margin, -margin);
  if (FCaptType == ctBevel) {
    FCaptionRect = FLedRect;
    FCaptionRect.Top = std::max(FCaptionRect.Bottom - Width() / 3, Height() / 2);
    FLedRect.Bottom = FCaptionRect.Top - margin;
    FRadius = std::min(FLedRect.Width(), FLedRect.Height()) / 2;
    FCentre.Y = FLedRect.Top + FLedRect.Height() / 2;
  }
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  // The socket: a grey ring around the dim colour, one pixel outside the LED.
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(clGray);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(LedDimmed(FColLed));
  if (FLedShape == ledCircle) {
    c.Ellipse(LedCircleBox(FCentre, FRadius));
    --FRadius;
  } else {
    c.Rectangle(FLedRect);
    InflateRect(FLedRect, -1, -1);
  }
  if (FCaptType == ctBevel) {
    if (FCaptBevel != bvNone) {
      const bool raised = FCaptBevel == bvRaised;
      Frame3D(&c, FCaptionRect, raised ? clWhite : clGray, raised ? clGray : clWhite, 1);
      InflateRect(FCaptionRect, -1, -1);
    }
    if (FontAutom()) FitFontToRect(c, FCaptionRect, FCaption);
  } else if (FCaptType == ctLed && FontAutom()) {
    if (FLedShape == ledCircle) {
      const int d = FLedRect.Width() / 10;
      InflateRect(FLedRect, -d, -d);
    }
    FitFontToRect(c, FLedRect, FCaption);
  }
  FCaptionFontHeight = c.Font()->Height();
  if (FCaptType == ctBevel) DrawCaption();
  SetStatus(Down());
  DrawLed(FLedOn);
  if (OnRepaint) OnRepaint(this);
}

void TLedButton::DrawLed(bool Lit) {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush);
  const TRect box = FLedShape == ledCircle ? LedCircleBox(FCentre, FRadius) : FLedRect;
  ::DrawLed(c, FLedShape, box, LedColour(FColLed, Lit, Enabled()));
  if (FCaptType != ctLed) return;
  // The font only where the caption lies on the LED: the blink tick comes this way.
  const TCanvasSaver text_font(c, cpFont);
  const std::string& text = ShowsCaption1() ? FCaption1 : FCaption;
  SetCaptionFont(c);
  c.Font()->SetColor(LedTextColour(FColLed, Lit, Enabled()));
  c.Brush()->SetStyle(bsClear);
  const int x = FLedRect.Left + (FLedRect.Width() - c.TextWidth(text)) / 2;
  const int y = FLedRect.Top + (FLedRect.Height() - std::abs(c.Font()->Height())) / 3 - 1;
  c.TextRect(FLedRect, x, y, text);
}

void TLedButton::DrawCaption() {
  if (!FPainted || FCaptType == ctNone) return;
  if (FCaptType == ctLed) {
    DrawLed(FLedOn);
    return;
  }
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpBrush | cpFont);
  const bool second = ShowsCaption1();
  SetCaptionFont(c);
  c.Font()->SetColor(!Enabled() ? kDisabledCaption : second ? FColCaption1 : FColCaption);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clSilver);
  c.FillRect(FCaptionRect);
  if (FCaption.empty()) return;
  const std::string& text = second ? FCaption1 : FCaption;
  c.Brush()->SetStyle(bsClear);
  const int x = FCaptionRect.Left + (FCaptionRect.Width() - c.TextWidth(text)) / 2;
  const int y = FCaptionRect.Top + (FCaptionRect.Height() - std::abs(c.Font()->Height())) / 2;
  c.TextRect(FCaptionRect, x, y, text);
}

void TLedButton::SetCaptionFont(TCanvas& C) const {
  C.SetFont(Font());
  C.Font()->SetHeight(FCaptionFontHeight);
}

void TLedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGroupButton::MouseUp(Button, Shift, X, Y);
  DrawCaption();
}

void TLedButton::BlinkTick() {
  if (!FPainted || !FLedBlink) return;
  DrawLed(BlinkPhase != FLedOn);
  TickHook();
}

void TLedButton::WndProc(TMessage& Message) {
  TGroupButton::WndProc(Message);
  if (Message.Msg == CM_ENABLEDCHANGED) DrawLed(FLedOn);
}
