// TCurveSynth: painting. Frame, bands, scales and readouts go to the control's image; the plot is
// composed in its own bitmap (grid, curves, XOR cross-hairs) and copied to its place.

#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/msgbox.h"
#include "platform/graphics/draw_helpers.h"
#include "programs/curves/curvesynth.h"
#include "programs/curves/engineering.h"

namespace {

// Posted to the component by a curve that failed while painting; WParam is the channel.
constexpr uint32_t kCurveErrorMessage = WM_USER + 0x43;

// Lines and squares further out than this are left out.
constexpr int kPixelLimit = 31999;

constexpr int kSplinePoints = 64;
constexpr int kBezierPoints = 40;
constexpr int kReadoutLength = 20;

bool Drawable(TPoint P) {
  return P.X >= -kPixelLimit && P.X <= kPixelLimit && P.Y >= -kPixelLimit && P.Y <= kPixelLimit;
}

void Line(TCanvas& C, TPoint A, TPoint B) {
  C.MoveTo(A.X, A.Y);
  C.LineTo(B.X, B.Y);
}

}  // namespace

void TCurveSynth::ForcePaint() { Repaint(); }

void TCurveSynth::Paint() {
  TRahmen::Paint();
  if (!FPainted) UpdateRanges();
  FLayout = LayoutCurve(InnerRect, Height());
  TCanvas& c = *Canvas();
  c.SetFont(Font());
  c.Brush()->SetColor(clBlack);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  TRect plot_frame = FLayout.Plot;
  InflateRect(plot_frame, 2, 2);
  Frame3D(&c, plot_frame, TColor(0x808080), TColor(0xE6E6E6), 2);

  // A control too small for a plot still gets a one-pixel bitmap: nothing divides by zero.
  FPlotBitmap->SetSize(std::max(FLayout.Plot.Width(), 1), std::max(FLayout.Plot.Height(), 1));
  MakeAxes();
  FPainted = true;

  TRect caption_box = FLayout.CaptionBox;
  Frame3D(&c, caption_box, TColor(0x808080), clWhite, 1);
  DrawCaption();
  DrawMakerMark(c, FLayout.CaptionBand.Right - MakerMarkWidth(c), FLayout.CaptionBand.Top);
  // The scale labels drawn next are transparent.
  c.Brush()->SetStyle(bsClear);

  DrawScales();
  RedrawPlot();
  DrawReadouts();
}

void TCurveSynth::DrawCaption() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  TRect box = FLayout.CaptionBox;
  InflateRect(box, -1, -1);
  if (IsRectEmpty(box)) return;
  c.Brush()->SetColor(FCaptBackCol);
  c.FillRect(box);
  const TFontStyles style = c.Font()->Style();
  c.Font()->SetStyle({fsBold});
  FitFontToRect(c, box, FCaption.str());
  c.Font()->SetColor(FCaptionCol);
  const TSize extent = c.TextExtent(FCaption.str());
  c.Brush()->SetStyle(bsClear);
  c.TextRect(box, box.Left + (box.Width() - extent.cx) / 2,
             box.Top + (box.Height() - extent.cy) / 2, FCaption.str());
  c.Font()->SetStyle(style);
}

