#include "platform/graphics/draw_helpers.h"

#include <gtest/gtest.h>

#include "tests/platform/graphics/pixel_grid.h"

namespace {

TEST(DrawHelpers, Frame3DRingsAndShrink) {
  TBitmap bmp;
  MakeWhite(bmp, 6, 5);
  // The lines are solid and copied whatever pen the canvas holds, and that pen stays as it was.
  TPen* pen = bmp.Canvas()->Pen();
  pen->SetStyle(psClear);
  pen->SetMode(pmXor);
  pen->SetWidth(3);
  pen->SetColor(clBlue);
  TRect r{0, 0, 6, 5};
  Frame3D(bmp.Canvas(), r, clRed, clBlack, 1);
  EXPECT_EQ(r, Rect(1, 1, 5, 4));
  EXPECT_EQ(Picture(bmp, clRed), Rows({"#####.", "#.....", "#.....", "#.....", "......"}));
  EXPECT_EQ(Picture(bmp, clBlack), Rows({".....#", ".....#", ".....#", ".....#", "######"}));
  EXPECT_EQ(pen->Style(), psClear);
  EXPECT_EQ(pen->Mode(), pmXor);
  EXPECT_EQ(pen->Width(), 3);
  EXPECT_EQ(pen->Color(), clBlue);
  r = {0, 0, 6, 5};
  Frame3D(bmp.Canvas(), r, clRed, clBlack, 2);
  EXPECT_EQ(r, Rect(2, 2, 4, 3));
}

TEST(DrawHelpers, ButtonFaceInnerRectangle) {
  TBitmap bmp;
  MakeWhite(bmp, 20, 12);
  EXPECT_EQ(DrawButtonFace(bmp.Canvas(), {0, 0, 20, 12}, 1, bsNew, false, false, false),
            Rect(1, 1, 18, 10));
  EXPECT_EQ(bmp.Canvas()->Pixels(19, 11), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(bmp.Canvas()->Pixels(10, 6), ColorToRGB(clBtnFace));
  EXPECT_EQ(DrawButtonFace(bmp.Canvas(), {0, 0, 20, 12}, 2, bsNew, true, true, false),
            Rect(2, 2, 19, 11));
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), ColorToRGB(cl3DDkShadow));
}

TEST(DrawHelpers, DisabledGlyphIsEmbossed) {
  TBitmap glyph, result;
  MakeWhite(glyph, 3, 3);
  glyph.Canvas()->SetPixels(0, 0, clBlack);
  glyph.Canvas()->SetPixels(1, 1, clRed);
  CreateDisabledGlyph(&glyph, &result);
  ASSERT_EQ(result.Width(), 3);
  EXPECT_EQ(result.Canvas()->Pixels(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(result.Canvas()->Pixels(1, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(result.Canvas()->Pixels(2, 2), ColorToRGB(clBtnFace));
  EXPECT_EQ(result.Canvas()->Pixels(2, 0), ColorToRGB(clBtnFace));
}

}  // namespace
