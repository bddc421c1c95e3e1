#include "platform/graphics/font.h"

#include "platform/base/numbers.h"

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

void TFont::SetName(const std::string& v) {
  if (v.empty() || v == name_) return;
  name_ = v;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int v) { SetHeight(-MulDiv(v, kPixelsPerInch, 72)); }

void TFont::SetHeight(int v) {
  if (v == height_) return;
  height_ = v;
  Changed();
}

void TFont::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}

void TFont::SetStyle(TFontStyles v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TFont::SetPitch(TFontPitch v) {
  if (v == pitch_) return;
  pitch_ = v;
  Changed();
}

void TFont::SetCharset(TFontCharset v) {
  if (v == charset_) return;
  charset_ = v;
  Changed();
}

void TFont::SetOrientation(int v) {
  if (v == orientation_) return;
  orientation_ = v;
  Changed();
}

bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
         pitch_ == o.pitch_ && charset_ == o.charset_ && orientation_ == o.orientation_;
}

void TFont::Assign(const TFont& source) {
  if (&source == this || SameAs(source)) return;
  name_ = source.name_;
  height_ = source.height_;
  color_ = source.color_;
  style_ = source.style_;
  pitch_ = source.pitch_;
  charset_ = source.charset_;
  orientation_ = source.orientation_;
  Changed();
}
