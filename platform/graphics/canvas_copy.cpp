// Block copies between surfaces: nearest-neighbour stretching, raster operations, colour keys.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_painter.h"

namespace {

// Rows up to this many pixels are copied with vector moves in place: the library's copy costs a
// call and a size dispatch per row, which for rows of a few hundred pixels takes a third of the
// time. Longer runs go to the library's copy, which is faster there.
constexpr size_t kShortRun = 512;

#if defined(__x86_64__) && defined(__GNUC__)
// CopyPixels with the wide registers, for n >= kWideRun: aligned stores after the first eight.
__attribute__((target("avx2"))) void CopyPixelsWide(uint32_t* d, const uint32_t* s, size_t n) {
  uint32_t* const d_end = d + n;
  const uint32_t* const s_end = s + n;
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(d),
                      _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s)));
  const size_t skip = 8 - (reinterpret_cast<uintptr_t>(d) & 31) / 4;
  d += skip;
  s += skip;
  for (; d_end - d >= 32; d += 32, s += 32) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + 8));
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + 16));
    const __m256i e = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + 24));
    _mm256_store_si256(reinterpret_cast<__m256i*>(d), a);
    _mm256_store_si256(reinterpret_cast<__m256i*>(d + 8), b);
    _mm256_store_si256(reinterpret_cast<__m256i*>(d + 16), c);
    _mm256_store_si256(reinterpret_cast<__m256i*>(d + 24), e);
  }
  for (; d_end - d >= 8; d += 8, s += 8) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(d),
                       _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s)));
  }
  if (d_end > d) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d_end - 8),
                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s_end - 8)));
  }
}
#else
void CopyPixelsWide(uint32_t* d, const uint32_t* s, size_t n) {
  std::memcpy(d, s, n * sizeof(uint32_t));
}
#endif

// Copies n pixels between buffers that do not overlap.
void CopyPixels(uint32_t* d, const uint32_t* s, size_t n) {
  if (n >= static_cast<size_t>(kWideRun) && n <= kShortRun && kHasWideVectors) {
    CopyPixelsWide(d, s, n);
    return;
  }
#if defined(__SSE2__)
  if (n <= kShortRun) {
    if (n < 4) {
      for (size_t i = 0; i < n; ++i) d[i] = s[i];
      return;
    }
    const uint32_t* const end = s + n;
    uint32_t* const d_end = d + n;
    for (; n >= 16; n -= 16, s += 16, d += 16) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 4));
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 8));
      const __m128i e = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 12));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d), a);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 4), b);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 8), c);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 12), e);
    }
    for (; n >= 4; n -= 4, s += 4, d += 4) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(s)));
    }
    // The last one to three pixels as the run's last four, again where they overlap.
    if (n > 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d_end - 4),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 4)));
    }
    return;
  }
#endif
  std::memcpy(d, s, n * sizeof(uint32_t));
}

// Result bit for pattern P, source S and destination D: bit (P * 4 + S * 2 + D) of `code`.
uint32_t Rop3(uint32_t code, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((code >> i) & 1)) continue;
    r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return (r & 0x00FFFFFF) | 0xFF000000u;
}

