// Fixed, varied scenes whose pixels (and reported changed areas) are compared with fingerprints of
// known-good output, so that any change to the rasteriser that moves a single pixel shows up.
// When output changes on purpose, check the pictures by eye and record the new fingerprints.

#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "tests/scene_dice.h"

namespace {

using scene::Dice;
using scene::Fingerprint;

// Every changed area the canvas reports, with its pixels at that moment, so that shapes painted
// over later still count.
struct Recorder {
  explicit Recorder(TCanvas& canvas) {
    canvas.OnPixelsChanged = [this](TCanvas* c, const TRect& a) {
      for (int v : {a.Left, a.Top, a.Right, a.Bottom}) areas.Add(static_cast<uint32_t>(v));
      const TSurface& s = c->Surface();
      for (int y = a.Top; y < a.Bottom; ++y) {
        for (int x = a.Left; x < a.Right; ++x)
          areas.Add(s.Bits[static_cast<size_t>(y) * s.Stride + x]);
      }
    };
  }
  Fingerprint areas;
};

uint64_t Finish(const TSurface& s, const Recorder& recorder) {
  Fingerprint f;
  for (int y = 0; y < s.Height; ++y) {
    for (int x = 0; x < s.Width; ++x) f.Add(s.Bits[static_cast<size_t>(y) * s.Stride + x]);
  }
  f.Add(static_cast<uint32_t>(recorder.areas.Value()));
  f.Add(static_cast<uint32_t>(recorder.areas.Value() >> 32));
  return f.Value();
}

// A busy background, so that every pen mode and raster operation changes something visible.
void Noise(TSurface s, uint32_t seed) {
  Dice dice(seed);
  for (int y = 0; y < s.Height; ++y) {
    for (int x = 0; x < s.Width; ++x) {
      s.Bits[static_cast<size_t>(y) * s.Stride + x] = 0xFF000000u | (dice.Next() & 0xFFFFFF);
    }
  }
}

TColor RandomColor(Dice& d) { return static_cast<TColor>(d.Next() & 0xFFFFFF); }

const TPenStyle kStyles[] = {psSolid,      psDash,  psDot,        psDashDot,
                             psDashDotDot, psClear, psInsideFrame};
const int kWidths[] = {1, 1, 1, 2, 3, 4, 5, 8, 13};

// `count` shapes of every kind with random pens, brushes and boxes around a w x h area.
void RandomShapes(TCanvas& c, uint32_t seed, int count, int w, int h, bool everyMode) {
  Dice d(seed);
  for (int i = 0; i < count; ++i) {
    TPen* pen = c.Pen();
    pen->SetColor(RandomColor(d));
    pen->SetWidth(kWidths[d.In(0, 8)]);
    pen->SetStyle(kStyles[d.In(0, 6)]);
    pen->SetMode(everyMode ? static_cast<TPenMode>(i % 16) : pmCopy);
    c.Brush()->SetColor(RandomColor(d));
    if (d.In(0, 4) == 0) c.Brush()->SetStyle(bsClear);
    // Boxes from tiny to larger than the surface, some inverted, some off the edges.
    const int kind = d.In(0, 7);
    const int size = kind < 2 ? d.In(0, 4) : d.In(0, (kind < 7 ? 1 : 4) * std::max(w, h) / 2);
    const int x1 = d.In(-w / 2, w + w / 2), y1 = d.In(-h / 2, h + h / 2);
    const int x2 = x1 + d.In(-size, size), y2 = y1 + d.In(-size, size);
    const int rx = d.In(-8, w + 8), ry = d.In(-8, h + 8), sx = d.In(-8, w + 8),
              sy = d.In(-8, h + 8);
    switch (d.In(0, 11)) {
      case 0:
        c.Ellipse(x1, y1, x2, y2);
        break;
      case 1:
        c.Rectangle(x1, y1, x2, y2);
        break;
      case 2:
        c.RoundRect(x1, y1, x2, y2, d.In(-20, 60), d.In(-20, 60));
        break;
      case 3:
        c.Arc(x1, y1, x2, y2, rx, ry, sx, sy);
        break;
      case 4:
        c.Pie(x1, y1, x2, y2, rx, ry, sx, sy);
        break;
      case 5:
        c.Chord(x1, y1, x2, y2, rx, ry, sx, sy);
        break;
      case 6:
      case 7: {
        std::vector<TPoint> pts(static_cast<size_t>(d.In(1, 9)));
        for (TPoint& p : pts) p = {d.In(-w / 3, w + w / 3), d.In(-h / 3, h + h / 3)};
        if (d.In(0, 1) != 0) {
          c.Polygon(pts);
        } else {
          c.Polyline(pts);
        }
        break;
      }
      case 8:
      case 9:
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
        break;
      case 10:
        if (d.In(0, 1) != 0) {
          c.FillRect({x1, y1, x2, y2});
        } else {
          c.FrameRect({x1, y1, x2, y2});
        }
        break;
      default:
        c.SetPixels(x1, y1, RandomColor(d));
        break;
    }
    c.Brush()->SetStyle(bsSolid);
  }
}

// Corner cases drawn with the canvas's current pen and brush.
void OddShapes(TCanvas& c) {
  const TRect boxes[] = {{5, 5, 5, 5},        {5, 5, 6, 6},     {5, 5, 7, 6},
                         {5, 5, 6, 8},        {9, 9, 4, 3},     {-10, -8, 12, 9},
                         {-3, 20, 4, 21},     {30, 2, 31, 40},  {-400, -300, 500, 350},
                         {40, 40, 43, 44},    {50, 10, 90, 11}, {60, 60, 61, 95},
                         {-2500, 5, 2500, 40}};
  for (const TRect& r : boxes) {
    c.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
    c.Rectangle(r);
    c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 7, 5);
    c.Pie(r.Left, r.Top, r.Right, r.Bottom, r.Right, r.Top, r.Left, r.Bottom);
    c.Chord(r.Left, r.Top, r.Right, r.Bottom, r.Left, r.Top, r.Right, r.Top);
    c.Arc(r.Left, r.Top, r.Right, r.Bottom, 0, 0, 0, 0);
  }
  const TPoint one[] = {{20, 20}};
  const TPoint two[] = {{20, 20}, {40, 25}};
  const TPoint same[] = {{30, 30}, {30, 30}, {30, 30}};
  const TPoint flat[] = {{0, 50}, {30, 50}, {60, 50}};
  const TPoint star[] = {{50, 0},  {61, 35}, {98, 35}, {68, 57}, {79, 91},
                         {50, 70}, {21, 91}, {32, 57}, {2, 35},  {39, 35}};
  const TPoint far[] = {{-5000, -4000}, {7000, 30}, {20, 9000}};
  for (auto pts : {std::span<const TPoint>(one), std::span<const TPoint>(two),
                   std::span<const TPoint>(same), std::span<const TPoint>(flat),
                   std::span<const TPoint>(star), std::span<const TPoint>(far)}) {
    c.Polygon(pts);
    c.Polyline(pts);
  }
  c.MoveTo(-3000, -2000);
  c.LineTo(4000, 2500);
  c.MoveTo(10, 10);
  c.LineTo(10, 10);
  c.LineTo(11, 10);
  c.LineTo(11, 60);
  c.LineTo(-1, 61);
}

