#pragma once
// Colour bands, ticks and labels of a round dial, drawn into a meter's static image. A meter lays
// out its tick and label points on the reference ray (the ray of a value at angle 0 before the
// meter's angle offset); everything here turns them about the pivot with RotatePoint, so angles
// are degrees growing clockwise on the screen.

#include "library/instruments/common/scale.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;
class TLimitMarks;

// A band of the dial from angle A to angle B (offset included, either order) as a pie in Box,
// with the canvas's current pen and brush. The pie runs counter-clockwise from its first radial
// point, so the point of the larger angle goes first. A band whose radial points round onto one
// pixel is skipped: with coincident rays a pie would be the whole ellipse.
void DrawDialBand(TCanvas& Canvas, const TRect& Box, TPoint Pivot, TPoint R0, double A, double B);

struct TDialScaleLayout {
  TPoint Pivot;
  TPoint T1;               // inner end of a tick
  TPoint T2;               // outer end of a major tick (and of a linear minor tick)
  TPoint LogMinor;         // outer end of a logarithmic minor tick
  TPoint L0;               // top-left of a label box
  TPoint C;                // the point L0 turns about, so that the box centre turns about the pivot
  int LabelWidth = 0;      // width of a label box
  double AngleOffset = 0;  // added to every value angle
  double SignedSweep = 120;  // angle of the whole scale; negative when it runs counter-clockwise
  bool LastTick = true;      // false on a full circle, where the last division meets the first
};

// A linear scale of ScalaPart divisions (at least 1), each cut by MinorCount - 1 thin ticks
// (MinorCount 0 or 1: none), labels with Decimals decimals centred in their boxes. The canvas
// carries the tick pen (width 2; minor ticks are drawn with width 1) and the label font, with a
// clear brush. When Marks is given, the rectangles round the first and last label (TextHeight
// high) are recorded there.
void DrawLinearDialScale(TCanvas& Canvas, const TDialScaleLayout& Layout, const TScaleRange& Range,
                         int ScalaPart, int MinorCount, int Decimals, int TextHeight,
                         TLimitMarks* Marks);

// A logarithmic scale: a major tick and a power-of-ten label per decade from Range.Start, and,
// with ScalaPart > 1, ScalaPart - 1 thin ticks at k * (10 / ScalaPart) times each decade value.
void DrawLogDialScale(TCanvas& Canvas, const TDialScaleLayout& Layout, const TScaleRange& Range,
                      int ScalaPart, TLimitMarks* Marks);
