// The rocket, the jet and the car.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "programs/demo/assets/pictures.h"
#include "programs/demo/assets/sketch.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kFrames = 20;

// Where a vehicle crossing the picture stands in frame `frame`: the middle in frame 0 (the picture
// at rest), leaving at the right and coming back from the left.
double Across(int frame, double width, double length) {
  const double travel = width + length;
  return std::fmod(width / 2 + travel * frame / kFrames + length / 2, travel) - length / 2;
}

void Stars(Sketch& s) {
  static constexpr SketchPoint kStars[] = {{5, 6},   {14, 3},  {33, 5}, {40, 13}, {9, 17},
                                           {36, 24}, {27, 12}, {3, 28}, {19, 9},  {41, 31}};
  for (const SketchPoint& p : kStars) s.Oval(p.X, p.Y, 0.6, 0.6, RGB(255, 255, 210));
}

void RocketFrame(Sketch& s, int frame) {
  s.Fill(RGB(16, 22, 60));
  Stars(s);
  s.Box(0, 40, 44, 44, RGB(70, 70, 76));
  // The tower beside the pad.
  s.Line(33, 40, 33, 16, RGB(170, 90, 40), 1.2);
  s.Line(36, 40, 36, 16, RGB(170, 90, 40), 1.2);
  for (int y = 18; y < 40; y += 5) s.Line(33, y, 36, y + 4, RGB(170, 90, 40), 0.6);
  // Frame 0 rests on the pad, frame 1 ignites, then the rocket climbs ever faster.
  const int flight = frame - 1;
  const double rise = flight > 0 ? 0.22 * flight * flight : 0;
  const double base = 38 - rise;
  if (flight >= 0) {
    // Smoke on the pad, growing and then thinning.
    // The smoke grows while the rocket climbs and thins once it has gone.
    const int thin = std::max(0, frame - 12);
    const double puff = std::min(3.0 + 1.5 * frame, 12.0) - thin;
    const int grey = 200 - 12 * thin;
    const TColor smoke = RGB(grey, grey, grey + 4);
    s.Oval(22 - puff * 0.8, 40, puff * 0.6, 2.6, smoke);
    s.Oval(22 + puff * 0.8, 40, puff * 0.6, 2.6, smoke);
    s.Oval(22, 39.5, puff * 0.5, 3, smoke);
    const double flame = 5 + 2 * (frame % 2) + std::min(4.0, flight * 0.8);
    s.Shape({{19, base}, {25, base}, {22, base + flame}}, RGB(255, 150, 20));
    s.Shape({{20.5, base}, {23.5, base}, {22, base + flame * 0.6}}, RGB(255, 240, 120));
  }
  // Fins, body, nose and window.
  s.Shape({{18, base}, {18.5, base - 6}, {14.5, base + 1}}, RGB(200, 30, 30));
  s.Shape({{26, base}, {25.5, base - 6}, {29.5, base + 1}}, RGB(200, 30, 30));
  s.Box(18.5, base - 20, 25.5, base, RGB(236, 236, 240), RGB(120, 120, 130), 0.5);
  s.Shape({{18.5, base - 20}, {22, base - 28}, {25.5, base - 20}}, RGB(210, 34, 34));
  s.Oval(22, base - 14, 1.8, 1.8, RGB(90, 170, 240), RGB(60, 60, 70), 0.5);
}

void Cloud(Sketch& s, double x, double y) {
  s.Oval(x, y, 5, 2.5, clWhite);
  s.Oval(x + 4, y - 1.5, 3.5, 2.5, clWhite);
  s.Oval(x - 3.5, y + 0.5, 3, 2, clWhite);
}

void JetFrame(Sketch& s, int frame) {
  s.Fill(RGB(120, 180, 236));
  Cloud(s, 10, 34);
  Cloud(s, 34, 10);
  const double x = Across(frame, 44, 26);
  const double y = 24 - 0.3 * (x - 22);
  s.Place(x - 22, y - 22, -12, 22, 22);
  // Contrail behind the jet.
  s.Line(-30, 23, 10, 23, RGB(236, 244, 252), 1.6);
  // Far wing, body, tail, near wing, cockpit.
  s.Shape({{20, 21}, {15, 15}, {18, 15}, {27, 21}}, RGB(140, 146, 156));
  s.Shape({{10, 20.5}, {30, 20}, {35, 22}, {30, 24}, {10, 24}}, RGB(196, 202, 212),
          RGB(90, 96, 110), 0.4);
  s.Shape({{10, 20.5}, {13, 20.5}, {15, 14}, {12, 14}}, RGB(170, 176, 190), RGB(90, 96, 110), 0.4);
  s.Shape({{18, 23}, {27, 23}, {20, 30}, {16, 30}}, RGB(160, 166, 178), RGB(90, 96, 110), 0.4);
  s.Shape({{27, 20.3}, {31, 20.2}, {33.5, 21.5}, {28, 21.6}}, RGB(40, 70, 120));
  s.Line(12, 22, 28, 22, RGB(210, 40, 40), 0.6);
}

void Wheel(Sketch& s, double cx, double cy, double turn) {
  s.Oval(cx, cy, 4, 4, RGB(30, 30, 34));
  s.Oval(cx, cy, 2.3, 2.3, RGB(180, 184, 190));
  for (int k = 0; k < 3; ++k) {
    const double a = turn + k * kPi / 3;
    s.Line(cx - 2.2 * std::cos(a), cy - 2.2 * std::sin(a), cx + 2.2 * std::cos(a),
           cy + 2.2 * std::sin(a), RGB(90, 90, 96), 0.6);
  }
}

void CarFrame(Sketch& s, int frame) {
  s.Fill(RGB(190, 222, 246));
  s.Box(0, 24, 44, 30, RGB(120, 176, 90));
  s.Box(0, 30, 44, 44, RGB(90, 90, 96));
  for (int x = -((frame * 3) % 10); x < 44; x += 10) s.Box(x, 38, x + 5, 39, RGB(240, 240, 240));
  const double x = Across(frame, 44, 34);
  s.Place(x - 22, 0);
  // Body, cabin, windows, lamps, wheels turning with the distance driven.
  s.Shape({{6, 33}, {7, 27}, {14, 26}, {18, 20}, {29, 20}, {33, 26}, {39, 27}, {39, 33}},
          RGB(214, 36, 36), RGB(120, 16, 16), 0.5);
  s.Shape({{16, 26}, {19, 21.5}, {23, 21.5}, {23, 26}}, RGB(170, 210, 240));
  s.Shape({{24.5, 26}, {24.5, 21.5}, {28.5, 21.5}, {31.5, 26}}, RGB(170, 210, 240));
  s.Box(37.5, 28, 39.5, 30, RGB(255, 236, 140));
  s.Box(6, 28, 7.5, 30, RGB(200, 20, 20));
  s.Line(23.8, 26.5, 23.8, 32, RGB(140, 20, 20), 0.5);
  const double turn = frame * 0.4;
  Wheel(s, 13, 33, turn);
  Wheel(s, 32, 33, turn);
}

}  // namespace

std::unique_ptr<TBitmap> DrawRocket() { return DrawStrip(kFrames, 44, 44, RocketFrame); }
std::unique_ptr<TBitmap> DrawJet() { return DrawStrip(kFrames, 44, 44, JetFrame); }
std::unique_ptr<TBitmap> DrawCar() { return DrawStrip(kFrames, 44, 44, CarFrame); }
