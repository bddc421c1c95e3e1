// TMeter360: two concentric full-circle scales on the square dial plane of the 270-degree meter.

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <span>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/squaredial.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr double kSweep = 360;
// The shapes are built pointing up and turned onto the scale start at 6 o'clock.
constexpr double kStartTurn = -180;

}  // namespace

TMeter360::TMeter360(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      // All four LEDs follow the outer scale's rules.
      TMeterLeds(kMeter360OuterRules.Leds),
      FTicks(
          [this](TObject*) {
            Perform(WM_USER, 0, 0);
            TickHook();
          },
          [this](TObject*) { BlinkTick(); }) {
  const TColor led_colours[4] = {0x0000FF, 0x00FF00, 0x00FFFF, 0xFFFF00};
  for (int i = 0; i < 4; ++i) FLeds[i].Colour = led_colours[i];
  Font()->SetColor(clWhite);
  SetColBack(0x800000);
  SetWidth(200);
  SetHeight(200);
}

TMeter360::~TMeter360() = default;

// ---- Setters ----

void TMeter360::RepaintNow() {
  if (FPainted) Paint();
}

void TMeter360::SetColour(TColor& Field, TColor Value) {
  if (StoreChanged(Field, Value)) RepaintNow();
}

void TMeter360::SetShape(TShapeTypeT Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}

void TMeter360::SetColPointer1(TColor Value) { SetColour(FColPointer[0], Value); }
void TMeter360::SetColPointer2(TColor Value) { SetColour(FColPointer[1], Value); }
void TMeter360::SetColPeakPtr(TColor Value) { SetColour(FColPeakPtr, Value); }
void TMeter360::SetColFont1(TColor Value) { SetColour(FRings[0].ColFont, Value); }
void TMeter360::SetColFont2(TColor Value) { SetColour(FRings[1].ColFont, Value); }
void TMeter360::SetColScala1(TColor Value) { SetColour(FRings[0].ColScala, Value); }
void TMeter360::SetColScala2(TColor Value) { SetColour(FRings[1].ColScala, Value); }
void TMeter360::SetColShape(TColor Value) { SetColour(FColShape, Value); }
void TMeter360::SetColCircle(TColor Value) { SetColour(FColCircle, Value); }

void TMeter360::SetValue1(double Value) { SetValue(0, Value); }
void TMeter360::SetValue2(double Value) { SetValue(1, Value); }

void TMeter360::SetValue(int Index, double Value) {
  if (!std::isfinite(Value)) return;
  if (StoreChanged(FPointers[Index].Value, FScales[Index].StoredValue(Value, Reading())))
    UpdatePointer(false);
}

bool TMeter360::Reading() const { return ComponentState().Contains(csReading); }

void TMeter360::Loaded() {
  TOrvaneBase::Loaded();
  for (TValueScale& scale : FScales) scale.Repair();
}

void TMeter360::SetValueStart(int Index, double Value) {
  if (!FScales[Index].SetStart(Value, Reading())) return;
  FScales[Index].Repair();
  RepaintNow();
}

void TMeter360::SetValueEnd(int Index, double Value) {
  if (!FScales[Index].SetEnd(Value, Reading())) return;
  FScales[Index].Repair();
  RepaintNow();
}

void TMeter360::SetScalaPart(int Index, int Value) {
  if (FScales[Index].SetPart(Value)) RepaintNow();
}

void TMeter360::SetScalaPsub(int Index, int Value) {
  if (FScales[Index].SetPsub(Value)) RepaintNow();
}

void TMeter360::SetNonLinear(int Index, bool Value) {
  if (!FScales[Index].StoreNonLinear(Value)) return;
  if (!Reading()) FScales[Index].Repair();
  RepaintNow();
}

void TMeter360::SetCaption1(const std::string& Value) {
  FRings[0].Caption = Value;
  RepaintNow();
}

void TMeter360::SetCaption2(const std::string& Value) {
  FRings[1].Caption = Value;
  RepaintNow();
}

void TMeter360::SetDamping(int Index, int Value) {
  ApplyDamping(FPointers[Index].Damping, Value, FScales[Index].Rules().MaxDamping,
               FTicks.DampTimerId(), FPointers[1 - Index].Damping == 0);
}

void TMeter360::SetDampPeak(int Value) {
  ApplyDampPeak(FPointers[1].DampPeak, Value, FTicks.DampTimerId());
}

void TMeter360::SetPeakMode(TPeakPtrMode Value) {
  if (StoreChanged(FPointers[1].PeakMode, Value)) RepaintNow();
}

void TMeter360::ResetPeak() {
  if (FScales[1].ResetPeak()) UpdatePointer(true);
}

void TMeter360::StyleChanged(TObject*) { Invalidate(); }

// ---- LEDs ----

void TMeter360::SetLedEnable1(bool Value) {
  if (StoreChanged(FLedEnable[0], Value)) RepaintNow();
}

void TMeter360::SetLedEnable2(bool Value) {
  if (StoreChanged(FLedEnable[1], Value)) RepaintNow();
}

// LEDs 1 and 2 are round and shown with LedEnable1, LEDs 3 and 4 triangles shown with LedEnable2.
bool TMeter360::LedShown(int Index) const {
  assert(Index >= 0 && Index < 4);
  return FLedEnable[Index / 2];
}

void TMeter360::DrawLedInto(TCanvas& Canvas, int Index) const {
  const TMeterLed& led = FLeds[Index];
  const TColor colour = LedColour(led.Colour, led.Shows());
  if (Index < 2) {
    DrawRoundLed(Canvas, FLedCentre[Index], FLedRadius, colour);
  } else {
    DrawTriangleLed(Canvas, TTriangleLed(FLedCentre[Index], FDrawn.TriangleSize, Index == 3),
                    colour);
  }
}

void TMeter360::DrawLed(int Index) {
  if (!FPainted || !FDrawn.Valid || !LedShown(Index)) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

void TMeter360::BlinkTick() {
  if (FPainted) StepLeds(BlinkPhase);
}

void TMeter360::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdatePointer((Message.LParam & 0xFF) != 0);
    return;
  }
  TOrvaneBase::WndProc(Message);
}