struct Scene {
  const char* name;
  std::function<uint64_t()> draw;
  uint64_t want;
};

// A fresh bitmap with a busy background, drawn on by `paint`.
uint64_t OnBitmap(int w, int h, uint32_t seed, const std::function<void(TCanvas&)>& paint) {
  TBitmap bmp;
  bmp.SetSize(w, h);
  Noise(bmp.Surface(), seed);
  Recorder recorder(*bmp.Canvas());
  paint(*bmp.Canvas());
  return Finish(bmp.Surface(), recorder);
}

uint64_t OddShapesEveryPenAndMode() {
  return OnBitmap(101, 67, 3, [](TCanvas& c) {
    Dice d(11);
    const int widths[] = {1, 2, 3, 6};
    const TPenStyle styles[] = {psSolid, psDot, psClear, psInsideFrame};
    for (int mode = 0; mode < 16; ++mode) {
      for (int k = 0; k < 4; ++k) {
        c.Pen()->SetMode(static_cast<TPenMode>(mode));
        c.Pen()->SetWidth(widths[k]);
        c.Pen()->SetStyle(styles[(mode + k) % 4]);
        c.Pen()->SetColor(RandomColor(d));
        c.Brush()->SetColor(RandomColor(d));
        OddShapes(c);
      }
    }
  });
}

