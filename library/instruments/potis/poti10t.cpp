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
#include "platform/graphics/canvas.h"

namespace {

constexpr double kJumpLimit = 45;

}  // namespace

TPoti10T::TPoti10T(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      drag_([this](TObject*) { DragTick(); }),
      readout_(std::make_unique<TDigDisplay>()) {
  SetWidth(200);
  SetHeight(200);
  Font()->SetColor(clBlack);
  leds_[0].Colour = clRed;
  leds_[1].Colour = clLime;
  blink_id_ = TimerRegisterSync([this](TObject*) { BlinkTick(); });
  drag_.GetValue = [this] { return value_; };
  drag_.SetValue = [this](double V) { SetValue(V); };
  drag_.Changing = [this] {
    if (onChanging) onChanging(this);
  };
}

TPoti10T::~TPoti10T() { TimerRemove(blink_id_); }

// ---- Setters ----

void TPoti10T::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_ = V;
    return;
  }
  V = Within(V, scale_.Start, scale_.End);
  if (StoreChanged(value_, V)) UpdateKnob(false);
}

void TPoti10T::SetValueStart(double V) {
  if (range_.SetStart(V, ComponentState().Contains(csReading))) Invalidate();
}

void TPoti10T::SetValueEnd(double V) {
  if (range_.SetEnd(V, ComponentState().Contains(csReading))) Invalidate();
}

void TPoti10T::SetScalaPart(int V) {
  if (StoreScalaPart(scala_part_, V, range_.Rules().MaxScalaPart)) Invalidate();
}

void TPoti10T::SetCaption(const std::string& V) {
  const string10 caption = V;
  if (caption == caption_) return;
  caption_ = caption;
  if (capt_enable_ && painted_) Invalidate();
}

void TPoti10T::SetColCaption(TColor V) {
  if (StoreChanged(col_caption_, V))
    if (capt_enable_ && painted_) Invalidate();
}

void TPoti10T::SetCaptEnable(bool V) { StoreAndRepaint(capt_enable_, V); }
void TPoti10T::SetPresEnable(bool V) { StoreAndRepaint(pres_enable_, V); }
void TPoti10T::SetColPreset(TColor V) { StoreAndRepaint(col_preset_, V); }
void TPoti10T::SetColPointer1(TColor V) { StoreAndRepaint(col_pointer1_, V); }
void TPoti10T::SetColPointer2(TColor V) { StoreAndRepaint(col_pointer2_, V); }
void TPoti10T::SetColScala(TColor V) { StoreAndRepaint(col_scala_, V); }
void TPoti10T::SetColButton(TColor V) { StoreAndRepaint(col_button_, V); }
void TPoti10T::SetColLight(TColor V) { StoreAndRepaint(col_light_, V); }
void TPoti10T::SetColShade(TColor V) { StoreAndRepaint(col_shade_, V); }
void TPoti10T::SetDispEnable(bool V) { StoreAndRepaint(disp_enable_, V); }
void TPoti10T::SetColDBack(TColor V) { StoreAndRepaint(col_dback_, V); }
void TPoti10T::SetColDRand(TColor V) { StoreAndRepaint(col_drand_, V); }
void TPoti10T::SetColDisplay(TColor V) { StoreAndRepaint(col_display_, V); }
void TPoti10T::SetLedEnable(bool V) { StoreAndRepaint(led_enable_, V); }

void TPoti10T::SetDispItalic(bool V) {
  disp_italic_ = V;
  readout_->Italic = V;
  Invalidate();
}

void TPoti10T::SetDispFixPnt(bool V) {
  disp_fix_pnt_ = V;
  Invalidate();
}

std::string TPoti10T::DisplayText() const { return readout_->GetText(); }

void TPoti10T::StyleChanged(TObject*) { Invalidate(); }

// ---- LEDs ----

void TPoti10T::SetLedOn(int Index, bool V) {
  if (leds_[Index].SetOn(V, !led_enable_, range_.Rules().Leds)) DrawLed(Index);
}

void TPoti10T::SetLedBlink(int Index, bool V) {
  if (leds_[Index].SetBlink(V, !led_enable_, range_.Rules().Leds)) DrawLed(Index);
}

void TPoti10T::SetColLed(int Index, TColor V) {
  leds_[Index].SetColour(V, range_.Rules().Leds);
  DrawLed(Index);
}

void TPoti10T::DrawLedInto(TCanvas& C, int Index) const {
  const TMeterLed& led = leds_[Index];
  DrawRoundLed(C, led_centre_[Index], led_radius_, LedColour(led.Colour, led.Shows()));
}

