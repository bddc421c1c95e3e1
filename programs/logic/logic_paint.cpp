// Painting: the footer with its buttons and readouts, the name column, the full redraw, the
// status readouts, the buffer bar and the print snapshots.
#include <algorithm>
#include <cmath>

#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "programs/curves/engineering.h"
#include "programs/logic/logic.h"
#include "programs/logic/logicdraw.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBarGrey = 0xC0C0C0;

// A sunken frame on the edges of R; returns the inside.
TRect SunkenBox(TCanvas& C, const TRect& R) {
  DrawSunkenFrame(C, Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1));
  return Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
}

}  // namespace

void TLogic::Paint() {
  TDisplay::Paint();
  Canvas()->SetFont(Font());
  FFooter = TFooterLayout();
  FStatusShown.clear();
  FBufferBarShown.reset();
  if (HasFooter(DisplayTyp())) DrawFooter();
  FLayout.NameColumn.Top = FLayout.Disp.Top;
  FLayout.NameColumn.Bottom = FLayout.Disp.Bottom;
  FLayout.NameColumn.Right -= 6;
  FRows = std::max(FLayout.DispHeight / kRowHeight - 1, 0);
  RefreshDisplay();
}

void TLogic::DrawFooter() {
  TCanvas& c = *Canvas();
  const TRect& f = FLayout.Footer;
  const TRect& d = FLayout.Disp;
  const int left = InnerRect.Left + 1;
  const int top = f.Top + 2, bottom = f.Bottom;
  const int h = bottom - top, t = 2 * h / 3, mid = top + h / 2;
  auto& b = FFooter.Buttons;
  b[0] = Rect(left, top, left + t, bottom);
  b[1] = Rect(b[0].Right - 1, top, b[0].Right - 1 + t, mid);
  b[2] = Rect(b[1].Left, mid, b[1].Right, bottom);
  b[3] = Rect(b[2].Right + 3, top, b[2].Right + 3 + t, bottom);
  b[4] = Rect(b[3].Right - 1, top, b[3].Right - 1 + t, mid);
  b[5] = Rect(b[4].Left, mid, b[4].Right, bottom);
  b[6] = Rect(b[5].Right - 1, top, b[5].Right - 1 + t, mid);
  b[7] = Rect(b[6].Left, mid, b[6].Right, bottom);

  for (int i = 0; i < 8; ++i) {
    TRect face = b[i];
    DrawButtonFace(c, face);
    const TRect upper = Rect(face.Left, face.Top, face.Right, (face.Top + face.Bottom) / 2);
    const TRect lower = Rect(face.Left, upper.Bottom, face.Right, face.Bottom);
    switch (i) {
      case 0:
        DrawArrowUp(c, upper, true);
        DrawArrowDown(c, lower, true);
        break;
      case 1:
        DrawArrowUp(c, face, false);
        break;
      case 2:
        DrawArrowDown(c, face, false);
        break;
      case 3: {
        DrawArrowLeft(c, upper, true);
        DrawArrowRight(c, lower, true);
        const int w = b[3].Width(), bh = b[3].Height();
        c.Brush()->SetColor(kRed);
        c.FillRect(Rect(b[3].Left + w / 3, b[3].Top + 4 * bh / 10, b[3].Right - w / 3,
                        b[3].Bottom - 4 * bh / 10));
        break;
      }
      case 4:
        DrawArrowLeft(c, face, false);
        break;
      case 5:
        DrawArrowLeft(c, face, true);
        break;
      case 6:
        DrawArrowRight(c, face, false);
        break;
      case 7:
        DrawArrowRight(c, face, true);
        break;
    }
  }

  const int j = static_cast<int>(Round(0.2 * (d.Right - d.Left)));
  const int e = d.Left - left;
  const int anchor = b[6].Right;
  for (int k = 0; k < 3; ++k) {
    const TRect box = Rect(anchor + (k + 1) * j - e, top, anchor + (k + 1) * j, bottom);
    const TRect inside = SunkenBox(c, box);
    c.Brush()->SetColor(FColDisplay);
    c.FillRect(inside);
    FFooter.BoxUpper[k] = Rect(inside.Left, inside.Top, inside.Right, mid);
    FFooter.BoxLower[k] = Rect(inside.Left, mid, inside.Right, inside.Bottom);
  }
  const int field_left = anchor + 3 * j + 20;
  FFooter.HexField = SunkenBox(c, Rect(field_left, top, d.Right, mid));
  c.Brush()->SetColor(FColDisplay);
  c.FillRect(FFooter.HexField);
  FFooter.BufferBar = SunkenBox(c, Rect(field_left, mid + 4, d.Right, bottom - 2));
  c.Brush()->SetColor(kBarGrey);
  c.FillRect(FFooter.BufferBar);

  // The box letters.
  const int z = static_cast<int>(Round(0.6 * (mid - top)));
  c.Font()->SetName("Arial");
  c.Font()->SetSize(std::max(z, 1));
  c.Font()->SetStyle({fsBold});
  c.Font()->SetColor(clBlack);
  c.Brush()->SetStyle(bsClear);
  const char* letters[] = {"P", "M", "D"};
  for (int k = 0; k < 3; ++k) c.TextOut(anchor + (k + 1) * j + 3, top + z, letters[k]);
  c.Brush()->SetStyle(bsSolid);
  c.Font()->SetStyle({});
}

