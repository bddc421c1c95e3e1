#pragma once
// Test helpers: a small bitmap and a picture of its pixels as text, one character per pixel.

#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"

// '#' where the pixel is `ink`, '.' where it is anything else; rows joined by '\n'.
inline std::string Picture(const TBitmap& bmp, TColor ink, TRect area = {}) {
  if (IsRectEmpty(area)) area = {0, 0, bmp.Width(), bmp.Height()};
  std::string out;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      out += const_cast<TBitmap&>(bmp).Canvas()->Pixels(x, y) == ink ? '#' : '.';
    }
    out += '\n';
  }
  return out;
}

inline std::string Rows(std::initializer_list<const char*> rows) {
  std::string out;
  for (const char* r : rows) {
    out += r;
    out += '\n';
  }
  return out;
}

// A white bitmap of the given size; the canvas's brush is left as it was.
inline void MakeWhite(TBitmap& bmp, int w, int h) {
  bmp.SetSize(w, h);
  TBrush saved;
  saved.Assign(*bmp.Canvas()->Brush());
  bmp.Canvas()->Brush()->SetColor(clWhite);
  bmp.Canvas()->FillRect({0, 0, w, h});
  bmp.Canvas()->SetBrush(&saved);
}

inline int CountInk(const TBitmap& bmp, TColor ink) {
  int n = 0;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x)
      n += const_cast<TBitmap&>(bmp).Canvas()->Pixels(x, y) == ink;
  }
  return n;
}