void TPoti10T::DrawLed(int Index) {
  if (!painted_ || !led_enable_ || !plane_.Valid()) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

void TPoti10T::BlinkTick() {
  if (!painted_ || !led_enable_) return;
  for (int i = 0; i < 2; ++i) {
    if (leds_[i].Step(BlinkPhase)) DrawLed(i);
  }
}

// ---- Painting ----

void TPoti10T::Paint() {
  TOrvaneBase::Paint();
  painted_ = true;
  previous_angle_ = 0;
  TCanvas& c = *FrameBitmap->Canvas();
  DrawFace(c);
  DrawLed(0);
  DrawLed(1);
  if (OnRepaint) OnRepaint(this);
}

void TPoti10T::DrawPreset(bool Down) {
  if (painted_ && pres_enable_)
    DrawPresetFace(*FrameBitmap->Canvas(), preset_rect_, col_preset_, Down);
}

void TPoti10T::DrawFace(TCanvas& c) {
  const TRect inner = InnerRect;
  preset_rect_ = Rect(inner.Left, inner.Bottom - std::max(inner.Height() / 10, 11),
                      inner.Left + std::max(inner.Width() / 6, 12), inner.Bottom);
  DrawPotiMakerMark(c, inner.Left + 2, (pres_enable_ ? preset_rect_.Top : inner.Bottom) - 12);
  if (!plane_.Setup(inner, Width(), Height())) {
    const TRect client = ClientRect();
    Canvas()->CopyRect(client, &c, client);
    return;
  }
  // Form data can hold an inverted range; the scale needs one of some width.
  if (scale_.End <= scale_.Start) scale_.End = scale_.Start + 1;
  const TRect area = Bounds(plane_.Map.PixOrigin.X, plane_.Map.PixOrigin.Y, plane_.Map.PixExtent.cx,
                            plane_.Map.PixExtent.cy);
  const TPoint& centre = plane_.Centre;

  int r = plane_.MapPoint(100, 0).X - Width() / 2;
  led_centre_[0] = {area.Left + 3 * r / 2, area.Top + 3 * r / 2};
  led_centre_[1] = {area.Right - 3 * r / 2, area.Top + 3 * r / 2};
  if (led_enable_) {
    DrawLedSocket(c, led_centre_[0], r);
    DrawLedSocket(c, led_centre_[1], r);
  }
  led_radius_ = r - 1;

  c.SetFont(Font());
  DrawRotaryScale(c, plane_, scale_, scala_part_, col_scala_, FontAutom());
  DrawKnob(c, plane_, col_button_, col_light_, col_shade_, clBlack);
  face_radius_ = plane_.Pixels(400);

  const TPoint face_top = plane_.MapPoint(0, 400), rim_top = plane_.MapPoint(0, 600);
  const int d = face_top.Y - rim_top.Y;
  const TPoint wedge[3] = {
      rim_top, {face_top.X - d / 2, face_top.Y}, {face_top.X + d / 2, face_top.Y}};
  for (int i = 0; i < 3; ++i) wedge_base_[i] = RotatePoint(centre, wedge[i], -135);
  dot_radius_ = d / 2;
  dot_base_ = RotatePoint(centre, {centre.X, face_top.Y + d / 2 + 1}, 180);

  DrawPreset(false);
  readout_rect_ = TRect{};
  if (disp_enable_) {
    TRect box = NormalizeRect(Rect(plane_.MapPoint(-450, -700).X, plane_.MapPoint(-450, -700).Y,
                                   plane_.MapPoint(450, -1050).X, plane_.MapPoint(450, -1050).Y));
    readout_rect_ = box;
    c.Pen()->SetMode(pmCopy);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(col_drand_);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(col_dback_);
    c.Rectangle(box);
    const int k = (box.Height() * 8 / 10) / 8;
    InflateRect(box, -k, -k);
    readout_->Layout(box, 4, col_dback_);
  }
  DrawCaption(c, area);
  UpdateKnob(true);
}

// Right-aligned in the bottom row, in the label font. A caption too long for the room beside the
// readout would slip under it: its font shrinks, and what still does not fit is cut at the room's
// edge, so the readout stays whole.
void TPoti10T::DrawCaption(TCanvas& C, const TRect& Area) {
  caption_rect_ = TRect{};
  if (!capt_enable_) return;
  const int top = preset_rect_.Bottom - std::abs(C.Font()->Height());
  TRect room = Rect(Area.Left, top, Area.Right, preset_rect_.Bottom);
  if (disp_enable_ && readout_rect_.Bottom > top) room.Left = readout_rect_.Right + 1;
  if (room.Width() < 1) return;
  ShrinkFontUntil(C, [&] { return C.TextWidth(caption_) <= room.Width(); });
  const int width = C.TextWidth(caption_), height = std::abs(C.Font()->Height());
  caption_rect_ =
      Rect(std::max(room.Left, room.Right - width), room.Bottom - height, room.Right, room.Bottom);
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(col_caption_);
  C.TextRect(caption_rect_, room.Right - width, caption_rect_.Top, caption_);
}

double TPoti10T::WedgeAngle() const {
  if (!(scale_.End > scale_.Start)) return 0;
  return std::clamp(270 * (value_ - scale_.Start) / (scale_.End - scale_.Start), 0.0, 270.0);
}

void TPoti10T::UpdateKnob(bool Force) {
  if (!painted_ || !plane_.Valid()) return;
  if (disp_enable_) {
    const std::string text = RoundMeterReadoutText(value_, disp_fix_pnt_, scale_.Start, scale_.End);
    if (ShowReadout(*readout_, text, *FrameBitmap->Canvas(), col_display_, false)) Force = true;
  }
  const TPoint& centre = plane_.Centre;
  const double angle = WedgeAngle();
  const TPoint tip = RotatePoint(centre, wedge_base_[0], angle);
  const TPoint dot = RotatePoint(centre, dot_base_, previous_angle_);
  if (!Force && tip == wedge_[0] && dot == dot_) return;
  for (int i = 0; i < 3; ++i) wedge_[i] = RotatePoint(centre, wedge_base_[i], angle);
  dot_ = dot;

  TCanvas& work = *WorkBitmap->Canvas();
  const TRect client = ClientRect();
  work.CopyRect(client, FrameBitmap->Canvas(), client);
  work.Pen()->SetMode(pmCopy);
  work.Pen()->SetStyle(psSolid);
  work.Pen()->SetWidth(1);
  work.Pen()->SetColor(clBlack);
  work.Brush()->SetStyle(bsSolid);
  work.Brush()->SetColor(col_pointer1_);
  work.Polygon(std::span<const TPoint>(wedge_, 3));
  work.Brush()->SetColor(col_pointer2_);
  work.Ellipse(dot_.X - dot_radius_, dot_.Y - dot_radius_, dot_.X + dot_radius_,
               dot_.Y + dot_radius_);
  if (led_enable_) {
    DrawLedInto(work, 0);
    DrawLedInto(work, 1);
  }
  Canvas()->CopyRect(client, &work, client);
}

// ---- Mouse ----

void TPoti10T::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseDown(Button, Shift, X, Y);
  if (!drag_.BeginPress(Shift) || !painted_ || !plane_.Valid()) return;
  if (pres_enable_ && PtInRect(preset_rect_, {X, Y})) {
    drag_.PressPreset();
    DrawPreset(true);
    UpdateKnob(true);
    return;
  }
  drag_.PressElsewhere();
  last_point_ = {X, Y};
  const double a = PointAngle(plane_.Centre, X, Y);
  relative_ = PointInRadius({X, Y}, face_radius_, plane_.Centre);
  if (relative_) {
    previous_angle_ = a;
    UpdateKnob(true);
    drag_.PressRelative();
    return;
  }
  drag_.Press(ArcValue(scale_.Start, scale_.End, ArcAngle(a, true)));
}

