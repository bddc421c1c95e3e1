#include "platform/graphics/canvas_painter.h"

#include <algorithm>
#include <cassert>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

// Result bit for pen bit P and destination bit D: bit (P * 2 + D) of the table.
template <unsigned Table>
void RopSpan(uint32_t* p, int n, uint32_t pen) {
  for (int i = 0; i < n; ++i) {
    const uint32_t d = p[i];
    uint32_t r = 0;
    if (Table & 8) r |= pen & d;
    if (Table & 4) r |= pen & ~d;
    if (Table & 2) r |= ~pen & d;
    if (Table & 1) r |= ~pen & ~d;
    p[i] = (r & 0x00FFFFFF) | 0xFF000000u;
  }
}

void CopySpan(uint32_t* p, int n, uint32_t color) { FillPixels(p, n, color | 0xFF000000u); }
void NopSpan(uint32_t*, int, uint32_t) {}

}  // namespace

SpanOp PenModeOp(TPenMode mode) {
  switch (mode) {
    case pmBlack:
      return RopSpan<0>;
    case pmWhite:
      return RopSpan<15>;
    case pmNop:
      return NopSpan;
    case pmNot:
      return RopSpan<5>;
    case pmCopy:
      return CopySpan;
    case pmNotCopy:
      return RopSpan<3>;
    case pmMergePenNot:
      return RopSpan<13>;
    case pmMaskPenNot:
      return RopSpan<4>;
    case pmMergeNotPen:
      return RopSpan<11>;
    case pmMaskNotPen:
      return RopSpan<2>;
    case pmMerge:
      return RopSpan<14>;
    case pmNotMerge:
      return RopSpan<1>;
    case pmMask:
      return RopSpan<8>;
    case pmNotMask:
      return RopSpan<7>;
    case pmXor:
      return RopSpan<6>;
    case pmNotXor:
      return RopSpan<9>;
  }
  return CopySpan;
}

bool PenModeIdempotent(TPenMode mode) {
  switch (mode) {
    case pmNot:
    case pmMergePenNot:
    case pmMaskPenNot:
    case pmNotMerge:
    case pmNotMask:
    case pmXor:
    case pmNotXor:
      return false;
    default:
      return true;
  }
}

SpanOp CopyOp() { return CopySpan; }

namespace {

// Code built for the wide vector registers (parts of Qt, for one) may leave their upper halves in
// use. Until something clears them, every plain SSE instruction of ours waits on them, and shape
// drawing runs two to three times slower. Clearing them costs a cycle.
void ClearUpperVectorHalves() {
#if defined(__x86_64__) && defined(__GNUC__)
  static const bool kAvx = __builtin_cpu_supports("avx");
  if (kAvx) asm volatile("vzeroupper");
#endif
}

}  // namespace

#if defined(__x86_64__) && defined(__GNUC__)
const bool kHasWideVectors = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0;
}();

__attribute__((target("avx2"))) void FillPixelsWide(uint32_t* p, int n, uint32_t value) {
  const __m256i v = _mm256_set1_epi32(static_cast<int>(value));
  uint32_t* const end = p + n;
  // The first eight where they fall, then whole aligned blocks: stores that straddle two cache
  // lines cost twice.
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
  p = reinterpret_cast<uint32_t*>((reinterpret_cast<uintptr_t>(p) + 32) & ~uintptr_t{31});
  for (; end - p >= 32; p += 32) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(p), v);
    _mm256_store_si256(reinterpret_cast<__m256i*>(p + 8), v);
    _mm256_store_si256(reinterpret_cast<__m256i*>(p + 16), v);
    _mm256_store_si256(reinterpret_cast<__m256i*>(p + 24), v);
  }
  for (; end - p >= 8; p += 8) _mm256_store_si256(reinterpret_cast<__m256i*>(p), v);
  // The run's last eight, overlapping what is done.
  if (end > p) _mm256_storeu_si256(reinterpret_cast<__m256i*>(end - 8), v);
}
#else
const bool kHasWideVectors = false;
void FillPixelsWide(uint32_t* p, int n, uint32_t value) {
  for (; n > 0; --n) *p++ = value;
}
#endif

CanvasPainter::CanvasPainter(TCanvas& canvas)
    : FCanvas(canvas), FOx(canvas.FOrigin.X), FOy(canvas.FOrigin.Y) {
  ClearUpperVectorHalves();
}

CanvasPainter::~CanvasPainter() {
  if (FDirtyLeft < FDirtyRight && FDirtyTop < FDirtyBottom) {
    FCanvas.Changed(TRect{FDirtyLeft, FDirtyTop, FDirtyRight, FDirtyBottom});
  }
}

void CanvasPainter::Spans(const raster::Spans& spans, uint32_t color, SpanOp op) {
  if (spans.empty()) return;
  if (FCanvas.FDeviceClip.size() != 1) {
    for (const raster::Span& s : spans) Span(s.y, s.x0, s.x1, color, op);
    return;
  }
  // One clip rectangle: everything the loop needs in locals, plain copies written in place.
  const TRect box = FCanvas.FDeviceClipBox;
  uint32_t* const bits = FCanvas.FSurface.Bits;
  const ptrdiff_t stride = FCanvas.FSurface.Stride;
  const long long ox = FOx, oy = FOy;
  const bool copy = op == CopySpan;
  const uint32_t solid = color | 0xFF000000u;
  int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
  for (const raster::Span& s : spans) {
    assert(s.x0 < s.x1);
    const long long dy = s.y + oy;
    if (dy < box.Top || dy >= box.Bottom) continue;
    const int x0 = static_cast<int>(std::max<long long>(s.x0 + ox, box.Left));
    const int x1 = static_cast<int>(std::min<long long>(s.x1 + ox, box.Right));
    if (x0 >= x1) continue;
    uint32_t* p = bits + dy * stride + x0;
    if (copy) {
      FillPixels(p, x1 - x0, solid);
    } else {
      op(p, x1 - x0, color);
    }
    left = std::min(left, x0);
    right = std::max(right, x1);
    top = std::min(top, static_cast<int>(dy));
    bottom = std::max(bottom, static_cast<int>(dy) + 1);
  }
  if (left < right) Touch(left, top, right, bottom);
}
