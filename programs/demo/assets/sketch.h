#pragma once
// Drawing kit for the demo's pictures: a frame is drawn on a finer grid in frame units and shrunk
// by averaging, which smooths the edges our canvas draws without anti-aliasing.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/graphics/bitmap.h"

struct SketchPoint {
  double X = 0;
  double Y = 0;
};

class Sketch {
 public:
  Sketch(int Width, int Height, int Fineness = 4);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Everything drawn later is shifted by (dx, dy) and turned by `degrees` (clockwise on screen)
  // about (cx, cy); Reset() removes it.
  void Place(double Dx, double Dy, double Degrees = 0, double Cx = 0, double Cy = 0);
  void Reset() { Place(0, 0); }
  SketchPoint Map(SketchPoint P) const;

  // clNone as fill or outline leaves that part out.
  void Fill(TColor Color);
  void Box(double Left, double Top, double Right, double Bottom, TColor Fill,
           TColor Outline = clNone, double LineWidth = 1);
  void Oval(double Cx, double Cy, double Rx, double Ry, TColor Fill, TColor Outline = clNone,
            double LineWidth = 1);
  // An oval whose axes are turned by `degrees` with the placement's turn added.
  void TurnedOval(double Cx, double Cy, double Rx, double Ry, double Degrees, TColor Fill,
                  TColor Outline = clNone, double LineWidth = 1);
  void Shape(std::initializer_list<SketchPoint> Points, TColor Fill, TColor Outline = clNone,
             double LineWidth = 1);
  void Line(double X1, double Y1, double X2, double Y2, TColor Color, double LineWidth = 1);
  // Text centred on (cx, cy); size is the character height in frame units.
  void Text(double Cx, double Cy, const std::string& Text, double Size, TColor Color,
            bool Bold = true);

  // The frame at its real size.
  std::unique_ptr<TBitmap> Shrink() const;

 private:
  int Px(double V) const;
  TPoint Pt(SketchPoint P) const;
  void SetPen(TColor Outline, double LineWidth);
  void SetBrush(TColor Fill);

  int FWidth;
  int FHeight;
  int FFine;
  std::unique_ptr<TBitmap> FBig;
  double FDx = 0, FDy = 0, FCos = 1, FSin = 0, FCx = 0, FCy = 0;
};

// A strip of `frames` pictures, each width x height, side by side; draw(sketch, i) draws frame i
// (0-based) on a fresh sketch.
std::unique_ptr<TBitmap> DrawStrip(int Frames, int Width, int Height,
                                   const std::function<void(Sketch&, int)>& Draw);

// The strip with every frame mirrored left to right, in the same frame order.
std::unique_ptr<TBitmap> MirrorFrames(const TBitmap& Strip, int Frames);
