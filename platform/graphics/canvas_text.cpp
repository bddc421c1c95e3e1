// Text output: glyph masks placed by the top-left of the text cell, optionally turned about it.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_painter.h"
#include "platform/graphics/font_engine.h"

namespace {

int Width(const RealizedFont& f, const std::string& text) {
  int w = 0;
  for (unsigned char c : text) w += f.Advance(c);
  return w;
}

// Calls ink(x, y) for every inked pixel of the text, relative to the cell's top-left.
template <typename Ink>
void ForEachInk(const RealizedFont& f, const std::string& text, Ink ink) {
  int pen = 0;
  for (unsigned char c : text) {
    const GlyphMask& g = f.Glyph(c);
    for (int y = 0; y < g.height; ++y) {
      const uint8_t* row = g.bits.data() + static_cast<size_t>(y) * g.width;
      for (int x = 0; x < g.width; ++x) {
        if (row[x]) ink(pen + g.left + x, g.top + y);
      }
    }
    pen += f.Advance(c);
  }
  const TTextMetric& m = f.Metric();
  const int width = pen;
  auto bar = [&](int top) {
    for (int y = top; y < top + f.LineThickness(); ++y) {
      for (int x = 0; x < width; ++x) ink(x, y);
    }
  };
  if (m.tmUnderlined) bar(f.UnderlineTop());
  if (m.tmStruckOut) bar(f.StrikeOutTop());
}

// The ink as spans (rows of the cell), for unturned text.
void TextSpans(const RealizedFont& f, const std::string& text, int x, int y, raster::Spans& out) {
  ForEachInk(f, text, [&](int px, int py) { out.push_back({y + py, x + px, x + px + 1}); });
}

}  // namespace