// ---- Paint ----

TMeter360::TDialLayout TMeter360::Layout() const {
  const TSquareDial dial(FrameInnerRect(), Width(), Height());
  TDialLayout l;
  if (!dial.Start(l)) return l;
  const TPointTurn to_start(l.Pivot, kStartTurn);
  const int tips[2] = {dial.At(0, 850).Y, dial.At(0, 620).Y};
  for (int i = 0; i < 2; ++i) {
    TPoint shape[3];
    dial.Pointer(tips[i], shape);
    TurnCorners(shape, l.PointerBase[i], to_start);
  }
  const int y680 = dial.At(0, 680).Y;
  TPoint peak[3];
  dial.PeakMarker(y680 + (dial.At(0, 620).Y - y680) / 2, peak);
  TurnCorners(peak, l.PeakBase, to_start);

  const int socket = std::abs(l.HubRadius) / 2;
  l.LedRadius = LedRadiusInSocket(socket, FLedEnable[0]);
  l.TriangleSize = LedRadiusInSocket(socket, FLedEnable[1]);
  dial.PlaceCornerLeds(socket, l.LedCentre);
  return l;
}

void TMeter360::Paint() {
  TOrvaneBase::Paint();
  FPainted = true;
  FUpdateArea.Reset();
  TCanvas& c = *FrameBitmap->Canvas();
  FDrawn = Layout();
  if (FDrawn.Valid) {
    std::copy_n(FDrawn.LedCentre, 4, FLedCentre);
    FLedRadius = FDrawn.LedRadius;
    DrawDial(c);
    UpdatePointer(true);
  } else {
    // Too small for a dial: the frame alone.
    const TRect client = ClientRect();
    Canvas()->CopyRect(client, &c, client);
  }
  if (OnRepaint) OnRepaint(this);
}

