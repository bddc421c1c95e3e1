// The mouse: footer buttons, pointer and marker placement, the zoom rectangle; scrolling by
// page and by single sample, with auto-repeat on the tick service.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "library/foundation/tickservice.h"
#include "platform/base/numbers.h"
#include "programs/logic/logic.h"
#include "programs/logic/logicdraw.h"

namespace {

enum Button { B1, B2, B3, B4, B5, B6, B7, B8 };

bool ExactlyLeft(TShiftState S) { return S == TShiftState{ssLeft}; }
bool ExactlyRight(TShiftState S) { return S == TShiftState{ssRight}; }
bool ZoomGesture(TShiftState S) {
  return S == TShiftState{ssShift, ssLeft} || S == TShiftState{ssMiddle};
}

// The face of a button as DrawButtonFace leaves it: where the raised or sunken frame goes.
TRect Face(const TRect& R) { return Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1); }

// Button Index's frame drawn raised or sunken on what is left of its face: a button drawn later
// may start on its last column (B2 on B1's), and that black line belongs to both.
void DrawButtonFrame(TCanvas& C, const std::array<TRect, 8>& Buttons, int Index, bool Sunken) {
  const TRect face = Face(Buttons[Index]);
  TRect own = Rect(face.Left, face.Top, face.Right + 1, face.Bottom + 1);
  for (int j = Index + 1; j < 8; ++j) {
    const TRect& later = Buttons[j];
    const bool rows_meet = later.Top < own.Bottom && later.Bottom >= own.Top;
    if (rows_meet && later.Left > own.Left && later.Left < own.Right) own.Right = later.Left;
  }
  C.SelectClipRect(own);
  if (Sunken)
    DrawSunkenFrame(C, face);
  else
    DrawRaisedFrame(C, face);
  C.RemoveClip();
}

}  // namespace

int TLogic::HitButton(int X, int Y) const {
  if (!HasFooter(DisplayTyp())) return -1;
  for (int i = 0; i < 8; ++i) {
    if (PtInRect(FFooter.Buttons[i], Point(X, Y))) return i;
  }
  return -1;
}

void TLogic::PressButton(int Index, TShiftState Shift) {
  DrawButtonFrame(*Canvas(), FFooter.Buttons, Index, true);
  FHeld[Index] = true;
  const bool diagram = FModus == TModus::Diagram;
  const int32_t highest = HighestChannel();
  switch (Index) {
    case B1:
      if (!diagram) break;
      if (FChanFirst != 0 || FChanLast != highest) {
        FChanFirst = 0;
        FChanLast = highest;
      } else {
        FChanFirst = FPendingZoom.ChanFirst;
        FChanLast = FPendingZoom.ChanLast;
        NormaliseChannels();
      }
      Invalidate();
      break;
    case B2:
      // The window moves as one: both ends change before anything is redrawn.
      if (diagram && FChanLast < highest) {
        ++FChanFirst;
        ++FChanLast;
        RefreshDisplay();
      }
      break;
    case B3:
      if (diagram && FChanFirst > 0) {
        --FChanFirst;
        --FChanLast;
        RefreshDisplay();
      }
      break;
    case B4:
      if (ZoomGesture(Shift)) {
        SetModus(diagram ? TModus::TextDisp : TModus::Diagram);
      } else if (diagram) {
        if (FDispStartPos == 0 && FDispEndPos == FBufferCount - 1) {
          FDispStartPos = FPendingZoom.Start;
          FDispEndPos = FPendingZoom.End;
          NormaliseView();
          Invalidate();
        } else {
          FDispStartPos = 0;
          FDispEndPos = FBufferCount - 1;
          RefreshDisplay();
        }
      }
      break;
    default:
      if (Index == B5) StepBack();
      if (Index == B7) StepForward();
      if (Index == B6) PageBack();
      if (Index == B8) PageForward();
      TimerSetInterval(FRepeatId, 600);
      break;
  }
}

int32_t TLogic::SampleAt(int X, int Y) const {
  const TRect& d = FLayout.Disp;
  if (FModus == TModus::TextDisp)
    return std::min(FDispStartPos + (Y - d.Top) / kRowHeight, FDispEndPos);
  if (FLayout.DispWidth <= 0) return FDispStartPos;
  const int64_t at =
      FDispStartPos + Round(double(FDispEndPos - FDispStartPos) * (X - d.Left) / FLayout.DispWidth);
  return static_cast<int32_t>(std::clamp<int64_t>(at, FDispStartPos, FDispEndPos));
}

