// The curve component on screen: its pixels where the geometry is exact, the cross-hairs, failed
// curves, and the mouse through real events.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/forms/testing/formtest.h"
#include "programs/curves/curvefile.h"
#include "programs/curves/curvesynth.h"

namespace {

std::vector<uint32_t> Pixels(const TBitmap* b) {
  std::vector<uint32_t> out;
  for (int y = 0; y < b->Height(); ++y)
    out.insert(out.end(), b->ScanLine(y), b->ScanLine(y) + b->Width());
  return out;
}

class CurveSynthScreen : public FormTest {
 protected:
  CurveSynthScreen() {
    curve = new TCurveSynth(form);
    curve->SetParent(form);
    curve->SetBounds(0, 0, 380, 280);
    curve->onRefresh = [this](TObject*) { ++refreshes; };
  }

  void Show() {
    form->SetBounds(100, 100, 420, 320);
    ShowForm();
    curve->GetPlotRect(plot);
    if (const char* dump = std::getenv("CURVE_DUMP")) curve->HardCopy()->SaveToFile(dump);
  }

  // A point's pixel in control coordinates.
  TPoint ControlPixel(int c, int i) {
    double x, y;
    curve->GetChanPoint(c, i, x, y);
    const TPoint p = curve->ValueToPixel(x, y);
    return {p.X + plot.Left, p.Y + plot.Top};
  }

  TColor PlotPixel(int x, int y) { return curve->PlotBitmap()->Canvas()->Pixels(x, y); }

  // Pixels of channel c's colour on the plot, inside and outside the squares of its points.
  struct Ink {
    int squares = 0;
    int curve = 0;
  };
  Ink ChannelInk(int c) {
    std::vector<TPoint> squares;
    for (int i = 1; i <= curve->ChanCurvPts(c); ++i) {
      double x, y;
      curve->GetChanPoint(c, i, x, y);
      squares.push_back(curve->ValueToPixel(x, y));
    }
    const TBitmap* b = curve->PlotBitmap();
    Ink ink;
    for (int y = 0; y < b->Height(); ++y) {
      for (int x = 0; x < b->Width(); ++x) {
        if (PlotPixel(x, y) != curve->ChanCol(c)) continue;
        bool in_square = false;
        for (TPoint s : squares) in_square |= std::abs(x - s.X) < 3 && std::abs(y - s.Y) < 3;
        ++(in_square ? ink.squares : ink.curve);
      }
    }
    return ink;
  }

  TCurveSynth* curve = nullptr;
  TRect plot;
  int refreshes = 0;
};

}  // namespace

TEST_F(CurveSynthScreen, PointSquareSitsAtItsPixelOnLinearAndLogAxes) {
  curve->SetChan1Point(1, 4.7, 23.5);  // off every grid line
  Show();
  for (bool log : {false, true}) {
    curve->SetNonLinearX(log);
    curve->SetNonLinearY(log);
    double x, y;
    curve->GetChan1Point(1, x, y);  // its line leaves to the upper right
    const TPoint p = curve->ValueToPixel(x, y);
    EXPECT_EQ(PlotPixel(p.X, p.Y), clRed) << log;
    EXPECT_EQ(PlotPixel(p.X - 3, p.Y), clBlack) << log;  // the square's outline
    EXPECT_EQ(PlotPixel(p.X - 3, p.Y + 2), clBlack) << log;
    EXPECT_EQ(PlotPixel(p.X - 4, p.Y), curve->ColDisplay()) << log;  // just outside it
    // The plot bitmap is what the control shows.
    EXPECT_EQ(ScreenPixel(curve, plot.Left + p.X - 3, plot.Top + p.Y), clBlack) << log;
  }
}

