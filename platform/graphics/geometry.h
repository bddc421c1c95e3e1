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

inline TPoint Point(int x, int y) { return {x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// True when p lies in [Left, Right) x [Top, Bottom).
bool PtInRect(const TRect& r, TPoint p);
// True when the rectangle holds no pixel (Right <= Left or Bottom <= Top).
bool IsRectEmpty(const TRect& r);
// Grows r by dx, dy on every side (shrinks for negative values).
void InflateRect(TRect& r, int dx, int dy);
void OffsetRect(TRect& r, int dx, int dy);
// dst := the common part of a and b; false (and dst all zero) when they do not overlap.
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);
// dst := the smallest rectangle holding both; empty rectangles are ignored.
bool UnionRect(TRect& dst, const TRect& a, const TRect& b);
// The same rectangle with Left <= Right and Top <= Bottom.
TRect NormalizeRect(const TRect& r);

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};
