#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "logic_fixture.h"

namespace {

class LogicMouse : public LogicTest {
 protected:
  // 433 x 300 (a display 350 pixels wide: 7 per sample), channels 0..7 of 32-bit samples, the
  // view 0..50.
  void Make() {
    MakeLogic(433, 300, false);
    logic->SetChanLast(7);
    ShowForm();
    d = logic->GetDisplayRect();
    ASSERT_EQ(logic->Layout().DispWidth, 350);
  }
  TPoint Centre(int button) const {
    const TRect& r = logic->Footer().Buttons[button];
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void PressButton(int button, TMouseButton mouse = mbLeft, TShiftState keys = {}) {
    Press(logic, Centre(button).X, Centre(button).Y, mouse, keys);
  }
  void ReleaseButton(int button, TMouseButton mouse = mbLeft) {
    Release(logic, Centre(button).X, Centre(button).Y, mouse);
  }
  void ClickButton(int button, TMouseButton mouse = mbLeft, TShiftState keys = {}) {
    Pause();
    PressButton(button, mouse, keys);
    ReleaseButton(button, mouse);
  }
  // Row k's middle in the diagram.
  int RowY(int k) const {
    const double s =
        double(logic->Layout().DispHeight) / (logic->ChanLast() - logic->ChanFirst() + 1);
    return d.Top + int((k + 0.5) * s);
  }
  void DragZoom(int x1, int y1, int x2, int y2) {
    Pause();
    Press(logic, x1, y1, mbMiddle);
    Move(logic, (x1 + x2) / 2, (y1 + y2) / 2);
    Move(logic, x2, y2);
    Release(logic, x2, y2, mbMiddle);
  }
  std::vector<TColor> Pixels(const TRect& r) {
    std::vector<TColor> p;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) p.push_back(logic->Canvas()->Pixels(x, y));
    return p;
  }
  TRect d;
};

TEST_F(LogicMouse, AHeldScrollButtonRepeatsAfterElevenTicksThenEveryTick) {
  Make();
  PressButton(6);  // step forward
  EXPECT_EQ(logic->DispStartPos(), 1);
  Ticks(10);
  EXPECT_EQ(logic->DispStartPos(), 1);
  Ticks(1);
  EXPECT_EQ(logic->DispStartPos(), 2);
  Ticks(1);
  EXPECT_EQ(logic->DispStartPos(), 3);
  Ticks(3);
  EXPECT_EQ(logic->DispStartPos(), 6);
  ReleaseButton(6);
  Ticks(30);
  EXPECT_EQ(logic->DispStartPos(), 6);
  EXPECT_EQ(logic->DispEndPos(), 56);

  // Page forward and back keep the width; step back at the start does nothing.
  ClickButton(7);
  EXPECT_EQ(logic->DispStartPos(), 56);
  ClickButton(5);
  ClickButton(5);
  EXPECT_EQ(logic->DispStartPos(), 0);
  EXPECT_EQ(logic->DispEndPos(), 50);
  ClickButton(4);
  EXPECT_EQ(logic->DispStartPos(), 0);
}

TEST_F(LogicMouse, ChannelButtonsMoveTheWindowAsOne) {
  Make();
  logic->SetChanFirst(3);
  logic->SetChanLast(4);
  ClickButton(1);  // up: a window of two channels moves, it does not grow
  EXPECT_EQ(logic->ChanFirst(), 4);
  EXPECT_EQ(logic->ChanLast(), 5);
  ClickButton(2);
  ClickButton(2);
  EXPECT_EQ(logic->ChanFirst(), 2);
  EXPECT_EQ(logic->ChanLast(), 3);

  logic->SetChanLast(31);
  logic->SetChanFirst(30);
  ClickButton(1);  // at the highest channel: nothing
  EXPECT_EQ(logic->ChanLast(), 31);
  logic->SetChanFirst(0);
  logic->SetChanLast(1);
  ClickButton(2);  // at channel 0: nothing
  EXPECT_EQ(logic->ChanFirst(), 0);

  // B1: all channels, then the zoomed ones, then all again.
  ClickButton(0);
  Pump();
  EXPECT_EQ(logic->ChanLast(), 31);
  ClickButton(0);
  Pump();
  EXPECT_EQ(logic->ChanFirst(), 2);
  EXPECT_EQ(logic->ChanLast(), 5);
  ClickButton(0);
  Pump();
  EXPECT_EQ(logic->ChanFirst(), 0);
  EXPECT_EQ(logic->ChanLast(), 31);
}

TEST_F(LogicMouse, TheViewButtonSwitchesBetweenTheWholeBufferAndTheZoom) {
  Make();
  ClickButton(3);
  EXPECT_EQ(logic->DispStartPos(), 0);
  EXPECT_EQ(logic->DispEndPos(), 999);
  ClickButton(3);
  Pump();
  EXPECT_EQ(logic->DispStartPos(), 20);
  EXPECT_EQ(logic->DispEndPos(), 80);
  ClickButton(3);
  EXPECT_EQ(logic->DispEndPos(), 999);

  // Shift with it switches the view; in the text view only that works.
  ClickButton(3, mbLeft, {ssShift});
  Pump();
  EXPECT_EQ(logic->Modus(), TModus::TextDisp);
  const int32_t start = logic->DispStartPos(), first = logic->ChanFirst();
  for (int b : {0, 1, 2, 3}) ClickButton(b);
  Pump();
  EXPECT_EQ(logic->Modus(), TModus::TextDisp);
  EXPECT_EQ(logic->DispStartPos(), start);
  EXPECT_EQ(logic->ChanFirst(), first);
  ClickButton(3, mbMiddle);
  Pump();
  EXPECT_EQ(logic->Modus(), TModus::Diagram);
}

// Neighbouring buttons share their black outlines (B2 starts on B1's last column): a held button
// draws its sunken frame on its own face only, and its release gives the footer back as painted.
TEST_F(LogicMouse, AHeldButtonLeavesTheBlackLinesBetweenButtonsAlone) {
  Make();
  logic->SetModus(TModus::TextDisp);
  Pump();
  const auto& b = logic->Footer().Buttons;
  const TRect strip = Rect(b[0].Left, b[0].Top, b[7].Right + 1, b[7].Bottom + 1);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE("button " + std::to_string(i + 1));
    const auto painted = Pixels(strip);
    Pause();
    PressButton(i);
    const auto held = Pixels(strip);
    EXPECT_NE(held, painted);
    for (size_t k = 0; k < painted.size(); ++k) {
      if (painted[k] != clBlack) continue;
      const int x = strip.Left + int(k) % strip.Width(), y = strip.Top + int(k) / strip.Width();
      EXPECT_EQ(held[k], clBlack) << x << "," << y;
    }
    ReleaseButton(i);
    EXPECT_EQ(Pixels(strip), painted);
  }
}