// Copies of a noisy source in every way the canvas offers.
uint64_t Copies(bool clipped) {
  return OnBitmap(83, 61, 5, [clipped](TCanvas& c) {
    if (clipped) {
      c.SelectClipRect({3, 4, 70, 50});
      c.ExcludeClipRect({20, 10, 35, 30});
    }
    TBitmap src;
    src.SetSize(23, 17);
    Noise(src.Surface(), 6);
    for (int x = 0; x < 23; x += 3) src.Canvas()->SetPixels(x, 16, clRed);
    const TRect dests[] = {{0, 0, 23, 17},   {-5, -7, 18, 10}, {70, 50, 93, 67}, {10, 10, 50, 30},
                           {40, 40, 30, 35}, {5, 30, 12, 33},  {60, 0, 20, 20},  {1, 1, 1, 9}};
    for (const TRect& r : dests) {
      c.StretchDraw(r, &src);
      c.Draw(r.Left + 3, r.Bottom - 2, &src);
    }
    src.SetTransparent(true);
    c.Draw(30, 3, &src);
    c.StretchDraw({2, 40, 60, 58}, &src);
    src.SetTransparentColor(clRed);
    c.Draw(50, 20, &src);
    src.SetTransparent(false);
    c.Brush()->SetColor(0x3366CC);
    c.BrushCopy({7, 7, 40, 29}, &src, {2, 2, 20, 13}, clRed);
    const TCopyMode rops[] = {BLACKNESS, NOTSRCERASE, NOTSRCCOPY, SRCERASE,  DSTINVERT, PATINVERT,
                              SRCINVERT, SRCAND,      MERGEPAINT, MERGECOPY, SRCCOPY,   SRCPAINT,
                              PATCOPY,   PATPAINT,    WHITENESS,  0x00E20746};
    int i = 0;
    for (TCopyMode rop : rops) {
      const int x = (i % 6) * 13 - 4, y = (i / 6) * 19 - 3;
      c.BitBlt(x, y, 16, 14, src.Canvas(), i % 9 - 2, i % 5, rop);
      c.StretchBlt({x + 20, y + 15, x + 5, y + 2}, src.Canvas(), {0, 0, 23, 17}, rop);
      ++i;
    }
    // Overlapping copies within the same canvas, both directions.
    c.CopyRect({4, 4, 44, 34}, &c, {0, 0, 40, 30});
    c.CopyRect({0, 0, 40, 30}, &c, {6, 5, 46, 35});
    c.SetCopyMode(cmSrcInvert);
    c.CopyRect({10, 20, 70, 60}, &c, {0, 0, 30, 20});
  });
}

// Pies, chords and arcs as the round instruments draw them: boxes from a few pixels to larger
// than the surface, rays through pixel centres at simple slopes and at odd angles, sweeps small and
// reflex, without a pen and with thin ones, in every pen mode so that a pixel drawn twice or missed
// shows.
uint64_t Sweeps(bool clipped) {
  return OnBitmap(149, 103, 7, [clipped](TCanvas& c) {
    if (clipped) {
      c.SelectClipRect({9, 6, 131, 90});
      c.ExcludeClipRect({60, 30, 75, 70});
    }
    Dice d(clipped ? 13 : 12);
    const TRect boxes[] = {{20, 15, 130, 95},     {0, 20, 149, 169}, {-60, 10, 210, 280},
                           {30, 30, 37, 38},      {70, 10, 75, 90},  {5, 40, 145, 47},
                           {-300, -40, 460, 720}, {41, 22, 108, 89}};
    for (int i = 0; i < 1500; ++i) {
      TRect b = boxes[d.In(0, 7)];
      if (i % 3 != 0) {
        const int w = d.In(1, 400), h = d.In(0, 3) == 0 ? w : d.In(1, 400);
        b.Left = d.In(-150, 149 + 150) - w / 2;
        b.Top = d.In(-100, 103 + 100) - h / 2;
        b.Right = b.Left + w;
        b.Bottom = b.Top + h;
        if (d.In(0, 7) == 0) std::swap(b.Left, b.Right);
      }
      const int cx = (b.Left + b.Right) / 2, cy = (b.Top + b.Bottom) / 2;
      // Ray points at simple slopes through the centre, on the box, off its side near the
      // middle row (where the rim runs nearly straight up and down), or anywhere.
      TPoint p[2];
      for (TPoint& q : p) {
        switch (d.In(0, 3)) {
          case 0: {
            const int m = d.In(1, 40);
            q = {cx + m * d.In(-2, 2), cy + m * d.In(-2, 2)};
            break;
          }
          case 1:
            q = {d.In(std::min(b.Left, b.Right), std::max(b.Left, b.Right)),
                 d.In(0, 1) != 0 ? b.Top : b.Bottom};
            break;
          case 2:
            q = {d.In(0, 1) != 0 ? b.Right + d.In(0, 300) : b.Left - d.In(0, 300),
                 cy + d.In(-40, 40)};
            break;
          default:
            q = {d.In(-200, 350), d.In(-200, 300)};
        }
      }
      c.Pen()->SetMode(static_cast<TPenMode>(i % 16));
      c.Pen()->SetWidth(d.In(1, 3));
      c.Pen()->SetStyle(d.In(0, 2) == 0 ? psSolid : psClear);
      c.Pen()->SetColor(RandomColor(d));
      c.Brush()->SetColor(RandomColor(d));
      switch (d.In(0, 2)) {
        case 0:
          c.Pie(b.Left, b.Top, b.Right, b.Bottom, p[0].X, p[0].Y, p[1].X, p[1].Y);
          break;
        case 1:
          c.Chord(b.Left, b.Top, b.Right, b.Bottom, p[0].X, p[0].Y, p[1].X, p[1].Y);
          break;
        default:
          c.Arc(b.Left, b.Top, b.Right, b.Bottom, p[0].X, p[0].Y, p[1].X, p[1].Y);
      }
    }
  });
}