// The source of a copy, snapshotted when it shares pixels with the destination.
class Source {
 public:
  Source(const TSurface& surface, TPoint origin, const TSurface& dest, const TRect& want)
      : FSurface(surface), FOrigin(origin) {
    if (surface.Bits && surface.Bits == dest.Bits) {
      // Copy the wanted part so that overlapping copies read the old pixels.
      TRect r = want;
      OffsetRect(r, origin.X, origin.Y);
      IntersectRect(r, r, TRect{0, 0, surface.Width, surface.Height});
      FSnapshot.resize(static_cast<size_t>(std::max(0, r.Width())) * std::max(0, r.Height()));
      for (int y = r.Top; y < r.Bottom; ++y) {
        std::copy_n(surface.Bits + static_cast<ptrdiff_t>(y) * surface.Stride + r.Left, r.Width(),
                    FSnapshot.data() + static_cast<size_t>(y - r.Top) * r.Width());
      }
      FSurface = TSurface{FSnapshot.data(), r.Width(), r.Height(), r.Width()};
      FOrigin = TPoint{origin.X - r.Left, origin.Y - r.Top};
    }
  }
  // Row y of the source and the logical x range it holds; nullptr when the row does not exist.
  const uint32_t* Row(int y, int& x_from, int& x_to) const {
    const long long sy = static_cast<long long>(y) + FOrigin.Y;
    if (!FSurface.Bits || sy < 0 || sy >= FSurface.Height) return nullptr;
    x_from = -FOrigin.X;
    x_to = FSurface.Width - FOrigin.X;
    return FSurface.Bits + sy * FSurface.Stride + FOrigin.X;
  }
  // The logical rectangle the source holds; false when it holds nothing.
  bool Bounds(TRect& r) const {
    if (!FSurface.Bits) return false;
    r = TRect{-FOrigin.X, -FOrigin.Y, FSurface.Width - FOrigin.X, FSurface.Height - FOrigin.Y};
    return !IsRectEmpty(r);
  }
  // The pixel at logical (x, y), which must lie within Bounds().
  const uint32_t* At(int x, int y) const {
    return FSurface.Bits + (static_cast<ptrdiff_t>(y) + FOrigin.Y) * FSurface.Stride + x +
           FOrigin.X;
  }
  ptrdiff_t Stride() const { return FSurface.Stride; }
  // The pixel at logical (x, y) of the source, if it exists.
  bool Get(int x, int y, uint32_t& p) const {
    const long long sx = static_cast<long long>(x) + FOrigin.X;
    const long long sy = static_cast<long long>(y) + FOrigin.Y;
    if (!FSurface.Bits || sx < 0 || sy < 0 || sx >= FSurface.Width || sy >= FSurface.Height) {
      return false;
    }
    p = FSurface.Bits[sy * FSurface.Stride + sx];
    return true;
  }

 private:
  TSurface FSurface;
  TPoint FOrigin;
  std::vector<uint32_t> FSnapshot;
};

// Nearest-neighbour map from destination offset i in [0, |dn|) to a source offset in [0, |sn|).
int MapIndex(int i, int dn, int sn) {
  const long long adn = std::llabs(dn), asn = std::llabs(sn);
  const long long ii = dn < 0 ? adn - 1 - i : i;
  long long s = (2 * ii + 1) * asn / (2 * adn);
  if (sn < 0) s = -1 - s;
  return static_cast<int>(s);
}

struct CopyJob {
  TRect dest;        // may be inverted to mirror
  TRect sourceRect;  // may be inverted to mirror
  TCopyMode rop = SRCCOPY;
  uint32_t pattern = 0;
  std::optional<uint32_t> skipColor;     // source pixels of this colour are left out
  std::optional<uint32_t> replaceColor;  // ... or take replaceWith
  uint32_t replaceWith = 0;
};

