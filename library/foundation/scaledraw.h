#pragma once
// The scale draw: ticks and labels of a straight or round scale. A scale is first laid out into
// a plain TScaleLayout (lines and labels in drawing order, and the boxes of its end labels),
// measured on a canvas but not drawn, so that a hit test or a test can read it; DrawScaleLayout
// then draws it.
//
// Round scales lay out their tick and label points on the reference ray (the ray of a value at
// angle 0 before the meter's angle offset) and turn them about the pivot with RotatePoint, so
// angles are degrees growing clockwise on the screen.

#include <string>
#include <vector>

#include "library/foundation/scaledivision.h"
#include "library/foundation/scalemap.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;

// The rectangles round a scale's first and last label (a meter marks them when its value leaves
// the scale).
struct TScaleLabelRects {
  TRect EndLabelRect;
  TRect StartLabelRect;
};

struct TScaleLine {
  TPoint From;
  TPoint To;
  int Width = 1;
  TColor Colour = clNone;  // clNone: the canvas's pen colour
};

struct TScaleLabel {
  TPoint At;  // top-left of the text
  std::string Text;
  bool PowerOfTen = false;  // drawn as "10" with Value's decimal exponent raised
  double Value = 0;
};

struct TScaleLayout {
  struct TItem {
    bool IsLabel = false;
    TScaleLine Line;
    TScaleLabel Label;
  };
  std::vector<TItem> Items;  // in drawing order
  TScaleLabelRects Ends;     // boxes of the labels at the scale start and end, where laid out

  void Add(const TScaleLine& Line) { Items.push_back({false, Line, {}}); }
  void Add(const TScaleLabel& Label) { Items.push_back({true, {}, Label}); }
};

// Draws the items in order with the canvas's font and brush; a line's width (and colour, when it
// has one) is set for it, and the pen's width at entry is set back at the end. A label without
// text is left out.
void DrawScaleLayout(TCanvas& Canvas, const TScaleLayout& Layout);

// ---- Straight scales ----

// The ticks across a straight scale: the tick at position P along the scale runs from Base to
// MajorEnd (a thin one to MinorEnd) across it, Shift pixels along from P (an embossed tick is
// three lines side by side in three colours).
struct TStraightTicks {
  bool Vertical = false;  // the scale runs up and down; its ticks are horizontal
  int Base = 0;
  int MajorEnd = 0;
  int MinorEnd = 0;
  int MajorWidth = 2;
  int MinorWidth = 1;
  int Shift = 0;
  TColor Colour = clNone;

  TScaleLine Line(int Along, bool Major) const;
};

// A major division's label and its box (the box is recorded for the first and last label). A
// scale without labels gives empty ones.
struct TPlacedLabel {
  TScaleLabel Label;
  TRect Box;
};

// Lays out a straight scale: for every tick of Division a line per entry of Ticks (a scale with
// ticks on both sides has two) at Position(tick), and for every major tick the label Label(tick,
// position). A logarithmic label follows its major tick, a linear one the thin ticks after it.
template <class PositionFn, class LabelFn>
TScaleLayout StraightScaleLayout(const TScaleDivision& Division,
                                 const std::vector<TStraightTicks>& Ticks, PositionFn&& Position,
                                 LabelFn&& Label);

// ---- Round scales ----

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

// A round scale laid out on its upright ray (the scale start turned back by Turn degrees): the
// tick ends T1, T2 and LogMinor turn about the pivot, the label corner L0 about the point that
// keeps a LabelWidth x TextHeight box centred on the pivot's ray. Offset, sweep and last tick
// are left to the caller.
TDialScaleLayout DialScaleOnRay(TPoint Pivot, TPoint T1, TPoint T2, TPoint LogMinor, TPoint L0,
                                int LabelWidth, int TextHeight, double Turn);

// The parts a linear round scale splits each division into (MinorCount below), from a ScalaPsub
// property: -1 halves the divisions of a scale with fewer than AutoBelow of them and leaves
// others whole, 0 leaves them whole, n adds n thin ticks (n + 1 parts).
int DialMinorCount(int ScalaPsub, int ScalaPart, int AutoBelow);

// A linear round scale: major ticks of width 2, thin ticks of width 1 splitting each division
// evenly, labels with Decimals decimals centred in their boxes, measured in the canvas's font.
// The label boxes are TextHeight high.
TScaleLayout LinearDialScaleLayout(TCanvas& Canvas, const TDialScaleLayout& Layout,
                                   const TScaleDivision& Division, int Decimals, int TextHeight);

// A logarithmic round scale: a major tick and a power-of-ten label per decade, thin ticks at
// their values' angles reaching LogMinor.
TScaleLayout LogDialScaleLayout(TCanvas& Canvas, const TDialScaleLayout& Layout,
                                const TScaleRange& Range, const TScaleDivision& Division);

// Lays out and draws a round scale with the canvas's tick pen (width 2) and label font, with a
// clear brush. MinorCount splits each linear division into that many parts (0 or 1: none);
// ScalaPart - 1 thin ticks split each decade of a logarithmic one. When Marks is given, the
// rectangles round the first and last label are recorded there.
void DrawLinearDialScale(TCanvas& Canvas, const TDialScaleLayout& Layout, const TScaleRange& Range,
                         int ScalaPart, int MinorCount, int Decimals, int TextHeight,
                         TScaleLabelRects* Marks);
void DrawLogDialScale(TCanvas& Canvas, const TDialScaleLayout& Layout, const TScaleRange& Range,
                      int ScalaPart, TScaleLabelRects* Marks);

// ---- Template definitions ----

template <class PositionFn, class LabelFn>
TScaleLayout StraightScaleLayout(const TScaleDivision& Division,
                                 const std::vector<TStraightTicks>& Ticks, PositionFn&& Position,
                                 LabelFn&& Label) {
  TScaleLayout layout;
  bool pending = false;
  TPlacedLabel label;
  int index = 0;
  const auto place = [&] {
    layout.Add(label.Label);
    if (index == 0) layout.Ends.StartLabelRect = label.Box;
    if (index == Division.Divisions) layout.Ends.EndLabelRect = label.Box;
    pending = false;
  };
  for (const TScaleTick& tick : Division.Ticks) {
    if (tick.Major() && pending) place();
    const int along = Position(tick);
    for (const TStraightTicks& t : Ticks) layout.Add(t.Line(along, tick.Major()));
    if (!tick.Major()) continue;
    label = Label(tick, along);
    index = tick.Index;
    pending = true;
    if (Division.Log) place();
  }
  if (pending) place();
  return layout;
}
