#pragma once
// The control points of the curve component's four channels: the point counts, the default
// points, the point accessors with the neighbour limit and the ascending-x rule. Plain data
// without any window, so the file reader and its fuzz target link it alone.
//
// Channels count 1..4 and points 1..30 as in the curve program; storage keeps 100 slots per
// channel for the computed curves.

#include <array>

#include "programs/curves/curvemath.h"

constexpr int kCurveChannels = 4;
constexpr int kMaxCurvePoints = 30;  // addressable control points of one channel
constexpr int kMinCurvePoints = 4;   // least count the count setter allows
constexpr int kPointSlots = 100;

enum TCurveTyp { ipLinear, ipSpline, ipBezier };

struct TCurveChannel {
  std::array<TCurvePoint, kPointSlots> Points{};    // control points, point k in [k - 1]
  std::array<TCurvePoint, kPointSlots> Computed{};  // last computed spline or Bezier curve
  int ComputedCount = 0;
  int Count = kMinCurvePoints;
  // Set by every change of points, count, type or ascending switch; the drawing recomputes the
  // curve while it is set and clears it.
  bool Recompute = true;
  bool XSucc = false;  // ascending-x switch
};

class TCurveChannels {
 public:
  // The default points of every channel.
  TCurveChannels();

  // False (nothing written) for a channel outside 1..4 or an index outside 1..30.
  bool GetPoint(int Chan, int Index, double& X, double& Y) const;
  // False (nothing stored) for a channel outside 1..4 or an index outside 1..30. With the
  // channel's ascending switch on, X is first limited by its neighbours. Zeroes the reserved
  // bytes and sets the recompute mark.
  bool SetPoint(int Chan, int Index, double X, double Y);
  // Stores a point as it is (no neighbour limit); the file reader's way in.
  void StoreRaw(int Chan, int Index, double X, double Y);

  // Walks points 2..Count and moves every X not above its predecessor's to that X + Step; sets
  // the recompute mark. The switch itself is not changed.
  void MakeAscending(int Chan, double Step);

  TCurveChannel& operator[](int Chan) { return FChan[Chan - 1]; }
  const TCurveChannel& operator[](int Chan) const { return FChan[Chan - 1]; }

 private:
  std::array<TCurveChannel, kCurveChannels> FChan;
};