void TLogic::PlaceMarks(TShiftState Shift, int X, int Y) {
  if (ExactlyLeft(Shift) && FPointerEnable) SetPointerPos(SampleAt(X, Y));
  if (ExactlyRight(Shift) && FMarkerEnable) SetMarkerPos(SampleAt(X, Y));
  FLastMouse = Point(X, Y);
}

void TLogic::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  if (!Painted()) return;
  const int hit = HitButton(X, Y);
  if (hit >= 0) PressButton(hit, Shift);
  if (!PtInRect(FLayout.Disp, Point(X, Y))) return;
  if (FModus == TModus::TextDisp || !ZoomEnable || !ZoomGesture(Shift)) {
    PlaceMarks(Shift, X, Y);
  } else {
    FZoomActive = true;
    FZoomAnchor = FZoomCorner = Point(X, Y);
  }
}

void TLogic::DrawZoomRect() {
  const TRect r = NormalizeRect(Rect(FZoomAnchor.X, FZoomAnchor.Y, FZoomCorner.X, FZoomCorner.Y));
  if (IsRectEmpty(r)) return;
  TCanvas& c = *Canvas();
  c.Pen()->SetColor(clWhite);
  c.Pen()->SetWidth(1);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmXor);
  c.Brush()->SetStyle(bsClear);
  c.Rectangle(r);
  c.Pen()->SetMode(pmCopy);
  c.Brush()->SetStyle(bsSolid);
}

void TLogic::MouseMove(TShiftState Shift, int X, int Y) {
  if (!Painted()) return;
  const TRect& d = FLayout.Disp;
  if (ZoomEnable && ZoomGesture(Shift)) {
    if (!FZoomActive) return;
    DrawZoomRect();
    FZoomCorner = Point(std::clamp(X, d.Left, d.Right), std::clamp(Y, d.Top, d.Bottom));
    DrawZoomRect();
    return;
  }
  if (!PtInRect(d, Point(X, Y))) return;
  const bool moved = FModus == TModus::TextDisp ? Y != FLastMouse.Y : X != FLastMouse.X;
  if (moved) PlaceMarks(Shift, X, Y);
}

void TLogic::MouseUp(TMouseButton, TShiftState, int, int) {
  TimerStop(FRepeatId);
  for (int i : {B1, B2, B3, B4, B5, B7, B6, B8}) {
    if (!FHeld[i]) continue;
    FHeld[i] = false;
    DrawButtonFrame(*Canvas(), FFooter.Buttons, i, false);
    break;
  }
  if (ZoomEnable && FZoomActive) FinishZoom();
  FZoomActive = false;
}

void TLogic::FinishZoom() {
  FZoomActive = false;
  DrawZoomRect();
  const TRect& d = FLayout.Disp;
  const int dw = FLayout.DispWidth;
  if (dw <= 0) return;
  const int x1 = std::min(FZoomAnchor.X, FZoomCorner.X),
            x2 = std::max(FZoomAnchor.X, FZoomCorner.X);
  const int64_t width = FDispEndPos - FDispStartPos;
  const auto start = static_cast<int32_t>(FDispStartPos + width * (x1 - d.Left) / dw);
  const auto end = static_cast<int32_t>(FDispStartPos + width * (x2 - d.Left) / dw);
  if (start == end) return;
  const int y1 = std::min(FZoomAnchor.Y, FZoomCorner.Y) + 1;
  const int y2 = std::max(FZoomAnchor.Y, FZoomCorner.Y);
  const int rows = FChanLast - FChanFirst + 1;
  const double s = RowHeight();
  int k = 0;
  while (k <= rows && d.Top + k * s < y1) ++k;
  const int32_t first = std::clamp(FChanFirst + k - 1, FChanFirst, FChanLast);
  const int row = s > 0 ? static_cast<int>(std::floor((y2 - d.Top) / s)) : 0;
  const int32_t last = std::clamp(FChanFirst + row, first, FChanLast);
  FPendingZoom = {first, last, start, std::min(end, FBufferCount - 1)};
  if (last > first && onZoomSet) onZoomSet(this);
}

