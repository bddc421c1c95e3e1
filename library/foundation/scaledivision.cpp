#include "library/foundation/scaledivision.h"

#include <algorithm>

TScaleDivision LinearDivision(const TScaleRange& Range, int Parts, int SubCount, bool LastMajor) {
  TScaleDivision d;
  d.Divisions = std::max(Parts, 1);
  d.SubCount = std::max(SubCount, 0);
  const int last = LastMajor ? d.Divisions : d.Divisions - 1;
  for (int i = 0; i <= last; ++i) {
    d.Ticks.push_back({(Range.End - Range.Start) / d.Divisions * i + Range.Start, i, 0});
    if (i == d.Divisions) break;
    for (int k = 1; k <= d.SubCount; ++k) {
      const double step = (Range.End - Range.Start) / d.Divisions / (d.SubCount + 1);
      d.Ticks.push_back({Range.Start + step * (i * (d.SubCount + 1) + k), i, k});
    }
  }
  return d;
}

TScaleDivision LogDivision(const TScaleRange& Range, int ScalaPart, bool LastMajor) {
  TScaleDivision d;
  d.Log = true;
  d.Divisions = Range.Decades();
  d.SubCount = ScalaPart > 1 ? ScalaPart - 1 : 0;
  const int last = LastMajor ? d.Divisions : d.Divisions - 1;
  double v = Range.Start;
  for (int i = 0; i <= last; ++i) {
    d.Ticks.push_back({v, i, 0});
    if (i < d.Divisions) {
      for (int k = 1; k <= d.SubCount; ++k) d.Ticks.push_back({10.0 / ScalaPart * v * k, i, k});
    }
    v *= 10;
  }
  return d;
}