void TCurveSynth::DrawScales() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  const TRect& plot = FLayout.Plot;
  const int t = FLayout.Tick;
  const int w = FAxisX.Pixels, h = FAxisY.Pixels;
  c.Pen()->SetColor(clBlack);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Brush()->SetColor(ColBgnd());
  c.Font()->SetSize(std::max(FLayout.FontSize, 1));
  const int half_height = std::abs(c.Font()->Height()) / 2 + 2;
  auto unit_text = [&](int x, int y, const std::string& text, TColor colour, bool right_align) {
    c.Font()->SetStyle({fsBold});
    c.Font()->SetColor(colour);
    c.TextOut(right_align ? x - c.TextWidth(text) : x, y, text);
    c.Font()->SetStyle({});
    c.Font()->SetColor(clBlack);
  };
  const int power_width = c.TextWidth("103");

  // x axis
  if (!FNonLinearX) {
    const TLinearScale s =
        LinearScaleLabels(FUnitNameX.str(), FWorkLinStartX, FWorkLinEndX, FScalaPartX);
    unit_text(plot.Right, FLayout.ReadoutRow, s.UnitText, FUnitColX, true);
    for (int i = 0; i <= FScalaPartX; ++i) {
      const int px = w * i / FScalaPartX + plot.Left;
      Line(c, {px, plot.Bottom + t}, {px, plot.Bottom});
      const std::string& text = s.Labels[size_t(i)];
      const int tw = c.TextWidth(text);
      c.TextOut(i == FScalaPartX ? plot.Right + 4 - tw : px - tw / 2, plot.Bottom + t, text);
    }
  } else {
    unit_text(plot.Right, FLayout.ReadoutRow, FUnitNameX.str(), FUnitColX, true);
    const std::vector<double> decades = LogDecades(FLogStartX, FLogEndX);
    for (size_t k = 0; k < decades.size(); ++k) {
      const int px = FAxisX.ToPixel(decades[k]) + plot.Left;
      Line(c, {px, plot.Bottom + t}, {px, plot.Bottom});
      const int x = k + 1 == decades.size() ? px - 2 * (power_width / 2) : px - power_width / 2 - 1;
      DrawPowerOfTen(x, plot.Bottom + t, c, decades[k]);
    }
  }

  // y axis
  const int unit_y = plot.Top - 3 * t;
  if (!FNonLinearY) {
    const TLinearScale s =
        LinearScaleLabels(FUnitNameY.str(), FWorkLinEndY, FWorkLinStartY, FScalaPartY);
    unit_text(10, unit_y, s.UnitText, FUnitColY, false);
    for (int i = 0; i <= FScalaPartY; ++i) {
      const int py = h * i / FScalaPartY + plot.Top;
      Line(c, {plot.Left - t, py}, {plot.Left, py});
      const std::string& text = s.Labels[size_t(i)];
      c.TextOut(plot.Left - c.TextWidth(text) - t - 2, py - half_height, text);
    }
  } else {
    unit_text(10, unit_y, FUnitNameY.str(), FUnitColY, false);
    for (double s : LogDecades(FLogStartY, FLogEndY)) {
      const int py = FAxisY.ToPixel(s) + plot.Top;
      Line(c, {plot.Left - t, py}, {plot.Left, py});
      DrawPowerOfTen(plot.Left - t - power_width - 1, py - half_height, c, s);
    }
  }

  for (TRect box : FLayout.Readouts) Frame3D(&c, box, TColor(0x808080), clWhite, 1);
}

void TCurveSynth::DrawGrid(TCanvas& C) {
  const int w = FAxisX.Pixels, h = FAxisY.Pixels;
  auto column = [&](int x) { Line(C, {x, 0}, {x, h + 1}); };
  auto row = [&](int y) { Line(C, {0, y}, {w + 1, y}); };
  auto log_lines = [&](const TCurveAxis& axis, double start, double end, int parts,
                       const std::function<void(int)>& line) {
    const std::vector<double> decades = LogDecades(start, end);
    for (size_t k = 0; k + 1 < decades.size(); ++k) {
      const double s = decades[k];
      line(axis.ToPixel(s));
      if (parts >= 2) {
        for (int o = 1; o < parts; ++o) line(axis.ToPixel(10.0 / parts * s * o));
      }
    }
  };
  if (!FNonLinearX) {
    for (int d = 1; d < FScalaPartX; ++d) column(d * w / FScalaPartX);
  } else {
    log_lines(FAxisX, FLogStartX, FLogEndX, FScalaPartX, column);
  }
  if (!FNonLinearY) {
    for (int d = 1; d < FScalaPartY; ++d) row(d * h / FScalaPartY);
  } else {
    log_lines(FAxisY, FLogStartY, FLogEndY, FScalaPartY, row);
  }
  C.Pen()->SetColor(FColZeroLine);
  if (const auto x = ZeroLinePixel(FAxisX, Width())) column(*x);
  if (const auto y = ZeroLinePixel(FAxisY, Height())) row(*y);
}

void TCurveSynth::RedrawPlot() {
  if (!FPainted) return;
  TCanvas& c = *FPlotBitmap->Canvas();
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(FColGrid);
  c.Brush()->SetColor(FColDisplay);
  c.FillRect(Rect(0, 0, FPlotBitmap->Width(), FPlotBitmap->Height()));
  DrawGrid(c);
  for (int ch = 1; ch <= kCurveChannels; ++ch) {
    if (Chan(ch).Vis) DrawChanCurve(c, ch);
  }
  CopyPlotToScreen();
  FPointerPix = FMarkerPix = TPoint{-1, -1};
  DrawPointer();
  DrawMarker();
  if (onRefresh) onRefresh(this);
}

