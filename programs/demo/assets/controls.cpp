// Pictures of switches, lamps, arrows and button symbols.

#include <cmath>
#include <numbers>
#include <string>

#include "programs/demo/assets/pictures.h"
#include "programs/demo/assets/sketch.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr TColor kPanel = RGB(192, 192, 192);

void KnobFrame(Sketch& S, int Frame) {
  S.Fill(kPanel);
  const double c = 18;
  // Eight marks from lower left round to lower right; the chosen one lit.
  for (int k = 0; k < 8; ++k) {
    const double a = (225 - k * 270.0 / 7) * kPi / 180;
    const double ca = std::cos(a), sa = -std::sin(a);
    S.Line(c + 13 * ca, c + 13 * sa, c + 16.5 * ca, c + 16.5 * sa,
           k == Frame ? RGB(255, 110, 0) : RGB(70, 70, 70), k == Frame ? 2.2 : 1.2);
  }
  S.Oval(c, c, 11.5, 11.5, RGB(60, 60, 66), RGB(30, 30, 30), 0.6);
  S.Oval(c - 1, c - 1, 9.5, 9.5, RGB(96, 96, 104));
  const double a = (225 - Frame * 270.0 / 7) * kPi / 180;
  S.Line(c + 6.8 * std::cos(a), c - 6.8 * std::sin(a), c + 10.5 * std::cos(a),
         c - 10.5 * std::sin(a), RGB(255, 255, 255), 1.8);
  S.Text(c - 0.5, c, std::to_string(Frame + 1), 8, RGB(255, 220, 120));
}

void SignalFrame(Sketch& S, int Frame) {
  S.Fill(kPanel);
  // Red, red and yellow, green, yellow: which of the three lamps burn in each phase.
  static constexpr bool kLit[4][3] = {
      {true, false, false}, {true, true, false}, {false, false, true}, {false, true, false}};
  static constexpr TColor kOn[3] = {RGB(255, 30, 20), RGB(255, 200, 0), RGB(40, 230, 60)};
  static constexpr TColor kOff[3] = {RGB(90, 20, 20), RGB(90, 76, 10), RGB(20, 76, 26)};
  S.Line(18, 30, 18, 36, RGB(60, 60, 60), 2.5);
  S.Box(11, 1, 25, 31, RGB(40, 40, 44), RGB(10, 10, 10), 0.6);
  for (int i = 0; i < 3; ++i) {
    const double y = 6 + i * 10;
    S.Oval(18, y, 4.2, 4.2, kLit[Frame][i] ? kOn[i] : kOff[i], RGB(10, 10, 10), 0.5);
    if (kLit[Frame][i]) S.Oval(16.8, y - 1.3, 1.2, 1, RGB(255, 255, 230));
  }
}

void CloseFrame(Sketch& S, int Frame) {
  S.Fill(kPanel);
  const bool lit = Frame == 0;
  const TColor plate = lit ? RGB(220, 30, 30) : RGB(110, 30, 30);
  const TColor mark = lit ? RGB(255, 255, 255) : RGB(170, 150, 150);
  S.Shape({{4, 2}, {52, 2}, {54, 4}, {54, 26}, {52, 28}, {4, 28}, {2, 26}, {2, 4}}, plate,
          RGB(60, 10, 10), 0.6);
  S.Oval(14, 15, 8, 8, clNone, mark, 1.4);
  S.Line(10.5, 11.5, 17.5, 18.5, mark, 1.8);
  S.Line(17.5, 11.5, 10.5, 18.5, mark, 1.8);
  S.Text(37, 15, "close", 10, mark);
}

void ArrowFrame(Sketch& S, int Frame, bool Left) {
  S.Fill(kPanel);
  const bool lit = Frame == 0;
  const TColor fill = lit ? RGB(255, 200, 0) : RGB(140, 140, 140);
  const TColor edge = lit ? RGB(150, 70, 0) : RGB(90, 90, 90);
  if (Left) {
    S.Shape({{2, 10}, {13, 1}, {13, 6}, {30, 6}, {30, 14}, {13, 14}, {13, 19}}, fill, edge, 0.8);
  } else {
    S.Shape({{30, 10}, {19, 1}, {19, 6}, {2, 6}, {2, 14}, {19, 14}, {19, 19}}, fill, edge, 0.8);
  }
}

