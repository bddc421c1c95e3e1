#include "library/foundation/scaledraw.h"

#include <algorithm>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/font.h"

void DrawScaleLayout(TCanvas& Canvas, const TScaleLayout& Layout) {
  TPen& pen = *Canvas.Pen();
  const int width = pen.Width();
  for (const TScaleLayout::TItem& item : Layout.Items) {
    if (item.IsLabel) {
      const TScaleLabel& l = item.Label;
      if (l.PowerOfTen) {
        DrawPowerOfTen(l.At.X, l.At.Y, Canvas, l.Value);
      } else if (!l.Text.empty()) {
        Canvas.TextOut(l.At.X, l.At.Y, l.Text);
      }
      continue;
    }
    const TScaleLine& l = item.Line;
    if (pen.Width() != l.Width) pen.SetWidth(l.Width);
    if (l.Colour != clNone) pen.SetColor(l.Colour);
    Canvas.MoveTo(l.From.X, l.From.Y);
    Canvas.LineTo(l.To.X, l.To.Y);
  }
  if (pen.Width() != width) pen.SetWidth(width);
}

TScaleLine TStraightTicks::Line(int Along, bool Major) const {
  const int end = Major ? MajorEnd : MinorEnd;
  const int width = Major ? MajorWidth : MinorWidth;
  const int p = Along + Shift;
  if (Vertical) return {{Base, p}, {end, p}, width, Colour};
  return {{p, Base}, {p, end}, width, Colour};
}

// ---- Round scales ----

void DrawDialBand(TCanvas& Canvas, const TRect& Box, TPoint Pivot, TPoint R0, double A, double B) {
  const TPoint first = RotatePoint(Pivot, R0, std::max(A, B));
  const TPoint second = RotatePoint(Pivot, R0, std::min(A, B));
  if (first == second) return;
  Canvas.Pie(Box.Left, Box.Top, Box.Right, Box.Bottom, first.X, first.Y, second.X, second.Y);
}

namespace {

TScaleLine Ray(const TDialScaleLayout& L, TPoint End, double Angle, int Width) {
  return {RotatePoint(L.Pivot, L.T1, Angle), RotatePoint(L.Pivot, End, Angle), Width};
}

int HeightAfterPowerOfTen(const TFont& Font) {
  TFont f;
  f.Assign(Font);
  SetFontAfterPowerOfTen(f);
  return std::abs(f.Height());
}

}  // namespace

TDialScaleLayout DialScaleOnRay(TPoint Pivot, TPoint T1, TPoint T2, TPoint LogMinor, TPoint L0,
                                int LabelWidth, int TextHeight, double Turn) {
  TDialScaleLayout l;
  l.Pivot = Pivot;
  l.C = {Pivot.X - LabelWidth / 2, Pivot.Y - TextHeight / 2};
  l.T1 = RotatePoint(Pivot, T1, Turn);
  l.T2 = RotatePoint(Pivot, T2, Turn);
  l.LogMinor = RotatePoint(Pivot, LogMinor, Turn);
  l.L0 = RotatePoint(l.C, L0, Turn);
  l.LabelWidth = LabelWidth;
  return l;
}

int DialMinorCount(int ScalaPsub, int ScalaPart, int AutoBelow) {
  if (ScalaPsub == -1) return ScalaPart < AutoBelow ? 2 : 0;
  return ScalaPsub > 0 ? ScalaPsub + 1 : 0;
}

TScaleLayout LinearDialScaleLayout(TCanvas& Canvas, const TDialScaleLayout& L,
                                   const TScaleDivision& Division, int Decimals, int TextHeight) {
  TScaleLayout layout;
  const int parts = Division.Divisions;
  const double division = L.SignedSweep / parts;
  double angle = 0;
  TPlacedLabel label;
  const auto place = [&](int Index) {
    layout.Add(label.Label);
    if (Index == 0) layout.Ends.StartLabelRect = label.Box;
    if (Index == parts) layout.Ends.EndLabelRect = label.Box;
  };
  for (size_t n = 0; n < Division.Ticks.size(); ++n) {
    const TScaleTick& tick = Division.Ticks[n];
    if (!tick.Major()) {
      layout.Add(Ray(L, L.T2, angle + tick.Sub * division / (Division.SubCount + 1), 1));
    } else {
      angle = L.SignedSweep / parts * tick.Index + L.AngleOffset;
      layout.Add(Ray(L, L.T2, angle, 2));
      const TPoint corner = RotatePoint(L.C, L.L0, angle);
      const std::string text = ScaleLabelText(tick.Value, Decimals);
      const int width = Canvas.TextWidth(text);
      const int x = corner.X + (L.LabelWidth - width) / 2;
      label = {{{x, corner.Y}, text},
               {x - 2, corner.Y, x - 2 + width + 5, corner.Y + TextHeight + 3}};
    }
    const bool last_of_division = n + 1 == Division.Ticks.size() || Division.Ticks[n + 1].Major();
    if (last_of_division) place(tick.Index);
  }
  return layout;
}

TScaleLayout LogDialScaleLayout(TCanvas& Canvas, const TDialScaleLayout& L,
                                const TScaleRange& Range, const TScaleDivision& Division) {
  TScaleLayout layout;
  const int decades = Division.Divisions;
  const int th = HeightAfterPowerOfTen(*Canvas.Font());
  for (const TScaleTick& tick : Division.Ticks) {
    if (!tick.Major()) {
      layout.Add(Ray(L, L.LogMinor, Range.Angle(tick.Value, L.SignedSweep) + L.AngleOffset, 1));
      continue;
    }
    const double angle = L.SignedSweep / decades * tick.Index + L.AngleOffset;
    layout.Add(Ray(L, L.T2, angle, 2));
    const TPoint corner = RotatePoint(L.C, L.L0, angle);
    layout.Add(TScaleLabel{corner, {}, true, tick.Value});
    const TRect box{corner.X - 2, corner.Y - 2, corner.X + L.LabelWidth + 3, corner.Y + th + 1};
    if (tick.Index == 0) layout.Ends.StartLabelRect = box;
    if (tick.Index == decades) layout.Ends.EndLabelRect = box;
  }
  return layout;
}

namespace {

// Without a last tick (a full circle) the end label's rectangle is left as it was.
void DrawDial(TCanvas& Canvas, const TScaleLayout& Layout, bool LastTick, TScaleLabelRects* Marks) {
  DrawScaleLayout(Canvas, Layout);
  if (!Marks) return;
  Marks->StartLabelRect = Layout.Ends.StartLabelRect;
  if (LastTick) Marks->EndLabelRect = Layout.Ends.EndLabelRect;
}

}  // namespace

void DrawLinearDialScale(TCanvas& Canvas, const TDialScaleLayout& L, const TScaleRange& Range,
                         int ScalaPart, int MinorCount, int Decimals, int TextHeight,
                         TScaleLabelRects* Marks) {
  const TScaleDivision division =
      LinearDivision(Range, ScalaPart, MinorCount > 0 ? MinorCount - 1 : 0, L.LastTick);
  DrawDial(Canvas, LinearDialScaleLayout(Canvas, L, division, Decimals, TextHeight), L.LastTick,
           Marks);
}

void DrawLogDialScale(TCanvas& Canvas, const TDialScaleLayout& L, const TScaleRange& Range,
                      int ScalaPart, TScaleLabelRects* Marks) {
  DrawDial(Canvas, LogDialScaleLayout(Canvas, L, Range, LogDivision(Range, ScalaPart, L.LastTick)),
           L.LastTick, Marks);
}