double TLogic::RowHeight() const {
  return double(FLayout.DispHeight) / (FChanLast - FChanFirst + 1);
}

int TLogic::RowBaseline(int K) const {
  const double s = RowHeight();
  return FLayout.Disp.Top + static_cast<int>(Round((K + 1) * s) - Round(0.1 * s));
}

void TLogic::DrawNameColumn() {
  TCanvas& c = *Canvas();
  const TRect& col = FLayout.NameColumn;
  c.Brush()->SetColor(ColBgnd());
  c.FillRect(col);
  const double s = RowHeight();
  c.Font()->SetName("Arial");
  c.Font()->SetSize(static_cast<int>(std::clamp<int64_t>(Round(0.6 * s), 1, 10)));
  c.Font()->SetStyle({});
  c.Font()->SetColor(clBlack);
  c.Pen()->SetColor(clBlack);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Brush()->SetStyle(bsClear);
  const int lift = std::abs(c.Font()->Height()) + static_cast<int>(Round(0.1 * s));
  for (int k = 0; k <= FChanLast - FChanFirst; ++k) {
    const int channel = FChanFirst + k;
    const int y = RowBaseline(k);
    c.MoveTo(FLayout.Disp.Left, y);
    c.LineTo(FLayout.Disp.Left - col.Width() / 8, y);
    const std::string& name = FChanNamen.Strings(channel);
    c.TextRect(col, col.Left, y - lift, name.empty() ? "Chan " + IntToStr(channel) : name);
  }
  c.Brush()->SetStyle(bsSolid);
}

void TLogic::RefreshDisplay() {
  if (!Painted()) return;
  FRemainder = 0;
  NormaliseChannels();
  if (FModus == TModus::Diagram) {
    if (FRecentre) {
      FChanFirst = FPendingZoom.ChanFirst;
      FChanLast = FPendingZoom.ChanLast;
      FDispStartPos = FPendingZoom.Start;
      FDispEndPos = FPendingZoom.End;
      NormaliseChannels();
    }
    NormaliseView();
  } else {
    if (FRecentre) {
      FDispStartPos = std::clamp(FPointerPos - FRows / 2, 0, std::max(FBufferCount - FRows - 1, 0));
      FDispEndPos = FDispStartPos + FRows;
    }
    FDispStartPos = std::clamp(FDispStartPos, 0, std::max(FBufferCount - 2, 0));
    FDispEndPos = std::clamp(FDispEndPos, FDispStartPos, FBufferCount - 1);
    FPointerPos = std::clamp(FPointerPos, 0, FBufferCount - 1);
    FMarkerPos = std::clamp(FMarkerPos, 0, FBufferCount - 1);
  }
  FRecentre = false;
  DrawStatus();
  DrawBufferBar();
  if (FModus == TModus::Diagram && DisplayTyp() != dispOnly) DrawNameColumn();
  if (FModus == TModus::Diagram)
    DrawDiagram();
  else
    DrawTextView();
  FPointerDrawn = -1;
  FMarkerDrawn = -1;
  UpdatePointer();
  UpdateMarker();
  if (onRefresh) onRefresh(this);
}

