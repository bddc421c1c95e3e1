// The rotary frame controls: knob, pointer line and the mouse on the arc.

#include <algorithm>

#include "library/foundation/helpers.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas.h"

TRotaryInput::TRotaryInput(TComponent* AOwner, TTickProc DragTick)
    : TInputFrame(AOwner, std::move(DragTick)) {
  SetWidth(200);
  SetHeight(200);
}

void TRotaryInput::SetColPointer(TColor V) { StoreAndRepaint(col_pointer_, V); }
void TRotaryInput::SetColLight(TColor V) { StoreAndRepaint(col_light_, V); }
void TRotaryInput::SetColShade(TColor V) { StoreAndRepaint(col_shade_, V); }
void TRotaryInput::SetButtonSmall(bool V) { StoreAndRepaint(button_small_, V); }

void TRotaryInput::Paint() {
  TRahmen::Paint();
  painted_ = true;
  TCanvas& c = *Canvas();
  const TRect inner = InnerRect;
  DrawPotiMakerMark(c, inner.Right - PotiMakerMarkWidth(c) - 1, inner.Bottom - 9);
  preset_rect_ = Rect(inner.Left, inner.Bottom - std::max(inner.Height() / 10, 11),
                      inner.Left + std::max(inner.Width() / 6, 12), inner.Bottom);
  if (plane_.Setup(inner, Width(), Height())) {
    c.SetFont(Font());
    DrawScale(c);
    const TPoint corner = plane_.MapPoint(-500, -750);
    caption_rect_ = Rect(corner.X, corner.Y, plane_.MapPoint(500, -750).X,
                         corner.Y + std::abs(c.Font()->Height()) * 12 / 10);
    if (CaptEnable()) {
      DrawCaptionBevel(c, caption_rect_);
      DrawCaption();
    }
    DrawKnob(c, plane_, col_button_, col_light_, col_shade_, clGray);
    start_tip_ = ArcStartPoint(plane_, 600);
    tip_ = start_tip_;
    DrawPointerLine(c);
  }
  DrawPresetButton(false);
  DrawPointer();
  if (OnRepaint) OnRepaint(this);
}

void TRotaryInput::DrawPointerLine(TCanvas& C) {
  TPen* pen = C.Pen();
  pen->SetColor(col_pointer_);
  pen->SetMode(pmXor);
  pen->SetStyle(psSolid);
  pen->SetWidth(2);
  C.MoveTo(plane_.Centre.X, plane_.Centre.Y);
  C.LineTo(tip_.X, tip_.Y);
}

void TRotaryInput::DrawPointer() {
  if (!painted_ || !plane_.Valid()) return;
  const TPoint tip = RotatePoint(plane_.Centre, start_tip_, PointerAngle());
  if (tip == tip_) return;
  TCanvas& c = *Canvas();
  DrawPointerLine(c);  // exclusive-or: erases the old line
  tip_ = tip;
  DrawPointerLine(c);
}

void TRotaryInput::PressAt(int X, int Y) {
  if (!plane_.Valid()) return;
  last_point_ = {X, Y};
  PressArc(ArcAngle(PointAngle(plane_.Centre, X, Y), true));
}

void TRotaryInput::DragTo(int X, int Y) {
  if (!plane_.Valid()) return;
  const double last = PointAngle(plane_.Centre, last_point_.X, last_point_.Y);
  last_point_ = {X, Y};
  DragArc(last, PointAngle(plane_.Centre, X, Y));
}
