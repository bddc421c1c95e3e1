// TMeter360: two concentric full-circle scales on the square dial plane of the 270-degree meter.

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <span>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/squaredial.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr double kSweep = 360;
// The shapes are built pointing up and turned onto the scale start at 6 o'clock.
constexpr double kStartTurn = -180;
// All four LEDs follow the outer scale's rules.
constexpr const TLedRules& kLedRules = kMeter360OuterRules.Leds;

void Turn(const TPoint (&From)[3], TPoint (&To)[3], TPoint Centre, double Angle) {
  for (int i = 0; i < 3; ++i) To[i] = RotatePoint(Centre, From[i], Angle);
}

}  // namespace

TMeter360::TMeter360(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      ticks_(
          [this](TObject*) {
            Perform(WM_USER, 0, 0);
            TickHook();
          },
          [this](TObject*) { BlinkTick(); }) {
  scales_[0] = {TScaleRange{0, 100}, 10, -1, 0xFF00FF, 0xFF00FF, "ALTITUDE"};
  scales_[1] = {TScaleRange{0, 10000}, 10, -1, 0x00FFFF, 0x00FFFF, "feet"};
  const TColor led_colours[4] = {0x0000FF, 0x00FF00, 0x00FFFF, 0xFFFF00};
  for (int i = 0; i < 4; ++i) leds_[i].Colour = led_colours[i];
  Font()->SetColor(clWhite);
  SetColBack(0x800000);
  SetWidth(200);
  SetHeight(200);
}

TMeter360::~TMeter360() = default;

// ---- Setters ----

void TMeter360::RepaintNow() {
  if (painted_) Paint();
}

void TMeter360::SetColour(TColor& Field, TColor V) {
  if (StoreChanged(Field, V)) RepaintNow();
}

void TMeter360::SetShape(TShapeTypeT V) {
  if (StoreChanged(shape_, V)) RepaintNow();
}

void TMeter360::SetColPointer1(TColor V) { SetColour(col_pointer_[0], V); }
void TMeter360::SetColPointer2(TColor V) { SetColour(col_pointer_[1], V); }
void TMeter360::SetColPeakPtr(TColor V) { SetColour(col_peak_ptr_, V); }
void TMeter360::SetColFont1(TColor V) { SetColour(scales_[0].col_font, V); }
void TMeter360::SetColFont2(TColor V) { SetColour(scales_[1].col_font, V); }
void TMeter360::SetColScala1(TColor V) { SetColour(scales_[0].col_scala, V); }
void TMeter360::SetColScala2(TColor V) { SetColour(scales_[1].col_scala, V); }
void TMeter360::SetColShape(TColor V) { SetColour(col_shape_, V); }
void TMeter360::SetColCircle(TColor V) { SetColour(col_circle_, V); }

void TMeter360::SetValue1(double V) { SetValue(0, V); }
void TMeter360::SetValue2(double V) { SetValue(1, V); }

void TMeter360::SetValue(int Index, double V) {
  if (!std::isfinite(V)) return;
  if (StoreChanged(pointers_[Index].Value, V)) UpdatePointer(false);
}

bool TMeter360::Reading() const { return ComponentState().Contains(csReading); }

void TMeter360::SetValueStart(int Index, double V) {
  if (ranges_[Index].SetStart(V, Reading())) RepaintNow();
}

void TMeter360::SetValueEnd(int Index, double V) {
  if (ranges_[Index].SetEnd(V, Reading())) RepaintNow();
}

void TMeter360::SetScalaPart(int Index, int V) {
  if (StoreScalaPart(scales_[Index].part, V, ranges_[Index].Rules().MaxScalaPart)) RepaintNow();
}

void TMeter360::SetScalaPsub(int Index, int V) {
  if (StoreScalaPsub(scales_[Index].psub, V)) RepaintNow();
}

void TMeter360::SetNonLinear(int Index, bool V) {
  if (!ranges_[Index].StoreNonLinear(V)) return;
  // The range setters' rules without their repaint.
  if (V && !Reading()) ranges_[Index].RepairLog();
  RepaintNow();
}

void TMeter360::SetCaption1(const std::string& V) {
  scales_[0].caption = V;
  RepaintNow();
}

void TMeter360::SetCaption2(const std::string& V) {
  scales_[1].caption = V;
  RepaintNow();
}

void TMeter360::SetDamping(int Index, int V) {
  ApplyDamping(pointers_[Index].Damping, V, ranges_[Index].Rules().MaxDamping, ticks_.DampTimerId(),
               pointers_[1 - Index].Damping == 0);
}

void TMeter360::SetDampPeak(int V) {
  ApplyDampPeak(pointers_[1].DampPeak, V, ticks_.DampTimerId());
}

void TMeter360::SetPeakMode(TPeakPtrMode V) {
  if (StoreChanged(pointers_[1].PeakMode, V)) RepaintNow();
}

void TMeter360::ResetPeak() {
  if (ranges_[1].ResetPeak()) UpdatePointer(true);
}

void TMeter360::StyleChanged(TObject*) { Invalidate(); }

// ---- LEDs ----

void TMeter360::SetLedEnable1(bool V) {
  if (StoreChanged(led_enable_[0], V)) RepaintNow();
}

void TMeter360::SetLedEnable2(bool V) {
  if (StoreChanged(led_enable_[1], V)) RepaintNow();
}

void TMeter360::SetColLed(int Index, TColor V) {
  leds_[Index].SetColour(V, kLedRules);
  DrawLed(Index);
}

void TMeter360::SetLedOn(int Index, bool V) {
  if (leds_[Index].SetOn(V, !LedShown(Index), kLedRules)) DrawLed(Index);
}

void TMeter360::SetLedBlink(int Index, bool V) {
  if (leds_[Index].SetBlink(V, !LedShown(Index), kLedRules)) DrawLed(Index);
}

// LEDs 1 and 2 are round and shown with LedEnable1, LEDs 3 and 4 triangles shown with LedEnable2.
bool TMeter360::LedShown(int Index) const {
  assert(Index >= 0 && Index < 4);
  return led_enable_[Index / 2];
}

void TMeter360::DrawLedInto(TCanvas& Canvas, int Index) const {
  const TMeterLed& led = leds_[Index];
  const TColor colour = LedColour(led.Colour, led.Shows());
  if (Index < 2) {
    DrawRoundLed(Canvas, led_centre_[Index], led_radius_, colour);
  } else {
    DrawTriangleLed(Canvas, TTriangleLed(led_centre_[Index], triangle_size_, Index == 3), colour);
  }
}

void TMeter360::DrawLed(int Index) {
  if (!painted_ || !layout_valid_ || !LedShown(Index)) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

void TMeter360::BlinkTick() {
  if (!painted_) return;
  for (int i = 0; i < 4; ++i) {
    if (LedShown(i) && leds_[i].Step(BlinkPhase)) DrawLed(i);
  }
}

void TMeter360::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdatePointer((Message.LParam & 0xFF) != 0);
    return;
  }
  TOrvaneBase::WndProc(Message);
}

