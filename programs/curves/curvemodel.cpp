#include "programs/curves/curvemodel.h"

namespace {

struct TDefaultPoints {
  TCurvePoint first[4];
  double offset;  // points 5..30 lie at (i + offset, i + offset)
};

constexpr TDefaultPoints kDefaults[kCurveChannels] = {
    {{{5, 20}, {15, 10}, {30, 45}, {70, 30}}, 0},
    {{{15, 20}, {35, 40}, {60, 40}, {85, 20}}, 6},
    {{{20, 40}, {50, 90}, {100, 40}, {180, 40}}, 8},
    {{{10, 50}, {30, 50}, {31, 80}, {70, 80}}, 11},
};

bool ValidIndex(int Chan, int Index) {
  return Chan >= 1 && Chan <= kCurveChannels && Index >= 1 && Index <= kMaxCurvePoints;
}

}  // namespace

TCurveChannels::TCurveChannels() {
  for (int c = 1; c <= kCurveChannels; ++c) {
    const TDefaultPoints& d = kDefaults[c - 1];
    for (int i = 1; i <= kMaxCurvePoints; ++i) {
      if (i <= 4) {
        StoreRaw(c, i, d.first[i - 1].X, d.first[i - 1].Y);
      } else {
        StoreRaw(c, i, i + d.offset, i + d.offset);
      }
    }
  }
}

bool TCurveChannels::GetPoint(int Chan, int Index, double& X, double& Y) const {
  if (!ValidIndex(Chan, Index)) return false;
  const TCurvePoint& p = (*this)[Chan].Points[Index - 1];
  X = p.X;
  Y = p.Y;
  return true;
}

bool TCurveChannels::SetPoint(int Chan, int Index, double X, double Y) {
  if (!ValidIndex(Chan, Index)) return false;
  const TCurveChannel& ch = (*this)[Chan];
  if (ch.XSucc) {
    const auto& p = ch.Points;
    if (Index == 1) {
      if (X > p[1].X) X = p[1].X;
    } else if (Index == ch.Count) {
      if (X < p[Index - 2].X) X = p[Index - 2].X;
    } else if (X < p[Index - 2].X) {
      X = p[Index - 2].X;
    } else if (X > p[Index].X) {
      X = p[Index].X;
    }
  }
  StoreRaw(Chan, Index, X, Y);
  return true;
}

void TCurveChannels::StoreRaw(int Chan, int Index, double X, double Y) {
  TCurveChannel& ch = (*this)[Chan];
  ch.Points[Index - 1] = TCurvePoint{X, Y, {}};
  ch.Recompute = true;
}

void TCurveChannels::MakeAscending(int Chan, double Step) {
  TCurveChannel& ch = (*this)[Chan];
  for (int i = 2; i <= ch.Count && i <= kMaxCurvePoints; ++i) {
    const double prev = ch.Points[i - 2].X;
    if (!(ch.Points[i - 1].X > prev)) StoreRaw(Chan, i, prev + Step, ch.Points[i - 1].Y);
  }
  ch.Recompute = true;
}
