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
  Sketch(int width, int height, int fineness = 4);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Everything drawn later is shifted by (dx, dy) and turned by `degrees` (clockwise on screen)
  // about (cx, cy); Reset() removes it.
  void Place(double dx, double dy, double degrees = 0, double cx = 0, double cy = 0);
  void Reset() { Place(0, 0); }
  SketchPoint Map(SketchPoint p) const;

  // clNone as fill or outline leaves that part out.
  void Fill(TColor color);
  void Box(double left, double top, double right, double bottom, TColor fill,
           TColor outline = clNone, double line_width = 1);
  void Oval(double cx, double cy, double rx, double ry, TColor fill, TColor outline = clNone,
            double line_width = 1);
  // An oval whose axes are turned by `degrees` with the placement's turn added.
  void TurnedOval(double cx, double cy, double rx, double ry, double degrees, TColor fill,
                  TColor outline = clNone, double line_width = 1);
  void Shape(std::initializer_list<SketchPoint> points, TColor fill, TColor outline = clNone,
             double line_width = 1);
  void Line(double x1, double y1, double x2, double y2, TColor color, double line_width = 1);
  // Text centred on (cx, cy); size is the character height in frame units.
  void Text(double cx, double cy, const std::string& text, double size, TColor color,
            bool bold = true);

  // The frame at its real size.
  std::unique_ptr<TBitmap> Shrink() const;

 private:
  int Px(double v) const;
  TPoint Pt(SketchPoint p) const;
  void SetPen(TColor outline, double line_width);
  void SetBrush(TColor fill);

  int FWidth;
  int FHeight;
  int FFine;
  std::unique_ptr<TBitmap> FBig;
  double FDx = 0, FDy = 0, FCos = 1, FSin = 0, FCx = 0, FCy = 0;
};

// A strip of `frames` pictures, each width x height, side by side; draw(sketch, i) draws frame i
// (0-based) on a fresh sketch.
std::unique_ptr<TBitmap> DrawStrip(int frames, int width, int height,
                                   const std::function<void(Sketch&, int)>& draw);

// The strip with every frame mirrored left to right, in the same frame order.
std::unique_ptr<TBitmap> MirrorFrames(const TBitmap& strip, int frames);