// ---- Paint ----

void TMeter360::Paint() {
  TOrvaneBase::Paint();
  painted_ = true;
  update_area_.Reset();
  for (int i = 0; i < 2; ++i) {
    TScaleRange& range = scales_[i].range;
    if (range.NonLinear) {
      ranges_[i].RepairLog();
    } else if (range.End <= range.Start) {
      // Form data can hold a range of no width; the scale needs one before it is laid out.
      range.End = range.Start + 1;
    }
  }
  TCanvas& c = *FrameBitmap->Canvas();
  c.SetFont(Font());
  TRect inner = InnerRect;
  const int p = LayoutSquareDial(map_, inner, Width(), Height());
  layout_valid_ = p > 0;
  if (!layout_valid_) {
    // Too small for a dial: the frame alone.
    const TRect client = ClientRect();
    Canvas()->CopyRect(client, &c, client);
    if (OnRepaint) OnRepaint(this);
    return;
  }
  const auto at = [this](int X, int Y) { return map_.MapDistance(X, Y); };
  SetFacePen(c, col_shape_, ColBack());
  DrawSquareDialFace(c, map_, shape_, p, {BordLeft(), BordTop(), BordRight(), BordBottom()});
  pivot_ = at(0, 0);
  if (FontAutom()) c.Font()->SetHeight(std::abs((3 * (at(0, 760).Y - at(0, 670).Y)) / 2));

  // The double ring between the scales.
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetWidth(2);
  c.Pen()->SetColor(scales_[0].col_scala);
  TRect ring = SquareDialCircle(map_, 710);
  c.Ellipse(ring);
  InflateRect(ring, -2, -2);
  c.Pen()->SetColor(scales_[1].col_scala);
  c.Ellipse(ring);

  const TColor font_colour = c.Font()->Color();
  DrawRing(c, 0, 700, 760, false);
  DrawRing(c, 1, 620, 680, true);
  c.Font()->SetColor(font_colour);

  const int e = ((at(0, -190).Y - at(0, 100).Y) * 8) / 10;
  if (FontAutom()) c.Font()->SetHeight(std::abs((3 * e) / 4));
  c.Brush()->SetStyle(bsClear);
  const int middle = Width() / 2;
  c.TextOut(middle - c.TextWidth(scales_[1].caption) / 2, at(0, -190).Y, scales_[1].caption);
  c.TextOut(middle - c.TextWidth(scales_[0].caption) / 2, at(0, 300).Y, scales_[0].caption);

  const int d = at(150, 0).X - pivot_.X;
  DrawDialHub(c, pivot_, d, col_shape_, col_circle_);

  const int g = std::min(Width(), Height()) / 40;
  const int x = pivot_.X, base_y = pivot_.Y - d;
  const int tips[2] = {at(0, 850).Y, at(0, 620).Y};
  for (int i = 0; i < 2; ++i) {
    const TPoint shape[3] = {{x, tips[i]}, {x - g, base_y}, {x + g, base_y}};
    Turn(shape, pointer_shapes_[i].base, pivot_, kStartTurn);
  }
  const int y680 = at(0, 680).Y;
  const int apex = y680 + (at(0, 620).Y - y680) / 2;
  const int h = (17 * g) / 10;
  const TPoint peak[3] = {{x, apex}, {x - h, apex - h}, {x + h, apex - h}};
  Turn(peak, peak_shape_.base, pivot_, kStartTurn);

  led_radius_ = std::abs(d) / 2;
  triangle_size_ = std::abs(d) / 2;
  const int q = (5 * led_radius_) / 2;
  led_centre_[0] = {inner.Left + q, inner.Bottom - q};
  led_centre_[1] = {inner.Right - q, inner.Bottom - q};
  led_centre_[2] = {inner.Left + q, inner.Top + q};
  led_centre_[3] = {inner.Right - q, inner.Top + q};
  DrawLedSockets(c);
  DrawMeterMakerMark(c, led_centre_[0].X + led_radius_ + 4, led_centre_[0].Y);

  UpdatePointer(true);
  if (OnRepaint) OnRepaint(this);
}

