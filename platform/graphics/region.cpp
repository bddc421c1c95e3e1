#include "platform/graphics/region.h"

#include <cassert>
#include <cstddef>

namespace {

// The region's rectangles are non-empty and share no pixel, so that drawing through them touches
// each pixel once.
[[maybe_unused]] bool Disjoint(const std::vector<TRect>& rects) {
  for (size_t i = 0; i < rects.size(); ++i) {
    if (IsRectEmpty(rects[i])) return false;
    for (size_t j = i + 1; j < rects.size(); ++j) {
      TRect common;
      if (IntersectRect(common, rects[i], rects[j])) return false;
    }
  }
  return true;
}

// Appends the parts of a that lie outside b (at most four rectangles).
void AppendDifference(const TRect& a, const TRect& b, std::vector<TRect>& out) {
  TRect common;
  if (!IntersectRect(common, a, b)) {
    out.push_back(a);
    return;
  }
  if (a.Top < common.Top) out.push_back({a.Left, a.Top, a.Right, common.Top});
  if (common.Bottom < a.Bottom) out.push_back({a.Left, common.Bottom, a.Right, a.Bottom});
  if (a.Left < common.Left) out.push_back({a.Left, common.Top, common.Left, common.Bottom});
  if (common.Right < a.Right) out.push_back({common.Right, common.Top, a.Right, common.Bottom});
}

}  // namespace

void TRegion::Add(const TRect& r) {
  if (IsRectEmpty(r)) return;
  std::vector<TRect> pieces{r};
  for (const TRect& existing : FRects) {
    std::vector<TRect> rest;
    for (const TRect& p : pieces) AppendDifference(p, existing, rest);
    pieces.swap(rest);
    if (pieces.empty()) return;
  }
  FRects.insert(FRects.end(), pieces.begin(), pieces.end());
  assert(Disjoint(FRects));
}

void TRegion::Intersect(const TRect& r) {
  std::vector<TRect> kept;
  for (const TRect& existing : FRects) {
    TRect common;
    if (IntersectRect(common, existing, r)) kept.push_back(common);
  }
  FRects.swap(kept);
  assert(Disjoint(FRects));
}

void TRegion::Subtract(const TRect& r) {
  std::vector<TRect> kept;
  for (const TRect& existing : FRects) AppendDifference(existing, r, kept);
  FRects.swap(kept);
  assert(Disjoint(FRects));
}

void TRegion::Offset(int dx, int dy) {
  for (TRect& r : FRects) OffsetRect(r, dx, dy);
}

bool TRegion::Contains(TPoint p) const {
  for (const TRect& r : FRects) {
    if (PtInRect(r, p)) return true;
  }
  return false;
}

TRect TRegion::Bounds() const {
  TRect b;
  for (const TRect& r : FRects) UnionRect(b, b, r);
  return b;
}