void TMeter360::DrawDial(TCanvas& c) {
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  const TDialLayout& l = FDrawn;
  const auto at = [&l](int X, int Y) { return l.Map.MapDistance(X, Y); };
  SetFacePen(c, FColShape, ColBack());
  DrawSquareDialFace(c, l.Map, FShape, l.Overhang, BorderSides(*this));
  if (FontAutom()) c.Font()->SetHeight(std::abs((3 * (at(0, 760).Y - at(0, 670).Y)) / 2));

  // The double ring between the scales.
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetWidth(2);
  c.Pen()->SetColor(FRings[0].ColScala);
  TRect ring = SquareDialCircle(l.Map, 710);
  c.Ellipse(ring);
  InflateRect(ring, -2, -2);
  c.Pen()->SetColor(FRings[1].ColScala);
  c.Ellipse(ring);

  DrawRing(c, 0, 700, 760, false);
  DrawRing(c, 1, 620, 680, true);

  const int e = ((at(0, -190).Y - at(0, 100).Y) * 8) / 10;
  if (FontAutom()) c.Font()->SetHeight(std::abs((3 * e) / 4));
  c.Brush()->SetStyle(bsClear);
  const int middle = Width() / 2;
  c.TextOut(middle - c.TextWidth(FRings[1].Caption) / 2, at(0, -190).Y, FRings[1].Caption);
  c.TextOut(middle - c.TextWidth(FRings[0].Caption) / 2, at(0, 300).Y, FRings[0].Caption);

  DrawDialHub(c, l.Pivot, l.HubRadius, FColShape, FColCircle);
  DrawLedSockets(c);
  DrawMakerMark(c, l.LedCentre[0].X + l.LedRadius + 4, l.LedCentre[0].Y);
}

void TMeter360::DrawRing(TCanvas& c, int Index, int Inner, int Outer, bool LabelsInside) {
  const TValueScale& scale = FScales[Index];
  const TRing& ring = FRings[Index];
  // The scales write their labels in their own colours.
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  // The inner scale's labels start in the font the outer one's end in.
  if (Index == 1 && FScales[0].NonLinear) SetFontAfterPowerOfTen(*c.Font());
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(2);
  c.Pen()->SetColor(ring.ColScala);
  c.Font()->SetColor(ring.ColFont);
  const int width =
      (scale.NonLinear ? c.TextWidth("103") : ScaleTextWidth(*Canvas(), scale.Start, scale.End)) +
      1;
  const int th = std::abs(c.Font()->Height());
  const TPoint t1 = FDrawn.Map.MapDistance(0, Inner), t2 = FDrawn.Map.MapDistance(0, Outer);
  // Outer labels beyond the ticks, inner labels inside them.
  const TPoint l0 = LabelsInside ? TPoint{t2.X - width / 2, t1.Y + th / 3}
                                 : TPoint{t2.X - width / 2, t2.Y - (3 * th) / 2};
  TDialScaleLayout layout = DialScaleOnRay(FDrawn.Pivot, t1, t2, t2, l0, width, th, kStartTurn);
  layout.SignedSweep = kSweep;
  layout.LastTick = false;  // the last division meets the first
  if (scale.NonLinear) {
    DrawLogDialScale(c, layout, scale, scale.Part(), nullptr);
    return;
  }
  DrawLinearDialScale(c, layout, scale, scale.Part(),
                      DialMinorCount(scale.Psub(), scale.Part(), 11),
                      ScaleLabelDecimals(scale.End - scale.Start, 3, 5), th, nullptr);
}