TEST_F(LogicMouse, PointerAndMarkerFollowTheMouseAndTheReadouts) {
  Make();
  const TRect p = logic->Footer().BoxUpper[0], m = logic->Footer().BoxUpper[1];
  const auto pointer_box = Pixels(p), marker_box = Pixels(m);
  const int x = d.Left + logic->Layout().DispWidth * 30 / 50;
  Click(logic, x, RowY(2));
  EXPECT_EQ(logic->PointerPos(), 30);
  EXPECT_NE(Pixels(p), pointer_box);
  Click(logic, d.Left + logic->Layout().DispWidth / 5, RowY(2), mbRight);
  EXPECT_EQ(logic->MarkerPos(), 10);
  EXPECT_NE(Pixels(m), marker_box);
  // Dragging with the left button moves the pointer along.
  Pause();
  Press(logic, x, RowY(1));
  Move(logic, d.Left + logic->Layout().DispWidth * 40 / 50, RowY(1));
  Release(logic, d.Left + logic->Layout().DispWidth * 40 / 50, RowY(1));
  EXPECT_EQ(logic->PointerPos(), 40);

  // In the text view the row under the mouse counts.
  logic->SetModus(TModus::TextDisp);
  Pump();
  Click(logic, d.Left + 50, d.Top + 13 * 3 + 2);
  EXPECT_EQ(logic->PointerPos(), logic->DispStartPos() + 3);
}

TEST_F(LogicMouse, ZoomRectangle) {
  Make();
  bool fired = false;
  logic->onZoomSet = [&](TObject*) { fired = true; };
  const int dw = logic->Layout().DispWidth;
  // Inside one channel row: the pending zoom changes, the event does not fire.
  DragZoom(d.Left + dw / 5, RowY(3) - 2, d.Left + dw * 2 / 5, RowY(3) + 2);
  EXPECT_FALSE(fired);
  EXPECT_EQ(logic->PendingZoom(), (TPendingZoom{3, 3, 10, 20}));
  // Less than one sample wide: nothing changes.
  DragZoom(d.Left + 100, RowY(1), d.Left + 102, RowY(6));
  EXPECT_FALSE(fired);
  EXPECT_EQ(logic->PendingZoom(), (TPendingZoom{3, 3, 10, 20}));
  // Over rows 2..5: the event fires and the main form would apply it.
  logic->onZoomSet = [&](TObject*) {
    fired = true;
    logic->ApplyZoom();
  };
  DragZoom(d.Left + dw / 2, RowY(2), d.Left + dw, RowY(5));
  EXPECT_TRUE(fired);
  EXPECT_EQ(logic->PendingZoom(), (TPendingZoom{2, 5, 25, 50}));
  Pump();
  EXPECT_EQ(logic->ChanFirst(), 2);
  EXPECT_EQ(logic->DispStartPos(), 25);
  // Dragged below the display: the last channel stays the last one shown.
  logic->SetChanLast(31);
  logic->SetChanFirst(24);
  DragZoom(d.Left + 10, RowY(5), d.Left + dw - 10, d.Bottom + 40);
  EXPECT_EQ(logic->PendingZoom().ChanFirst, 29);
  EXPECT_EQ(logic->PendingZoom().ChanLast, 31);
  // The rectangle is gone from the screen: XOR twice restores the picture.
  logic->onZoomSet = nullptr;
  const auto before = Pixels(d);
  DragZoom(d.Left + 30, RowY(1), d.Left + 200, RowY(4));
  EXPECT_EQ(Pixels(d), before);
}

