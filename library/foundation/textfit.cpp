#include <algorithm>
#include <cstdlib>
#include <string>

#include "library/foundation/helpers.h"
#include "library/foundation/types.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr size_t kMaxWrapText = 255;

void SetMakerFont(TCanvas& Canvas) {
  TFont* font = Canvas.Font();
  font->SetName("Arial");
  font->SetHeight(-9);
  font->SetStyle({});
  font->SetColor(clGray);
}

bool IsSeparator(unsigned char ch) {
  return (ch >= 32 && ch <= 47) || (ch >= 58 && ch <= 64) || ch == '[' || ch == '~';
}

// Length of the first line of S: up to the last separator before the width is reached, or up to
// a forced break ('|', which becomes a blank and stays with the line).
size_t FirstLineLength(TCanvas& Canvas, int Width, std::string& S) {
  const size_t n = S.size();
  size_t brk = 0;
  size_t i = 1;
  for (; i < n; ++i) {  // i counts characters from 1; the last one is never looked at
    char& ch = S[i - 1];
    if (ch == '|') {
      ch = ' ';
      brk = i;
      break;
    }
    if (IsSeparator(static_cast<unsigned char>(ch))) {
      // A blank before the separator stays with this line as well.
      brk = (i > 1 && S[i - 2] == ' ') ? i - 1 : i;
    }
    if (Canvas.TextWidth(S.substr(0, i)) >= Width) break;
  }
  return brk == 0 ? i : brk;
}

}  // namespace

int WrapTextToWidth(TCanvas& Canvas, int Width, std::string& Text) {
  std::string s = Text.substr(0, kMaxWrapText);
  auto needs_break = [&] {
    return s.find('|') != std::string::npos || Canvas.TextWidth(s) > Width;
  };
  if (s.size() < 4 || !needs_break()) return 1;
  int count = 0;
  std::string out;
  while (needs_break()) {
    if (s.size() < 2) break;
    size_t brk = FirstLineLength(Canvas, Width, s);
    out += '\r';
    out.append(s, 0, brk);
    ++count;
    s.erase(0, brk);
  }
  if (!s.empty()) {
    ++count;
    out += '\r';
    out += s;
  }
  if (!out.empty() && out[0] == '\r') out.erase(0, 1);
  Text = out;
  return count;
}

void FitFontToRect(TCanvas& Canvas, const TRect& R, const std::string& Text) {
  TFont& font = *Canvas.Font();
  if (Text.empty()) {
    font.SetSize(10);
    return;
  }
  const int64_t h = static_cast<int64_t>(R.Bottom) - R.Top;
  const int64_t w = static_cast<int64_t>(R.Right) - R.Left;
  auto line_height = [&] { return Round(std::abs(font.Height()) * 1.1L); };
  auto text_width = [&] { return static_cast<int64_t>(Canvas.TextWidth(Text)); };
  // One size step; false when the size is at its limit or the step changed nothing.
  auto step = [&](int delta) {
    const int size = font.Size();
    const int next = std::clamp(size + delta, 1, kMaxFitFontSize);
    if (next == size) return false;
    const int height = font.Height();
    font.SetSize(next);
    return font.Height() != height;
  };
  if (h >= std::abs(font.Height()) && w >= text_width()) {
    while (h > line_height() && w > text_width()) {
      if (!step(+1)) return;
    }
    if (h < line_height() || w < text_width()) step(-1);
  } else {
    while (h < line_height() || w < text_width()) {
      if (!step(-1)) return;
    }
  }
}

int FieldInset(const TRect& Inner, int Width, int Height) {
  const int side = Width > Height ? Inner.Height() : Inner.Width();
  return static_cast<int>(Round(0.04L * side));
}

int MakerMarkWidth(TCanvas& Canvas) {
  const TCanvasSaver keep(Canvas, cpFont);
  SetMakerFont(Canvas);
  return Canvas.TextWidth(kMakerMark);
}

void DrawMakerMark(TCanvas& Canvas, int X, int Y) {
  const TCanvasSaver keep(Canvas, cpFont | cpBrush);
  SetMakerFont(Canvas);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.TextOut(X, Y, kMakerMark);
}
