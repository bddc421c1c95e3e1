#include "platform/graphics/geometry.h"

#include <algorithm>

bool PtInRect(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

void InflateRect(TRect& R, int Dx, int Dy) {
  R.Left -= Dx;
  R.Top -= Dy;
  R.Right += Dx;
  R.Bottom += Dy;
}

void OffsetRect(TRect& R, int Dx, int Dy) {
  R.Left += Dx;
  R.Right += Dx;
  R.Top += Dy;
  R.Bottom += Dy;
}

bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B) {
  TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
  if (IsRectEmpty(r)) {
    Dst = TRect{};
    return false;
  }
  Dst = r;
  return true;
}

bool UnionRect(TRect& Dst, const TRect& A, const TRect& B) {
  if (IsRectEmpty(A)) {
    Dst = IsRectEmpty(B) ? TRect{} : B;
  } else if (IsRectEmpty(B)) {
    Dst = A;
  } else {
    Dst = TRect{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                std::max(A.Bottom, B.Bottom)};
  }
  return !IsRectEmpty(Dst);
}

TRect NormalizeRect(const TRect& R) {
  return TRect{std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
               std::max(R.Top, R.Bottom)};
}
