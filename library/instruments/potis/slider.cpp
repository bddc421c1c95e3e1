#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "library/foundation/scaledraw.h"
#include "library/foundation/store.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

namespace {

int RoundToInt(double Value) {
  return static_cast<int>(std::clamp<int64_t>(Round(Value), -(1 << 30), 1 << 30));
}

}  // namespace

TSlider::TSlider(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      FDrag([this](TObject*) { DragTick(); }),
      FButton(std::make_unique<TBitmap>()),
      FTurnedFont(std::make_unique<TFont>()) {
  SetWidth(150);
  SetHeight(20);
  SetBevWidth(1);
  TFont* font = FrameBitmap->Canvas()->Font();
  font->SetName("Arial");
  font->SetSize(8);
  FTurnedFont->Assign(*font);
  FTurnedFont->SetOrientation(900);
  FDrag.GetValue = [this] { return FValue; };
  FDrag.SetValue = [this](double V) { SetValue(V); };
  FDrag.Changing = [this] {
    if (OnChanging) OnChanging(this);
  };
}

TSlider::~TSlider() = default;

// ---- Setters ----

void TSlider::SetValue(double Value) {
  if (DropOrStoreRead(FValue, Value, ComponentState().Contains(csReading))) return;
  Value = Within(Value, FScale.Start, FScale.End);
  if (Value == FValue) return;
  if (FSelector) {
    // The value follows the position when the button moves.
    FPosition = PositionOf(Value);
  } else {
    FValue = Value;
  }
  MoveButton(false);
}

void TSlider::Loaded() {
  TOrvaneBase::Loaded();
  FScale.Repair();
}

void TSlider::SetValueMin(double Value) {
  if (FScale.SetStart(Value, ComponentState().Contains(csReading))) Invalidate();
}

void TSlider::SetValueMax(double Value) {
  if (FScale.SetEnd(Value, ComponentState().Contains(csReading))) Invalidate();
}

void TSlider::SetPosition(int Value) {
  if (ComponentState().Contains(csReading)) {
    FPosition = Value;
    return;
  }
  Value = std::clamp(Value, 0, FScale.Part());
  if (!StoreChanged(FPosition, Value)) return;
  FValue = FScale.Start + (FScale.End - FScale.Start) / FScale.Part() * FPosition;
  MoveButton(false);
}

void TSlider::SetSelector(bool Value) { StoreAndRepaint(FSelector, Value); }
void TSlider::SetScalaPart(int Value) {
  if (FScale.SetPart(Value)) Invalidate();
}
void TSlider::SetScalaShow(bool Value) { StoreAndRepaint(FScalaShow, Value); }
void TSlider::SetScalaColor(TColor Value) { StoreAndRepaint(FScalaColor, Value); }
void TSlider::SetTrenchWidth(int Value) { StoreAndRepaint(FTrenchWidth, std::clamp(Value, 1, 6)); }
void TSlider::SetTrenchStyle(TPanelBevel Value) { StoreAndRepaint(FTrenchStyle, Value); }
void TSlider::SetTrenchColor(TColor Value) { StoreAndRepaint(FTrenchColor, Value); }
void TSlider::SetButtonSize(int Value) { StoreAndRepaint(FButtonSize, std::clamp(Value, 6, 30)); }
void TSlider::SetButtonDir(TButtonDir Value) { StoreAndRepaint(FButtonDir, Value); }
void TSlider::SetBtnStyle(TButtonStyle Value) { StoreAndRepaint(FBtnStyle, Value); }
void TSlider::SetCaption(const std::string& Value) { StoreAndRepaint(FCaption, Value); }
void TSlider::SetCaptEna(bool Value) { StoreAndRepaint(FCaptEna, Value); }
void TSlider::SetCaptColor(TColor Value) { StoreAndRepaint(FCaptColor, Value); }
void TSlider::SetAlignment(TAlignment Value) { StoreAndRepaint(FAlignment, Value); }

void TSlider::SetButtonColor(TColor Value) {
  FButtonColor = Value;
  if (FPainted) DrawButton();
}

void TSlider::SetCaptOffset(int Value) {
  StoreAndRepaint(FCaptOffset, std::max(-(Thickness() / 2), std::min(Value, Width() - 5)));
}

void TSlider::SetOrientation(TOrientation Value) {
  if (!StoreChanged(FOrientation, Value)) return;
  // Turning by the program: the sides swap (a resize sets the orientation without this).
  if (FPainted) SetBounds(Left(), Top(), Height(), Width());
}

// ---- Size ----

void TSlider::WndProc(TMessage& Message) {
  TOrvaneBase::WndProc(Message);
  if (Message.Msg == WM_SIZE) Resized();
}

void TSlider::Resized() {
  const int thickness = Thickness();
  const int kept = std::clamp(thickness, 15, 50);
  if (kept != thickness) {
    if (Vertical()) {
      SetWidth(kept);
    } else {
      SetHeight(kept);
    }
  }
  FOrientation = Height() > Width() ? orVertical : orHorizontal;
}

// ---- Painting ----

TSlider::TLayout TSlider::Layout() const {
  const int s = FButtonSize * 10 / 25;
  const int along = FButtonDir == btCrossWise ? s : FButtonSize;
  const int across = FButtonDir == btLengthWise ? s : FButtonSize;
  // The paint keeps the caption within half the thickness.
  const int h = Thickness() / 2;
  const int offset = std::clamp(FCaptOffset, -h, h);
  TLayout l;
  l.HalfAlong = along;
  const TRect inner = FrameInnerRect();
  const int mx = Width() / 2, my = Height() / 2;
  if (Vertical()) {
    l.Trench = Rect(mx - FTrenchWidth, inner.Top + along, mx + FTrenchWidth, inner.Bottom - along);
    l.Button =
        Rect(mx - across, l.Trench.Bottom - along - 1, mx + across, l.Trench.Bottom + along - 1);
    const int left = mx + offset;
    l.Caption =
        Rect(left, inner.Top + 1, left + (inner.Right - l.Trench.Right - 1), inner.Bottom - 1);
  } else {
    l.Trench = Rect(inner.Left + along, my - FTrenchWidth, inner.Right - along, my + FTrenchWidth);
    l.Button = Rect(l.Trench.Left - along, my - across, l.Trench.Left + along, my + across);
    const int top = my + offset;
    l.Caption =
        Rect(inner.Left + 1, top, inner.Right - 1, top + (inner.Bottom - l.Trench.Bottom - 1));
  }
  return l;
}

void TSlider::Paint() {
  TOrvaneBase::Paint();
  const int h = Thickness() / 2;
  FCaptOffset = std::clamp(FCaptOffset, -h, h);
  FPainted = true;
  FDrawn = Layout();
  FButtonRect = FDrawn.Button;

  TColor upper = clSilver, lower = clSilver;
  if (FTrenchStyle == bvLowered) {
    upper = clGray;
    lower = clWhite;
  } else if (FTrenchStyle == bvRaised) {
    upper = clWhite;
    lower = clGray;
  }
  TCanvas& c = *FrameBitmap->Canvas();
  const TCanvasSaver keep(c, cpPen | cpBrush);
  TRect fill = FDrawn.Trench;
  if (FTrenchStyle != bvNone) Frame3D(&c, fill, upper, lower, 1);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FTrenchColor);
  c.FillRect(fill);
  if (FScalaShow) DrawTicks(c, upper, lower);

  FButton->SetSize(FDrawn.Button.Width(), FDrawn.Button.Height());
  DrawCaption();
  DrawButton();
  if (OnRepaint) OnRepaint(this);
}

