// Text output: glyph masks placed by the top-left of the text cell, optionally turned about it.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_painter.h"
#include "platform/graphics/font_engine.h"

namespace {

int Width(const RealizedFont& F, const std::string& Text) {
  int w = 0;
  for (unsigned char c : Text) w += F.Advance(c);
  return w;
}

// Calls ink(x, y) for every inked pixel of the text, relative to the cell's top-left.
template <typename Ink>
void ForEachInk(const RealizedFont& f, const std::string& Text, Ink Plot) {
  int pen = 0;
  for (unsigned char c : Text) {
    const GlyphMask& g = f.Glyph(c);
    for (int y = 0; y < g.height; ++y) {
      const uint8_t* row = g.bits.data() + static_cast<size_t>(y) * g.width;
      for (int x = 0; x < g.width; ++x) {
        if (row[x]) Plot(pen + g.left + x, g.top + y);
      }
    }
    pen += f.Advance(c);
  }
  const TTextMetric& m = f.Metric();
  const int width = pen;
  auto bar = [&](int top) {
    for (int y = top; y < top + f.LineThickness(); ++y) {
      for (int x = 0; x < width; ++x) Plot(x, y);
    }
  };
  if (m.tmUnderlined) bar(f.UnderlineTop());
  if (m.tmStruckOut) bar(f.StrikeOutTop());
}

// The ink as spans (rows of the cell), for unturned text.
void TextSpans(const RealizedFont& F, const std::string& Text, int X, int Y, raster::Spans& Out) {
  ForEachInk(F, Text, [&](int px, int py) { Out.push_back({Y + py, X + px, X + px + 1}); });
}

}  // namespace

namespace {

void PaintText(TCanvas& Canvas, CanvasPainter& Painter, int X, int Y, const std::string& Text,
               bool Opaque) {
  if (Painter.Empty()) return;
  const RealizedFont& f = RealizeFont(*Canvas.Font());
  const int width = Width(f, Text);
  const int height = f.Metric().tmHeight;
  const uint32_t ink = ToPixel(Canvas.Font()->Color());
  const uint32_t back = ToPixel(Canvas.Brush()->Color());
  const int tenths = ((Canvas.Font()->Orientation() % 3600) + 3600) % 3600;
  if (tenths == 0) {
    if (Opaque) {
      for (int row = Y; row < Y + height; ++row) Painter.Span(row, X, X + width, back, CopyOp());
    }
    raster::Spans spans;
    TextSpans(f, Text, X, Y, spans);
    Painter.Spans(spans, ink, CopyOp());
    return;
  }
  // Turned text: a mask of the unturned cell (with overhanging ink), sampled backwards.
  int min_x = 0, min_y = 0, max_x = width, max_y = height;
  ForEachInk(f, Text, [&](int px, int py) {
    min_x = std::min(min_x, px);
    min_y = std::min(min_y, py);
    max_x = std::max(max_x, px + 1);
    max_y = std::max(max_y, py + 1);
  });
  const int mw = max_x - min_x, mh = max_y - min_y;
  std::vector<uint8_t> mask(static_cast<size_t>(mw) * mh, 0);
  ForEachInk(f, Text, [&](int px, int py) {
    mask[static_cast<size_t>(py - min_y) * mw + (px - min_x)] = 1;
  });
  double c, s;
  switch (tenths) {
    case 900:
      c = 0, s = 1;
      break;
    case 1800:
      c = -1, s = 0;
      break;
    case 2700:
      c = 0, s = -1;
      break;
    default: {
      const double a = tenths * std::numbers::pi / 1800;
      c = std::cos(a);
      s = std::sin(a);
    }
  }
  // Screen offset of a cell point (u, v): (u c + v s, -u s + v c).
  double bx0 = 1e300, by0 = 1e300, bx1 = -1e300, by1 = -1e300;
  for (const auto& [u, v] :
       {std::pair{min_x, min_y}, {max_x, min_y}, {min_x, max_y}, {max_x, max_y}}) {
    const double dx = u * c + v * s, dy = -u * s + v * c;
    bx0 = std::min(bx0, dx);
    by0 = std::min(by0, dy);
    bx1 = std::max(bx1, dx);
    by1 = std::max(by1, dy);
  }
  const TRect area{
      X + static_cast<int>(std::floor(bx0)) - 1, Y + static_cast<int>(std::floor(by0)) - 1,
      X + static_cast<int>(std::ceil(bx1)) + 1, Y + static_cast<int>(std::ceil(by1)) + 1};
  Painter.ForEachPixel(area, [&](uint32_t& d, int px, int py) {
    const double dx = px - X + 0.5, dy = py - Y + 0.5;
    const int u = static_cast<int>(std::floor(dx * c - dy * s));
    const int v = static_cast<int>(std::floor(dx * s + dy * c));
    if (u >= min_x && u < max_x && v >= min_y && v < max_y &&
        mask[static_cast<size_t>(v - min_y) * mw + (u - min_x)]) {
      d = ink;
    } else if (Opaque && u >= 0 && u < width && v >= 0 && v < height) {
      d = back;
    }
  });
}

}  // namespace

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  {
    CanvasPainter painter(*this);
    PaintText(*this, painter, X, Y, Text, FBrush->Style() != bsClear);
  }
  FPenPos = {X + TextWidth(Text), Y};
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const std::string& Text) {
  const bool had_clip = FHasClip;
  const TRegion saved = FClip;
  IntersectClipRect(R);
  {
    CanvasPainter painter(*this);
    if (FBrush->Style() != bsClear) {
      const TRect box = NormalizeRect(R);
      const uint32_t back = ToPixel(FBrush->Color());
      for (int row = box.Top; row < box.Bottom; ++row) {
        painter.Span(row, box.Left, box.Right, back, CopyOp());
      }
    }
    PaintText(*this, painter, X, Y, Text, false);
  }
  FHasClip = had_clip;
  FClip = saved;
  UpdateDeviceClip();
}