void RunCopy(CanvasPainter& painter, const Source* source, const CopyJob& job) {
  const int dw = job.dest.Right - job.dest.Left, dh = job.dest.Bottom - job.dest.Top;
  const int sw = job.sourceRect.Right - job.sourceRect.Left;
  const int sh = job.sourceRect.Bottom - job.sourceRect.Top;
  if (dw == 0 || dh == 0 || (source && (sw == 0 || sh == 0))) return;
  const TRect box = NormalizeRect(job.dest);
  const int rop = (job.rop >> 16) & 0xFF;
  if (!source) {
    painter.ForEachRun(box, [&](uint32_t* d, int x0, int x1, int) {
      for (int x = x0; x < x1; ++x, ++d) *d = Rop3(rop, job.pattern, 0, *d);
    });
    return;
  }
  const bool plain = rop == 0xCC && !job.skipColor && !job.replaceColor;
  const bool unscaled = dw == sw && dh == sh && dw > 0 && dh > 0;
  if (unscaled && plain) {
    // Straight row copies of the part the source has.
    TRect have;
    if (!source->Bounds(have)) have = TRect{};
    const long long dx = 0LL + job.sourceRect.Left - box.Left;
    const long long dy = 0LL + job.sourceRect.Top - box.Top;
    painter.ForEachBlock(box, [&](uint32_t* d, ptrdiff_t stride, int x0, int y0, int w, int h) {
      const int left = static_cast<int>(std::max<long long>(x0, have.Left - dx));
      const int top = static_cast<int>(std::max<long long>(y0, have.Top - dy));
      const int right = static_cast<int>(std::min<long long>(0LL + x0 + w, have.Right - dx));
      const int bottom = static_cast<int>(std::min<long long>(0LL + y0 + h, have.Bottom - dy));
      if (left >= right || top >= bottom) return;
      d += (top - y0) * stride + (left - x0);
      const uint32_t* s = source->At(static_cast<int>(left + dx), static_cast<int>(top + dy));
      const ptrdiff_t sstride = source->Stride();
      const int width = right - left;
      if (width == stride && width == sstride) {
        // Whole rows on both sides lie end to end: one run.
        CopyPixels(d, s, static_cast<size_t>(width) * (bottom - top));
        return;
      }
      for (int y = top; y < bottom; ++y, d += stride, s += sstride) CopyPixels(d, s, width);
    });
    return;
  }
  std::vector<int> xmap;
  if (!unscaled) {
    xmap.resize(box.Width());
    for (int i = 0; i < box.Width(); ++i) xmap[i] = job.sourceRect.Left + MapIndex(i, dw, sw);
  }
  painter.ForEachRun(box, [&](uint32_t* d, int x0, int x1, int y) {
    const int sy = job.sourceRect.Top + (unscaled ? y - box.Top : MapIndex(y - box.Top, dh, sh));
    int from, to;
    const uint32_t* row = source->Row(sy, from, to);
    if (!row) return;
    for (int x = x0; x < x1; ++x, ++d) {
      const int sx = unscaled ? x + job.sourceRect.Left - box.Left : xmap[x - box.Left];
      if (sx < from || sx >= to) continue;
      uint32_t s = row[sx];
      if (job.skipColor && (s & 0xFFFFFF) == *job.skipColor) continue;
      if (job.replaceColor && (s & 0xFFFFFF) == *job.replaceColor) s = job.replaceWith;
      *d = rop == 0xCC ? (s | 0xFF000000u) : Rop3(rop, job.pattern, s, *d);
    }
  });
}

void CopyFrom(TCanvas& canvas, const TSurface& surface, TPoint origin, CopyJob job) {
  CanvasPainter painter(canvas);
  if (painter.Empty()) return;
  const TRect src_box = NormalizeRect(job.sourceRect);
  const Source source(surface, origin, canvas.Surface(), src_box);
  RunCopy(painter, &source, job);
}

}  // namespace

void TCanvas::Draw(int x, int y, const TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return;
  const TRect dest = Bounds(x, y, bitmap->Width(), bitmap->Height());
  StretchDraw(dest, bitmap);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return;
  CopyJob job;
  job.dest = r;
  job.sourceRect = TRect{0, 0, bitmap->Width(), bitmap->Height()};
  job.rop = FCopyMode;
  job.pattern = ToPixel(FBrush->Color());
  if (bitmap->Transparent()) job.skipColor = ToPixel(bitmap->TransparentColor()) & 0xFFFFFF;
  CopyFrom(*this, bitmap->Surface(), {}, job);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas* source, const TRect& sourceRect) {
  StretchBlt(dest, source, sourceRect, FCopyMode);
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap* bitmap, const TRect& sourceRect,
                        TColor color) {
  if (!bitmap || bitmap->Empty()) return;
  CopyJob job;
  job.dest = dest;
  job.sourceRect = sourceRect;
  job.replaceColor = ToPixel(color) & 0xFFFFFF;
  job.replaceWith = ToPixel(FBrush->Color());
  CopyFrom(*this, bitmap->Surface(), {}, job);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy,
                     TCopyMode rop) {
  StretchBlt(Bounds(x, y, width, height), source, Bounds(sx, sy, width, height), rop);
}

void TCanvas::StretchBlt(const TRect& dest, const TCanvas* source, const TRect& sourceRect,
                         TCopyMode rop) {
  CopyJob job;
  job.dest = dest;
  job.sourceRect = sourceRect;
  job.rop = rop;
  job.pattern = ToPixel(FBrush->Color());
  const int code = (rop >> 16) & 0xFF;
  const bool uses_source = ((code >> 2) & 0x33) != (code & 0x33);
  if (!uses_source) {
    CanvasPainter painter(*this);
    if (!painter.Empty()) RunCopy(painter, nullptr, job);
    return;
  }
  if (!source) return;
  CopyFrom(*this, source->Surface(), source->Origin(), job);
}
