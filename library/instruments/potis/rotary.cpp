// The rotary frame controls: knob, pointer line and the mouse on the arc.

#include <algorithm>

#include "library/foundation/helpers.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas_state.h"

TRotaryInput::TRotaryInput(TComponent* AOwner, TTickProc DragTick)
    : TInputFrame(AOwner, std::move(DragTick)) {
  SetWidth(200);
  SetHeight(200);
}

void TRotaryInput::SetColPointer(TColor Value) { StoreAndRepaint(FColPointer, Value); }
void TRotaryInput::SetColLight(TColor Value) { StoreAndRepaint(FColLight, Value); }
void TRotaryInput::SetColShade(TColor Value) { StoreAndRepaint(FColShade, Value); }
void TRotaryInput::SetButtonSmall(bool Value) { StoreAndRepaint(FButtonSmall, Value); }

TRotaryInput::TLayout TRotaryInput::Layout() const {
  const TRect inner = FrameInnerRect();
  TLayout l;
  l.Preset = RotaryPresetRect(inner);
  l.Plane.Setup(inner, Width(), Height());
  return l;
}

void TRotaryInput::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpPen | cpFont);
  const TRect inner = InnerRect;
  DrawMakerMark(c, inner.Right - MakerMarkWidth(c) - 1, inner.Bottom - 9);
  const TLayout layout = Layout();
  FPresetRect = layout.Preset;
  FPlane = layout.Plane;
  if (FPlane.Valid()) {
    c.SetFont(Font());
    const int label_height = DrawScale(c);
    const TPoint corner = FPlane.MapPoint(-500, -750);
    FCaptionRect =
        Rect(corner.X, corner.Y, FPlane.MapPoint(500, -750).X, corner.Y + label_height * 12 / 10);
    if (CaptEnable()) {
      // The bevel's lines in the solid pen the scale drew with.
      c.Pen()->SetStyle(psSolid);
      c.Pen()->SetMode(pmCopy);
      DrawCaptionBevel(c, FCaptionRect);
      DrawCaption();
    }
    DrawKnob(c, FPlane, FColButton, FColLight, FColShade, clGray);
    FStartTip = ArcStartPoint(FPlane, 600);
    FTip = FStartTip;
    DrawPointerLine(c);
  }
  DrawPresetButton(false);
  DrawPointer();
  if (OnRepaint) OnRepaint(this);
}

void TRotaryInput::DrawPointerLine(TCanvas& C) {
  const TCanvasSaver keep(C, cpPen);
  TPen* pen = C.Pen();
  pen->SetColor(FColPointer);
  pen->SetMode(pmXor);
  pen->SetStyle(psSolid);
  pen->SetWidth(2);
  C.MoveTo(FPlane.Centre.X, FPlane.Centre.Y);
  C.LineTo(FTip.X, FTip.Y);
}

void TRotaryInput::DrawPointer() {
  if (!FPainted || !FPlane.Valid()) return;
  const TPoint tip = RotatePoint(FPlane.Centre, FStartTip, PointerAngle());
  if (tip == FTip) return;
  TCanvas& c = *Canvas();
  DrawPointerLine(c);  // exclusive-or: erases the old line
  FTip = tip;
  DrawPointerLine(c);
}

void TRotaryInput::PressAt(int X, int Y) {
  const TRotaryPlane plane = Layout().Plane;
  if (!plane.Valid()) return;
  FLastPoint = {X, Y};
  PressArc(ArcAngle(PointAngle(plane.Centre, X, Y), true));
}

void TRotaryInput::DragTo(int X, int Y) {
  const TRotaryPlane plane = Layout().Plane;
  if (!plane.Valid()) return;
  const double last = PointAngle(plane.Centre, FLastPoint.X, FLastPoint.Y);
  FLastPoint = {X, Y};
  DragArc(last, PointAngle(plane.Centre, X, Y));
}