int TCanvas::TextWidth(const std::string& Text) const { return Width(RealizeFont(*FFont), Text); }

int TCanvas::TextHeight(const std::string&) const { return RealizeFont(*FFont).Metric().tmHeight; }

TSize TCanvas::TextExtent(const std::string& Text) const {
  return TSize{TextWidth(Text), TextHeight(Text)};
}

TTextMetric TCanvas::TextMetrics() const { return RealizeFont(*FFont).Metric(); }

namespace {

std::string StripPrefixes(const std::string& S) {
  std::string out;
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '&' && i + 1 < S.size())
      ++i;
    else if (S[i] == '&')
      continue;
    out += S[i];
  }
  return out;
}

std::string ExpandTabs(const std::string& S) {
  std::string out;
  for (char ch : S) {
    if (ch == '\t') {
      do out += ' ';
      while (out.size() % 8 != 0);
    } else {
      out += ch;
    }
  }
  return out;
}

// Breaks one paragraph into lines no wider than maxWidth, at blanks; a longer word stays whole.
void WrapParagraph(const RealizedFont& F, const std::string& Para, int MaxWidth,
                   std::vector<std::string>& Lines) {
  size_t pos = 0;
  const size_t n = Para.size();
  if (n == 0) {
    Lines.emplace_back();
    return;
  }
  while (pos < n) {
    size_t end = pos, last_blank = std::string::npos;
    int width = 0;
    while (end < n) {
      const int w = width + F.Advance(static_cast<unsigned char>(Para[end]));
      if (w > MaxWidth && Para[end] != ' ' && end > pos) break;
      width = w;
      if (Para[end] == ' ') last_blank = end;
      ++end;
    }
    size_t line_end = end, next = end;
    if (end < n) {
      if (last_blank != std::string::npos) {
        line_end = last_blank;
        next = last_blank + 1;
      } else {
        line_end = Para.find(' ', end);
        if (line_end == std::string::npos) line_end = n;
        next = line_end;
      }
    }
    std::string line = Para.substr(pos, line_end - pos);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    Lines.push_back(line);
    pos = next;
    while (pos < n && Para[pos] == ' ') ++pos;
  }
}

}  // namespace

int TCanvas::DrawText(const std::string& Input, TRect& R, unsigned Flags) {
  const RealizedFont& f = RealizeFont(*FFont);
  std::string text = (Flags & DT_NOPREFIX) ? Input : StripPrefixes(Input);
  if (Flags & DT_EXPANDTABS) text = ExpandTabs(text);
  std::vector<std::string> lines;
  if (Flags & DT_SINGLELINE) {
    lines.push_back(text);
  } else {
    size_t start = 0;
    for (;;) {
      const size_t brk = text.find_first_of("\r\n", start);
      const std::string para = text.substr(start, brk == std::string::npos ? brk : brk - start);
      if (Flags & DT_WORDBREAK) {
        WrapParagraph(f, para, R.Width(), lines);
      } else {
        lines.push_back(para);
      }
      if (brk == std::string::npos) break;
      start = brk + 1;
      if (text[brk] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
  }
  const int line_height = f.Metric().tmHeight;
  const int total = line_height * static_cast<int>(lines.size());
  if (Flags & DT_CALCRECT) {
    int widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, Width(f, l));
    R.Right = R.Left + widest;
    R.Bottom = R.Top + total;
    return total;
  }
  int y = R.Top;
  if (Flags & DT_SINGLELINE) {
    if (Flags & DT_VCENTER)
      y = R.Top + (R.Height() - line_height) / 2;
    else if (Flags & DT_BOTTOM)
      y = R.Bottom - line_height;
  }
  const bool had_clip = FHasClip;
  const TRegion saved = FClip;
  if (!(Flags & DT_NOCLIP)) IntersectClipRect(R);
  {
    CanvasPainter painter(*this);
    for (const std::string& line : lines) {
      int x = R.Left;
      const int w = Width(f, line);
      if (Flags & DT_CENTER)
        x = R.Left + (R.Width() - w) / 2;
      else if (Flags & DT_RIGHT)
        x = R.Right - w;
      PaintText(*this, painter, x, y, line, FBrush->Style() != bsClear);
      y += line_height;
    }
  }
  FHasClip = had_clip;
  FClip = saved;
  UpdateDeviceClip();
  return (Flags & DT_SINGLELINE) ? y - R.Top : total;
}
