#pragma once
// A clip region: a union of rectangles, kept as disjoint rectangles.

#include <vector>

#include "platform/graphics/geometry.h"

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& r) { Add(r); }

  // Adds the pixels of r (union).
  void Add(const TRect& r);
  // Keeps only the pixels inside r.
  void Intersect(const TRect& r);
  // Removes the pixels of r.
  void Subtract(const TRect& r);
  void Offset(int dx, int dy);
  bool Contains(TPoint p) const;
  bool Empty() const { return FRects.empty(); }
  // The smallest rectangle holding every pixel; all zero when empty.
  TRect Bounds() const;
  const std::vector<TRect>& Rects() const { return FRects; }

 private:
  std::vector<TRect> FRects;
};
