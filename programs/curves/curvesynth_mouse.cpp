// TCurveSynth: dragging points and measuring with the mouse; the lookup on channel 3's curve.

#include <cmath>

#include "programs/curves/curvesynth.h"

namespace {

// Half the side of the square in which a press picks a point.
constexpr int kPickRadius = 3;

bool ExactlyLeft(TShiftState Shift) { return Shift == TShiftState{ssLeft}; }
bool ExactlyRight(TShiftState Shift) { return Shift == TShiftState{ssRight}; }

// x between a and b, both included, whichever is larger.
bool IsBetween(double X, double A, double B) {
  return A <= B ? A <= X && X <= B : B <= X && X <= A;
}

double InterpolateY(const TCurvePoint& P1, const TCurvePoint& P2, double X) {
  return P1.Y + (P2.Y - P1.Y) / (P2.X - P1.X) * (X - P1.X);
}

// Inside the plot with its bottom row: the row of the range's start on the y axis.
bool InPlot(const TRect& Plot, int X, int Y) {
  return X >= Plot.Left && X < Plot.Right && Y >= Plot.Top && Y <= Plot.Bottom;
}

}  // namespace

void TCurveSynth::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  FDragChan = -1;
  if (!FPainted || !InPlot(FLayout.Plot, X, Y)) return;
  ClipMouse();
  TrackMouse(X, Y, Shift);
  FLastMouse = {X, Y};
  if (FMouseFunct != TMouseFunc::mfDragPts || !ExactlyLeft(Shift)) return;
  const int px = X - FLayout.Plot.Left, py = Y - FLayout.Plot.Top;
  for (int c = 1; c <= kCurveChannels; ++c) {
    if (!Chan(c).Vis) continue;
    for (int i = 1; i <= FPoints[c].Count && i <= kMaxCurvePoints; ++i) {
      const TCurvePoint& p = FPoints[c].Points[size_t(i - 1)];
      const TPoint at = ValueToPixel(p.X, p.Y);
      if (std::abs(int64_t(at.X) - px) <= kPickRadius &&
          std::abs(int64_t(at.Y) - py) <= kPickRadius) {
        FDragChan = c;
        FDragPoint = i;
        return;
      }
    }
  }
}

void TCurveSynth::MouseMove(TShiftState Shift, int X, int Y) {
  if (!FPainted || !InPlot(FLayout.Plot, X, Y) || TPoint{X, Y} == FLastMouse) return;
  TrackMouse(X, Y, Shift);
  FLastMouse = {X, Y};
  if (FDragChan > 0) {
    SetChanPoint(FDragChan, FDragPoint, FMouseX, FMouseY);
    RedrawPlot();
  }
}

void TCurveSynth::MouseUp(TMouseButton, TShiftState, int, int) {
  ReleaseMouse();
  FDragChan = -1;
}

void TCurveSynth::TrackMouse(int X, int Y, TShiftState Shift) {
  if (FMouseFunct == TMouseFunc::none) return;
  if (ExactlyLeft(Shift)) {
    PixelToValue(X, Y, FMouseX, FMouseY);
    if (FMouseFunct == TMouseFunc::mfMeas) {
      SetPointerPosX(FMouseX);
      SetPointerPosY(FMouseY);
    }
  } else if (ExactlyRight(Shift) && FMouseFunct == TMouseFunc::mfMeas) {
    double x, y;
    PixelToValue(X, Y, x, y);
    SetMarkerPosX(x);
    SetMarkerPosY(y);
  }
}

void TCurveSynth::ClipMouse() {
  TRect r = FLayout.Plot;
  const TPoint origin = ClientOrigin();
  OffsetRect(r, origin.X, origin.Y);
  r.Bottom += 1;
  ClipCursor(&r);
  FClipped = true;
}

void TCurveSynth::ReleaseMouse() {
  // Only a confinement of this component's own is given up.
  if (!FClipped) return;
  ClipCursor(nullptr);
  FClipped = false;
}

bool TCurveSynth::GetChan3CurveY(double X, double& Y) const {
  const TCurveChannel& p = FPoints[3];
  if (Chan(3).Typ == ipLinear || p.ComputedCount < 2) return false;
  for (int i = 1; i < p.ComputedCount; ++i) {
    const TCurvePoint& prev = p.Computed[size_t(i - 1)];
    const TCurvePoint& next = p.Computed[size_t(i)];
    if (IsBetween(X, prev.X, next.X)) {
      // A vertical segment has no single value: its end point's.
      Y = next.X == prev.X ? next.Y : InterpolateY(prev, next, X);
      return std::isfinite(Y);
    }
  }
  return false;
}
