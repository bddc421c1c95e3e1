#include "programs/logic/display.h"

#include <gtest/gtest.h>

#include "logic_fixture.h"

namespace {

TEST(DisplayLayout, BandsFollowTheHeightWithinTheirLimits) {
  struct Case {
    int height, column, footer;
  } cases[] = {{100, 50, 30}, {200, 50, 30}, {264, 66, 33}, {400, 70, 40}, {900, 70, 40}};
  for (const Case& c : cases) {
    const TRect inner = Rect(4, 4, 396, c.height - 4);
    const TDisplayLayout l = LayoutDisplay(inner, c.height, complete);
    SCOPED_TRACE(c.height);
    // The column shrinks by one pixel on each side of its 2b.
    EXPECT_EQ(l.NameColumn.Width() + 2, c.column);
    EXPECT_EQ(l.Footer.Height(), c.footer);
    EXPECT_EQ(l.Footer.Bottom, inner.Bottom);
  }
}

TEST(DisplayLayout, EachTypeGivesItsDisplayRectangle) {
  const TRect i = Rect(4, 4, 396, 196);  // 400 x 200: b = 25, a = 30
  struct Case {
    tdispType typ;
    TRect frame;
    bool head;
  } cases[] = {
      {complete, Rect(54, 27, 393, 166), true},   {dispOnly, Rect(7, 4, 393, 196), false},
      {dispTop, Rect(54, 27, 393, 196), true},    {dispCenter, Rect(54, 4, 393, 196), false},
      {dispBottom, Rect(54, 4, 393, 166), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typ);
    const TDisplayLayout l = LayoutDisplay(i, 200, c.typ);
    EXPECT_EQ(l.DispFrame, c.frame);
    EXPECT_EQ(l.Disp, Rect(c.frame.Left + 1, c.frame.Top + 1, c.frame.Right, c.frame.Bottom));
    EXPECT_EQ(l.DispWidth, c.frame.Right - c.frame.Left - 2);
    EXPECT_EQ(l.DispHeight, c.frame.Bottom - c.frame.Top - 1);
    EXPECT_EQ(IsRectEmpty(l.HeadBox), !c.head);
  }
  // The head box is the middle third of the head band, inside its own sunken frame.
  const TDisplayLayout l = LayoutDisplay(i, 200, complete);
  EXPECT_EQ(l.HeadBand, Rect(54, 4, 393, 27));
  EXPECT_EQ(l.HeadBoxFrame, Rect(167, 5, 280, 23));
  EXPECT_EQ(l.HeadBox, Rect(168, 6, 280, 23));
}

class DisplayTest : public LogicTest {};

TEST_F(DisplayTest, PaintsTheFrameAroundTheDisplayAndTheHead) {
  auto* d = new TDisplay(form);
  d->SetParent(form);
  d->SetBounds(0, 0, 400, 200);
  d->SetColHead(clNavy);
  d->SetNameHead(std::string(40, 'W'));
  EXPECT_EQ(d->NameHead(), std::string(32, 'W'));
  ShowForm();
  const TDisplayLayout& l = d->Layout();
  TCanvas& c = *d->Canvas();
  EXPECT_EQ(c.Pixels(l.DispFrame.Left, 100), TColor(0x808080));
  EXPECT_EQ(c.Pixels(150, l.DispFrame.Top), TColor(0x808080));
  EXPECT_EQ(c.Pixels(l.DispFrame.Right, 100), TColor(0xFFFFFF));
  EXPECT_EQ(c.Pixels(150, l.DispFrame.Bottom), TColor(0xFFFFFF));
  EXPECT_GT(Count(c, l.HeadBox, clNavy), l.HeadBox.Width() * l.HeadBox.Height() / 3);

  // Without a head the band shows the background only.
  d->SetDisplayTyp(dispBottom);
  Pump();
  EXPECT_EQ(Count(c, l.HeadBand, clNavy), 0);
}

}  // namespace