TEST_F(CurveSynthScreen, ScaleLabelsSitWhereTheLayoutPutsThem) {
  Show();
  const TCurveLayout& l = curve->Layout();
  TCanvas& c = *curve->Canvas();
  // Some ink of every x label in the cell the layout gives it, and none in the gaps between.
  const int w = curve->AxisX().Pixels;
  const int label_top = plot.Bottom + l.Tick;
  const Shot shot = ScreenShot(curve);
  for (int i = 0; i <= 10; ++i) {
    const int px = w * i / 10 + plot.Left;
    int ink = 0;
    for (int y = label_top; y < label_top + 10; ++y) {
      for (int x = px - 6; x <= px + 6; ++x) ink += shot.Pixel(x, y) == clBlack;
    }
    EXPECT_GT(ink, 3) << "label " << i;
    if (i > 0 && i < 10) {
      const int gap = px + w / 20;
      for (int y = label_top; y < label_top + 10; ++y) EXPECT_NE(c.Pixels(gap, y), clBlack);
    }
  }
  // The x unit text ends at the plot's right edge, on the readout row.
  int unit_ink = 0;
  for (int x = plot.Right - 30; x < plot.Right; ++x) {
    for (int y = l.ReadoutRow; y < l.ReadoutRow + 10; ++y) unit_ink += c.Pixels(x, y) == clBlack;
  }
  EXPECT_GT(unit_ink, 10);
}

TEST_F(CurveSynthScreen, MeasuringOnAndOffLeavesThePlotAsItWas) {
  Show();
  const std::vector<uint32_t> before = Pixels(curve->PlotBitmap());
  curve->SetMouseFunct(TMouseFunc::mfMeas);
  EXPECT_NE(Pixels(curve->PlotBitmap()), before);
  curve->SetPointerPosX(20);
  curve->SetMarkerPosY(70);
  curve->SetPointerCol(clBlue);
  curve->SetMouseFunct(TMouseFunc::mfDragPts);
  EXPECT_EQ(Pixels(curve->PlotBitmap()), before);
  EXPECT_EQ(ScreenPixel(curve, plot.Left + 5, plot.Top + 5), PlotPixel(5, 5));
}

TEST_F(CurveSynthScreen, FailedCurveReportsAndDrawsOnlyItsSquares) {
  int errors = 0;
  curve->onChan3Err = [&](TObject*) { ++errors; };
  for (int c : {1, 2, 4}) curve->SetChanVis(c, false);
  curve->SetChan3Point(2, 20, 40);  // the same place as point 1: no chord between them
  Show();
  EXPECT_EQ(errors, 1);
  const Ink ink = ChannelInk(3);
  EXPECT_GT(ink.squares, 0);
  EXPECT_EQ(ink.curve, 0);

  // Without an error event the message comes after the paint, as a posted message.
  curve->onChan3Err = nullptr;
  curve->SetShowError(true);
  curve->SetChan3CurvTyp(ipBezier);
  curve->SetChan3CurvPts(5);
  curve->SetChan3Point(5, 20, 40);
  curve->SetChan3CurvTyp(ipSpline);
  EXPECT_TRUE(dialogs.Asked().empty());
  dialogs.Answer(mrOk);
  Pump();
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "Chan3: illegaler Punkt");
}

// The curve computed before a failure belongs to other points: later redraws, a resize among them,
// must not bring it back.
TEST_F(CurveSynthScreen, AFailedCurveStaysUndrawnAfterAResize) {
  const std::string file = testing::TempDir() + "/two-points.wvr";
  const struct {
    const char* name;
    TCurveTyp typ;
    std::function<void()> spoil;
  } cases[] = {
      // Only a file gives a channel fewer than four points.
      {"Bezier of two points from a file", ipBezier,
       [&] {
         TCurveChannels two = curve->Channels();
         two[3].Count = 2;
         std::ofstream(file, std::ios::binary) << WriteCurveFile(two);
         ASSERT_TRUE(curve->LoadFromFile(file));
         curve->RedrawPlot();
       }},
      {"spline through one place twice", ipSpline,
       [&] {
         curve->SetChan3Point(2, 10, 20);
         curve->RedrawPlot();
       }},
  };
  int errors = 0;
  curve->onChan3Err = [&](TObject*) { ++errors; };
  for (int c : {1, 2, 4}) curve->SetChanVis(c, false);
  Show();
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    curve->SetBounds(0, 0, 380, 280);
    curve->SetChan3CurvPts(5);
    curve->SetChan3CurvPts(4);
    const double points[4][2] = {{10, 20}, {30, 80}, {60, 90}, {90, 30}};
    for (int i = 0; i < 4; ++i) curve->SetChan3Point(i + 1, points[i][0], points[i][1]);
    curve->SetChan3CurvTyp(k.typ);
    Pump();
    ASSERT_GT(ChannelInk(3).curve, 0);
    const int before = errors;
    k.spoil();
    Pump();
    EXPECT_EQ(errors, before + 1);
    EXPECT_EQ(ChannelInk(3).curve, 0);
    curve->SetBounds(0, 0, 360, 260);
    Pump();
    EXPECT_EQ(ChannelInk(3).curve, 0);
    EXPECT_GT(ChannelInk(3).squares, 0);
    double y;
    EXPECT_FALSE(curve->GetChan3CurveY(50, y));
    EXPECT_EQ(errors, before + 1);
  }
}