TEST_F(LogicMouse, SingleStepsShiftThePictureAsAFullRedrawWouldDrawIt) {
  Make();
  std::mt19937 rng(5);
  for (int32_t i = 0; i < logic->BufferCount(); ++i) logic->WriteSample(i, rng());
  logic->SetColGrid(logic->ColDisplay());  // dotted lines would start their dots elsewhere
  logic->SetTriggerPos(-1);
  logic->SetPointerEnable(false);
  logic->SetMarkerEnable(false);
  logic->SetDispEndPos(350);
  logic->SetDispStartPos(300);
  // 7 pixels per sample: the strips need no fractional remainder.
  const auto steps = [&](bool forward, int n) {
    for (int i = 0; i < n; ++i) forward ? logic->StepForward() : logic->StepBack();
  };
  for (bool forward : {true, false}) {
    steps(forward, 3);
    // The edge columns may differ: a full redraw leaves out a level change that falls on the
    // view's first or last column, the shifted picture keeps it.
    const TRect inner = Rect(d.Left + 1, d.Top, d.Right - 1, d.Bottom);
    const auto shifted = Pixels(inner);
    logic->RefreshDisplay();
    EXPECT_EQ(Pixels(inner), shifted);
  }
  EXPECT_EQ(logic->DispStartPos(), 300);

  // The text view moves its rows by one.
  logic->SetPointerEnable(true);
  logic->SetModus(TModus::TextDisp);
  Pump();
  for (bool forward : {true, false}) {
    const int32_t start = logic->DispStartPos();
    steps(forward, 2);
    EXPECT_EQ(logic->DispStartPos(), forward ? start + 2 : start - 2);
    EXPECT_EQ(logic->DispEndPos(), logic->DispStartPos() + logic->TextRows());
    // The text cells are higher than a row: where two rows meet, a pixel row keeps a trace of
    // the neighbour it was drawn next to. The rest of every row is as a full redraw draws it.
    const auto bands = [&] {
      std::vector<TColor> p;
      for (int row = 0; row <= logic->TextRows(); ++row) {
        const auto band =
            Pixels(Rect(d.Left, d.Top + 13 * row + 2, d.Right, d.Top + 13 * row + 12));
        p.insert(p.end(), band.begin(), band.end());
      }
      return p;
    };
    const auto shifted = bands();
    logic->RefreshDisplay();
    EXPECT_EQ(bands(), shifted);
  }
}

TEST_F(LogicMouse, AfterAStepTheFooterShowsWhatARepaintShows) {
  Make();
  logic->SetBufferSize(4000);
  const TRect footer = Rect(0, d.Bottom + 1, logic->Width(), logic->Height());
  // The pointer inside the view stays with its sample (the readouts stay); at the view's first
  // sample a step forward carries it along (they change). The buffer bar moves now and then.
  for (const bool atEdge : {false, true}) {
    logic->SetPointerPos(atEdge ? logic->DispStartPos() : logic->DispStartPos() + 20);
    Pump();
    for (int i = 0; i < 40; ++i) {
      logic->StepForward();
      Pump();
    }
    const auto stepped = Pixels(footer);
    logic->Invalidate();
    Pump();
    EXPECT_EQ(Pixels(footer), stepped) << (atEdge ? "pointer carried along" : "pointer kept");
  }
}

TEST_F(LogicMouse, MarkerLinesOnlyWhereTheMarkerIs) {
  Make();
  logic->SetPointerEnable(false);
  const auto without = [&] {
    logic->SetMarkerEnable(false);
    const auto p = Pixels(d);
    logic->SetMarkerEnable(true);
    return p;
  };
  const auto plain = without();
  logic->SetMarkerPos(500);  // outside the view: no line
  EXPECT_EQ(Pixels(d), plain);
  logic->SetMarkerEnable(false);
  logic->SetMarkerEnable(true);
  EXPECT_EQ(Pixels(d), plain);
  logic->SetMarkerPos(25);  // back inside: one line, where it is
  const int x = d.Left + 1 + logic->Layout().DispWidth / 2;
  EXPECT_EQ(logic->Canvas()->Pixels(x, d.Top + 3), logic->ColMarker());
  logic->SetMarkerEnable(false);
  EXPECT_EQ(Pixels(d), plain);
}

TEST_F(LogicMouse, ATinyDisplayNeverDividesByZero) {
  for (int w : {40, 60, 66}) {
    delete form;
    form = new TForm(nullptr);
    MakeLogic(w, 60);
    const TRect r = logic->GetDisplayRect();
    for (TMouseButton b : {mbLeft, mbRight, mbMiddle}) {
      Pause();
      Press(logic, r.Left, r.Top, b);
      Move(logic, r.Left + 3, r.Top + 3);
      Release(logic, r.Left + 3, r.Top + 3, b);
    }
    logic->StepForward();
    logic->StepBack();
    logic->SetModus(TModus::TextDisp);
    Pump();
    logic->StepForward();
    logic->SetPointerPos(500);
  }
}

}  // namespace
