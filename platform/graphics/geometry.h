#pragma once
// Points and rectangles with the window system's conventions: Right and Bottom are exclusive.

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  bool operator==(const TRect&) const = default;
};

inline TPoint Point(int X, int Y) { return {X, Y}; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(int Left, int Top, int Width, int Height) {
  return {Left, Top, Left + Width, Top + Height};
}

// True when p lies in [Left, Right) x [Top, Bottom).
bool PtInRect(const TRect& R, TPoint P);
// True when the rectangle holds no pixel (Right <= Left or Bottom <= Top).
bool IsRectEmpty(const TRect& R);
// Grows r by dx, dy on every side (shrinks for negative values).
void InflateRect(TRect& R, int Dx, int Dy);
void OffsetRect(TRect& R, int Dx, int Dy);
// dst := the common part of a and b; false (and dst all zero) when they do not overlap.
bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B);
// dst := the smallest rectangle holding both; empty rectangles are ignored.
bool UnionRect(TRect& Dst, const TRect& A, const TRect& B);
// The same rectangle with Left <= Right and Top <= Bottom.
TRect NormalizeRect(const TRect& R);

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};
