#include <gtest/gtest.h>

#include <random>
#include <string>

#include "logic_fixture.h"
#include "platform/base/numbers.h"

namespace {

class LogicPaint : public LogicTest {
 protected:
  // A display-only layout whose display area is 400 x 200 (dw = 400, dh = 200), 8-bit samples,
  // channels 0..7, no pointer or marker lines.
  void MakeTraces() {
    MakeLogic(416, 209, false);
    logic->SetDisplayTyp(dispOnly);
    logic->SetLogSize(TLogSize::Size8);
    logic->SetChanFirst(0);
    logic->SetChanLast(7);
    logic->SetPointerEnable(false);
    logic->SetMarkerEnable(false);
    logic->SetTriggerPos(-100);
    ShowForm();
    d = logic->GetDisplayRect();
    ASSERT_EQ(logic->Layout().DispWidth, 400);
    ASSERT_EQ(logic->Layout().DispHeight, 200);
  }
  bool Curve(int x, int y) { return logic->Canvas()->Pixels(x, y) == logic->ColCurve(); }

  // The traces as a line pair per sample, drawn on a bitmap the size of the control.
  void ReferenceTraces(TBitmap& b) {
    b.SetSize(logic->Width(), logic->Height());
    TCanvas& c = *b.Canvas();
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(0, 0, b.Width(), b.Height()));
    c.Pen()->SetColor(logic->ColCurve());
    const int n = logic->ChanLast() - logic->ChanFirst() + 1;
    const double s = double(logic->Layout().DispHeight) / n;
    const int32_t start = logic->DispStartPos(), end = logic->DispEndPos();
    const double step = double(logic->Layout().DispWidth) / (end - start);
    for (int k = 0; k < n; ++k) {
      const int y = d.Top + int(Round((k + 1) * s) - Round(0.1 * s));
      const uint32_t bit = 1u << (logic->ChanFirst() + k);
      const auto level = [&](int32_t i) {
        return y - int((logic->ReadSample(i) & bit) ? Round(0.7 * s) : Round(0.1 * s));
      };
      c.MoveTo(d.Left, level(start));
      int e = d.Left;
      for (int32_t i = start; i < end; ++i) {
        const int f = int(Round((i - start + 1) * step)) + d.Left;
        c.LineTo(e, level(i));
        c.LineTo(f, level(i));
        e = f;
      }
    }
  }

  TRect d;
};

TEST_F(LogicPaint, RowsLevelsAndRunsOfTheDiagram) {
  MakeTraces();
  for (int32_t i = 0; i < 60; ++i) logic->WriteSample(i, i % 2 == 0 ? 0xFF : 0x00);
  logic->RefreshDisplay();  // writing samples does not redraw
  for (int k = 0; k < 8; ++k) {
    SCOPED_TRACE(k);
    const int base = d.Top + 25 * (k + 1) - 2;  // rows of 25 pixels
    const int hi = base - 18, lo = base - 2;    // Round(17.5) = 18, Round(2.5) = 2
    for (int i = 0; i < 50; ++i) {
      const int x = d.Left + 8 * i + 4;  // the middle of sample i's run of 8 pixels
      ASSERT_EQ(Curve(x, hi), i % 2 == 0) << i;
      ASSERT_EQ(Curve(x, lo), i % 2 == 1) << i;
      ASSERT_FALSE(Curve(x, hi - 1));
      ASSERT_FALSE(Curve(x, lo + 1));
    }
    // The fall after sample 0 covers its column from the high to the low row.
    for (int y = hi; y <= lo; ++y) EXPECT_TRUE(Curve(d.Left + 8, y));
    EXPECT_FALSE(Curve(d.Left + 8, lo + 1));
    // The sample at the view's end is not drawn.
    EXPECT_FALSE(Curve(d.Left + 400, hi));
    EXPECT_FALSE(Curve(d.Left + 400, lo));
  }
}

