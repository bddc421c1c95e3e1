// The running dog and the swinging monkey.

#include <cmath>
#include <numbers>

#include "programs/demo/assets/pictures.h"
#include "programs/demo/assets/sketch.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr TColor kSky = RGB(206, 230, 250);
constexpr TColor kGrass = RGB(96, 168, 72);
constexpr TColor kFur = RGB(166, 102, 48);
constexpr TColor kFurFar = RGB(122, 72, 32);
constexpr TColor kFurDark = RGB(92, 52, 22);
constexpr TColor kBlack = RGB(20, 16, 12);

// A leg from the hip: thigh turned by `hip` degrees from straight down (positive swings it
// forward), shin bent by `knee` further.
void Leg(Sketch& S, double X, double Y, double Hip, double Knee, TColor Colour) {
  const double a = Hip * kPi / 180, b = (Hip + Knee) * kPi / 180;
  const double kx = X + 6.5 * std::sin(a), ky = Y + 6.5 * std::cos(a);
  const double px = kx + 6.5 * std::sin(b), py = ky + 6.5 * std::cos(b);
  S.Line(X, Y, kx, ky, Colour, 3.4);
  S.Line(kx, ky, px, py, Colour, 2.6);
  S.Oval(px + 1, py, 2, 1.2, Colour);
}

void DogFrame(Sketch& S, int Frame) {
  S.Fill(kSky);
  S.Box(0, 35, 64, 40, kGrass);
  S.Line(0, 35, 64, 35, RGB(70, 130, 50), 0.8);
  const double p = 2 * kPi * Frame / 6;
  const double bob = -1.6 * std::sin(2 * p);
  // Gallop: front and rear pairs swing against each other, the far leg of a pair a little later.
  const double swing = 38;
  const double front_near = swing * std::sin(p), front_far = swing * std::sin(p + 0.7);
  const double rear_near = swing * std::sin(p + kPi), rear_far = swing * std::sin(p + kPi + 0.7);
  const double y = 20 + bob;
  S.Place(0, 0, -4 * std::cos(p), 32, y);
  Leg(S, 42, y + 2, front_far, -std::max(0.0, front_far) * 0.9, kFurFar);
  Leg(S, 20, y + 2, rear_far, 35 - std::max(0.0, -rear_far) * 0.4, kFurFar);
  // Tail, wagging with the stride.
  const double tail_tip = y - 8 + 2 * std::sin(p);
  S.Line(17, y - 3, 10, tail_tip, kFur, 2.6);
  S.Line(10, tail_tip, 7, tail_tip - 2, kFur, 2);
  // Body, neck and head.
  S.Oval(30, y, 14, 6.6, kFur);
  S.Oval(33, y + 3, 8, 3, RGB(196, 140, 84));
  S.Shape({{38, y - 4}, {45, y - 12}, {50, y - 8}, {44, y + 2}}, kFur);
  S.Oval(48, y - 11, 5.6, 4.8, kFur);
  S.Shape({{51, y - 14}, {58, y - 11.5}, {58, y - 8.5}, {51, y - 7}}, kFur);
  S.Oval(58, y - 11, 1.5, 1.3, kBlack);
  S.Line(53, y - 7.6, 57.5, y - 8.2, kFurDark, 0.7);
  S.Oval(49.5, y - 12.5, 1.1, 1.1, kBlack);
  S.TurnedOval(44.5, y - 10, 2.4, 5, 25 + 10 * std::sin(p), kFurDark);
  Leg(S, 42, y + 2, front_near, -std::max(0.0, front_near) * 0.9, kFur);
  Leg(S, 20, y + 2, rear_near, 35 - std::max(0.0, -rear_near) * 0.4, kFur);
  S.Line(38, y - 3, 41, y - 5, RGB(200, 30, 30), 1.4);  // collar
}

constexpr TColor kMonkey = RGB(120, 78, 40);
constexpr TColor kFace = RGB(232, 196, 150);
constexpr TColor kBark = RGB(104, 70, 36);
constexpr TColor kLeaf = RGB(70, 150, 60);

void MonkeyFrame(Sketch& S, int Frame) {
  S.Fill(RGB(214, 236, 214));
  // The branch and a few leaves.
  S.Line(0, 5, 40, 4, kBark, 3);
  S.TurnedOval(6, 8, 4, 2, 30, kLeaf);
  S.TurnedOval(34, 7.5, 4, 2, -30, kLeaf);
  S.TurnedOval(29, 2.5, 3.5, 1.8, 15, kLeaf);
  // Half a step off the extremes, so that no two neighbouring frames show the same swing.
  const double swing = 28 * std::sin(2 * kPi * (Frame + 0.5) / 10);
  // Hands on the branch; the body swings about them, the legs trail a little.
  S.Place(0, 0, -swing, 20, 5);
  S.Line(16, 5, 17, 18, kMonkey, 2.4);  // left arm up to the branch
  S.Line(24, 5, 24, 17, kMonkey, 2.4);  // right arm
  S.Oval(16, 5, 1.6, 1.6, kFace);
  S.Oval(24, 5, 1.6, 1.6, kFace);
  // Tail curling to the side.
  S.Line(18, 33, 10, 36, kMonkey, 1.8);
  S.Line(10, 36, 7, 31, kMonkey, 1.6);
  S.Line(7, 31, 9, 28, kMonkey, 1.4);
  S.Oval(20, 27, 6, 8, kMonkey);
  S.Oval(20, 28, 3.6, 5.4, kFace);
  // The legs trail behind the swing.
  const double trail = 0.12 * swing;
  S.Line(17, 33, 15 + trail, 43, kMonkey, 2.6);
  S.Line(23, 33, 25 + trail, 43, kMonkey, 2.6);
  S.Oval(14.5 + trail, 44, 2, 1.3, kFace);
  S.Oval(25.5 + trail, 44, 2, 1.3, kFace);
  // Head between the arms.
  S.Oval(14.5, 14, 2.2, 2.2, kMonkey);
  S.Oval(25.5, 14, 2.2, 2.2, kMonkey);
  S.Oval(14.5, 14, 1.2, 1.2, kFace);
  S.Oval(25.5, 14, 1.2, 1.2, kFace);
  S.Oval(20, 14, 5.2, 5, kMonkey);
  S.Oval(20, 15.2, 3.8, 3.4, kFace);
  S.Oval(18.4, 13.4, 0.8, 0.9, kBlack);
  S.Oval(21.6, 13.4, 0.8, 0.9, kBlack);
  S.Line(18.6, 16.8, 21.4, 16.8, kBlack, 0.6);
}

}  // namespace

std::unique_ptr<TBitmap> DrawDog() { return DrawStrip(6, 64, 40, DogFrame); }
std::unique_ptr<TBitmap> DrawDogv() { return MirrorFrames(*DrawDog(), 6); }
std::unique_ptr<TBitmap> DrawMonkey() { return DrawStrip(10, 40, 48, MonkeyFrame); }
