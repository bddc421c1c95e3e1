#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/readout.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

TPoti10T::TPoti10T(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      TLedPair(kPoti10TRules.Leds),
      FDrag([this](TObject*) { DragTick(); }),
      FReadout(std::make_unique<TDigDisplay>()) {
  SetWidth(200);
  SetHeight(200);
  Font()->SetColor(clBlack);
  FBlinkId = TimerRegisterSync([this](TObject*) { BlinkTick(); });
  FDrag.GetValue = [this] { return FValue; };
  FDrag.SetValue = [this](double V) { SetValue(V); };
  FDrag.Changing = [this] {
    if (onChanging) onChanging(this);
  };
}

TPoti10T::~TPoti10T() { TimerRemove(FBlinkId); }

// ---- Setters ----

void TPoti10T::SetValue(double Value) {
  if (StoreValue(FValue, Value, ComponentState().Contains(csReading), FScale)) UpdateKnob(false);
}

void TPoti10T::Loaded() {
  TOrvaneBase::Loaded();
  FScale.Repair();
}

void TPoti10T::SetValueStart(double Value) {
  if (FScale.SetStart(Value, ComponentState().Contains(csReading))) Invalidate();
}

void TPoti10T::SetValueEnd(double Value) {
  if (FScale.SetEnd(Value, ComponentState().Contains(csReading))) Invalidate();
}

void TPoti10T::SetScalaPart(int Value) {
  if (FScale.SetPart(Value)) Invalidate();
}

void TPoti10T::SetCaption(const std::string& Value) {
  const string10 caption = Value;
  if (caption == FCaption) return;
  FCaption = caption;
  if (FCaptEnable && FPainted) Invalidate();
}

void TPoti10T::SetColCaption(TColor Value) {
  if (StoreChanged(FColCaption, Value))
    if (FCaptEnable && FPainted) Invalidate();
}

void TPoti10T::SetCaptEnable(bool Value) { StoreAndRepaint(FCaptEnable, Value); }
void TPoti10T::SetPresEnable(bool Value) { StoreAndRepaint(FPresEnable, Value); }
void TPoti10T::SetColPreset(TColor Value) { StoreAndRepaint(FColPreset, Value); }
void TPoti10T::SetColPointer1(TColor Value) { StoreAndRepaint(FColPointer1, Value); }
void TPoti10T::SetColPointer2(TColor Value) { StoreAndRepaint(FColPointer2, Value); }
void TPoti10T::SetColScala(TColor Value) { StoreAndRepaint(FColScala, Value); }
void TPoti10T::SetColButton(TColor Value) { StoreAndRepaint(FColButton, Value); }
void TPoti10T::SetColLight(TColor Value) { StoreAndRepaint(FColLight, Value); }
void TPoti10T::SetColShade(TColor Value) { StoreAndRepaint(FColShade, Value); }
void TPoti10T::SetDispEnable(bool Value) { StoreAndRepaint(FDispEnable, Value); }
void TPoti10T::SetColDBack(TColor Value) { StoreAndRepaint(FColDback, Value); }
void TPoti10T::SetColDRand(TColor Value) { StoreAndRepaint(FColDrand, Value); }
void TPoti10T::SetColDisplay(TColor Value) { StoreAndRepaint(FColDisplay, Value); }

void TPoti10T::SetDispItalic(bool Value) {
  FDispItalic = Value;
  FReadout->Italic = Value;
  Invalidate();
}

void TPoti10T::SetDispFixPnt(bool Value) {
  FDispFixPnt = Value;
  Invalidate();
}

std::string TPoti10T::DisplayText() const { return FReadout->GetText(); }

void TPoti10T::StyleChanged(TObject*) { Invalidate(); }

// ---- LEDs ----

// The LEDs lie where the layout put them.
void TPoti10T::DrawLedInto(TCanvas& C, int Index) const {
  const TMeterLed& led = FLeds[Index];
  DrawRoundLed(C, FDrawn.LedCentre[Index], FDrawn.LedRadius, LedColour(led.Colour, led.Shows()));
}

void TPoti10T::DrawLed(int Index) {
  if (!FPainted || !FLedEnable || !FDrawn.Plane.Valid()) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

void TPoti10T::BlinkTick() {
  if (FPainted) StepLeds(BlinkPhase);
}

// ---- Painting ----

void TPoti10T::Paint() {
  TOrvaneBase::Paint();
  FPainted = true;
  FPreviousAngle = 0;
  TCanvas& c = *FrameBitmap->Canvas();
  DrawFace(c);
  DrawLed(0);
  DrawLed(1);
  if (OnRepaint) OnRepaint(this);
}

void TPoti10T::DrawPreset(bool Down) {
  if (FPainted && FPresEnable)
    DrawPresetFace(*FrameBitmap->Canvas(), FDrawn.Preset, FColPreset, Down);
}

TPoti10T::TLayout TPoti10T::Layout() const {
  const TRect inner = FrameInnerRect();
  TLayout l;
  l.Preset = RotaryPresetRect(inner);
  if (!l.Plane.Setup(inner, Width(), Height())) return l;
  const TRotaryPlane& p = l.Plane;
  const TRect area =
      Bounds(p.Map.PixOrigin.X, p.Map.PixOrigin.Y, p.Map.PixExtent.cx, p.Map.PixExtent.cy);
  // The sockets' radius: about 100 units; the LEDs inside them one pixel smaller.
  const int r = p.MapPoint(100, 0).X - Width() / 2;
  l.LedCentre[0] = {area.Left + 3 * r / 2, area.Top + 3 * r / 2};
  l.LedCentre[1] = {area.Right - 3 * r / 2, area.Top + 3 * r / 2};
  l.LedRadius = r - 1;
  l.FaceRadius = p.Pixels(400);
  if (FDispEnable) {
    l.Readout = NormalizeRect(Rect(p.MapPoint(-450, -700).X, p.MapPoint(-450, -700).Y,
                                   p.MapPoint(450, -1050).X, p.MapPoint(450, -1050).Y));
  }
  return l;
}

void TPoti10T::DrawFace(TCanvas& c) {
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  const TRect inner = InnerRect;
  FDrawn = Layout();
  const TLayout& l = FDrawn;
  DrawMakerMark(c, inner.Left + 2, (FPresEnable ? l.Preset.Top : inner.Bottom) - 12);
  if (!l.Plane.Valid()) {
    const TRect client = ClientRect();
    Canvas()->CopyRect(client, &c, client);
    return;
  }
  const TRotaryPlane& plane = l.Plane;
  const TRect area = Bounds(plane.Map.PixOrigin.X, plane.Map.PixOrigin.Y, plane.Map.PixExtent.cx,
                            plane.Map.PixExtent.cy);
  const TPoint& centre = plane.Centre;

  if (FLedEnable) {
    DrawLedSocket(c, l.LedCentre[0], l.LedRadius + 1);
    DrawLedSocket(c, l.LedCentre[1], l.LedRadius + 1);
  }

  c.SetFont(Font());
  DrawRotaryScale(c, plane, FScale, FScale.Part(), FColScala, FontAutom());
  DrawKnob(c, plane, FColButton, FColLight, FColShade, clBlack);

  const TPoint face_top = plane.MapPoint(0, 400), rim_top = plane.MapPoint(0, 600);
  const int d = face_top.Y - rim_top.Y;
  const TPoint wedge[3] = {
      rim_top, {face_top.X - d / 2, face_top.Y}, {face_top.X + d / 2, face_top.Y}};
  for (int i = 0; i < 3; ++i) FWedgeBase[i] = RotatePoint(centre, wedge[i], -135);
  FDotRadius = d / 2;
  FDotBase = RotatePoint(centre, {centre.X, face_top.Y + d / 2 + 1}, 180);

  DrawPreset(false);
  if (FDispEnable) {
    TRect box = l.Readout;
    c.Pen()->SetMode(pmCopy);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(FColDrand);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(FColDback);
    c.Rectangle(box);
    const int k = (box.Height() * 8 / 10) / 8;
    InflateRect(box, -k, -k);
    FReadout->Layout(box, 4, FColDback);
  }
  DrawCaption(c, area);
  UpdateKnob(true);
}

// Right-aligned in the bottom row, in the label font. A caption too long for the room beside the
// readout would slip under it: its font shrinks, and what still does not fit is cut at the room's
// edge, so the readout stays whole.
void TPoti10T::DrawCaption(TCanvas& C, const TRect& Area) {
  FCaptionRect = TRect{};
  if (!FCaptEnable) return;
  const TCanvasSaver keep(C, cpBrush | cpFont);
  SetRotaryLabelFont(C, FDrawn.Plane, FontAutom());
  const TRect& preset = FDrawn.Preset;
  const TRect& readout = FDrawn.Readout;
  const int top = preset.Bottom - std::abs(C.Font()->Height());
  TRect room = Rect(Area.Left, top, Area.Right, preset.Bottom);
  if (FDispEnable && readout.Bottom > top) room.Left = readout.Right + 1;
  if (room.Width() < 1) return;
  ShrinkFontUntil(C, [&] { return C.TextWidth(FCaption) <= room.Width(); });
  const int width = C.TextWidth(FCaption), height = std::abs(C.Font()->Height());
  FCaptionRect =
      Rect(std::max(room.Left, room.Right - width), room.Bottom - height, room.Right, room.Bottom);
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(FColCaption);
  C.TextRect(FCaptionRect, room.Right - width, FCaptionRect.Top, FCaption);
}

void TPoti10T::UpdateKnob(bool Force) {
  if (!FPainted || !FDrawn.Plane.Valid()) return;
  if (FDispEnable) {
    const std::string text = RoundMeterReadoutText(FValue, FDispFixPnt, FScale.Start, FScale.End);
    if (ShowReadout(*FReadout, text, *FrameBitmap->Canvas(), FColDisplay, false)) Force = true;
  }
  const TPoint& centre = FDrawn.Plane.Centre;
  const double angle = ArcPointerAngle(FScale, FValue);
  const TPoint tip = RotatePoint(centre, FWedgeBase[0], angle);
  const TPoint dot = RotatePoint(centre, FDotBase, FPreviousAngle);
  if (!Force && tip == FWedge[0] && dot == FDot) return;
  for (int i = 0; i < 3; ++i) FWedge[i] = RotatePoint(centre, FWedgeBase[i], angle);
  FDot = dot;

  TCanvas& work = *WorkBitmap->Canvas();
  const TRect client = ClientRect();
  work.CopyRect(client, FrameBitmap->Canvas(), client);
  const TCanvasSaver keep(work, cpPen | cpBrush);
  work.Pen()->SetMode(pmCopy);
  work.Pen()->SetStyle(psSolid);
  work.Pen()->SetWidth(1);
  work.Pen()->SetColor(clBlack);
  work.Brush()->SetStyle(bsSolid);
  work.Brush()->SetColor(FColPointer1);
  work.Polygon(std::span<const TPoint>(FWedge, 3));
  work.Brush()->SetColor(FColPointer2);
  work.Ellipse(FDot.X - FDotRadius, FDot.Y - FDotRadius, FDot.X + FDotRadius, FDot.Y + FDotRadius);
  if (FLedEnable) {
    DrawLedInto(work, 0);
    DrawLedInto(work, 1);
  }
  Canvas()->CopyRect(client, &work, client);
}

// ---- Mouse ----

void TPoti10T::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseDown(Button, Shift, X, Y);
  if (!FDrag.BeginPress(Shift)) return;
  // The places come from the layout, so a press before the first paint lands where the paint
  // will draw them.
  const TLayout l = Layout();
  if (!l.Plane.Valid()) return;
  if (FPresEnable && PtInRect(l.Preset, {X, Y})) {
    FDrag.PressPreset();
    DrawPreset(true);
    UpdateKnob(true);
    return;
  }
  FDrag.PressElsewhere();
  FLastPoint = {X, Y};
  const double a = PointAngle(l.Plane.Centre, X, Y);
  FRelative = PointInRadius({X, Y}, l.FaceRadius, l.Plane.Centre);
  if (FRelative) {
    FPreviousAngle = a;
    UpdateKnob(true);
    FDrag.PressRelative();
    return;
  }
  PressArcValue(FDrag, FScale, ArcAngle(a, true));
}

void TPoti10T::MouseMove(TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseMove(Shift, X, Y);
  if (!FDrag.MoveDrags(Shift)) return;
  const TRotaryPlane plane = Layout().Plane;
  if (!plane.Valid()) return;
  const double last = PointAngle(plane.Centre, FLastPoint.X, FLastPoint.Y);
  FLastPoint = {X, Y};
  const double a = PointAngle(plane.Centre, X, Y);
  if (!FRelative) {
    DragArcValue(FDrag, FScale, FValue, last, a);
    return;
  }
  // Across the seam straight below the centre the step is taken the short way round.
  if (std::fabs(a - FPreviousAngle) > 180) FPreviousAngle += a < FPreviousAngle ? -360 : 360;
  const double delta = (FScale.End - FScale.Start) / 3600 * (a - FPreviousAngle);
  FPreviousAngle = a;
  FDrag.MoveBy(delta, FScale.Start, FScale.End);
  UpdateKnob(false);  // the dot follows the mouse also where the value stays
}

void TPoti10T::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TDragModel::TRelease r = FDrag.Release();
  FRelative = false;
  if (r.Changed && onChanged) onChanged(this);
  if (r.Preset) {
    DrawPreset(false);
    UpdateKnob(true);
    if (onPreset) onPreset(this);
  }
  TOrvaneBase::MouseUp(Button, Shift, X, Y);
}

void TPoti10T::DragTick() {
  if (FPainted) FDrag.Tick(FScale.Start, FScale.End);
}
