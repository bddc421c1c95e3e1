#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "library/instruments/instrect/instrect.h"
#include "platform/forms/testing/formtest.h"

namespace {

using Runs = std::vector<std::pair<TColor, int>>;

class MagicEyeTest : public FormTest {
 protected:
  TMagicEye* Make(int w = 150, int h = 30) {
    eye = new TMagicEye(form);
    eye->SetParent(form);
    eye->SetBounds(10, 10, w, h);
    return eye;
  }
  TColor Pixel(int x, int y) { return eye->Canvas()->Pixels(x, y); }
  // The colour runs along the eye's middle line, from its start (left or bottom).
  Runs Bands() {
    const TRect e = eye->EyeRect();
    Runs runs;
    const bool vertical = eye->Direction() == orVertical;
    const int n = vertical ? e.Height() : e.Width();
    for (int i = 0; i < n; ++i) {
      const TColor c = vertical ? Pixel((e.Left + e.Right) / 2, e.Bottom - 1 - i)
                                : Pixel(e.Left + i, (e.Top + e.Bottom) / 2);
      if (runs.empty() || runs.back().first != c) runs.push_back({c, 0});
      ++runs.back().second;
    }
    return runs;
  }

  TMagicEye* eye = nullptr;
};

constexpr TColor kBlack = 0x000000, kLime = 0x00FF00, kRed = 0x0000FF;

TEST_F(MagicEyeTest, BandBetweenTheClampedPositions) {
  // 150 x 30 with a 4-pixel band and 1-pixel bevel: inner 140 wide, the eye 138.
  const struct {
    double start, end;
    Runs expected;
  } cases[] = {
      {3, 7, {{kBlack, 41}, {kLime, 56}, {kBlack, 41}}},  // Round(41.4), Round(96.6)
      {7, 3, {{kBlack, 41}, {kRed, 56}, {kBlack, 41}}},
      {20, 30, {{kBlack, 137}, {kLime, 1}}},  // both at the end: one pixel at the end
      {-5, -1, {{kLime, 1}, {kBlack, 137}}},  // both at the start: one pixel inside the eye
      {0, 10, {{kLime, 138}}},
  };
  Make();
  ShowForm();
  ASSERT_EQ(eye->EyeRect().Width(), 138);
  for (const auto& c : cases) {
    eye->SetStartPos(c.start);
    eye->SetEndPos(c.end);
    EXPECT_EQ(Bands(), c.expected) << c.start << " " << c.end;
  }
  // The sunken frame line round the eye is never painted over.
  const TRect e = eye->EyeRect();
  EXPECT_EQ(Pixel(e.Left - 1, 15), 0x808080);
  EXPECT_EQ(Pixel(e.Right, 15), 0xFFFFFF);
}

TEST_F(MagicEyeTest, VerticalBandFromTheBottom) {
  Make(30, 150);
  eye->SetDirection(orVertical);  // before the first paint: only stored
  EXPECT_EQ(eye->Width(), 30);
  eye->SetStartValue(-1);
  eye->SetEndValue(1);
  eye->SetStartPos(-0.001);
  eye->SetEndPos(0.001);
  ShowForm();
  EXPECT_EQ(Bands(), (Runs{{kBlack, 68}, {kLime, 1}, {kBlack, 69}}));
  eye->SetStartPos(-1);
  eye->SetEndPos(0);
  EXPECT_EQ(Bands(), (Runs{{kLime, 69}, {kBlack, 69}}));
  // Once painted, the direction turns the control round.
  eye->SetDirection(orHorizontal);
  EXPECT_EQ(eye->Width(), 150);
  EXPECT_EQ(eye->Height(), 30);
}

TEST_F(MagicEyeTest, ScaleSettersKeepOrder) {
  Make();
  eye->SetStartValue(20);
  EXPECT_EQ(eye->StartValue(), 9);
  eye->SetEndValue(5);
  EXPECT_EQ(eye->EndValue(), 10);
}

TEST_F(MagicEyeTest, ZeroSpanFromAFormPaintsSafely) {
  {
    TFormLoader loader(form);
    eye = loader.Add<TMagicEye>("Eye");
    eye->SetBounds(10, 10, 150, 30);
    eye->SetStartValue(4);
    eye->SetEndValue(4);
  }
  ShowForm();
  EXPECT_EQ(Bands(), (Runs{{kLime, 1}, {kBlack, 137}}));
}

}  // namespace
