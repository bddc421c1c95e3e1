#include "library/controls/orvanemisc2/background.h"

#include <gtest/gtest.h>

#include "platform/forms/testing/formtest.h"

namespace {

class BackGroundTest : public FormTest {
 protected:
  TBackGround* Make(int w, int h) {
    auto* bg = new TBackGround(form);
    bg->SetParent(form);
    bg->SetBounds(10, 20, w, h);
    return bg;
  }
};

TEST_F(BackGroundTest, FirstAndLastBandColoursPerDirection) {
  // Default gradient: blue to black in 64 bands on 50 pixels; the last visible band is band 63,
  // one step short of black (255 - MulDiv(63, 255, 64) = 4).
  struct Case {
    TFillDirection dir;
    int x0, y0;  // pixel in the first band drawn (begin colour)
    int x1, y1;  // pixel in the last visible band
  };
  const Case cases[] = {
      {fdTopToBottom, 0, 0, 0, 49},
      {fdBottomToTop, 0, 49, 0, 0},
      {fdLeftToRight, 0, 0, 49, 0},
      {fdRightToLeft, 49, 0, 0, 0},
  };
  for (const Case& c : cases) {
    auto* bg = Make(50, 50);
    bg->SetFillDirection(c.dir);
    ShowForm();
    EXPECT_EQ(ScreenPixel(bg, c.x0, c.y0), TColor(0xFF0000)) << c.dir;
    EXPECT_EQ(ScreenPixel(bg, c.x1, c.y1), TColor(0x040000)) << c.dir;
    delete bg;
  }
}

TEST_F(BackGroundTest, OneColourFillsEverything) {
  auto* bg = Make(30, 40);
  bg->SetNumberOfColors(1);
  bg->SetBeginColor(clRed);
  bg->SetEndColor(clLime);
  ShowForm();
  for (int y : {0, 20, 39}) EXPECT_EQ(ScreenPixel(bg, 15, y), clRed);
  EXPECT_NE(ScreenPixel(bg, 15, 40), clRed);
}

TEST_F(BackGroundTest, BandCountFollowsRealizeWhicheverIsSetLast) {
  // 256 pixels wide, white to black from the left: in column 128 the 256-band gradient shows
  // band 128 (255 - 128 = 127), the 255-band one band 127 (255 - 127 = 128).
  auto* bg = Make(256, 10);
  bg->SetFillDirection(fdLeftToRight);
  bg->SetBeginColor(clWhite);
  bg->SetEndColor(clBlack);
  bg->SetNumberOfColors(256);
  ShowForm();
  EXPECT_EQ(GetRValue(ScreenPixel(bg, 128, 5)), 128);
  ASSERT_NE(bg->Canvas()->Palette(), nullptr);
  EXPECT_EQ(bg->Canvas()->Palette()->palPalEntry.size(), 256u);
  EXPECT_EQ(bg->Canvas()->Palette()->palPalEntry.back().peRed, 0);

  bg->SetRealize(false);
  Pump();
  EXPECT_EQ(GetRValue(ScreenPixel(bg, 128, 5)), 127);

  bg->SetNumberOfColors(200);
  bg->SetNumberOfColors(256);
  bg->SetRealize(true);
  Pump();
  EXPECT_EQ(GetRValue(ScreenPixel(bg, 128, 5)), 128);
  EXPECT_EQ(bg->Canvas()->Palette()->palPalEntry.size(), 256u);
}

TEST_F(BackGroundTest, NumberOfColorsIsKeptInRange) {
  auto* bg = Make(10, 10);
  bg->SetNumberOfColors(0);
  EXPECT_EQ(bg->NumberOfColors(), 1);
  bg->SetNumberOfColors(1000);
  EXPECT_EQ(bg->NumberOfColors(), 256);
}

}  // namespace
