#pragma once
// Internal to the canvas: writes spans and pixels to the canvas's surface through its clip, with a
// raster operation, and reports the changed area when done.

#include <algorithm>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/graphics/canvas.h"
#include "platform/graphics/raster.h"

// Converts between TColor ($00BBGGRR, system colours resolved) and surface pixels (0xFFRRGGBB).
inline uint32_t ToPixel(TColor Color) {
  const uint32_t c = static_cast<uint32_t>(ColorToRGB(Color));
  return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline TColor FromPixel(uint32_t P) {
  return TColor(((P >> 16) & 0xFF) | (P & 0xFF00) | ((P & 0xFF) << 16));
}

// True where the processor has the wide (256-bit) vector registers: long runs of pixels are then
// filled and copied with those, as Qt's painter does.
extern const bool kHasWideVectors;
// From this many pixels on a run is filled or copied with the wide registers.
constexpr int kWideRun = 32;
// FillPixels with the wide registers; only where kHasWideVectors, for n >= kWideRun.
void FillPixelsWide(uint32_t* P, int N, uint32_t Value);

// Sets n pixels to `value`, several at a time where the processor allows. The last stores of a
// run overlap the ones before rather than finishing pixel by pixel: fewer branches for the short
// and odd-sized spans that outlines and shape rims are made of.
inline void FillPixels(uint32_t* P, int N, uint32_t Value) {
  if (N >= kWideRun && kHasWideVectors) {
    FillPixelsWide(P, N, Value);
    return;
  }
#if defined(__SSE2__)
  if (N >= 4) {
    const __m128i v = _mm_set1_epi32(static_cast<int>(Value));
    uint32_t* const end = P + N;
    for (; end - P > 8; P += 8) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(P), v);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(P + 4), v);
    }
    // One to eight pixels left: the run's last eight, or its last four.
    if (end - P > 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(P), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(end - 4), v);
    return;
  }
  if (N >= 2) {
    const uint64_t two = Value * 0x100000001ULL;
    std::memcpy(P, &two, sizeof two);
    std::memcpy(P + N - 2, &two, sizeof two);
  } else if (N == 1) {
    *P = Value;
  }
#else
  for (; n > 0; --n) *p++ = value;
#endif
}

using SpanOp = void (*)(uint32_t* P, int N, uint32_t Color);
SpanOp PenModeOp(TPenMode Mode);
// True when applying the mode twice gives the same as once (overlapping pixels do no harm).
bool PenModeIdempotent(TPenMode Mode);
SpanOp CopyOp();

class CanvasPainter {
 public:
  explicit CanvasPainter(TCanvas& Canvas);
  ~CanvasPainter();
  CanvasPainter(const CanvasPainter&) = delete;
  CanvasPainter& operator=(const CanvasPainter&) = delete;

  bool Empty() const { return FCanvas.FDeviceClip.empty(); }
  // The drawable rows in logical coordinates, for limiting shape generation.
  int Top() const { return FCanvas.FDeviceClipBox.Top - FOy; }
  int Bottom() const { return FCanvas.FDeviceClipBox.Bottom - FOy; }
  int Left() const { return FCanvas.FDeviceClipBox.Left - FOx; }
  int Right() const { return FCanvas.FDeviceClipBox.Right - FOx; }

  // Logical coordinates, x1 exclusive.
  void Span(int Y, int X0, int X1, uint32_t Color, SpanOp Op);
  void Spans(const raster::Spans& List, uint32_t Color, SpanOp Op);
  void Pixel(int X, int Y, uint32_t Color, SpanOp Op) { Span(Y, X, X + 1, Color, Op); }
  // Per-pixel access through the clip: fn(uint32_t& pixel, int logical_x, int logical_y).
  template <typename Fn>
  void ForEachPixel(const TRect& Logical, Fn Visit);
  // Row access through the clip: fn(uint32_t* pixel_at_logical_x0, int x0, int x1, int y), logical.
  template <typename Fn>
  void ForEachRun(const TRect& Logical, Fn Visit);
  // Block access through the clip, one call per visible rectangle:
  // fn(uint32_t* top_left_pixel, ptrdiff_t stride, int x0, int y0, int width, int height), logical.
  template <typename Fn>
  void ForEachBlock(const TRect& Logical, Fn Visit);