void TSlider::DrawTicks(TCanvas& C, TColor Upper, TColor Lower) {
  const TCanvasSaver keep(C, cpPen);
  C.Pen()->SetMode(pmCopy);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetWidth(1);
  const bool vertical = Vertical();
  const TRect& trench = FDrawn.Trench;
  const int from = vertical ? trench.Top : trench.Left;
  const int length = vertical ? trench.Height() : trench.Width();
  // Embossed ticks: the scale colour between the trench's two edge colours. The end ticks move
  // one pixel inwards.
  const int base = vertical ? trench.Left - 1 : trench.Top - 1;
  std::vector<TStraightTicks> ticks;
  const TColor colours[3] = {Upper, FScalaColor, Lower};
  for (int shift = -1; shift <= 1; ++shift) {
    ticks.push_back({vertical, base, base - 6, base - 6, 1, 1, shift, colours[shift + 1]});
  }
  DrawScaleLayout(C, StraightScaleLayout(
                         LinearDivision(FScale, FScale.Part(), 0), ticks,
                         [&](const TScaleTick& T) {
                           const int p =
                               from + RoundToInt(double(length) / FScale.Part() * T.Index);
                           return T.Index == 0 ? p + 1 : T.Index == FScale.Part() ? p - 1 : p;
                         },
                         [](const TScaleTick&, int) { return TPlacedLabel{}; }));
}