std::string TLogic::TimeText(double Seconds) const {
  if (Seconds > 60) return SecondsToHMS(false, Seconds);
  return FormatEngineering("Sec", true, true, Seconds);
}

void TLogic::DrawStatus() {
  if (!Painted() || !HasFooter(DisplayTyp()) || IsRectEmpty(FFooter.HexField)) return;
  struct Readout {
    const TRect& Box;
    std::string Text;
    TColor Color;
    int Margin = 0;
  };
  const double pointer = PointerTime(), marker = MarkerTime();
  const uint32_t sample = ReadSample(FPointerPos);
  std::string hex;
  switch (FLogSize) {
    case TLogSize::Size8:
      hex = IntToHex(sample, 2);
      break;
    case TLogSize::Size16:
      hex = IntToHex(sample, 4);
      break;
    case TLogSize::Size32:
      hex = IntToHex(sample, 8).insert(4, " ");
      break;
  }
  const Readout readouts[] = {
      {FFooter.BoxUpper[0], IntToStr(FPointerPos) + "cyc", FColPointer},
      {FFooter.BoxLower[0], TimeText(pointer), FColPointer},
      {FFooter.HexField, hex + " hex", FColPointer, 1},
      {FFooter.BoxUpper[1], IntToStr(FMarkerPos) + "cyc", FColMarker},
      {FFooter.BoxLower[1], TimeText(marker), FColMarker},
      {FFooter.BoxUpper[2], IntToStr(int64_t(FPointerPos) - FMarkerPos) + "cyc", FColCurve},
      {FFooter.BoxLower[2], TimeText(pointer - marker), FColCurve},
  };
  // A scroll step mostly leaves the readouts as they are: drawn again only when they change,
  // the step's pixels stay within the diagram.
  std::string shown = IntToStr(FColDisplay);
  for (const Readout& r : readouts) shown += '\n' + IntToStr(r.Color) + ' ' + r.Text.substr(0, 20);
  if (shown == FStatusShown) return;
  FStatusShown = std::move(shown);
  TCanvas& c = *Canvas();
  c.Brush()->SetColor(FColDisplay);
  c.Brush()->SetStyle(bsSolid);
  c.Font()->SetName("Arial");
  c.Font()->SetSize(std::max<int>(1, static_cast<int>(Round(0.5 * FFooter.BoxUpper[0].Height()))));
  c.Font()->SetStyle({});
  for (const Readout& r : readouts) {
    const std::string text = r.Text.substr(0, 20);
    c.Font()->SetColor(r.Color);
    c.TextRect(r.Box, r.Box.Right - r.Margin - c.TextWidth(text),
               r.Box.Top + (r.Box.Height() - c.TextHeight(text)) / 2, text);
  }
}

void TLogic::DrawBufferBar() {
  const TRect& bar = FFooter.BufferBar;
  if (!Painted() || !HasFooter(DisplayTyp()) || IsRectEmpty(bar)) return;
  const int64_t w = bar.Width();
  int from = static_cast<int>(w * FDispStartPos / FBufferCount);
  const int to = static_cast<int>(w * FDispEndPos / FBufferCount);
  if (from == to) --from;
  if (FBufferBarShown == std::pair(from, to)) return;
  FBufferBarShown = {from, to};
  TCanvas& c = *Canvas();
  c.Brush()->SetColor(kBarGrey);
  c.FillRect(bar);
  c.Brush()->SetColor(kRed);
  c.FillRect(Rect(bar.Left + from, bar.Top, bar.Left + to, bar.Bottom));
}

TBitmap* TLogic::PrintDisp() {
  FPrint = std::make_unique<TBitmap>();
  const TRect& d = FLayout.Disp;
  FPrint->SetSize(std::max(d.Width(), 0), std::max(d.Height(), 0));
  FPrint->Canvas()->CopyRect(Rect(0, 0, d.Width(), d.Height()), Canvas(), d);
  return FPrint.get();
}

TBitmap* TLogic::PrintAll() {
  FPrint = std::make_unique<TBitmap>();
  FPrint->SetSize(Width(), Height());
  FPrint->Canvas()->CopyRect(Rect(0, 0, Width(), Height()), Canvas(),
                             Rect(0, 0, Width(), Height()));
  return FPrint.get();
}

void TLogic::ReleasePrint() { FPrint.reset(); }
