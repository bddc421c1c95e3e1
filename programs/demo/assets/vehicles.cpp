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
double Across(int Frame, double Width, double Length) {
  const double travel = Width + Length;
  return std::fmod(Width / 2 + travel * Frame / kFrames + Length / 2, travel) - Length / 2;
}

void Stars(Sketch& S) {
  static constexpr SketchPoint kStars[] = {{5, 6},   {14, 3},  {33, 5}, {40, 13}, {9, 17},
                                           {36, 24}, {27, 12}, {3, 28}, {19, 9},  {41, 31}};
  for (const SketchPoint& p : kStars) S.Oval(p.X, p.Y, 0.6, 0.6, RGB(255, 255, 210));
}

void RocketFrame(Sketch& S, int Frame) {
  S.Fill(RGB(16, 22, 60));
  Stars(S);
  S.Box(0, 40, 44, 44, RGB(70, 70, 76));
  // The tower beside the pad.
  S.Line(33, 40, 33, 16, RGB(170, 90, 40), 1.2);
  S.Line(36, 40, 36, 16, RGB(170, 90, 40), 1.2);
  for (int y = 18; y < 40; y += 5) S.Line(33, y, 36, y + 4, RGB(170, 90, 40), 0.6);
  // Frame 0 rests on the pad, frame 1 ignites, then the rocket climbs ever faster.
  const int flight = Frame - 1;
  const double rise = flight > 0 ? 0.22 * flight * flight : 0;
  const double base = 38 - rise;
  if (flight >= 0) {
    // Smoke on the pad, growing and then thinning.
    // The smoke grows while the rocket climbs and thins once it has gone.
    const int thin = std::max(0, Frame - 12);
    const double puff = std::min(3.0 + 1.5 * Frame, 12.0) - thin;
    const int grey = 200 - 12 * thin;
    const TColor smoke = RGB(grey, grey, grey + 4);
    S.Oval(22 - puff * 0.8, 40, puff * 0.6, 2.6, smoke);
    S.Oval(22 + puff * 0.8, 40, puff * 0.6, 2.6, smoke);
    S.Oval(22, 39.5, puff * 0.5, 3, smoke);
    const double flame = 5 + 2 * (Frame % 2) + std::min(4.0, flight * 0.8);
    S.Shape({{19, base}, {25, base}, {22, base + flame}}, RGB(255, 150, 20));
    S.Shape({{20.5, base}, {23.5, base}, {22, base + flame * 0.6}}, RGB(255, 240, 120));
  }
  // Fins, body, nose and window.
  S.Shape({{18, base}, {18.5, base - 6}, {14.5, base + 1}}, RGB(200, 30, 30));
  S.Shape({{26, base}, {25.5, base - 6}, {29.5, base + 1}}, RGB(200, 30, 30));
  S.Box(18.5, base - 20, 25.5, base, RGB(236, 236, 240), RGB(120, 120, 130), 0.5);
  S.Shape({{18.5, base - 20}, {22, base - 28}, {25.5, base - 20}}, RGB(210, 34, 34));
  S.Oval(22, base - 14, 1.8, 1.8, RGB(90, 170, 240), RGB(60, 60, 70), 0.5);
}

void Cloud(Sketch& S, double X, double Y) {
  S.Oval(X, Y, 5, 2.5, clWhite);
  S.Oval(X + 4, Y - 1.5, 3.5, 2.5, clWhite);
  S.Oval(X - 3.5, Y + 0.5, 3, 2, clWhite);
}

void JetFrame(Sketch& S, int Frame) {
  S.Fill(RGB(120, 180, 236));
  Cloud(S, 10, 34);
  Cloud(S, 34, 10);
  const double x = Across(Frame, 44, 26);
  const double y = 24 - 0.3 * (x - 22);
  S.Place(x - 22, y - 22, -12, 22, 22);
  // Contrail behind the jet.
  S.Line(-30, 23, 10, 23, RGB(236, 244, 252), 1.6);
  // Far wing, body, tail, near wing, cockpit.
  S.Shape({{20, 21}, {15, 15}, {18, 15}, {27, 21}}, RGB(140, 146, 156));
  S.Shape({{10, 20.5}, {30, 20}, {35, 22}, {30, 24}, {10, 24}}, RGB(196, 202, 212),
          RGB(90, 96, 110), 0.4);
  S.Shape({{10, 20.5}, {13, 20.5}, {15, 14}, {12, 14}}, RGB(170, 176, 190), RGB(90, 96, 110), 0.4);
  S.Shape({{18, 23}, {27, 23}, {20, 30}, {16, 30}}, RGB(160, 166, 178), RGB(90, 96, 110), 0.4);
  S.Shape({{27, 20.3}, {31, 20.2}, {33.5, 21.5}, {28, 21.6}}, RGB(40, 70, 120));
  S.Line(12, 22, 28, 22, RGB(210, 40, 40), 0.6);
}

void Wheel(Sketch& S, double Cx, double Cy, double Turn) {
  S.Oval(Cx, Cy, 4, 4, RGB(30, 30, 34));
  S.Oval(Cx, Cy, 2.3, 2.3, RGB(180, 184, 190));
  for (int k = 0; k < 3; ++k) {
    const double a = Turn + k * kPi / 3;
    S.Line(Cx - 2.2 * std::cos(a), Cy - 2.2 * std::sin(a), Cx + 2.2 * std::cos(a),
           Cy + 2.2 * std::sin(a), RGB(90, 90, 96), 0.6);
  }
}

void CarFrame(Sketch& S, int Frame) {
  S.Fill(RGB(190, 222, 246));
  S.Box(0, 24, 44, 30, RGB(120, 176, 90));
  S.Box(0, 30, 44, 44, RGB(90, 90, 96));
  for (int x = -((Frame * 3) % 10); x < 44; x += 10) S.Box(x, 38, x + 5, 39, RGB(240, 240, 240));
  const double x = Across(Frame, 44, 34);
  S.Place(x - 22, 0);
  // Body, cabin, windows, lamps, wheels turning with the distance driven.
  S.Shape({{6, 33}, {7, 27}, {14, 26}, {18, 20}, {29, 20}, {33, 26}, {39, 27}, {39, 33}},
          RGB(214, 36, 36), RGB(120, 16, 16), 0.5);
  S.Shape({{16, 26}, {19, 21.5}, {23, 21.5}, {23, 26}}, RGB(170, 210, 240));
  S.Shape({{24.5, 26}, {24.5, 21.5}, {28.5, 21.5}, {31.5, 26}}, RGB(170, 210, 240));
  S.Box(37.5, 28, 39.5, 30, RGB(255, 236, 140));
  S.Box(6, 28, 7.5, 30, RGB(200, 20, 20));
  S.Line(23.8, 26.5, 23.8, 32, RGB(140, 20, 20), 0.5);
  const double turn = Frame * 0.4;
  Wheel(S, 13, 33, turn);
  Wheel(S, 32, 33, turn);
}

}  // namespace

std::unique_ptr<TBitmap> DrawRocket() { return DrawStrip(kFrames, 44, 44, RocketFrame); }
std::unique_ptr<TBitmap> DrawJet() { return DrawStrip(kFrames, 44, 44, JetFrame); }
std::unique_ptr<TBitmap> DrawCar() { return DrawStrip(kFrames, 44, 44, CarFrame); }
