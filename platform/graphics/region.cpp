#include "platform/graphics/region.h"

#include <cassert>
#include <cstddef>

namespace {

// The region's rectangles are non-empty and share no pixel, so that drawing through them touches
// each pixel once.
[[maybe_unused]] bool Disjoint(const std::vector<TRect>& Rects) {
  for (size_t i = 0; i < Rects.size(); ++i) {
    if (IsRectEmpty(Rects[i])) return false;
    for (size_t j = i + 1; j < Rects.size(); ++j) {
      TRect common;
      if (IntersectRect(common, Rects[i], Rects[j])) return false;
    }
  }
  return true;
}

// Appends the parts of a that lie outside b (at most four rectangles).
void AppendDifference(const TRect& A, const TRect& B, std::vector<TRect>& Out) {
  TRect common;
  if (!IntersectRect(common, A, B)) {
    Out.push_back(A);
    return;
  }
  if (A.Top < common.Top) Out.push_back({A.Left, A.Top, A.Right, common.Top});
  if (common.Bottom < A.Bottom) Out.push_back({A.Left, common.Bottom, A.Right, A.Bottom});
  if (A.Left < common.Left) Out.push_back({A.Left, common.Top, common.Left, common.Bottom});
  if (common.Right < A.Right) Out.push_back({common.Right, common.Top, A.Right, common.Bottom});
}

}  // namespace

void TRegion::Add(const TRect& R) {
  if (IsRectEmpty(R)) return;
  std::vector<TRect> pieces{R};
  for (const TRect& existing : FRects) {
    std::vector<TRect> rest;
    for (const TRect& p : pieces) AppendDifference(p, existing, rest);
    pieces.swap(rest);
    if (pieces.empty()) return;
  }
  FRects.insert(FRects.end(), pieces.begin(), pieces.end());
  assert(Disjoint(FRects));
}

void TRegion::Intersect(const TRect& R) {
  std::vector<TRect> kept;
  for (const TRect& existing : FRects) {
    TRect common;
    if (IntersectRect(common, existing, R)) kept.push_back(common);
  }
  FRects.swap(kept);
  assert(Disjoint(FRects));
}

void TRegion::Subtract(const TRect& R) {
  std::vector<TRect> kept;
  for (const TRect& existing : FRects) AppendDifference(existing, R, kept);
  FRects.swap(kept);
  assert(Disjoint(FRects));
}

void TRegion::Offset(int Dx, int Dy) {
  for (TRect& r : FRects) OffsetRect(r, Dx, Dy);
}

bool TRegion::Contains(TPoint P) const {
  for (const TRect& r : FRects) {
    if (PtInRect(r, P)) return true;
  }
  return false;
}

TRect TRegion::Bounds() const {
  TRect b;
  for (const TRect& r : FRects) UnionRect(b, b, r);
  return b;
}
