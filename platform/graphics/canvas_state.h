#pragma once
// Saves what a drawing routine changes of a canvas and puts it back at the end of the scope, so
// that the routine leaves the canvas's state (which persists between paints) as it found it.

#include "platform/graphics/canvas.h"

enum TCanvasPart : unsigned { cpPen = 1, cpBrush = 2, cpFont = 4, cpClip = 8, cpAll = 15 };

class TCanvasSaver {
 public:
  // Parts: the cpPen, cpBrush, cpFont and cpClip bits to save (the pen holds its mode; the clip
  // is the selected region or none).
  explicit TCanvasSaver(TCanvas& Canvas, unsigned Parts = cpAll) : FCanvas(Canvas), FParts(Parts) {
    if (FParts & cpPen) FPen.Assign(*Canvas.Pen());
    if (FParts & cpBrush) FBrush.Assign(*Canvas.Brush());
    if (FParts & cpFont) FFont.Assign(*Canvas.Font());
    if (FParts & cpClip) {
      const TRegion* clip = Canvas.ClipRgn();
      FHadClip = clip != nullptr;
      if (FHadClip) FClip = *clip;
    }
  }
  ~TCanvasSaver() {
    if (FParts & cpPen) FCanvas.SetPen(&FPen);
    if (FParts & cpBrush) FCanvas.SetBrush(&FBrush);
    if (FParts & cpFont) FCanvas.SetFont(&FFont);
    if (FParts & cpClip) FCanvas.SelectClipRgn(FHadClip ? &FClip : nullptr);
  }
  TCanvasSaver(const TCanvasSaver&) = delete;
  TCanvasSaver& operator=(const TCanvasSaver&) = delete;

 private:
  TCanvas& FCanvas;
  const unsigned FParts;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  bool FHadClip = false;
  TRegion FClip;
};
