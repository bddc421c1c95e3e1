#pragma once
// Pictures of the button, LED, time-switch, bitmap-strip and game-port demo forms, drawn in code.
// Each is a strip of equally wide frames side by side, as the bitmap strip button takes it.

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"

struct DemoPictureAsset {
  std::string FileName;  // under which the asset generator stores it beside the program
  int Frames;
  std::unique_ptr<TBitmap> (*Draw)();
};

// Every picture of these forms, for the asset generator.
const std::vector<DemoPictureAsset>& ButtonDemoPictures();

// A dog running to the right, 6 frames.
std::unique_ptr<TBitmap> DrawDog();
// The same dog running to the left.
std::unique_ptr<TBitmap> DrawDogv();
// A monkey swinging on a branch, 10 frames.
std::unique_ptr<TBitmap> DrawMonkey();
// A rose opening from bud to bloom, 20 frames.
std::unique_ptr<TBitmap> DrawRose();
// A rocket lifting off and leaving the picture at the top, 20 frames.
std::unique_ptr<TBitmap> DrawRocket();
// A jet crossing the sky, 20 frames.
std::unique_ptr<TBitmap> DrawJet();
// A car driving across the road, 20 frames.
std::unique_ptr<TBitmap> DrawCar();
// A rotary knob pointing at positions 1..8, 8 frames.
std::unique_ptr<TBitmap> DrawKnob8();
// A traffic light: red, red and yellow, green, yellow; 4 frames.
std::unique_ptr<TBitmap> DrawSignal4();
// A close button: lit and dark, 2 frames.
std::unique_ptr<TBitmap> DrawCloseButton();
// Arrows pointing left or right: lit and dark, 2 frames.
std::unique_ptr<TBitmap> DrawArrowLeft();
std::unique_ptr<TBitmap> DrawArrowRight();
// A joystick's fire button A or B: up in frames 1 and 2, down and lit from frame 3 on; 8 frames.
std::unique_ptr<TBitmap> DrawFireButtonA();
std::unique_ptr<TBitmap> DrawFireButtonB();
// Symbols of the three lit picture buttons: off, on and stop.
std::unique_ptr<TBitmap> DrawSymbolOff();
std::unique_ptr<TBitmap> DrawSymbolOn();
std::unique_ptr<TBitmap> DrawSymbolStop();