// A joystick's fire button seen from above, its letter on the cap: up and dark in the first two
// frames, pressed down and lit from the third on, the light fading over the last ones.
void FireButtonFrame(Sketch& S, int Frame, const char* Letter) {
  static constexpr double kGlow[8] = {0, 0.35, 1, 0.9, 0.78, 0.66, 0.54, 0.42};
  const bool down = Frame >= 2;
  const double g = kGlow[Frame];
  S.Fill(kPanel);
  S.Oval(18, 18, 16.5, 16.5, RGB(60, 60, 66), RGB(20, 20, 20), 0.8);  // the collar
  const double r = down ? 12.5 : 14;
  const TColor cap = RGB(int(110 + 145 * g), int(20 + 40 * g), int(20 + 20 * g));
  S.Oval(18, down ? 18.5 : 17.5, r, r, cap, RGB(40, 10, 10), down ? 1.4 : 0.8);
  if (!down) S.Oval(14, 13, 4, 3, RGB(200, 120, 120));  // the highlight of a raised cap
  S.Text(18, down ? 19 : 18, Letter, 13, g > 0.5 ? RGB(255, 255, 200) : RGB(235, 225, 225));
}

// Symbols on the black face of the lit buttons.
void OffSymbol(Sketch& S) {
  S.Fill(RGB(0, 0, 0));
  const TColor c = RGB(240, 240, 240);
  // The standby sign: a ring open at the top with a bar through the gap.
  constexpr int kSteps = 40;
  double px = 0, py = 0;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = (-60 + 300.0 * i / kSteps - 90) * kPi / 180;
    const double x = 24 + 15 * std::cos(a), y = 26 + 15 * std::sin(a);
    if (i > 0) S.Line(px, py, x, y, c, 4);
    px = x;
    py = y;
  }
  S.Line(24, 6, 24, 25, c, 4);
}

void OnSymbol(Sketch& S) {
  S.Fill(RGB(0, 0, 0));
  // A lit bulb with rays.
  for (int k = 0; k < 7; ++k) {
    const double a = (180 + k * 30) * kPi / 180;
    S.Line(24 + 15 * std::cos(a), 20 + 15 * std::sin(a), 24 + 21 * std::cos(a),
           20 + 21 * std::sin(a), RGB(255, 230, 80), 2);
  }
  S.Oval(24, 20, 11, 11, RGB(255, 240, 120), RGB(250, 200, 40), 1);
  S.Shape({{18, 28}, {30, 28}, {28, 35}, {20, 35}}, RGB(255, 240, 120));
  S.Box(19, 35, 29, 43, RGB(170, 170, 176), RGB(90, 90, 96), 0.6);
  S.Line(19, 38, 29, 38, RGB(90, 90, 96), 0.8);
  S.Line(19, 41, 29, 41, RGB(90, 90, 96), 0.8);
  S.Line(21.5, 28, 24, 22, RGB(230, 140, 20), 0.8);
  S.Line(24, 22, 26.5, 28, RGB(230, 140, 20), 0.8);
}

void StopSymbol(Sketch& S) {
  S.Fill(RGB(0, 0, 0));
  std::initializer_list<SketchPoint> octagon = {{17, 4},  {31, 4},  {44, 17}, {44, 31},
                                                {31, 44}, {17, 44}, {4, 31},  {4, 17}};
  S.Shape(octagon, RGB(220, 20, 20), RGB(255, 255, 255), 1.6);
  S.Text(24, 24.5, "STOP", 11, RGB(255, 255, 255));
}

std::unique_ptr<TBitmap> Single(int Width, int Height, void (*Draw)(Sketch&)) {
  Sketch s(Width, Height);
  Draw(s);
  return s.Shrink();
}

}  // namespace

std::unique_ptr<TBitmap> DrawKnob8() { return DrawStrip(8, 36, 36, KnobFrame); }
std::unique_ptr<TBitmap> DrawSignal4() { return DrawStrip(4, 36, 36, SignalFrame); }
std::unique_ptr<TBitmap> DrawCloseButton() { return DrawStrip(2, 56, 30, CloseFrame); }
std::unique_ptr<TBitmap> DrawArrowLeft() {
  return DrawStrip(2, 32, 20, [](Sketch& s, int f) { ArrowFrame(s, f, true); });
}
std::unique_ptr<TBitmap> DrawArrowRight() {
  return DrawStrip(2, 32, 20, [](Sketch& s, int f) { ArrowFrame(s, f, false); });
}
std::unique_ptr<TBitmap> DrawFireButtonA() {
  return DrawStrip(8, 36, 36, [](Sketch& s, int f) { FireButtonFrame(s, f, "A"); });
}
std::unique_ptr<TBitmap> DrawFireButtonB() {
  return DrawStrip(8, 36, 36, [](Sketch& s, int f) { FireButtonFrame(s, f, "B"); });
}
std::unique_ptr<TBitmap> DrawSymbolOff() { return Single(48, 48, OffSymbol); }
std::unique_ptr<TBitmap> DrawSymbolOn() { return Single(48, 48, OnSymbol); }
std::unique_ptr<TBitmap> DrawSymbolStop() { return Single(48, 48, StopSymbol); }