TEST_F(LogicPaint, TracesMatchALinePairPerSample) {
  MakeTraces();
  std::mt19937 rng(3);
  for (int32_t i = 0; i < logic->BufferCount(); ++i) logic->WriteSample(i, rng());
  for (int32_t i = 2000; i < 2100; ++i) logic->WriteSample(i, i / 7);  // slow changes too
  struct View {
    int32_t start, end, first, last;
  } views[] = {{0, 50, 0, 7},      {0, 3999, 0, 7},  {1990, 2390, 0, 7}, {1000, 1161, 2, 5},
               {2000, 2100, 0, 3}, {100, 101, 0, 7}, {2000, 3999, 1, 6}};
  for (const View& v : views) {
    SCOPED_TRACE(std::to_string(v.start) + ".." + std::to_string(v.end));
    logic->SetChanLast(v.last);
    logic->SetChanFirst(v.first);
    logic->SetDispEndPos(v.end);
    logic->SetDispStartPos(v.start);
    ASSERT_EQ(logic->DispStartPos(), v.start);
    ASSERT_EQ(logic->DispEndPos(), v.end);
    logic->RefreshDisplay();
    TBitmap ref;
    ReferenceTraces(ref);
    int differ = 0;
    for (int y = d.Top; y < d.Bottom; ++y) {
      for (int x = d.Left; x < d.Right; ++x)
        differ += Curve(x, y) != (ref.Canvas()->Pixels(x, y) == logic->ColCurve());
    }
    EXPECT_EQ(differ, 0);
  }
}

TEST_F(LogicPaint, TheTriggerBandOnlyBetweenStartAndEnd) {
  MakeTraces();
  logic->SetDispStartPos(0);
  logic->SetDispEndPos(50);
  struct Case {
    int32_t trigger;
    bool band;
  } cases[] = {{0, false}, {50, false}, {-3, false}, {25, true}, {1, true}, {49, true}};
  for (const Case& c : cases) {
    logic->SetTriggerPos(c.trigger);
    EXPECT_EQ(Count(*logic->Canvas(), d, logic->ColTrigger()) > 0, c.band) << c.trigger;
  }
  // At sample 25 the band spans the columns 2 either side less one: xt - 2 .. xt + 1.
  logic->SetTriggerPos(25);
  EXPECT_EQ(logic->Canvas()->Pixels(d.Left + 198, d.Top + 5), logic->ColTrigger());
  EXPECT_EQ(logic->Canvas()->Pixels(d.Left + 201, d.Top + 5), logic->ColTrigger());
  EXPECT_NE(logic->Canvas()->Pixels(d.Left + 202, d.Top + 5), logic->ColTrigger());
}

TEST_F(LogicPaint, ReadoutTimes) {
  MakeLogic();
  struct Case {
    double seconds;
    const char* text;
  } cases[] = {{0.00005, "50.00uSec"}, {0.00016, "160.0uSec"}, {60, "60.0Sec"},
               {61, "00:01:01"},       {3725.68, "01:02:05"},  {-0.001, "-1.000mSec"}};
  for (const Case& c : cases) EXPECT_EQ(logic->TimeText(c.seconds), c.text) << c.seconds;
}

TEST_F(LogicPaint, TheFooterOnlyInLayoutsThatHaveOne) {
  MakeLogic(400, 200);
  // Footer band 30 high from 166 to 196: buttons from 168, 28 high, 18 wide.
  const auto& b = logic->Footer().Buttons;
  EXPECT_EQ(b[0], Rect(5, 168, 23, 196));
  EXPECT_EQ(b[1], Rect(22, 168, 40, 182));
  EXPECT_EQ(b[2], Rect(22, 182, 40, 196));
  EXPECT_EQ(b[3], Rect(43, 168, 61, 196));
  EXPECT_EQ(b[7], Rect(77, 182, 95, 196));
  EXPECT_GT(Count(*logic->Canvas(), b[0], clBlack), 0);
  EXPECT_EQ(Count(*logic->Canvas(), logic->Footer().BufferBar, TColor(0x0000FF)) > 0, true);

  for (tdispType t : {dispOnly, dispTop, dispCenter}) {
    logic->SetDisplayTyp(t);
    Pump();
    EXPECT_TRUE(IsRectEmpty(logic->Footer().Buttons[0]));
    EXPECT_TRUE(IsRectEmpty(logic->Footer().HexField));
    // Nothing black (button outlines, arrows) below the display area.
    const TRect below = Rect(0, logic->GetDisplayRect().Bottom + 1, 400, 196);
    EXPECT_EQ(Count(*logic->Canvas(), below, clBlack), 0);
  }
  logic->SetDisplayTyp(dispBottom);
  Pump();
  EXPECT_FALSE(IsRectEmpty(logic->Footer().Buttons[0]));
}

