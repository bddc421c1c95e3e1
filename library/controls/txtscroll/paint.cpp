#include <algorithm>

#include "library/controls/txtscroll/txtscroll.h"

namespace {

// The darker shade of a margin colour for its separator line.
TColor SeparatorColor(TColor c) { return ColorToRGB(c) & 0x4C4C4C; }

}  // namespace

void TTextScroller::Paint() {
  EnsureWindowSetup();
  if (!FShown) {
    FShown = true;
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
    return;
  }
  TCanvas* canvas = Canvas();
  const TRect clip = canvas->ClipRect();
  if (clip.Top < FTopMargin) PaintTopMargin();

  const int first = std::max(0, (clip.Top - FTopMargin) / FLineHeight);
  int last = (clip.Bottom - FTopMargin + FLineHeight - 1) / FLineHeight;
  bool strip = false;
  if (last > FVisLines - 1) {
    last = FVisLines - 1;
    strip = true;
  }
  canvas->Brush()->SetStyle(bsSolid);
  if (clip.Left < FLeftMargin) {
    canvas->Brush()->SetColor(FMargLeftColor);
    for (int r = first; r <= last; ++r) PaintLeftMarginCell(FTopLine + r, r);
    if (strip) PaintLeftMarginCell(-1, FVisLines);
  }
  canvas->Brush()->SetColor(Color());
  for (int r = first; r <= last; ++r) PaintRow(FTopLine + r, r, clip);
  if (strip) {
    const int y = FTopMargin + FVisLines * FLineHeight;
    canvas->Brush()->SetColor(FColorBack);
    canvas->FillRect(Rect(std::max(clip.Left, FLeftMargin), y, clip.Right,
                          std::min(y + FLineHeight, clip.Bottom)));
  }
  UpdateCaretPos();
}

void TTextScroller::PaintTopMargin() {
  if (!HandleAllocated() || FTopMargin <= 0) return;
  TCanvas* canvas = Canvas();
  const TRect area = Rect(0, 0, Width(), FTopMargin);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(FMargTopColor);
  canvas->FillRect(area);
  canvas->Font()->SetColor(FMargTxtCol);
  if (FHexMode) {
    // The header follows the columns when the view is scrolled sideways.
    canvas->TextRect(Rect(FLeftMargin, 0, Width(), FTopMargin - 1),
                     FLeftMargin - FFirstCol * FCharWidth, 0, FHexHeader);
  } else {
    canvas->TextRect(area, 0, 0, FMarginCapt);
  }
  canvas->Pen()->SetColor(SeparatorColor(FMargTopColor));
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetMode(pmCopy);
  canvas->MoveTo(0, FTopMargin - 1);
  canvas->LineTo(Width(), FTopMargin - 1);
  canvas->Font()->SetColor(FColorText);
}

void TTextScroller::PaintLeftMarginCell(int Line, int Row) {
  TCanvas* canvas = Canvas();
  int y = FTopMargin + Row * FLineHeight;
  if (FLeftMargin > 0) {
    canvas->FillRect(Rect(0, y, FLeftMargin, y + FLineHeight));
    canvas->Pen()->SetColor(SeparatorColor(FMargLeftColor));
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetMode(pmCopy);
    canvas->MoveTo(FLeftMargin - 1, y);
    canvas->LineTo(FLeftMargin - 1, y + FLineHeight);
  }
  if (FShowBookmarks && Line != -1) {
    for (int b = 9; b >= 0; --b) {
      if (FBookmarks[size_t(b)].Line != Line) continue;
      if (FLineHeight >= 14) y += (FLineHeight - 12) / 2;
      if (!FMarkGlyphs.Empty())
        canvas->CopyRect(Rect(FLeftMargin - 14, y + 2, FLeftMargin - 2, y + 14),
                         FMarkGlyphs.Canvas(), Rect(12 * b, 0, 12 * b + 12, 12));
      break;
    }
  }
  if (GetLineFlag(Line) != 0) {
    const TColor brush = canvas->Brush()->Color();
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(0xFFFF00);
    const int r = std::max(3, FLineHeight / 5);
    const int c = y + (2 * FLineHeight) / 3;
    canvas->Ellipse(2, c - r, 2 * r + 2, c + r);
    canvas->Brush()->SetColor(brush);
  }
}

void TTextScroller::PaintPart(int X0, int X1, int Y, int Bottom, const std::string& Text, TColor Fg,
                              TColor Bg) {
  if (X1 <= X0) return;
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Bg);
  canvas->Font()->SetColor(Fg);
  const TRect r = Rect(X0, Y, X1, Bottom);
  canvas->FillRect(r);
  if (!Text.empty()) canvas->TextRect(r, X0, Y, Text);
}

void TTextScroller::PaintRow(int Line, int Row, const TRect& Clip) {
  TCanvas* canvas = Canvas();
  const int y = FTopMargin + Row * FLineHeight;
  const int bottom = std::min(y + FLineHeight, Clip.Bottom);
  const int text_end = FLeftMargin + FVisCols * FCharWidth;
  const TColor bg = FColorBack;
  canvas->Brush()->SetColor(bg);
  if (Clip.Right > text_end) canvas->FillRect(Rect(text_end, y, ClientWidth(), bottom));
  if (Line < 0 || Line >= FLineCount) {
    canvas->FillRect(Rect(FLeftMargin, y, text_end, bottom));
    return;
  }
  const std::string_view text = LineText(Line);
  // Only what can be shown is expanded, however many tabs the line holds.
  std::string copy;
  if (FExpandTabs && !text.empty() && HasTab(text, int(text.size()))) {
    const int need = ColumnToIndex(text, FFirstCol + FVisCols, FTabSize);
    copy =
        ExpandTabsTo(text.substr(0, size_t(std::min<int>(need + 1, int(text.size())))), FTabSize);
  } else {
    copy.assign(text);
  }
  ReplaceNonPrintable(copy, int(copy.size()), FFirstChar, FLastChar, FDefaultChar);
  std::string shown;
  if (FFirstCol < int(copy.size())) shown = copy.substr(size_t(FFirstCol), size_t(FVisCols));
  const int n = int(shown.size());
  if (n == 0) {
    canvas->FillRect(Rect(FLeftMargin, y, text_end, bottom));
    return;
  }
  int a = 0, b = 0;  // the selected part, in shown characters
  if (!FSel.Empty() && FSel.Start.Line <= Line && Line <= FSel.End.Line) {
    auto visual = [&](int col) {
      const int v = FExpandTabs ? IndexToColumn(text, col, FTabSize) : col;
      return std::clamp(v - FFirstCol, 0, n);
    };
    a = Line == FSel.Start.Line ? visual(FSel.Start.Col) : 0;
    b = Line == FSel.End.Line ? visual(FSel.End.Col) : n;
  }
  const int x_a = FLeftMargin + a * FCharWidth;
  const int x_b = FLeftMargin + b * FCharWidth;
  PaintPart(FLeftMargin, x_a, y, bottom, shown.substr(0, size_t(a)), FColorText, bg);
  PaintPart(x_a, x_b, y, bottom, shown.substr(size_t(a), size_t(b - a)), FColorHText, FColorHBack);
  PaintPart(x_b, text_end, y, bottom, shown.substr(size_t(b)), FColorText, bg);
  canvas->Brush()->SetColor(bg);
  canvas->Font()->SetColor(FColorText);
}