void TSlider::DrawCaption() {
  if (!FPainted || !FCaptEna) return;
  TCanvas& c = *FrameBitmap->Canvas();
  const TCanvasSaver keep(c, cpBrush | cpFont);
  c.Brush()->SetStyle(bsClear);
  TFont* font = c.Font();
  font->SetName("Arial");
  font->SetSize(8);
  font->SetOrientation(0);
  font->SetColor(FCaptColor);
  const int tw = c.TextWidth(FCaption);
  const TRect& r = FDrawn.Caption;
  if (!Vertical()) {
    int x = r.Left - tw / 2 + r.Width() / 2;
    if (FAlignment == taLeftJustify) x = r.Left;
    if (FAlignment == taRightJustify) x = r.Right - 2 * (tw / 2);
    c.TextOut(x, r.Top - 2, FCaption);
    return;
  }
  int y = r.Top + r.Height() / 2 + tw / 2;
  if (FAlignment == taLeftJustify) y = r.Bottom;
  if (FAlignment == taRightJustify) y = r.Top + 2 * (tw / 2);
  TFont turned;
  turned.Assign(*FTurnedFont);
  turned.SetColor(FCaptColor);
  c.SetFont(&turned);
  c.TextOut(r.Left, y, FCaption);
}

void TSlider::DrawButton() {
  TCanvas& b = *FButton->Canvas();
  const TCanvasSaver keep(b, cpPen | cpBrush);
  TRect inner = DrawButtonFace(&b, Rect(0, 0, FButton->Width(), FButton->Height()), 1, FBtnStyle,
                               true, false, false);
  InflateRect(inner, -1, -1);
  b.Pen()->SetMode(pmCopy);
  b.Pen()->SetStyle(psSolid);
  b.Pen()->SetWidth(1);
  b.Pen()->SetColor(clBlack);
  b.Brush()->SetStyle(bsSolid);
  b.Brush()->SetColor(FButtonColor);
  b.Rectangle(inner);
  MoveButton(true);
}

int TSlider::PositionOf(double Value) const {
  const double span = FScale.End - FScale.Start;
  if (!(span > 0)) return 0;
  return RoundToInt((Value - FScale.Start) * FScale.Part() / span);
}

TPoint TSlider::ButtonPosOn(const TRect& Trench, double Value) const {
  const double span = FScale.End - FScale.Start;
  const double f = span > 0 ? (Value - FScale.Start) / span : 0;
  const int w = Trench.Width(), h = Trench.Height();
  return {RoundToInt(f * w) + Trench.Left, Trench.Top - RoundToInt(f * h) + h};
}

void TSlider::MoveButton(bool Force) {
  if (!FPainted) return;
  FPosition = std::clamp(FPosition, 0, FScale.Part());
  FValue = Within(FValue, FScale.Start, FScale.End);
  if (FSelector) {
    FValue = FScale.Start + (FScale.End - FScale.Start) / FScale.Part() * FPosition;
  } else {
    FPosition = PositionOf(FValue);
  }
  FValue = Within(FValue, FScale.Start, FScale.End);
  const TPoint centre = ButtonPosOn(FDrawn.Trench, FValue);
  const int half = FDrawn.HalfAlong;
  TRect r = FButtonRect;
  if (Vertical()) {
    r.Top = centre.Y - half;
    r.Bottom = centre.Y + half;
  } else {
    r.Left = centre.X - half;
    r.Right = centre.X + half;
  }
  if (r == FButtonRect && !Force) return;
  FButtonRect = r;
  TCanvas& work = *WorkBitmap->Canvas();
  const TRect client = ClientRect();
  work.CopyRect(client, FrameBitmap->Canvas(), client);
  work.Draw(r.Left, r.Top, FButton.get());
  Canvas()->CopyRect(client, &work, client);
}

// ---- Mouse ----

double TSlider::PointValue(int X, int Y) const {
  const TRect trench = Layout().Trench;
  if (Vertical()) return FScale.TravelValue(trench.Bottom - Y, trench.Height());
  return FScale.TravelValue(X - trench.Left, trench.Width());
}

void TSlider::TakePoint(double V, bool AtPress) {
  if (!FSelector) {
    if (AtPress) {
      FDrag.Press(V);
    } else {
      FDrag.Move(V);
    }
    return;
  }
  if (V == FValue) return;
  const int before = FPosition;
  SetPosition(PositionOf(V));
  if (FPosition != before) FDrag.NoteChange();
}

void TSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseDown(Button, Shift, X, Y);
  if (!FDrag.BeginPress(Shift)) return;
  FDrag.PressElsewhere();
  TakePoint(PointValue(X, Y), true);
}

void TSlider::MouseMove(TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseMove(Shift, X, Y);
  if (!FDrag.MoveDrags(Shift)) return;
  TakePoint(Within(PointValue(X, Y), FScale.Start, FScale.End), false);
}

void TSlider::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FDrag.Release().Changed && OnChanged) OnChanged(this);
  TOrvaneBase::MouseUp(Button, Shift, X, Y);
}

void TSlider::DragTick() {
  if (FPainted && !FSelector) FDrag.Tick(FScale.Start, FScale.End);
}