void TLogic::PageBack() {
  if (FDispStartPos == 0) return;
  const int32_t w = FDispEndPos - FDispStartPos;
  FDispStartPos = std::max(FDispStartPos - w, 0);
  FDispEndPos = FDispStartPos + w;
  RefreshDisplay();
}

void TLogic::PageForward() {
  if (FDispEndPos == FBufferCount - 1) return;
  const int32_t w = FDispEndPos - FDispStartPos;
  FDispEndPos = std::min(FDispEndPos + w, FBufferCount - 1);
  FDispStartPos = FDispEndPos - w;
  RefreshDisplay();
}

TBitmap& TLogic::ShiftPicture(int Width, int Height) {
  if (!FShiftPicture) FShiftPicture = std::make_unique<TBitmap>();
  if (FShiftPicture->Width() != Width || FShiftPicture->Height() != Height)
    FShiftPicture->SetSize(Width, Height);
  return *FShiftPicture;
}

void TLogic::ShiftText(bool Down) {
  TCanvas& c = *Canvas();
  const TRect& d = FLayout.Disp;
  const int h = kRowHeight * FRows;
  TBitmap& rows = ShiftPicture(d.Width(), h);
  const int from = Down ? d.Top : d.Top + kRowHeight;
  const int to = Down ? d.Top + kRowHeight : d.Top;
  rows.Canvas()->CopyRect(Rect(0, 0, d.Width(), h), &c, Rect(d.Left, from, d.Right, from + h));
  c.CopyRect(Rect(d.Left, to, d.Right, to + h), rows.Canvas(), Rect(0, 0, d.Width(), h));
  const int32_t sample = Down ? FDispStartPos : FDispEndPos;
  const int y = d.Top + kRowHeight * (sample - FDispStartPos);
  c.Brush()->SetColor(FColTextDisp);
  c.FillRect(Rect(d.Left, y, d.Right, std::min(y + kRowHeight, d.Bottom)));
  DrawTextRow(sample);
}

void TLogic::StepBack() {
  if (FModus == TModus::TextDisp) {
    if (FDispStartPos < 1) return;
    --FDispStartPos;
    FDispEndPos = std::min(FDispStartPos + FRows, FBufferCount - 1);
    ShiftText(true);
    if (FPointerPos > FDispEndPos) UpdatePointer();
    DrawBufferBar();
    return;
  }
  if (FDispStartPos < 1) return;
  ShiftDiagram(true);
}

void TLogic::StepForward() {
  if (FModus == TModus::TextDisp) {
    if (FDispStartPos + 1 >= FBufferCount - FRows) return;
    ++FDispStartPos;
    FDispEndPos = FDispStartPos + FRows;
    ShiftText(false);
    if (FPointerPos < FDispStartPos) UpdatePointer();
    DrawBufferBar();
    return;
  }
  if (FDispEndPos >= FBufferCount - 1) return;
  ShiftDiagram(false);
}

namespace {

// Moves the pixels of D px columns right (Back) or left on the canvas's surface; false, with
// nothing moved, where the canvas clips part of D or D is not wholly on the surface.
bool ShiftInPlace(TCanvas& C, const TRect& D, int Px, bool Back) {
  TRect visible;
  IntersectRect(visible, D, C.ClipRect());
  const TSurface& s = C.Surface();
  const TPoint o = C.Origin();
  const TRect device = Rect(D.Left + o.X, D.Top + o.Y, D.Right + o.X, D.Bottom + o.Y);
  if (!(visible == D) || s.Bits == nullptr || device.Left < 0 || device.Top < 0 ||
      device.Right > s.Width || device.Bottom > s.Height)
    return false;
  const int kept = D.Width() - Px;
  if (kept > 0) {
    for (int y = device.Top; y < device.Bottom; ++y) {
      uint32_t* row = s.Bits + ptrdiff_t(y) * s.Stride + device.Left;
      std::memmove(Back ? row + Px : row, Back ? row : row + Px, size_t(kept) * sizeof(uint32_t));
    }
    if (C.OnPixelsChanged) C.OnPixelsChanged(&C, device);
  }
  return true;
}

}  // namespace