bool TCurveSynth::ComputeCurve(int Ch) {
  TCurveChannel& p = FPoints[Ch];
  if (!p.Recompute) return true;
  p.Recompute = false;
  const int n = std::min(p.Count, kMaxCurvePoints);
  const std::span<const TCurvePoint> points(p.Points.data(), size_t(kMaxCurvePoints));
  const std::span<TCurvePoint> out(p.Computed);
  if (Chan(Ch).Typ == ipSpline) {
    SplineCurve(points, 1, n, kSplinePoints, out);
    p.ComputedCount = kSplinePoints;
  } else {
    BezierCurve(points, n, kBezierPoints, out);
    p.ComputedCount = kBezierPoints;
  }
  // A failed curve is drawn as none until its points change: the one computed before belongs to
  // other points.
  if (MathError != 0) p.ComputedCount = 0;
  return MathError == 0;
}

void TCurveSynth::DrawChanCurve(TCanvas& C, int Ch) {
  const TCurveChannel& p = FPoints[Ch];
  const int n = std::min(p.Count, kMaxCurvePoints);
  C.Pen()->SetColor(clBlack);
  C.Pen()->SetWidth(1);
  C.Brush()->SetColor(Chan(Ch).Col);
  for (int i = 0; i < n; ++i) {
    const TCurvePoint& pt = p.Points[size_t(i)];
    if (!PointInLogRange(pt.X, pt.Y)) continue;
    const TPoint px = ValueToPixel(pt.X, pt.Y);
    if (Drawable(px)) C.Rectangle(px.X - 3, px.Y - 3, px.X + 3, px.Y + 3);
  }
  C.Pen()->SetColor(Chan(Ch).Col);

  auto polyline = [&](const TCurvePoint* pts, int count, bool check_range) {
    for (int i = 0; i + 1 < count; ++i) {
      const TCurvePoint &a = pts[i], &b = pts[i + 1];
      if (check_range && !(PointInLogRange(a.X, a.Y) && PointInLogRange(b.X, b.Y))) continue;
      const TPoint pa = ValueToPixel(a.X, a.Y), pb = ValueToPixel(b.X, b.Y);
      if (Drawable(pa) && Drawable(pb)) Line(C, pa, pb);
    }
  };
  if (Chan(Ch).Typ == ipLinear) {
    polyline(p.Points.data(), n, true);
    return;
  }
  if (!ComputeCurve(Ch)) {
    ReportCurveError(Ch);
    return;
  }
  polyline(p.Computed.data(), p.ComputedCount, false);
}

void TCurveSynth::ReportCurveError(int Ch) {
  ReleaseMouse();
  if (TNotifyEvent& event = ChanErrEvent(Ch)) {
    event(this);
  } else if (FShowError) {
    // The message box would paint and wait inside Paint: it comes after the paint instead.
    PostMessage(Handle(), kCurveErrorMessage, Ch, 0);
  }
}

void TCurveSynth::WndProc(TMessage& Message) {
  if (Message.Msg == kCurveErrorMessage) {
    ShowMessage("Chan" + std::to_string(Message.WParam) +
                (EnglishTexts ? ": illegal point" : ": illegaler Punkt"));
    return;
  }
  if (Message.Msg == WM_KILLFOCUS) ReleaseMouse();
  TRahmen::WndProc(Message);
}

void TCurveSynth::CopyPlotToScreen() {
  const TRect& plot = FLayout.Plot;
  Canvas()->CopyRect(plot, FPlotBitmap->Canvas(),
                     Rect(0, 0, FPlotBitmap->Width(), FPlotBitmap->Height()));
}

// --- Cross-hairs ---

void TCurveSynth::DrawCross(TColor Col, TPoint Old, TPoint New) {
  TCanvas& c = *FPlotBitmap->Canvas();
  c.Pen()->SetMode(pmNotXor);
  c.Pen()->SetWidth(2);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(Col);
  const int w = FAxisX.Pixels, h = FAxisY.Pixels;
  auto column = [&](int x) {
    if (x >= 0) Line(c, {x, 0}, {x, h + 1});
  };
  auto row = [&](int y) {
    if (y >= 0) Line(c, {0, y}, {w + 1, y});
  };
  if (Old.X != New.X) {
    column(Old.X);
    column(New.X);
  }
  if (Old.Y != New.Y) {
    row(Old.Y);
    row(New.Y);
  }
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
}

