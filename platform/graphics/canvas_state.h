#pragma once
// Saves what a drawing routine changes of a canvas and puts it back at the end of the scope, so
// that the routine leaves the canvas's state (which persists between paints) as it found it.

#include <optional>

#include "platform/graphics/canvas.h"

enum TCanvasPart : unsigned { cpPen = 1, cpBrush = 2, cpFont = 4, cpClip = 8, cpAll = 15 };

class TCanvasSaver {
 public:
  // Parts: the cpPen, cpBrush, cpFont and cpClip bits to save (the pen holds its mode; the clip
  // is the selected region or none). Only those parts are copied: savers sit in the value
  // update's path.
  explicit TCanvasSaver(TCanvas& Canvas, unsigned Parts = cpAll) : FCanvas(Canvas) {
    if (Parts & cpPen) FPen.emplace().Assign(*Canvas.Pen());
    if (Parts & cpBrush) FBrush.emplace().Assign(*Canvas.Brush());
    if (Parts & cpFont) FFont.emplace().Assign(*Canvas.Font());
    if (Parts & cpClip) {
      FClipSaved = true;
      const TRegion* clip = Canvas.ClipRgn();
      FHadClip = clip != nullptr;
      if (FHadClip) FClip = *clip;
    }
  }
  ~TCanvasSaver() {
    if (FPen) FCanvas.SetPen(&*FPen);
    if (FBrush) FCanvas.SetBrush(&*FBrush);
    if (FFont) FCanvas.SetFont(&*FFont);
    if (FClipSaved) FCanvas.SelectClipRgn(FHadClip ? &FClip : nullptr);
  }
  TCanvasSaver(const TCanvasSaver&) = delete;
  TCanvasSaver& operator=(const TCanvasSaver&) = delete;

 private:
  TCanvas& FCanvas;
  std::optional<TPen> FPen;
  std::optional<TBrush> FBrush;
  std::optional<TFont> FFont;
  bool FClipSaved = false;
  bool FHadClip = false;
  TRegion FClip;
};
