#pragma once
// Internal to the canvas: writes spans and pixels to the canvas's surface through its clip, with a
// raster operation, and reports the changed area when done.

#include <cstdint>

#include "platform/graphics/canvas.h"
#include "platform/graphics/raster.h"

// Converts between TColor ($00BBGGRR, system colours resolved) and surface pixels (0xFFRRGGBB).
inline uint32_t ToPixel(TColor color) {
  const uint32_t c = static_cast<uint32_t>(ColorToRGB(color));
  return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline TColor FromPixel(uint32_t p) {
  return TColor(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
}

using SpanOp = void (*)(uint32_t* p, int n, uint32_t color);
SpanOp PenModeOp(TPenMode mode);
// True when applying the mode twice gives the same as once (overlapping pixels do no harm).
bool PenModeIdempotent(TPenMode mode);
SpanOp CopyOp();

class CanvasPainter {
 public:
  explicit CanvasPainter(TCanvas& canvas);
  ~CanvasPainter();
  CanvasPainter(const CanvasPainter&) = delete;
  CanvasPainter& operator=(const CanvasPainter&) = delete;

  bool Empty() const { return canvas_.deviceClip_.empty(); }
  // The drawable rows in logical coordinates, for limiting shape generation.
  int Top() const { return canvas_.deviceClipBox_.Top - oy_; }
  int Bottom() const { return canvas_.deviceClipBox_.Bottom - oy_; }
  int Left() const { return canvas_.deviceClipBox_.Left - ox_; }
  int Right() const { return canvas_.deviceClipBox_.Right - ox_; }

  // Logical coordinates, x1 exclusive.
  void Span(int y, int x0, int x1, uint32_t color, SpanOp op);
  void Spans(const raster::Spans& spans, uint32_t color, SpanOp op);
  void Pixel(int x, int y, uint32_t color, SpanOp op) { Span(y, x, x + 1, color, op); }
  // Per-pixel access through the clip: fn(uint32_t& pixel, int logicalX, int logicalY).
  template <typename Fn>
  void ForEachPixel(const TRect& logical, Fn fn);

 private:
  TCanvas& canvas_;
  int ox_, oy_;
  TRect dirty_;
};

template <typename Fn>
void CanvasPainter::ForEachPixel(const TRect& logical, Fn fn) {
  TRect want = logical;
  OffsetRect(want, ox_, oy_);
  const TSurface& s = canvas_.surface_;
  for (const TRect& c : canvas_.deviceClip_) {
    TRect r;
    if (!IntersectRect(r, want, c)) continue;
    for (int y = r.Top; y < r.Bottom; ++y) {
      uint32_t* row = s.Bits + static_cast<ptrdiff_t>(y) * s.Stride;
      for (int x = r.Left; x < r.Right; ++x) fn(row[x], x - ox_, y - oy_);
    }
    UnionRect(dirty_, dirty_, r);
  }
}
