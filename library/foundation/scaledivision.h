#pragma once
// The scale division: which ticks a scale has and the values they stand for, from a linear or a
// logarithmic engine. Where a tick goes is the scale map's business (or the instrument's own
// rounding of division indices); drawing is the scale draw's.

#include <vector>

#include "library/foundation/scalemap.h"

struct TScaleTick {
  double Value = 0;  // the value of a major tick and of a logarithmic thin tick
  int Index = 0;     // the major division the tick belongs to, 0 at the scale start
  int Sub = 0;       // 0 for the major tick of division Index, k > 0 for its k-th thin tick
  bool Major() const { return Sub == 0; }
};

struct TScaleDivision {
  bool Log = false;
  int Divisions = 1;  // major divisions of the whole scale (parts, or decades)
  int SubCount = 0;   // thin ticks inside each division
  // Every major tick followed by the thin ticks of the division it starts.
  std::vector<TScaleTick> Ticks;
};

// Parts divisions (at least 1), each with SubCount thin ticks; the major ticks stand at
// (End - Start) / Parts * i + Start. Without LastMajor the tick at the scale end is left out (a
// full circle, where it would meet the first); the last division keeps its thin ticks.
TScaleDivision LinearDivision(const TScaleRange& Range, int Parts, int SubCount,
                              bool LastMajor = true);

// One division per decade from Range.Start; with ScalaPart > 1 each decade v gets ScalaPart - 1
// thin ticks at 10 / ScalaPart * v * k.
TScaleDivision LogDivision(const TScaleRange& Range, int ScalaPart, bool LastMajor = true);