TEST_F(CurveSynthScreen, UnchangedSettingsDoNotRedraw) {
  Show();
  const int shown = refreshes;
  curve->SetChan1CurvPts(4);
  curve->SetChan2Col(curve->Chan2Col());
  curve->SetChan3Vis(true);
  EXPECT_EQ(refreshes, shown);
  curve->SetChan1CurvPts(5);
  EXPECT_EQ(refreshes, shown + 1);
}

TEST_F(CurveSynthScreen, HardCopyShowsTheControlAndIsFreedWhenTakenAgain) {
  Show();
  TBitmap* first = curve->HardCopy();
  ASSERT_EQ(first->Width(), 380);
  EXPECT_EQ(first->Canvas()->Pixels(plot.Left + 5, plot.Top + 5), PlotPixel(5, 5));
  TBitmap* second = curve->HardCopy();  // the first one is freed (the sanitizer build checks)
  EXPECT_EQ(second->Height(), 280);
  curve->SetHardCopy(nullptr);
}

// --- Mouse ---

TEST_F(CurveSynthScreen, PressPicksLowerChannelThenLowerIndex) {
  curve->SetChan2Point(1, 30, 45);  // on channel 1's point 3
  curve->SetChan1Point(4, 30, 45);  // and channel 1's point 4 too
  Show();
  curve->SetMouseFunct(TMouseFunc::mfDragPts);
  const TPoint p = ControlPixel(1, 3);
  Press(curve, p.X + 2, p.Y - 3);
  EXPECT_EQ(curve->DraggedChannel(), 1);
  EXPECT_EQ(curve->DraggedPoint(), 3);
  Release(curve, p.X + 2, p.Y - 3);
  EXPECT_EQ(curve->DraggedChannel(), -1);

  const struct {
    const char* what;
    TMouseButton button;
    TShiftState keys;
    TPoint at;
  } misses[] = {
      {"right button", mbRight, {}, p},
      {"shift held", mbLeft, {ssShift}, p},
      {"four pixels away", mbLeft, {}, {p.X + 4, p.Y}},
  };
  for (const auto& m : misses) {
    Pause();
    Press(curve, m.at.X, m.at.Y, m.button, m.keys);
    EXPECT_EQ(curve->DraggedChannel(), -1) << m.what;
    Release(curve, m.at.X, m.at.Y, m.button, m.keys);
  }
}

TEST_F(CurveSynthScreen, DragMovesThePointByTheDraggedValues) {
  Show();
  curve->SetMouseFunct(TMouseFunc::mfDragPts);
  const TPoint p = ControlPixel(1, 2);
  Press(curve, p.X, p.Y);
  const int before = refreshes;
  Move(curve, p.X + 30, p.Y - 24);
  Move(curve, p.X + 30, p.Y - 24);  // the same pixel again: nothing
  EXPECT_EQ(refreshes, before + 1);
  double x, y, ex, ey;
  curve->GetChan1Point(2, x, y);
  curve->PixelToValue(p.X + 30, p.Y - 24, ex, ey);
  EXPECT_DOUBLE_EQ(x, ex);
  EXPECT_DOUBLE_EQ(y, ey);
  double x0, y0;
  curve->PixelToValue(p.X, p.Y, x0, y0);
  EXPECT_NEAR(x - x0, 30.0 * 100 / curve->AxisX().Pixels, 1e-9);
  EXPECT_NEAR(y - y0, 24.0 * 100 / curve->AxisY().Pixels, 1e-9);
  EXPECT_EQ(ControlPixel(1, 2), Point(p.X + 30, p.Y - 24));
  EXPECT_EQ(PlotPixel(p.X + 30 - plot.Left, p.Y - 24 - plot.Top), clRed);
  Release(curve, p.X + 30, p.Y - 24);

  // With the ascending switch on, the drag stops at the neighbour's X.
  curve->SetChan1X_Succ(true);
  const TPoint q = ControlPixel(1, 2);
  Pause();
  Press(curve, q.X, q.Y);
  Move(curve, plot.Right - 1, q.Y);
  curve->GetChan1Point(2, x, y);
  EXPECT_EQ(x, 30);  // point 3's X
  Release(curve, plot.Right - 1, q.Y);
}

