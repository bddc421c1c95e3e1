#include "library/instruments/common/dialscale.h"

#include <algorithm>

#include "library/foundation/helpers.h"
#include "library/instruments/common/limitmarks.h"
#include "platform/graphics/canvas.h"

void DrawDialBand(TCanvas& Canvas, const TRect& Box, TPoint Pivot, TPoint R0, double A, double B) {
  const TPoint first = RotatePoint(Pivot, R0, std::max(A, B));
  const TPoint second = RotatePoint(Pivot, R0, std::min(A, B));
  if (first == second) return;
  Canvas.Pie(Box.Left, Box.Top, Box.Right, Box.Bottom, first.X, first.Y, second.X, second.Y);
}

namespace {

void Line(TCanvas& Canvas, TPoint From, TPoint To) {
  Canvas.MoveTo(From.X, From.Y);
  Canvas.LineTo(To.X, To.Y);
}

// A thin tick from T1 to End turned by Angle.
void MinorTick(TCanvas& Canvas, const TDialScaleLayout& L, TPoint End, double Angle) {
  Canvas.Pen()->SetWidth(1);
  Line(Canvas, RotatePoint(L.Pivot, L.T1, Angle), RotatePoint(L.Pivot, End, Angle));
  Canvas.Pen()->SetWidth(2);
}

}  // namespace

void DrawLinearDialScale(TCanvas& Canvas, const TDialScaleLayout& L, const TScaleRange& Range,
                         int ScalaPart, int MinorCount, int Decimals, int TextHeight,
                         TLimitMarks* Marks) {
  ScalaPart = std::max(ScalaPart, 1);
  const int last = L.LastTick ? ScalaPart : ScalaPart - 1;
  for (int i = 0; i <= last; ++i) {
    const double v = (Range.End - Range.Start) / ScalaPart * i + Range.Start;
    const double angle = L.SignedSweep / ScalaPart * i + L.AngleOffset;
    Line(Canvas, RotatePoint(L.Pivot, L.T1, angle), RotatePoint(L.Pivot, L.T2, angle));
    if (MinorCount > 0 && i < ScalaPart) {
      for (int k = 1; k < MinorCount; ++k) {
        MinorTick(Canvas, L, L.T2, angle + k * (L.SignedSweep / ScalaPart) / MinorCount);
      }
    }
    const TPoint corner = RotatePoint(L.C, L.L0, angle);
    const std::string text = ScaleLabelText(v, Decimals);
    const int width = Canvas.TextWidth(text);
    const int x = corner.X + (L.LabelWidth - width) / 2;
    Canvas.TextOut(x, corner.Y, text);
    if (Marks) {
      const TRect box{x - 2, corner.Y, x - 2 + width + 5, corner.Y + TextHeight + 3};
      if (i == 0) Marks->StartLabelRect = box;
      if (i == ScalaPart) Marks->EndLabelRect = box;
    }
  }
}

void DrawLogDialScale(TCanvas& Canvas, const TDialScaleLayout& L, const TScaleRange& Range,
                      int ScalaPart, TLimitMarks* Marks) {
  const int decades = Range.Decades();
  const int last = L.LastTick ? decades : decades - 1;
  double v = Range.Start;
  for (int i = 0; i <= last; ++i) {
    const double angle = L.SignedSweep / decades * i + L.AngleOffset;
    Line(Canvas, RotatePoint(L.Pivot, L.T1, angle), RotatePoint(L.Pivot, L.T2, angle));
    const TPoint corner = RotatePoint(L.C, L.L0, angle);
    DrawPowerOfTen(corner.X, corner.Y, Canvas, v);
    if (Marks) {
      // The height is read after the label: restoring the font size can change it by a pixel.
      const int th = std::abs(Canvas.Font()->Height());
      const TRect box{corner.X - 2, corner.Y - 2, corner.X + L.LabelWidth + 3, corner.Y + th + 1};
      if (i == 0) Marks->StartLabelRect = box;
      if (i == decades) Marks->EndLabelRect = box;
    }
    if (ScalaPart > 1 && i < decades) {
      for (int k = 1; k < ScalaPart; ++k) {
        const double minor = Range.Angle(10.0 / ScalaPart * v * k, L.SignedSweep) + L.AngleOffset;
        MinorTick(Canvas, L, L.LogMinor, minor);
      }
    }
    v *= 10;
  }
}