namespace {

// A cross-hair pixel on the plot bitmap, or -1 where the value lies off it.
int CrossPixel(const TCurveAxis& Axis, double Value) {
  const int p = Axis.ToPixel(Value);
  return p >= 0 && p <= Axis.Pixels ? p : -1;
}

}  // namespace

void TCurveSynth::DrawPointer() {
  if (!FPainted || FMouseFunct != TMouseFunc::mfMeas) return;
  if (!FNonLinearX && !(FPointerPosX >= FWorkLinStartX && FPointerPosX <= FWorkLinEndX)) {
    FPointerPosX = FWorkLinStartX + (FWorkLinEndX - FWorkLinStartX) / 2;
  }
  if (!FNonLinearY && !(FPointerPosY >= FWorkLinStartY && FPointerPosY <= FWorkLinEndY)) {
    FPointerPosY = FWorkLinStartY + (FWorkLinEndY - FWorkLinStartY) / 2;
  }
  const TPoint at{CrossPixel(FAxisX, FPointerPosX), CrossPixel(FAxisY, FPointerPosY)};
  if (at == FPointerPix) return;
  DrawCross(FPointerCol, FPointerPix, at);
  FPointerPix = at;
  CopyPlotToScreen();
  if (FPositionShow) DrawReadouts();
}

void TCurveSynth::DrawMarker() {
  if (!FPainted || FMouseFunct != TMouseFunc::mfMeas) return;
  const bool x_out =
      !FNonLinearX && !(FMarkerPosX >= FWorkLinStartX && FMarkerPosX <= FWorkLinEndX);
  const bool y_out =
      !FNonLinearY && !(FMarkerPosY >= FWorkLinStartY && FMarkerPosY <= FWorkLinEndY);
  if (x_out && y_out) return;
  // An axis whose marker value left the range keeps its line where it is.
  const TPoint at{x_out ? FMarkerPix.X : CrossPixel(FAxisX, FMarkerPosX),
                  y_out ? FMarkerPix.Y : CrossPixel(FAxisY, FMarkerPosY)};
  if (at == FMarkerPix) return;
  DrawCross(FMarkerCol, FMarkerPix, at);
  FMarkerPix = at;
  CopyPlotToScreen();
  if (FPositionShow) DrawReadouts();
}

void TCurveSynth::SetMouseFunct(TMouseFunc Value) {
  if (FMouseFunct == Value) return;
  const bool measuring_before = FMouseFunct == TMouseFunc::mfMeas;
  FMouseFunct = Value;
  if (!FPainted || measuring_before == (Value == TMouseFunc::mfMeas)) return;
  if (measuring_before) {
    // Drawn again where they are, the cross-hairs disappear.
    DrawCross(FPointerCol, FPointerPix, {-1, -1});
    DrawCross(FMarkerCol, FMarkerPix, {-1, -1});
    FPointerPix = FMarkerPix = TPoint{-1, -1};
    CopyPlotToScreen();
    DrawReadouts();
  } else {
    DrawPointer();
    DrawMarker();
    DrawReadouts();
  }
}

// --- Readouts ---

void TCurveSynth::DrawReadouts() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  c.Pen()->SetMode(pmCopy);
  c.Font()->SetSize(8);
  c.Font()->SetStyle({});
  c.Brush()->SetColor(clSilver);
  const bool measuring = FPositionShow && FMouseFunct == TMouseFunc::mfMeas;
  for (int i = 0; i < 4; ++i) {
    std::string text;
    TColor colour;
    if (measuring) {
      const bool is_x = i % 2 == 0;
      double v = is_x ? FPointerPosX : FPointerPosY;
      if (i >= 2) v -= is_x ? FMarkerPosX : FMarkerPosY;
      text = FormatEngineering(is_x ? FUnitNameX.str() : FUnitNameY.str(), true, false, v)
                 .substr(0, kReadoutLength) +
             (i < 2 ? " abs" : " rel");
      colour = is_x ? FUnitColX : FUnitColY;
    } else {
      text = Chan(i + 1).Name;
      colour = Chan(i + 1).Col;
    }
    TRect box = FLayout.Readouts[size_t(i)];
    InflateRect(box, -1, -1);
    c.Font()->SetColor(colour);
    c.TextRect(box, box.Left + 1, box.Top - 1, text);
  }
}
