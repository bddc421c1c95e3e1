#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

class TextFitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bmp.SetSize(200, 100);
    Canvas().Font()->SetName("Courier New");  // equal advances make the breaks predictable
    Canvas().Font()->SetSize(10);
    cw = Canvas().TextWidth("x");
    ASSERT_GT(cw, 0);
    ASSERT_EQ(Canvas().TextWidth("abcdefghij"), 10 * cw);
  }
  TCanvas& Canvas() { return *bmp.Canvas(); }
  std::string Wrap(int width, std::string text, int lines) {
    EXPECT_EQ(WrapTextToWidth(Canvas(), width, text), lines) << text;
    return text;
  }
  TBitmap bmp;
  int cw = 0;
};

TEST_F(TextFitTest, WrapBreaksAfterTheLastSeparatorBeforeTheWidth) {
  EXPECT_EQ(Wrap(1, "abc", 1), "abc");  // short texts stay
  EXPECT_EQ(Wrap(100 * cw, "fits fine", 1), "fits fine");
  EXPECT_EQ(Wrap(100 * cw, "one|two", 2), "one \rtwo");
  EXPECT_EQ(Wrap(10 * cw, "aaaa bbbb cccc", 2), "aaaa bbbb \rcccc");
  EXPECT_EQ(Wrap(6 * cw, "aaa -bbb", 2), "aaa \r-bbb");  // the blank stays with its line
  EXPECT_EQ(Wrap(6 * cw, "aa,bbbbbbb", 3), "aa,\rbbbbbb\rb");
  EXPECT_EQ(Wrap(5 * cw, "abcdefghij", 2), "abcde\rfghij");  // a long word is cut
  EXPECT_EQ(Wrap(100 * cw, "a|b|c", 3), "a \rb \rc");
  EXPECT_EQ(Wrap(7 * cw, "-abc def", 2), "-abc \rdef");  // a separator first: nothing before it
}

TEST_F(TextFitTest, WrapEndsForAnyWidthAndKeepsAllOfTheFirst255Characters) {
  EXPECT_EQ(Wrap(0, "abcd", 4), "a\rb\rc\rd");
  EXPECT_EQ(Wrap(-50, "ab cd", 5), "a\rb\r \rc\rd");
  std::string text = Wrap(100 * cw, std::string(300, 'a'), 3);
  EXPECT_EQ(text,
            std::string(100, 'a') + '\r' + std::string(100, 'a') + '\r' + std::string(55, 'a'));
}

TEST_F(TextFitTest, FitFontGrowsOrShrinksUntilTheTextJustFits) {
  const std::string text = "Caption";
  auto fits = [&](const TRect& r) {
    return r.Bottom - r.Top >= Round(std::abs(Canvas().Font()->Height()) * 1.1L) &&
           r.Right - r.Left >= Canvas().TextWidth(text);
  };
  for (int start : {4, 10, 72}) {
    for (TRect r : {Rect(0, 0, 200, 40), Rect(10, 10, 60, 100), Rect(0, 0, 300, 12)}) {
      Canvas().Font()->SetSize(start);
      FitFontToRect(Canvas(), r, text);
      const int size = Canvas().Font()->Size();
      EXPECT_TRUE(fits(r)) << start << " -> " << size;
      Canvas().Font()->SetSize(size + 1);
      EXPECT_FALSE(fits(r)) << start << " -> " << size;
    }
  }
  FitFontToRect(Canvas(), Rect(0, 0, 50, 50), "");
  EXPECT_EQ(Canvas().Font()->Size(), 10);
}

TEST_F(TextFitTest, FitFontStopsForEmptyNegativeAndHugeRectangles) {
  for (TRect r : {Rect(0, 0, 0, 0), Rect(50, 50, 10, 10), Rect(0, 0, 1, 1000)}) {
    Canvas().Font()->SetSize(12);
    FitFontToRect(Canvas(), r, "Text");
    EXPECT_EQ(Canvas().Font()->Size(), 1);
  }
  Canvas().Font()->SetSize(12);
  FitFontToRect(Canvas(), Rect(0, 0, 2000000000, 2000000000), "Text");
  EXPECT_EQ(Canvas().Font()->Size(), kMaxFitFontSize);
}

TEST_F(TextFitTest, ScaleLabelsAndPowerOfTen) {
  EXPECT_EQ(ScaleTextWidth(Canvas(), 0.5, 100), 3 * cw);  // "0.5" and "100"
  EXPECT_EQ(ScaleTextWidth(Canvas(), -0.25, 2), 6 * cw);  // "-0.250"

  const struct {
    double value;
    std::string exponent;
  } cases[] = {{1000, "3"}, {0.01, "-2"}, {1, "0"}};
  for (const auto& c : cases) {
    TBitmap drawn, expected;
    for (TBitmap* b : {&drawn, &expected}) {
      b->SetSize(80, 40);
      b->Canvas()->Font()->SetName("Arial");
      b->Canvas()->Font()->SetSize(11);
      b->Canvas()->Brush()->SetStyle(bsClear);
    }
    DrawPowerOfTen(10, 15, *drawn.Canvas(), c.value);
    EXPECT_EQ(drawn.Canvas()->Font()->Size(), 11);
    TCanvas& e = *expected.Canvas();
    e.TextOut(10, 15, "10");
    const int w = e.TextWidth("10");
    e.Font()->SetHeight(std::abs(e.Font()->Height() * 9 / 10));
    e.TextOut(10 + w, 12, c.exponent);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 80; ++x)
        ASSERT_EQ(drawn.Canvas()->Pixels(x, y), e.Pixels(x, y))
            << c.value << " at " << x << "," << y;
  }
}

}  // namespace
