#pragma once
// Saves what a drawing routine changes of a canvas and puts it back at the end of the scope, so
// that the routine leaves the canvas's state (which persists between paints) as it found it.

#include "platform/graphics/canvas.h"

enum TCanvasPart : unsigned { cpPen = 1, cpBrush = 2, cpFont = 4, cpClip = 8, cpAll = 15 };

class TCanvasSaver {
 public:
  // Parts: the cpPen, cpBrush, cpFont and cpClip bits to save (the pen holds its mode; the clip
  // is the selected region or none).
  explicit TCanvasSaver(TCanvas& Canvas, unsigned Parts = cpAll) : canvas_(Canvas), parts_(Parts) {
    if (parts_ & cpPen) pen_.Assign(*Canvas.Pen());
    if (parts_ & cpBrush) brush_.Assign(*Canvas.Brush());
    if (parts_ & cpFont) font_.Assign(*Canvas.Font());
    if (parts_ & cpClip) {
      const TRegion* clip = Canvas.ClipRgn();
      hadClip_ = clip != nullptr;
      if (hadClip_) clip_ = *clip;
    }
  }
  ~TCanvasSaver() {
    if (parts_ & cpPen) canvas_.SetPen(&pen_);
    if (parts_ & cpBrush) canvas_.SetBrush(&brush_);
    if (parts_ & cpFont) canvas_.SetFont(&font_);
    if (parts_ & cpClip) canvas_.SelectClipRgn(hadClip_ ? &clip_ : nullptr);
  }
  TCanvasSaver(const TCanvasSaver&) = delete;
  TCanvasSaver& operator=(const TCanvasSaver&) = delete;

 private:
  TCanvas& canvas_;
  const unsigned parts_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  bool hadClip_ = false;
  TRegion clip_;
};
