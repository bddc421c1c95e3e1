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
void Leg(Sketch& s, double x, double y, double hip, double knee, TColor colour) {
  const double a = hip * kPi / 180, b = (hip + knee) * kPi / 180;
  const double kx = x + 6.5 * std::sin(a), ky = y + 6.5 * std::cos(a);
  const double px = kx + 6.5 * std::sin(b), py = ky + 6.5 * std::cos(b);
  s.Line(x, y, kx, ky, colour, 3.4);
  s.Line(kx, ky, px, py, colour, 2.6);
  s.Oval(px + 1, py, 2, 1.2, colour);
}

void DogFrame(Sketch& s, int frame) {
  s.Fill(kSky);
  s.Box(0, 35, 64, 40, kGrass);
  s.Line(0, 35, 64, 35, RGB(70, 130, 50), 0.8);
  const double p = 2 * kPi * frame / 6;
  const double bob = -1.6 * std::sin(2 * p);
  // Gallop: front and rear pairs swing against each other, the far leg of a pair a little later.
  const double swing = 38;
  const double front_near = swing * std::sin(p), front_far = swing * std::sin(p + 0.7);
  const double rear_near = swing * std::sin(p + kPi), rear_far = swing * std::sin(p + kPi + 0.7);
  const double y = 20 + bob;
  s.Place(0, 0, -4 * std::cos(p), 32, y);
  Leg(s, 42, y + 2, front_far, -std::max(0.0, front_far) * 0.9, kFurFar);
  Leg(s, 20, y + 2, rear_far, 35 - std::max(0.0, -rear_far) * 0.4, kFurFar);
  // Tail, wagging with the stride.
  const double tail_tip = y - 8 + 2 * std::sin(p);
  s.Line(17, y - 3, 10, tail_tip, kFur, 2.6);
  s.Line(10, tail_tip, 7, tail_tip - 2, kFur, 2);
  // Body, neck and head.
  s.Oval(30, y, 14, 6.6, kFur);
  s.Oval(33, y + 3, 8, 3, RGB(196, 140, 84));
  s.Shape({{38, y - 4}, {45, y - 12}, {50, y - 8}, {44, y + 2}}, kFur);
  s.Oval(48, y - 11, 5.6, 4.8, kFur);
  s.Shape({{51, y - 14}, {58, y - 11.5}, {58, y - 8.5}, {51, y - 7}}, kFur);
  s.Oval(58, y - 11, 1.5, 1.3, kBlack);
  s.Line(53, y - 7.6, 57.5, y - 8.2, kFurDark, 0.7);
  s.Oval(49.5, y - 12.5, 1.1, 1.1, kBlack);
  s.TurnedOval(44.5, y - 10, 2.4, 5, 25 + 10 * std::sin(p), kFurDark);
  Leg(s, 42, y + 2, front_near, -std::max(0.0, front_near) * 0.9, kFur);
  Leg(s, 20, y + 2, rear_near, 35 - std::max(0.0, -rear_near) * 0.4, kFur);
  s.Line(38, y - 3, 41, y - 5, RGB(200, 30, 30), 1.4);  // collar
}

constexpr TColor kMonkey = RGB(120, 78, 40);
constexpr TColor kFace = RGB(232, 196, 150);
constexpr TColor kBark = RGB(104, 70, 36);
constexpr TColor kLeaf = RGB(70, 150, 60);

void MonkeyFrame(Sketch& s, int frame) {
  s.Fill(RGB(214, 236, 214));
  // The branch and a few leaves.
  s.Line(0, 5, 40, 4, kBark, 3);
  s.TurnedOval(6, 8, 4, 2, 30, kLeaf);
  s.TurnedOval(34, 7.5, 4, 2, -30, kLeaf);
  s.TurnedOval(29, 2.5, 3.5, 1.8, 15, kLeaf);
  // Half a step off the extremes, so that no two neighbouring frames show the same swing.
  const double swing = 28 * std::sin(2 * kPi * (frame + 0.5) / 10);
  // Hands on the branch; the body swings about them, the legs trail a little.
  s.Place(0, 0, -swing, 20, 5);
  s.Line(16, 5, 17, 18, kMonkey, 2.4);  // left arm up to the branch
  s.Line(24, 5, 24, 17, kMonkey, 2.4);  // right arm
  s.Oval(16, 5, 1.6, 1.6, kFace);
  s.Oval(24, 5, 1.6, 1.6, kFace);
  // Tail curling to the side.
  s.Line(18, 33, 10, 36, kMonkey, 1.8);
  s.Line(10, 36, 7, 31, kMonkey, 1.6);
  s.Line(7, 31, 9, 28, kMonkey, 1.4);
  s.Oval(20, 27, 6, 8, kMonkey);
  s.Oval(20, 28, 3.6, 5.4, kFace);
  // The legs trail behind the swing.
  const double trail = 0.12 * swing;
  s.Line(17, 33, 15 + trail, 43, kMonkey, 2.6);
  s.Line(23, 33, 25 + trail, 43, kMonkey, 2.6);
  s.Oval(14.5 + trail, 44, 2, 1.3, kFace);
  s.Oval(25.5 + trail, 44, 2, 1.3, kFace);
  // Head between the arms.
  s.Oval(14.5, 14, 2.2, 2.2, kMonkey);
  s.Oval(25.5, 14, 2.2, 2.2, kMonkey);
  s.Oval(14.5, 14, 1.2, 1.2, kFace);
  s.Oval(25.5, 14, 1.2, 1.2, kFace);
  s.Oval(20, 14, 5.2, 5, kMonkey);
  s.Oval(20, 15.2, 3.8, 3.4, kFace);
  s.Oval(18.4, 13.4, 0.8, 0.9, kBlack);
  s.Oval(21.6, 13.4, 0.8, 0.9, kBlack);
  s.Line(18.6, 16.8, 21.4, 16.8, kBlack, 0.6);
}

}  // namespace

std::unique_ptr<TBitmap> DrawDog() { return DrawStrip(6, 64, 40, DogFrame); }
std::unique_ptr<TBitmap> DrawDogv() { return MirrorFrames(*DrawDog(), 6); }
std::unique_ptr<TBitmap> DrawMonkey() { return DrawStrip(10, 40, 48, MonkeyFrame); }
