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
__attribute__((target("avx2"))) void CopyPixelsWide(uint32_t* D, const uint32_t* S, size_t N) {
  uint32_t* const d_end = D + N;
  const uint32_t* const s_end = S + N;
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(D),
                      _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S)));
  const size_t skip = 8 - (reinterpret_cast<uintptr_t>(D) & 31) / 4;
  D += skip;
  S += skip;
  for (; d_end - D >= 32; D += 32, S += 32) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + 8));
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + 16));
    const __m256i e = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + 24));
    _mm256_store_si256(reinterpret_cast<__m256i*>(D), a);
    _mm256_store_si256(reinterpret_cast<__m256i*>(D + 8), b);
    _mm256_store_si256(reinterpret_cast<__m256i*>(D + 16), c);
    _mm256_store_si256(reinterpret_cast<__m256i*>(D + 24), e);
  }
  for (; d_end - D >= 8; D += 8, S += 8) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(D),
                       _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S)));
  }
  if (d_end > D) {
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
void CopyPixels(uint32_t* D, const uint32_t* S, size_t N) {
  if (N >= static_cast<size_t>(kWideRun) && N <= kShortRun && kHasWideVectors) {
    CopyPixelsWide(D, S, N);
    return;
  }
#if defined(__SSE2__)
  if (N <= kShortRun) {
    if (N < 4) {
      for (size_t i = 0; i < N; ++i) D[i] = S[i];
      return;
    }
    const uint32_t* const end = S + N;
    uint32_t* const d_end = D + N;
    for (; N >= 16; N -= 16, S += 16, D += 16) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + 4));
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + 8));
      const __m128i e = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + 12));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(D), a);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(D + 4), b);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(D + 8), c);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(D + 12), e);
    }
    for (; N >= 4; N -= 4, S += 4, D += 4) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(D),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(S)));
    }
    // The last one to three pixels as the run's last four, again where they overlap.
    if (N > 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d_end - 4),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 4)));
    }
    return;
  }
#endif
  std::memcpy(D, S, N * sizeof(uint32_t));
}

// Result bit for pattern P, source S and destination D: bit (P * 4 + S * 2 + D) of `code`.
uint32_t Rop3(uint32_t Code, uint32_t P, uint32_t S, uint32_t D) {
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((Code >> i) & 1)) continue;
    r |= ((i & 4) ? P : ~P) & ((i & 2) ? S : ~S) & ((i & 1) ? D : ~D);
  }
  return (r & 0x00FFFFFF) | 0xFF000000u;
}

// The source of a copy, snapshotted when it shares pixels with the destination.
class Source {
 public:
  Source(const TSurface& Surface, TPoint Origin, const TSurface& Dest, const TRect& Want)
      : FSurface(Surface), FOrigin(Origin) {
    if (Surface.Bits && Surface.Bits == Dest.Bits) {
      // Copy the wanted part so that overlapping copies read the old pixels.
      TRect r = Want;
      OffsetRect(r, Origin.X, Origin.Y);
      IntersectRect(r, r, TRect{0, 0, Surface.Width, Surface.Height});
      FSnapshot.resize(static_cast<size_t>(std::max(0, r.Width())) * std::max(0, r.Height()));
      for (int y = r.Top; y < r.Bottom; ++y) {
        std::copy_n(Surface.Bits + static_cast<ptrdiff_t>(y) * Surface.Stride + r.Left, r.Width(),
                    FSnapshot.data() + static_cast<size_t>(y - r.Top) * r.Width());
      }
      FSurface = TSurface{FSnapshot.data(), r.Width(), r.Height(), r.Width()};
      FOrigin = TPoint{Origin.X - r.Left, Origin.Y - r.Top};
    }
  }
  // Row y of the source and the logical x range it holds; nullptr when the row does not exist.
  const uint32_t* Row(int Y, int& XFrom, int& XTo) const {
    const long long sy = static_cast<long long>(Y) + FOrigin.Y;
    if (!FSurface.Bits || sy < 0 || sy >= FSurface.Height) return nullptr;
    XFrom = -FOrigin.X;
    XTo = FSurface.Width - FOrigin.X;
    return FSurface.Bits + sy * FSurface.Stride + FOrigin.X;
  }
  // The logical rectangle the source holds; false when it holds nothing.
  bool Bounds(TRect& R) const {
    if (!FSurface.Bits) return false;
    R = TRect{-FOrigin.X, -FOrigin.Y, FSurface.Width - FOrigin.X, FSurface.Height - FOrigin.Y};
    return !IsRectEmpty(R);
  }
  // The pixel at logical (x, y), which must lie within Bounds().
  const uint32_t* At(int X, int Y) const {
    return FSurface.Bits + (static_cast<ptrdiff_t>(Y) + FOrigin.Y) * FSurface.Stride + X +
           FOrigin.X;
  }
  ptrdiff_t Stride() const { return FSurface.Stride; }
  // The pixel at logical (x, y) of the source, if it exists.
  bool Get(int X, int Y, uint32_t& P) const {
    const long long sx = static_cast<long long>(X) + FOrigin.X;
    const long long sy = static_cast<long long>(Y) + FOrigin.Y;
    if (!FSurface.Bits || sx < 0 || sy < 0 || sx >= FSurface.Width || sy >= FSurface.Height) {
      return false;
    }
    P = FSurface.Bits[sy * FSurface.Stride + sx];
    return true;
  }

 private:
  TSurface FSurface;
  TPoint FOrigin;
  std::vector<uint32_t> FSnapshot;
};

