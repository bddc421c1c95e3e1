#pragma once
// A clip region: a union of rectangles, kept as disjoint rectangles.

#include <vector>

#include "platform/graphics/geometry.h"

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& R) { Add(R); }

  // Adds the pixels of r (union).
  void Add(const TRect& R);
  // Keeps only the pixels inside r.
  void Intersect(const TRect& R);
  // Removes the pixels of r.
  void Subtract(const TRect& R);
  void Offset(int Dx, int Dy);
  bool Contains(TPoint P) const;
  bool Empty() const { return FRects.empty(); }
  // The smallest rectangle holding every pixel; all zero when empty.
  TRect Bounds() const;
  const std::vector<TRect>& Rects() const { return FRects; }

 private:
  std::vector<TRect> FRects;
};
