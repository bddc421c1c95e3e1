#include "library/foundation/ledcolors.h"

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

TEST(LedColours, FillAndTextShadeByState) {
  const struct {
    TColor colour;
    bool lit, enabled;
    TColor fill, text;
  } cases[] = {
      {0x00FF8040, true, true, 0x00FF8040, 0x00600040},
      {0x00FF8040, false, true, 0x00600040, 0x00FF8040},
      {0x00FF8040, true, false, 0x00969696, 0x00600040},
      {0x00FF8040, false, false, 0x00969696, 0x00600040},
      {0x0000FF00, false, true, 0x00006000, 0x0000FF00},
      {0x00FFFFFF, false, true, 0x00606060, 0x00FFFFFF},
      // The top byte stays: a system colour dims to a system colour.
      {clBtnFace, false, true, TColor(0x80000000u | (0x0F & 0x60)), clBtnFace},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << std::hex << c.colour << " lit " << c.lit << " enabled " << c.enabled);
    EXPECT_EQ(LedColour(c.colour, c.lit, c.enabled), c.fill);
    EXPECT_EQ(LedTextColour(c.colour, c.lit, c.enabled), c.text);
    if (c.enabled) {
      EXPECT_EQ(LedColour(c.colour, c.lit), c.fill);
    }
  }
}

TEST(LedColours, BodyHasABlackOutlineAroundItsFill) {
  TBitmap b;
  b.SetSize(20, 20);
  for (TLedShape shape : {ledCircle, ledRectangle}) {
    SCOPED_TRACE(shape);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, 20, 20));
    DrawLed(*b.Canvas(), shape, LedCircleBox({10, 10}, 6), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(10, 10), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(4, 10), clBlack);   // left edge of the box
    EXPECT_EQ(b.Canvas()->Pixels(15, 10), clBlack);  // right edge, Right exclusive
    EXPECT_EQ(b.Canvas()->Pixels(16, 10), clWhite);
    EXPECT_EQ(b.Canvas()->Pixels(4, 4), shape == ledCircle ? clWhite : clBlack);
  }
}

}  // namespace