void TLogic::ShiftDiagram(bool Back) {
  // The lines of pointer and marker go before the picture moves; they are drawn anew after.
  if (FPointerDrawn >= 0) DrawMarkLine(FPointerDrawn, FColPointer);
  if (FMarkerDrawn >= 0) DrawMarkLine(FMarkerDrawn, FColMarker);
  FPointerDrawn = FMarkerDrawn = -1;
  const TRect& d = FLayout.Disp;
  const int dw = FLayout.DispWidth;
  const double exact = double(dw) / (FDispEndPos - FDispStartPos) + FRemainder;
  const int px = static_cast<int>(std::clamp<int64_t>(Round(exact), 0, d.Width()));
  FRemainder = exact - px;
  TCanvas& c = *Canvas();
  // The new strip is drawn in a picture of the display's size; the rest of the display moves in
  // place. Where the canvas clips part of the display the whole picture is made and copied back,
  // as a copy through the canvas would respect the clip.
  const int w = d.Width(), h = d.Height();
  TCanvas& p = *ShiftPicture(w, h).Canvas();
  const bool in_place = ShiftInPlace(c, d, px, Back);
  if (!in_place && Back)
    p.CopyRect(Rect(px, 0, w, h), &c, Rect(d.Left, d.Top, d.Right - px, d.Bottom));
  else if (!in_place)
    p.CopyRect(Rect(0, 0, w - px, h), &c, Rect(d.Left + px, d.Top, d.Right, d.Bottom));
  else if (Back && px < w)  // the first moved column, which the step draws on as well
    p.CopyRect(Rect(px, 0, px + 1, h), &c, Rect(d.Left + px, d.Top, d.Left + px + 1, d.Bottom));
  // The new strip: background, baselines, and the run of the sample that came in.
  const int strip_left = Back ? 0 : dw - px;
  const int strip_right = Back ? px : w;
  p.Brush()->SetColor(FColDisplay);
  p.FillRect(Rect(strip_left, 0, strip_right, h));
  const int n = FChanLast - FChanFirst + 1;
  const double s = double(h) / n;
  const int high = static_cast<int>(Round(0.7 * s)), low = static_cast<int>(Round(0.1 * s));
  const int32_t inner = Back ? FDispStartPos : FDispEndPos - 1;  // next to the strip, on screen
  const int32_t outer = Back ? FDispStartPos - 1 : FDispEndPos;  // the one coming in
  const uint32_t inner_value = ReadSample(inner), outer_value = ReadSample(outer);
  TPen* pen = p.Pen();
  for (int k = 0; k < n; ++k) {
    const int y = static_cast<int>(Round((k + 1) * s) - Round(0.1 * s));
    pen->SetStyle(psDot);
    pen->SetColor(FColGrid);
    p.MoveTo(strip_right, y);
    p.LineTo(strip_left, y);
    const uint32_t bit = 1u << (FChanFirst + k);
    const int inner_level = y - ((inner_value & bit) ? high : low);
    const int outer_level = y - ((outer_value & bit) ? high : low);
    pen->SetStyle(psSolid);
    pen->SetColor(FColCurve);
    if (Back) {
      p.MoveTo(0, outer_level);
      p.LineTo(px, outer_level);
      p.LineTo(px, inner_level);
    } else {
      p.MoveTo(strip_left, inner_level);
      p.LineTo(strip_left, outer_level);
      p.LineTo(dw, outer_level);
    }
  }
  // What the step drew: the strip and, stepping back, the first moved column.
  const int drawn_left = in_place ? strip_left : 0;
  const int drawn_right = in_place ? std::min(Back ? px + 1 : w, w) : w;
  c.CopyRect(Rect(d.Left + drawn_left, d.Top, d.Left + drawn_right, d.Bottom), &p,
             Rect(drawn_left, 0, drawn_right, h));
  const int step = Back ? -1 : 1;
  FDispStartPos += step;
  FDispEndPos += step;
  UpdatePointer();
  UpdateMarker();
  DrawBufferBar();
}

void TLogic::RepeatTick() {
  for (int i : {B5, B7, B8, B6}) {
    if (!FHeld[i]) continue;
    if (i == B5) StepBack();
    if (i == B7) StepForward();
    if (i == B8) PageForward();
    if (i == B6) PageBack();
    TickHook();
    TimerSetInterval(FRepeatId, 50);
    return;
  }
  TimerStop(FRepeatId);
}