// Nearest-neighbour map from destination offset i in [0, |dn|) to a source offset in [0, |sn|).
int MapIndex(int I, int Dn, int Sn) {
  const long long adn = std::llabs(Dn), asn = std::llabs(Sn);
  const long long ii = Dn < 0 ? adn - 1 - I : I;
  long long s = (2 * ii + 1) * asn / (2 * adn);
  if (Sn < 0) s = -1 - s;
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

void RunCopy(CanvasPainter& Painter, const Source* source, const CopyJob& Job) {
  const int dw = Job.dest.Right - Job.dest.Left, dh = Job.dest.Bottom - Job.dest.Top;
  const int sw = Job.sourceRect.Right - Job.sourceRect.Left;
  const int sh = Job.sourceRect.Bottom - Job.sourceRect.Top;
  if (dw == 0 || dh == 0 || (source && (sw == 0 || sh == 0))) return;
  const TRect box = NormalizeRect(Job.dest);
  const int rop = (Job.rop >> 16) & 0xFF;
  if (!source) {
    Painter.ForEachRun(box, [&](uint32_t* d, int x0, int x1, int) {
      for (int x = x0; x < x1; ++x, ++d) *d = Rop3(rop, Job.pattern, 0, *d);
    });
    return;
  }
  const bool plain = rop == 0xCC && !Job.skipColor && !Job.replaceColor;
  const bool unscaled = dw == sw && dh == sh && dw > 0 && dh > 0;
  if (unscaled && plain) {
    // Straight row copies of the part the source has.
    TRect have;
    if (!source->Bounds(have)) have = TRect{};
    const long long dx = 0LL + Job.sourceRect.Left - box.Left;
    const long long dy = 0LL + Job.sourceRect.Top - box.Top;
    Painter.ForEachBlock(box, [&](uint32_t* d, ptrdiff_t stride, int x0, int y0, int w, int h) {
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
    for (int i = 0; i < box.Width(); ++i) xmap[i] = Job.sourceRect.Left + MapIndex(i, dw, sw);
  }
  Painter.ForEachRun(box, [&](uint32_t* d, int x0, int x1, int y) {
    const int sy = Job.sourceRect.Top + (unscaled ? y - box.Top : MapIndex(y - box.Top, dh, sh));
    int from, to;
    const uint32_t* row = source->Row(sy, from, to);
    if (!row) return;
    for (int x = x0; x < x1; ++x, ++d) {
      const int sx = unscaled ? x + Job.sourceRect.Left - box.Left : xmap[x - box.Left];
      if (sx < from || sx >= to) continue;
      uint32_t s = row[sx];
      if (Job.skipColor && (s & 0xFFFFFF) == *Job.skipColor) continue;
      if (Job.replaceColor && (s & 0xFFFFFF) == *Job.replaceColor) s = Job.replaceWith;
      *d = rop == 0xCC ? (s | 0xFF000000u) : Rop3(rop, Job.pattern, s, *d);
    }
  });
}

void CopyFrom(TCanvas& Canvas, const TSurface& Surface, TPoint Origin, CopyJob Job) {
  CanvasPainter painter(Canvas);
  if (painter.Empty()) return;
  const TRect src_box = NormalizeRect(Job.sourceRect);
  const Source source(Surface, Origin, Canvas.Surface(), src_box);
  RunCopy(painter, &source, Job);
}

}  // namespace

void TCanvas::Draw(int X, int Y, const TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->Empty()) return;
  const TRect dest = Bounds(X, Y, Bitmap->Width(), Bitmap->Height());
  StretchDraw(dest, Bitmap);
}

void TCanvas::StretchDraw(const TRect& R, const TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->Empty()) return;
  CopyJob job;
  job.dest = R;
  job.sourceRect = TRect{0, 0, Bitmap->Width(), Bitmap->Height()};
  job.rop = FCopyMode;
  job.pattern = ToPixel(FBrush->Color());
  if (Bitmap->Transparent()) job.skipColor = ToPixel(Bitmap->TransparentColor()) & 0xFFFFFF;
  CopyFrom(*this, Bitmap->Surface(), {}, job);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect) {
  StretchBlt(Dest, Source, SourceRect, FCopyMode);
}

void TCanvas::BrushCopy(const TRect& Dest, const TBitmap* Bitmap, const TRect& SourceRect,
                        TColor Color) {
  if (!Bitmap || Bitmap->Empty()) return;
  CopyJob job;
  job.dest = Dest;
  job.sourceRect = SourceRect;
  job.replaceColor = ToPixel(Color) & 0xFFFFFF;
  job.replaceWith = ToPixel(FBrush->Color());
  CopyFrom(*this, Bitmap->Surface(), {}, job);
}

void TCanvas::BitBlt(int X, int Y, int Width, int Height, const TCanvas* Source, int Sx, int Sy,
                     TCopyMode Rop) {
  StretchBlt(Bounds(X, Y, Width, Height), Source, Bounds(Sx, Sy, Width, Height), Rop);
}

void TCanvas::StretchBlt(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect,
                         TCopyMode Rop) {
  CopyJob job;
  job.dest = Dest;
  job.sourceRect = SourceRect;
  job.rop = Rop;
  job.pattern = ToPixel(FBrush->Color());
  const int code = (Rop >> 16) & 0xFF;
  const bool uses_source = ((code >> 2) & 0x33) != (code & 0x33);
  if (!uses_source) {
    CanvasPainter painter(*this);
    if (!painter.Empty()) RunCopy(painter, nullptr, job);
    return;
  }
  if (!Source) return;
  CopyFrom(*this, Source->Surface(), Source->Origin(), job);
}
