// The rose that opens from a bud.

#include <algorithm>
#include <cmath>

#include "programs/demo/assets/pictures.h"
#include "programs/demo/assets/sketch.h"

namespace {

constexpr TColor kStem = RGB(52, 120, 44);
constexpr TColor kLeaf = RGB(74, 156, 62);

// Red from dark to light by k in 0..1.
TColor Petal(double K) { return RGB(int(150 + 90 * K), int(16 + 40 * K), int(40 + 40 * K)); }

void RoseFrame(Sketch& S, int Frame) {
  S.Fill(RGB(250, 244, 226));
  const double t = Frame / 19.0;  // 0: bud, 1: full bloom
  const double cx = 22, cy = 15;
  S.Line(22, 43, 22, cy + 4, kStem, 2);
  S.TurnedOval(17, 31, 5, 2.2, 30, kLeaf);
  S.TurnedOval(27, 26, 5, 2.2, -30, kLeaf);
  S.Line(22, 33, 18, 31, kStem, 0.8);
  S.Line(22, 28, 26, 26, kStem, 0.8);
  // Sepals spread as the bud opens.
  const double sep = 20 + 50 * t;
  S.TurnedOval(cx - 3, cy + 4, 4, 1.4, -sep, kStem);
  S.TurnedOval(cx + 3, cy + 4, 4, 1.4, sep, kStem);
  // Outer petals open outwards; inner ones stay a tighter swirl.
  const double open = std::clamp(t * 1.15, 0.0, 1.0);
  const double reach = 2.5 + 8.5 * open;
  for (int i = 0; i < 5; ++i) {
    const double a = (i * 72 - 90 + 20 * t) * 3.14159265 / 180;
    S.TurnedOval(cx + reach * 0.55 * std::cos(a), cy + reach * 0.55 * std::sin(a), 2 + 5 * open,
                 2.5 + 3 * open, i * 72 + 20 * t, Petal(0.25), RGB(110, 10, 30), 0.5);
  }
  const double core = 3 + 3 * open;
  S.Oval(cx, cy - (1 - open) * 2, core, core + (1 - open) * 3, Petal(0.55), RGB(120, 14, 34), 0.5);
  S.Oval(cx + 0.5, cy - 0.5, core * 0.6, core * 0.55, Petal(0.85));
  S.Line(cx - core * 0.5, cy, cx + core * 0.3, cy - core * 0.4, RGB(120, 14, 34), 0.5);
  S.Line(cx - core * 0.2, cy + core * 0.4, cx + core * 0.5, cy, RGB(120, 14, 34), 0.5);
}

}  // namespace

std::unique_ptr<TBitmap> DrawRose() { return DrawStrip(20, 44, 44, RoseFrame); }