void TMeter360::DrawRing(TCanvas& c, int Index, int Inner, int Outer, bool LabelsInside) {
  const TRing& ring = scales_[Index];
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(2);
  c.Pen()->SetColor(ring.col_scala);
  c.Font()->SetColor(ring.col_font);
  const int width =
      (ring.range.NonLinear ? c.TextWidth("103")
                            : ScaleTextWidth(*Canvas(), ring.range.Start, ring.range.End)) +
      1;
  const int th = std::abs(c.Font()->Height());
  const TPoint t1 = map_.MapDistance(0, Inner), t2 = map_.MapDistance(0, Outer);
  // Outer labels beyond the ticks, inner labels inside them.
  const TPoint l0 = LabelsInside ? TPoint{t2.X - width / 2, t1.Y + th / 3}
                                 : TPoint{t2.X - width / 2, t2.Y - (3 * th) / 2};
  TDialScaleLayout layout = DialScaleOnRay(pivot_, t1, t2, t2, l0, width, th, kStartTurn);
  layout.SignedSweep = kSweep;
  layout.LastTick = false;  // the last division meets the first
  if (ring.range.NonLinear) {
    DrawLogDialScale(c, layout, ring.range, ring.part, nullptr);
    return;
  }
  DrawLinearDialScale(c, layout, ring.range, ring.part, DialMinorCount(ring.psub, ring.part, 11),
                      ScaleLabelDecimals(ring.range.End - ring.range.Start, 3, 5), th, nullptr);
}