 private:
  void Touch(int X0, int Y0, int X1, int Y1) {
    FDirtyLeft = std::min(FDirtyLeft, X0);
    FDirtyTop = std::min(FDirtyTop, Y0);
    FDirtyRight = std::max(FDirtyRight, X1);
    FDirtyBottom = std::max(FDirtyBottom, Y1);
  }
  TCanvas& FCanvas;
  int FOx, FOy;
  int FDirtyLeft = INT32_MAX, FDirtyTop = INT32_MAX, FDirtyRight = INT32_MIN,
      FDirtyBottom = INT32_MIN;
};

template <typename Fn>
void CanvasPainter::ForEachPixel(const TRect& Logical, Fn Visit) {
  TRect want = Logical;
  OffsetRect(want, FOx, FOy);
  const TSurface& s = FCanvas.FSurface;
  for (const TRect& c : FCanvas.FDeviceClip) {
    TRect r;
    if (!IntersectRect(r, want, c)) continue;
    for (int y = r.Top; y < r.Bottom; ++y) {
      uint32_t* row = s.Bits + static_cast<ptrdiff_t>(y) * s.Stride;
      for (int x = r.Left; x < r.Right; ++x) Visit(row[x], x - FOx, y - FOy);
    }
    Touch(r.Left, r.Top, r.Right, r.Bottom);
  }
}

template <typename Fn>
void CanvasPainter::ForEachRun(const TRect& Logical, Fn Visit) {
  TRect want = Logical;
  OffsetRect(want, FOx, FOy);
  const TSurface& s = FCanvas.FSurface;
  for (const TRect& c : FCanvas.FDeviceClip) {
    TRect r;
    if (!IntersectRect(r, want, c)) continue;
    for (int y = r.Top; y < r.Bottom; ++y) {
      Visit(s.Bits + static_cast<ptrdiff_t>(y) * s.Stride + r.Left, r.Left - FOx, r.Right - FOx,
            y - FOy);
    }
    Touch(r.Left, r.Top, r.Right, r.Bottom);
  }
}

template <typename Fn>
void CanvasPainter::ForEachBlock(const TRect& Logical, Fn Visit) {
  TRect want = Logical;
  OffsetRect(want, FOx, FOy);
  const TSurface& s = FCanvas.FSurface;
  for (const TRect& c : FCanvas.FDeviceClip) {
    TRect r;
    if (!IntersectRect(r, want, c)) continue;
    Visit(s.Bits + static_cast<ptrdiff_t>(r.Top) * s.Stride + r.Left, ptrdiff_t{s.Stride},
          r.Left - FOx, r.Top - FOy, r.Width(), r.Height());
    Touch(r.Left, r.Top, r.Right, r.Bottom);
  }
}

inline void CanvasPainter::Span(int Y, int X0, int X1, uint32_t Color, SpanOp Op) {
  const long long dy = static_cast<long long>(Y) + FOy;
  const TRect& box = FCanvas.FDeviceClipBox;
  if (dy < box.Top || dy >= box.Bottom) return;
  const long long dx0 = std::max<long long>(static_cast<long long>(X0) + FOx, box.Left);
  const long long dx1 = std::min<long long>(static_cast<long long>(X1) + FOx, box.Right);
  if (dx0 >= dx1) return;
  const TSurface& s = FCanvas.FSurface;
  uint32_t* row = s.Bits + static_cast<ptrdiff_t>(dy) * s.Stride;
  const int iy = static_cast<int>(dy);
  if (FCanvas.FDeviceClip.size() == 1) {
    // The clip box is the only rectangle.
    Op(row + dx0, static_cast<int>(dx1 - dx0), Color);
    Touch(static_cast<int>(dx0), iy, static_cast<int>(dx1), iy + 1);
    return;
  }
  for (const TRect& c : FCanvas.FDeviceClip) {
    if (dy < c.Top || dy >= c.Bottom) continue;
    const int a = static_cast<int>(std::max<long long>(dx0, c.Left));
    const int b = static_cast<int>(std::min<long long>(dx1, c.Right));
    if (a >= b) continue;
    Op(row + a, b - a, Color);
    Touch(a, iy, b, iy + 1);
  }
}
