#include "library/controls/orvanemisc2/rotlabel.h"

#include <gtest/gtest.h>

#include "library/controls/orvanemisc2/background.h"
#include "platform/forms/testing/formtest.h"

namespace {

TEST(RotatedTextOrigin, MiddleOfTheTurnedTextOnTheCentre) {
  // A 60 x 20 text about the centre (57, 57): the origin is the turned cell's top-left corner.
  struct Case {
    int angle;
    TPoint origin;
  };
  const Case cases[] = {{0, {27, 47}}, {90, {47, 87}}, {180, {87, 67}}, {270, {67, 27}}};
  for (const Case& c : cases) {
    EXPECT_EQ(RotatedTextOrigin(57, 57, 60, 20, c.angle), c.origin) << c.angle;
  }
}

class RotLabelTest : public FormTest {
 protected:
  TRotLabel* Make() {
    auto* label = new TRotLabel(form);
    label->SetParent(form);
    label->SetBounds(20, 20, 115, 115);
    label->SetCaption("Orvane");
    label->SetrlStyle3D(rlNormal);
    return label;
  }
  // The smallest rectangle holding every pixel of the colour within the label.
  TRect InkBounds(TControl* c, TColor color) {
    TRect r{1000, 1000, -1, -1};
    const Shot shot = ScreenShot(c);
    for (int y = 0; y < c->Height(); ++y) {
      for (int x = 0; x < c->Width(); ++x) {
        if (shot.Pixel(x, y) != color) continue;
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
    }
    return r;
  }
};

TEST_F(RotLabelTest, TextLiesInTheTurnedCellForEachQuarter) {
  TRotLabel* label = Make();
  ShowForm();
  TCanvas* c = label->Canvas();
  c->SetFont(label->Font());
  const int w = c->TextWidth("Orvane"), h = c->TextHeight("Orvane");
  for (int angle : {0, 90, 180, 270}) {
    label->SetrlAngle(angle);
    Pump();
    const TPoint o = RotatedTextOrigin(57, 57, w, h, angle);
    // The cell the text occupies once turned about its top-left corner.
    TRect cell;
    switch (angle) {
      case 0:
        cell = Rect(o.X, o.Y, o.X + w, o.Y + h);
        break;
      case 90:
        cell = Rect(o.X, o.Y - w, o.X + h, o.Y);
        break;
      case 180:
        cell = Rect(o.X - w, o.Y - h, o.X, o.Y);
        break;
      default:
        cell = Rect(o.X - h, o.Y, o.X, o.Y + w);
        break;
    }
    const TRect ink = InkBounds(label, clRed);
    ASSERT_LT(ink.Left, ink.Right) << angle;
    EXPECT_GE(ink.Left, cell.Left - 1) << angle;
    EXPECT_GE(ink.Top, cell.Top - 1) << angle;
    EXPECT_LE(ink.Right, cell.Right + 1) << angle;
    EXPECT_LE(ink.Bottom, cell.Bottom + 1) << angle;
    // The text runs along the turned base line: wide one way, narrow the other.
    const bool upright = angle == 0 || angle == 180;
    EXPECT_EQ(ink.Width() > ink.Height(), upright) << angle;
  }
}

TEST_F(RotLabelTest, AngleIsKeptWithinAFullTurn) {
  TRotLabel* label = Make();
  label->SetrlAngle(370);
  EXPECT_EQ(label->rlAngle(), 10);
  label->SetrlAngle(-90);
  EXPECT_EQ(label->rlAngle(), 270);
  label->StoreAngle(725);
  EXPECT_EQ(label->rlAngle(), 5);
}

TEST_F(RotLabelTest, ShadowSitsAtItsOffset) {
  TRotLabel* label = Make();
  label->SetrlStyle3D(rlShadowed);
  label->SetrlShColor(clLime);
  label->SetrlShOffSetH(5);
  label->SetrlShOffSetV(-5);
  ShowForm();
  const TRect text = InkBounds(label, clRed);
  const TRect shadow = InkBounds(label, clLime);
  EXPECT_EQ(shadow.Right, text.Right + 5);
  EXPECT_EQ(shadow.Top, text.Top - 5);
}

TEST_F(RotLabelTest, TheParentShowsAroundTheTextAndTheBoxWhenOpaque) {
  auto* bg = new TBackGround(form);
  bg->SetParent(form);
  bg->SetBounds(0, 0, 200, 200);
  bg->SetNumberOfColors(1);
  bg->SetBeginColor(clNavy);
  TRotLabel* label = Make();
  ShowForm();
  EXPECT_EQ(ScreenPixel(label, 2, 2), clNavy);
  EXPECT_EQ(ScreenPixel(label, 57, 30), clNavy);  // above the text, inside the label
  label->SetColor(clYellow);
  label->SetrlTransparent(false);
  Pump();
  EXPECT_EQ(ScreenPixel(label, 2, 2), clNavy);  // outside the box
  const TRect text = InkBounds(label, clRed);
  EXPECT_EQ(ScreenPixel(label, text.Left - 3, 57), clYellow);  // in the box, left of the text
}

}  // namespace