void TMeter360::DrawLedSockets(TCanvas& c) {
  if (led_enable_[0]) {
    DrawLedSocket(c, led_centre_[0], led_radius_);
    DrawLedSocket(c, led_centre_[1], led_radius_);
    // One pixel less, so the grey ring stays round every LED drawn later.
    --led_radius_;
  }
  if (led_enable_[1]) {
    DrawTriangleLedSocket(c, TTriangleLed(led_centre_[2], triangle_size_, false));
    DrawTriangleLedSocket(c, TTriangleLed(led_centre_[3], triangle_size_, true));
    --triangle_size_;
  }
}

// ---- Update ----

double TMeter360::ScaleAngle(int Scale, double V) const {
  assert(Scale == 0 || Scale == 1);
  const TScaleRange& range = scales_[Scale].range;
  // A logarithmic scale has no place for values at or below its start: they point at the start,
  // instead of sending the pointer round the dial as they fall towards 0.
  if (range.NonLinear && !(V > range.Start)) return 0;
  const double angle = range.Angle(V, kSweep);
  if (!std::isfinite(angle)) return 0;
  return std::fmod(angle, kSweep);
}

void TMeter360::UpdatePointer(bool Force) {
  if (!painted_ || !layout_valid_) return;
  for (TPointerModel& p : pointers_) p.ShownValue = p.NextShown();
  TPointerModel& inner = pointers_[1];
  inner.StepPeak(inner.ShownValue, 0, 0, false);
  const bool peak = inner.PeakMode != ppNone;
  const double angles[2] = {ScaleAngle(0, pointers_[0].ShownValue),
                            ScaleAngle(1, inner.ShownValue)};
  const double peak_angle = ScaleAngle(1, inner.PeakValue);
  if (!Force) {
    bool moved =
        peak && RotatePoint(pivot_, peak_shape_.base[0], peak_angle) != peak_shape_.poly[0];
    for (int i = 0; i < 2; ++i) {
      const TPointerShape& s = pointer_shapes_[i];
      moved = moved || RotatePoint(pivot_, s.base[0], angles[i]) != s.poly[0];
    }
    if (!moved) return;
  }
  for (int i = 0; i < 2; ++i) {
    Turn(pointer_shapes_[i].base, pointer_shapes_[i].poly, pivot_, angles[i]);
  }
  if (peak) Turn(peak_shape_.base, peak_shape_.poly, pivot_, peak_angle);
  TRect box = PolygonBox(pointer_shapes_[0].poly);
  UnionRect(box, box, PolygonBox(pointer_shapes_[1].poly));
  if (peak) UnionRect(box, box, PolygonBox(peak_shape_.poly));
  Compose(update_area_.Next(ClientRect(), box, TRect{}, Force));
}

TRect TMeter360::LedBox(int Index) const {
  if (Index < 2) return LedCircleBox(led_centre_[Index], led_radius_);
  return PolygonBox(TTriangleLed(led_centre_[Index], triangle_size_, Index == 3).Corners);
}

void TMeter360::Compose(const TRect& Area) {
  TCanvas& work = *WorkBitmap->Canvas();
  work.CopyRect(Area, FrameBitmap->Canvas(), Area);
  work.SelectClipRect(Area);
  work.Pen()->SetStyle(psClear);
  work.Pen()->SetMode(pmCopy);
  work.Brush()->SetStyle(bsSolid);
  for (int i = 0; i < 2; ++i) {
    work.Brush()->SetColor(col_pointer_[i]);
    work.Polygon(std::span(pointer_shapes_[i].poly, 3));
  }
  if (pointers_[1].PeakMode != ppNone) {
    work.Brush()->SetColor(col_peak_ptr_);
    work.Polygon(std::span(peak_shape_.poly, 3));
  }
  for (int i = 0; i < 4; ++i) {
    TRect led;
    if (LedShown(i) && IntersectRect(led, LedBox(i), Area)) DrawLedInto(work, i);
  }
  work.RemoveClip();
  Canvas()->CopyRect(Area, &work, Area);
}
