#include "platform/graphics/pen_brush.h"

void TPen::Changed() {
  if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}

void TPen::SetWidth(int v) {
  if (v < 1) v = 1;
  if (v == width_) return;
  width_ = v;
  Changed();
}

void TPen::SetStyle(TPenStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TPen::SetMode(TPenMode v) {
  if (v == mode_) return;
  mode_ = v;
  Changed();
}

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  if (source.color_ == color_ && source.width_ == width_ && source.style_ == style_ &&
      source.mode_ == mode_) {
    return;
  }
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange(this);
}

void TBrush::SetColor(TColor v) {
  if (v == color_ && style_ != bsClear) return;
  color_ = v;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  if (&source == this) return;
  if (source.color_ == color_ && source.style_ == style_) return;
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}