// A foreign surface with a logical origin and bounds.
uint64_t ForeignSurface() {
  std::vector<uint32_t> pixels(static_cast<size_t>(97) * 59);
  TSurface s{pixels.data(), 91, 59, 97};
  Noise(s, 9);
  TCanvas c;
  c.SetSurface(s, {13, -7}, {-10, 0, 70, 60});
  Recorder recorder(c);
  RandomShapes(c, 21, 400, 80, 60, true);
  c.SelectClipRect({-5, 10, 50, 40});
  RandomShapes(c, 22, 200, 80, 60, true);
  return Finish(s, recorder);
}

TEST(Golden, ScenesMatchTheirFingerprints) {
  const Scene scenes[] = {
      {"shapes, copy mode",
       [] {
         return OnBitmap(157, 113, 1, [](TCanvas& c) { RandomShapes(c, 1, 600, 157, 113, false); });
       },
       0xa810f8262be2c71eULL},
      {"shapes, every pen mode",
       [] {
         return OnBitmap(131, 97, 2, [](TCanvas& c) { RandomShapes(c, 2, 800, 131, 97, true); });
       },
       0x33aa14f6100ffbeeULL},
      {"shapes, clip rectangle",
       [] {
         return OnBitmap(120, 90, 3, [](TCanvas& c) {
           c.SelectClipRect({7, 11, 101, 77});
           RandomShapes(c, 3, 600, 120, 90, true);
         });
       },
       0x30901cfeba8c6284ULL},
      {"shapes, clip region",
       [] {
         return OnBitmap(120, 90, 4, [](TCanvas& c) {
           c.ExcludeClipRect({30, 20, 60, 50});
           c.ExcludeClipRect({80, 0, 90, 90});
           c.ExcludeClipRect({0, 70, 120, 75});
           RandomShapes(c, 4, 600, 120, 90, true);
         });
       },
       0x837ecd8ac3bcd0faULL},
      {"odd shapes, every pen and mode", OddShapesEveryPenAndMode, 0x4e8d9696e066933ULL},
      {"copies", [] { return Copies(false); }, 0x609a030c3eedf80bULL},
      {"copies, clip region", [] { return Copies(true); }, 0x3acd73ba4462ddeeULL},
      {"foreign surface with origin", ForeignSurface, 0x2197ee936a1f656fULL},
      {"sweeps", [] { return Sweeps(false); }, 0xce453e93e9a7e36dULL},
      {"sweeps, clip region", [] { return Sweeps(true); }, 0x78484ece961b6d0ULL},
  };
  for (const Scene& s : scenes) {
    const uint64_t got = s.draw();
    EXPECT_EQ(got, s.want) << s.name << ": got 0x" << std::hex << got;
  }
}

}  // namespace