void TPoti10T::MouseMove(TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseMove(Shift, X, Y);
  if (!painted_ || !plane_.Valid() || !drag_.MoveDrags(Shift)) return;
  const double last = PointAngle(plane_.Centre, last_point_.X, last_point_.Y);
  last_point_ = {X, Y};
  const double a = PointAngle(plane_.Centre, X, Y);
  if (!relative_) {
    if (!ArcMoveTaken(last, value_ == scale_.Start, value_ == scale_.End, a, kJumpLimit)) return;
    drag_.Move(
        Within(ArcValue(scale_.Start, scale_.End, ArcAngle(a, false)), scale_.Start, scale_.End));
    return;
  }
  // Across the seam straight below the centre the step is taken the short way round.
  if (std::fabs(a - previous_angle_) > 180) previous_angle_ += a < previous_angle_ ? -360 : 360;
  const double delta = (scale_.End - scale_.Start) / 3600 * (a - previous_angle_);
  previous_angle_ = a;
  drag_.MoveBy(delta, scale_.Start, scale_.End);
  UpdateKnob(false);  // the dot follows the mouse also where the value stays
}

void TPoti10T::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TDragModel::TRelease r = drag_.Release();
  relative_ = false;
  if (r.Changed && onChanged) onChanged(this);
  if (r.Preset) {
    DrawPreset(false);
    UpdateKnob(true);
    if (onPreset) onPreset(this);
  }
  TOrvaneBase::MouseUp(Button, Shift, X, Y);
}

void TPoti10T::DragTick() {
  if (painted_) drag_.Tick(scale_.Start, scale_.End);
}
