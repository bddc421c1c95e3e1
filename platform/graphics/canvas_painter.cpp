#include "platform/graphics/canvas_painter.h"

#include <algorithm>
#include <cassert>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

// Result bit for pen bit P and destination bit D: bit (P * 2 + D) of the table.
template <unsigned Table>
void RopSpan(uint32_t* P, int N, uint32_t Pen) {
  for (int i = 0; i < N; ++i) {
    const uint32_t d = P[i];
    uint32_t r = 0;
    if (Table & 8) r |= Pen & d;
    if (Table & 4) r |= Pen & ~d;
    if (Table & 2) r |= ~Pen & d;
    if (Table & 1) r |= ~Pen & ~d;
    P[i] = (r & 0x00FFFFFF) | 0xFF000000u;
  }
}

void CopySpan(uint32_t* P, int N, uint32_t Color) { FillPixels(P, N, Color | 0xFF000000u); }
void NopSpan(uint32_t*, int, uint32_t) {}

}  // namespace

SpanOp PenModeOp(TPenMode Mode) {
  switch (Mode) {
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

bool PenModeIdempotent(TPenMode Mode) {
  switch (Mode) {
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

__attribute__((target("avx2"))) void FillPixelsWide(uint32_t* P, int N, uint32_t Value) {
  const __m256i v = _mm256_set1_epi32(static_cast<int>(Value));
  uint32_t* const end = P + N;
  // The first eight where they fall, then whole aligned blocks: stores that straddle two cache
  // lines cost twice.
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), v);
  P = reinterpret_cast<uint32_t*>((reinterpret_cast<uintptr_t>(P) + 32) & ~uintptr_t{31});
  for (; end - P >= 32; P += 32) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(P), v);
    _mm256_store_si256(reinterpret_cast<__m256i*>(P + 8), v);
    _mm256_store_si256(reinterpret_cast<__m256i*>(P + 16), v);
    _mm256_store_si256(reinterpret_cast<__m256i*>(P + 24), v);
  }
  for (; end - P >= 8; P += 8) _mm256_store_si256(reinterpret_cast<__m256i*>(P), v);
  // The run's last eight, overlapping what is done.
  if (end > P) _mm256_storeu_si256(reinterpret_cast<__m256i*>(end - 8), v);
}
#else
const bool kHasWideVectors = false;
void FillPixelsWide(uint32_t* P, int N, uint32_t Value) {
  for (; N > 0; --N) *P++ = Value;
}
#endif

CanvasPainter::CanvasPainter(TCanvas& Canvas)
    : FCanvas(Canvas), FOx(Canvas.FOrigin.X), FOy(Canvas.FOrigin.Y) {
  ClearUpperVectorHalves();
}

CanvasPainter::~CanvasPainter() {
  if (FDirtyLeft < FDirtyRight && FDirtyTop < FDirtyBottom) {
    FCanvas.Changed(TRect{FDirtyLeft, FDirtyTop, FDirtyRight, FDirtyBottom});
  }
}

void CanvasPainter::Spans(const raster::Spans& List, uint32_t Color, SpanOp Op) {
  if (List.empty()) return;
  if (FCanvas.FDeviceClip.size() != 1) {
    for (const raster::Span& s : List) Span(s.y, s.x0, s.x1, Color, Op);
    return;
  }
  // One clip rectangle: everything the loop needs in locals, plain copies written in place.
  const TRect box = FCanvas.FDeviceClipBox;
  uint32_t* const bits = FCanvas.FSurface.Bits;
  const ptrdiff_t stride = FCanvas.FSurface.Stride;
  const long long ox = FOx, oy = FOy;
  const bool copy = Op == CopySpan;
  const uint32_t solid = Color | 0xFF000000u;
  int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
  for (const raster::Span& s : List) {
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
      Op(p, x1 - x0, Color);
    }
    left = std::min(left, x0);
    right = std::max(right, x1);
    top = std::min(top, static_cast<int>(dy));
    bottom = std::max(bottom, static_cast<int>(dy) + 1);
  }
  if (left < right) Touch(left, top, right, bottom);
}