namespace {

void PaintText(TCanvas& canvas, CanvasPainter& painter, int x, int y, const std::string& text,
               bool opaque) {
  if (painter.Empty()) return;
  const RealizedFont& f = RealizeFont(*canvas.Font());
  const int width = Width(f, text);
  const int height = f.Metric().tmHeight;
  const uint32_t ink = ToPixel(canvas.Font()->Color());
  const uint32_t back = ToPixel(canvas.Brush()->Color());
  const int tenths = ((canvas.Font()->Orientation() % 3600) + 3600) % 3600;
  if (tenths == 0) {
    if (opaque) {
      for (int row = y; row < y + height; ++row) painter.Span(row, x, x + width, back, CopyOp());
    }
    raster::Spans spans;
    TextSpans(f, text, x, y, spans);
    painter.Spans(spans, ink, CopyOp());
    return;
  }
  // Turned text: a mask of the unturned cell (with overhanging ink), sampled backwards.
  int min_x = 0, min_y = 0, max_x = width, max_y = height;
  ForEachInk(f, text, [&](int px, int py) {
    min_x = std::min(min_x, px);
    min_y = std::min(min_y, py);
    max_x = std::max(max_x, px + 1);
    max_y = std::max(max_y, py + 1);
  });
  const int mw = max_x - min_x, mh = max_y - min_y;
  std::vector<uint8_t> mask(static_cast<size_t>(mw) * mh, 0);
  ForEachInk(f, text, [&](int px, int py) {
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
      x + static_cast<int>(std::floor(bx0)) - 1, y + static_cast<int>(std::floor(by0)) - 1,
      x + static_cast<int>(std::ceil(bx1)) + 1, y + static_cast<int>(std::ceil(by1)) + 1};
  painter.ForEachPixel(area, [&](uint32_t& d, int px, int py) {
    const double dx = px - x + 0.5, dy = py - y + 0.5;
    const int u = static_cast<int>(std::floor(dx * c - dy * s));
    const int v = static_cast<int>(std::floor(dx * s + dy * c));
    if (u >= min_x && u < max_x && v >= min_y && v < max_y &&
        mask[static_cast<size_t>(v - min_y) * mw + (u - min_x)]) {
      d = ink;
    } else if (opaque && u >= 0 && u < width && v >= 0 && v < height) {
      d = back;
    }
  });
}

}  // namespace

void TCanvas::TextOut(int x, int y, const std::string& text) {
  {
    CanvasPainter painter(*this);
    PaintText(*this, painter, x, y, text, FBrush->Style() != bsClear);
  }
  FPenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  const bool had_clip = FHasClip;
  const TRegion saved = FClip;
  IntersectClipRect(r);
  {
    CanvasPainter painter(*this);
    if (FBrush->Style() != bsClear) {
      const TRect box = NormalizeRect(r);
      const uint32_t back = ToPixel(FBrush->Color());
      for (int row = box.Top; row < box.Bottom; ++row) {
        painter.Span(row, box.Left, box.Right, back, CopyOp());
      }
    }
    PaintText(*this, painter, x, y, text, false);
  }
  FHasClip = had_clip;
  FClip = saved;
  UpdateDeviceClip();
}

int TCanvas::TextWidth(const std::string& text) const { return Width(RealizeFont(*FFont), text); }

int TCanvas::TextHeight(const std::string&) const { return RealizeFont(*FFont).Metric().tmHeight; }

TSize TCanvas::TextExtent(const std::string& text) const {
  return TSize{TextWidth(text), TextHeight(text)};
}

TTextMetric TCanvas::TextMetrics() const { return RealizeFont(*FFont).Metric(); }

namespace {

std::string StripPrefixes(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&' && i + 1 < s.size())
      ++i;
    else if (s[i] == '&')
      continue;
    out += s[i];
  }
  return out;
}

std::string ExpandTabs(const std::string& s) {
  std::string out;
  for (char ch : s) {
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
void WrapParagraph(const RealizedFont& f, const std::string& para, int maxWidth,
                   std::vector<std::string>& lines) {
  size_t pos = 0;
  const size_t n = para.size();
  if (n == 0) {
    lines.emplace_back();
    return;
  }
  while (pos < n) {
    size_t end = pos, last_blank = std::string::npos;
    int width = 0;
    while (end < n) {
      const int w = width + f.Advance(static_cast<unsigned char>(para[end]));
      if (w > maxWidth && para[end] != ' ' && end > pos) break;
      width = w;
      if (para[end] == ' ') last_blank = end;
      ++end;
    }
    size_t line_end = end, next = end;
    if (end < n) {
      if (last_blank != std::string::npos) {
        line_end = last_blank;
        next = last_blank + 1;
      } else {
        line_end = para.find(' ', end);
        if (line_end == std::string::npos) line_end = n;
        next = line_end;
      }
    }
    std::string line = para.substr(pos, line_end - pos);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(line);
    pos = next;
    while (pos < n && para[pos] == ' ') ++pos;
  }
}

}  // namespace

int TCanvas::DrawText(const std::string& input, TRect& r, unsigned flags) {
  const RealizedFont& f = RealizeFont(*FFont);
  std::string text = (flags & DT_NOPREFIX) ? input : StripPrefixes(input);
  if (flags & DT_EXPANDTABS) text = ExpandTabs(text);
  std::vector<std::string> lines;
  if (flags & DT_SINGLELINE) {
    lines.push_back(text);
  } else {
    size_t start = 0;
    for (;;) {
      const size_t brk = text.find_first_of("\r\n", start);
      const std::string para = text.substr(start, brk == std::string::npos ? brk : brk - start);
      if (flags & DT_WORDBREAK) {
        WrapParagraph(f, para, r.Width(), lines);
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
  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, Width(f, l));
    r.Right = r.Left + widest;
    r.Bottom = r.Top + total;
    return total;
  }
  int y = r.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER)
      y = r.Top + (r.Height() - line_height) / 2;
    else if (flags & DT_BOTTOM)
      y = r.Bottom - line_height;
  }
  const bool had_clip = FHasClip;
  const TRegion saved = FClip;
  if (!(flags & DT_NOCLIP)) IntersectClipRect(r);
  {
    CanvasPainter painter(*this);
    for (const std::string& line : lines) {
      int x = r.Left;
      const int w = Width(f, line);
      if (flags & DT_CENTER)
        x = r.Left + (r.Width() - w) / 2;
      else if (flags & DT_RIGHT)
        x = r.Right - w;
      PaintText(*this, painter, x, y, line, FBrush->Style() != bsClear);
      y += line_height;
    }
  }
  FHasClip = had_clip;
  FClip = saved;
  UpdateDeviceClip();
  return (flags & DT_SINGLELINE) ? y - r.Top : total;
}