TEST_F(CurveSynthScreen, MeasuringMovesPointerWithLeftAndMarkerWithRight) {
  Show();
  curve->SetMouseFunct(TMouseFunc::mfMeas);
  const double px = curve->PointerPosX(), mx = curve->MarkerPosX();
  Press(curve, plot.Left + 10, plot.Top + 10, mbLeft, {ssShift});
  Release(curve, plot.Left + 10, plot.Top + 10, mbLeft, {ssShift});
  EXPECT_EQ(curve->PointerPosX(), px);
  EXPECT_EQ(curve->MarkerPosX(), mx);
  Pause();
  Click(curve, plot.Left + 10, plot.Top + 10);
  double vx, vy;
  curve->PixelToValue(plot.Left + 10, plot.Top + 10, vx, vy);
  EXPECT_EQ(curve->PointerPosX(), vx);
  EXPECT_EQ(curve->PointerPosY(), vy);
  EXPECT_EQ(curve->MarkerPosX(), mx);
  Pause();
  Click(curve, plot.Left + 50, plot.Top + 60, mbRight);
  curve->PixelToValue(plot.Left + 50, plot.Top + 60, vx, vy);
  EXPECT_EQ(curve->MarkerPosX(), vx);
  EXPECT_EQ(curve->MarkerPosY(), vy);
}

TEST_F(CurveSynthScreen, CursorIsConfinedWhileAButtonIsHeld) {
  Show();
  TRect r;
  EXPECT_FALSE(GetClipCursor(r));
  Press(curve, plot.Left + 20, plot.Top + 20);
  ASSERT_TRUE(GetClipCursor(r));
  const TPoint origin = curve->ClientOrigin();
  EXPECT_EQ(r, Rect(plot.Left + origin.X, plot.Top + origin.Y, plot.Right + origin.X,
                    plot.Bottom + origin.Y + 1));
  Release(curve, plot.Left + 20, plot.Top + 20);
  EXPECT_FALSE(GetClipCursor(r));

  // Outside the plot nothing is confined.
  Pause();
  Press(curve, 2, 2);
  EXPECT_FALSE(GetClipCursor(r));
  Release(curve, 2, 2);

  // Another window taking the focus ends it, as does freeing the component.
  TForm other(nullptr);
  other.SetBounds(600, 100, 100, 100);
  other.Show();
  Pump();
  Activate(form);
  Pause();
  Press(curve, plot.Left + 20, plot.Top + 20);
  ASSERT_TRUE(GetClipCursor(r));
  Activate(&other);
  EXPECT_FALSE(GetClipCursor(r));
  Activate(form);
  Release(curve, plot.Left + 20, plot.Top + 20);
  Pause();
  Press(curve, plot.Left + 20, plot.Top + 20);
  delete curve;
  curve = nullptr;
  EXPECT_FALSE(GetClipCursor(r));
}

TEST_F(CurveSynthScreen, Chan3LookupUsesTheSegmentThatContainsX) {
  Show();
  const TCurveChannel& ch = curve->Channels()[3];
  ASSERT_EQ(ch.ComputedCount, 64);
  double y = 0;
  const TCurvePoint& a = ch.Computed[9];
  const TCurvePoint& b = ch.Computed[10];
  ASSERT_TRUE(curve->GetChan3CurveY(b.X, y));
  EXPECT_DOUBLE_EQ(y, b.Y);
  ASSERT_TRUE(curve->GetChan3CurveY((a.X + b.X) / 2, y));
  EXPECT_NEAR(y, (a.Y + b.Y) / 2, 1e-9);
  EXPECT_FALSE(curve->GetChan3CurveY(-1000, y));
  curve->SetChan3CurvTyp(ipLinear);
  EXPECT_FALSE(curve->GetChan3CurveY(b.X, y));
}