TEST_F(LogicPaint, TextRows) {
  MakeLogic();
  logic->WriteSample(3, 0x41424344);
  std::string a, b, c;
  logic->TextRowTexts(3, a, b, c);
  EXPECT_EQ(a, " 0003:  hex: 41424344");
  EXPECT_EQ(b, "  bin: 01000001 01000010 01000011 01000100");
  EXPECT_EQ(c, "  'ABCD'");
  logic->SetLogSize(TLogSize::Size16);
  logic->TextRowTexts(6, a, b, c);
  EXPECT_EQ(a, " 0006:  hex: 4344");
  EXPECT_EQ(b, "  bin: 01000011 01000100");
  logic->SetLogSize(TLogSize::Size8);
  logic->TextRowTexts(12, a, b, c);
  EXPECT_EQ(a, " 000C:  hex: 44");
  EXPECT_EQ(b, "  bin: 01000100");
  EXPECT_EQ(c, "  'D'");
}

// The trigger triangle at the left end of the trigger's row, however that row was drawn: in the
// full redraw (transparent texts), as the pointer's or marker's row (opaque texts), or as the row
// a step brings in.
TEST_F(LogicPaint, TheTriggerTriangleShowsInItsRow) {
  enum How { Plain, PointerRow, MarkerRow, SteppedIn };
  const struct {
    const char* name;
    How how;
  } cases[] = {{"full redraw", Plain},
               {"pointer row", PointerRow},
               {"marker row", MarkerRow},
               {"stepped in", SteppedIn}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    delete form;
    form = new TForm(nullptr);
    MakeLogic(400, 300, false);
    logic->SetPointerPos(300);
    logic->SetMarkerPos(0);
    logic->SetModus(TModus::TextDisp);
    ShowForm();
    const TRect& d = logic->GetDisplayRect();
    const int32_t start = logic->DispStartPos();
    const int32_t trigger = k.how == SteppedIn ? start - 1 : start + 3;
    logic->SetTriggerPos(trigger);
    Pump();
    if (k.how == PointerRow) logic->SetPointerPos(trigger);
    if (k.how == MarkerRow) logic->SetMarkerPos(trigger);
    if (k.how == SteppedIn) logic->StepBack();
    ASSERT_EQ(logic->DispStartPos(), k.how == SteppedIn ? trigger : start);
    // The triangle's left part, before the first character (the row starts with a blank).
    const int y = d.Top + 13 * (trigger - logic->DispStartPos());
    const TRect mark = Rect(d.Left, y + 4, d.Left + 4, y + 10);
    EXPECT_EQ(Count(*logic->Canvas(), mark, logic->ColTrigger()), mark.Width() * mark.Height());
    const TRect other = Rect(mark.Left, mark.Top + 13 * 2, mark.Right, mark.Bottom + 13 * 2);
    EXPECT_EQ(Count(*logic->Canvas(), other, logic->ColTrigger()), 0);
  }
}

TEST_F(LogicPaint, TheCharacterColumnGoesWhenTheRowIsTooNarrow) {
  for (int width : {700, 470}) {
    delete form;
    form = new TForm(nullptr);
    MakeLogic(width, 300);
    logic->SetModus(TModus::TextDisp);
    Pump();
    const TRect& d = logic->GetDisplayRect();
    TBitmap probe;
    probe.Canvas()->Font()->SetName("Courier New");
    probe.Canvas()->Font()->SetSize(10);
    std::string a, b, c;
    logic->TextRowTexts(0, a, b, c);
    const int from = d.Left + probe.Canvas()->TextWidth(a + b);
    const bool fits = probe.Canvas()->TextWidth(a + b + "        ") <= logic->Layout().DispWidth;
    const int text =
        Count(*logic->Canvas(), Rect(from, d.Top + 13, d.Right, d.Bottom), logic->ColText());
    EXPECT_EQ(text > 0, fits) << width;
  }
}

TEST_F(LogicPaint, SnapshotsOfTheDisplayAndTheWhole) {
  MakeLogic();
  TBitmap* disp = logic->PrintDisp();
  ASSERT_NE(disp, nullptr);
  EXPECT_EQ(disp->Width(), logic->GetDisplayRect().Width());
  EXPECT_EQ(disp->Canvas()->Pixels(0, 0),
            logic->Canvas()->Pixels(logic->GetDisplayRect().Left, logic->GetDisplayRect().Top));
  TBitmap* all = logic->PrintAll();
  EXPECT_EQ(all->Width(), 400);
  EXPECT_EQ(all->Height(), 300);
  logic->ReleasePrint();
}

}  // namespace