void TMeter360::DrawLedSockets(TCanvas& c) {
  const TDialLayout& l = FDrawn;
  if (FLedEnable[0]) {
    DrawLedSocket(c, l.LedCentre[0], l.LedRadius + 1);
    DrawLedSocket(c, l.LedCentre[1], l.LedRadius + 1);
  }
  if (FLedEnable[1]) {
    DrawTriangleLedSocket(c, TTriangleLed(l.LedCentre[2], l.TriangleSize + 1, false));
    DrawTriangleLedSocket(c, TTriangleLed(l.LedCentre[3], l.TriangleSize + 1, true));
  }
}

// ---- Update ----

double TMeter360::ScaleAngle(int Scale, double Value) const {
  assert(Scale == 0 || Scale == 1);
  const TScaleRange& range = FScales[Scale];
  // A logarithmic scale has no place for values at or below its start: they point at the start,
  // instead of sending the pointer round the dial as they fall towards 0.
  if (range.NonLinear && !(Value > range.Start)) return 0;
  const double angle = range.Angle(Value, kSweep);
  if (!std::isfinite(angle)) return 0;
  return std::fmod(angle, kSweep);
}

void TMeter360::UpdatePointer(bool Force) {
  if (!FPainted || !FDrawn.Valid) return;
  for (TPointerModel& p : FPointers) p.ShownValue = p.NextShown();
  TPointerModel& inner = FPointers[1];
  inner.StepPeak(inner.ShownValue, 0, 0, false);
  const bool peak = inner.PeakMode != ppNone;
  const double angles[2] = {ScaleAngle(0, FPointers[0].ShownValue),
                            ScaleAngle(1, inner.ShownValue)};
  const double peak_angle = peak ? ScaleAngle(1, inner.PeakValue) : 0;
  // Each angle's sine and cosine once for all the corners it turns.
  const TPoint pivot = FDrawn.Pivot;
  const TPointTurn turns[2] = {{pivot, angles[0]}, {pivot, angles[1]}};
  const TPointTurn peak_turn = peak_angle == angles[1] ? turns[1] : TPointTurn(pivot, peak_angle);
  if (!Force) {
    bool moved = peak && peak_turn(FDrawn.PeakBase[0]) != FPeakPoly[0];
    for (int i = 0; i < 2; ++i) {
      moved = moved || turns[i](FDrawn.PointerBase[i][0]) != FPointerPoly[i][0];
    }
    if (!moved) return;
  }
  for (int i = 0; i < 2; ++i) TurnCorners(FDrawn.PointerBase[i], FPointerPoly[i], turns[i]);
  if (peak) TurnCorners(FDrawn.PeakBase, FPeakPoly, peak_turn);
  TRect box = PolygonBox(FPointerPoly[0]);
  UnionRect(box, box, PolygonBox(FPointerPoly[1]));
  if (peak) UnionRect(box, box, PolygonBox(FPeakPoly));
  Compose(FUpdateArea.Next(ClientRect(), box, TRect{}, Force));
}

TRect TMeter360::LedBox(int Index) const {
  if (Index < 2) return LedCircleBox(FLedCentre[Index], FLedRadius);
  return PolygonBox(TTriangleLed(FLedCentre[Index], FDrawn.TriangleSize, Index == 3).Corners);
}

void TMeter360::Compose(const TRect& Area) {
  TCanvas& work = *WorkBitmap->Canvas();
  const TCanvasSaver keep(work, cpPen | cpBrush | cpClip);
  BeginCompose(work, FrameBitmap->Canvas(), Area);
  for (int i = 0; i < 2; ++i) {
    work.Brush()->SetColor(FColPointer[i]);
    work.Polygon(std::span(FPointerPoly[i], 3));
  }
  if (FPointers[1].PeakMode != ppNone) {
    work.Brush()->SetColor(FColPeakPtr);
    work.Polygon(std::span(FPeakPoly, 3));
  }
  DrawLedsIn(work, Area);
  EndCompose(work, *Canvas(), Area);
}
