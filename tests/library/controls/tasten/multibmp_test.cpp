// The bitmap strip button: slicing, centring and cutting the frame, frame numbers, animation,
// blinking, the disabled frame and the transparent colour.

#include <memory>
#include <string>
#include <vector>

#include "library/controls/tasten/tasten.h"
#include "platform/forms/dialoghook.h"
#include "tasten_fixture.h"

namespace {

// A strip whose pixel (x, y) has red x and green y: as a TColor, x + 256 * y.
std::unique_ptr<TBitmap> Strip(int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b->ScanLine(y)[x] = 0xFF000000u | (x << 16) | (y << 8);
  }
  return b;
}

TColor StripColour(int x, int y) { return TColor(x + 256 * y); }

class MultiBmpTest : public TastenTest {
 protected:
  // 40 x 40 with the default one-pixel rings: the inner area is (2, 2)-(38, 38).
  TMultiBmp* Make40(int frames, int strip_width, int strip_height) {
    auto* m = Make<TMultiBmp>(10, 10, 40, 40);
    m->SetGlyphNums(frames);
    m->SetGlyph(Strip(strip_width, strip_height).get());
    return m;
  }
  TColor At(TMultiBmp* m, int x, int y) { return m->Canvas()->Pixels(x, y); }
};

TEST_F(MultiBmpTest, DefaultsOfANewButton) {
  auto* m = Make<TMultiBmp>(10, 10, 30, 30);
  auto* fresh = new TMultiBmp(nullptr);
  EXPECT_EQ(fresh->Width(), 30);
  EXPECT_EQ(fresh->Height(), 30);
  delete fresh;
  EXPECT_EQ(m->BevWidth(), 1);
  EXPECT_EQ(m->BordWidth(), 1);
  EXPECT_EQ(m->GlyphNums(), 2);
  EXPECT_EQ(m->GlyphSel(), 1);
  EXPECT_EQ(m->ColTransp(), clOlive);
  EXPECT_EQ(m->AnimSpeed(), an4Ticks);
}

TEST_F(MultiBmpTest, AFrameThatFitsIsSlicedFromTheStripAndCentred) {
  TMultiBmp* m = Make40(8, 160, 20);
  m->SetGlyphSel(3);
  ShowForm();
  // Frame 3 is x 40..59 of the strip, centred in the 36 x 36 inner area at (10, 10).
  for (int i : {0, 7, 19}) {
    for (int j : {0, 19}) EXPECT_EQ(At(m, 10 + i, 10 + j), StripColour(40 + i, j)) << i << "," << j;
  }
  EXPECT_EQ(At(m, 9, 15), clSilver);
  EXPECT_EQ(At(m, 30, 15), clSilver);
  EXPECT_EQ(At(m, 15, 30), clSilver);
}

TEST_F(MultiBmpTest, AFrameLargerThanTheInnerAreaIsCutNotScaled) {
  TMultiBmp* m = Make40(2, 160, 50);
  m->SetGlyphSel(2);
  ShowForm();
  for (int i : {0, 20, 35}) {
    for (int j : {0, 35}) EXPECT_EQ(At(m, 2 + i, 2 + j), StripColour(80 + i, j)) << i << "," << j;
  }
  // Squeezed into the inner area instead with AutoSize: the corner shows the frame's corner.
  m->SetAutoSize(true);
  m->Repaint();
  const TColor corner = At(m, 37, 37);
  EXPECT_GE(corner & 0xFF, 157);
  EXPECT_GE((corner >> 8) & 0xFF, 47);
}

TEST_F(MultiBmpTest, FrameNumbersWrapOnceThePictureShows) {
  TMultiBmp* m = Make40(8, 160, 20);
  ShowForm();
  const struct {
    int set, shown;
  } cases[] = {{3, 3}, {9, 1}, {3, 3}, {0, 1}, {5, 5}, {-4, 1}, {8, 8}};
  for (const auto& c : cases) {
    m->SetGlyphSel(c.set);
    EXPECT_EQ(m->GlyphSel(), c.shown) << c.set;
    EXPECT_EQ(At(m, 10, 10), StripColour((c.shown - 1) * 20, 0)) << c.set;
  }
}

TEST_F(MultiBmpTest, FrameCountIsClampedAndPullsTheShownFrameDown) {
  TMultiBmp* m = Make40(8, 160, 20);
  m->SetGlyphSel(6);
  m->SetGlyphNums(4);
  EXPECT_EQ(m->GlyphSel(), 4);
  m->SetGlyphNums(40);
  EXPECT_EQ(m->GlyphNums(), 32);
  m->SetGlyphNums(0);
  EXPECT_EQ(m->GlyphNums(), 1);
  EXPECT_EQ(m->GlyphSel(), 1);
}

// Before the first paint a frame number is stored as it comes; the paint brings it into the strip
// instead of copying from beyond it.
TEST_F(MultiBmpTest, AFrameStoredPastTheStripShowsTheLastFrame) {
  auto* m = Make<TMultiBmp>(10, 10, 40, 40);
  m->SetGlyphSel(12);
  m->SetGlyphNums(10);
  m->SetGlyph(Strip(200, 20).get());
  m->SetGlyphSel(14);
  EXPECT_EQ(m->GlyphSel(), 14);
  ShowForm();
  EXPECT_EQ(m->GlyphSel(), 10);
  EXPECT_EQ(At(m, 10, 10), StripColour(180, 0));
}

TEST_F(MultiBmpTest, AnimationRunsThroughTheFramesAndReportsTheWrapBeforeFrameOne) {
  TMultiBmp* m = Make40(4, 80, 20);
  std::vector<int> seen;
  m->OnEndAnim = [&](TObject*) { seen.push_back(0); };
  ShowForm();
  m->SetAnimSpeed(an4Ticks);  // 250 ms
  m->SetAnimate(true);
  for (int i = 0; i < 40 && seen.size() < 5; ++i) {
    const int before = m->GlyphSel();
    Ticks(1);
    if (m->GlyphSel() != before) seen.push_back(m->GlyphSel());
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 0, 1}));
  EXPECT_EQ(At(m, 10, 10), StripColour(0, 0));
  // An end handler that stops the animation: the wrap to frame 1 still happens.
  m->OnEndAnim = [&](TObject*) { m->SetAnimate(false); };
  m->SetGlyphSel(4);
  Ticks(5);
  EXPECT_FALSE(m->Animate());
  EXPECT_EQ(m->GlyphSel(), 1);
  Ticks(30);
  EXPECT_EQ(m->GlyphSel(), 1);
}

TEST_F(MultiBmpTest, AnimationStepsAtItsSpeed) {
  TMultiBmp* m = Make40(4, 80, 20);
  ShowForm();
  const struct {
    tAnimSpeed speed;
    int ticks;  // ms / 55.5, rounded
  } cases[] = {{an10Ticks, 2}, {an4Ticks, 5}, {an1Ticks, 18}};
  for (const auto& c : cases) {
    m->SetAnimSpeed(c.speed);
    m->SetAnimate(true);
    const int start = m->GlyphSel();
    Ticks(c.ticks - 1);
    EXPECT_EQ(m->GlyphSel(), start) << c.speed;
    Ticks(1);
    EXPECT_NE(m->GlyphSel(), start) << c.speed;
    m->SetAnimate(false);
  }
}

TEST_F(MultiBmpTest, BlinkingAndAnimationSwitchEachOtherOff) {
  TMultiBmp* m = Make40(4, 80, 20);
  m->SetAnimate(true);
  m->SetBlinkOn(true);
  EXPECT_FALSE(m->Animate());
  m->SetAnimate(true);
  EXPECT_FALSE(m->BlinkOn());
}

TEST_F(MultiBmpTest, BlinkingBlanksTheFrameInTheHighPhase) {
  TMultiBmp* m = Make40(4, 80, 20);
  m->SetColBack(clBlue);
  ShowForm();
  m->SetBlinkOn(true);
  EXPECT_EQ(At(m, 10, 10), clBlue);  // blank at once
  bool saw[2] = {false, false};
  for (int i = 0; i < 12; ++i) {
    Ticks(5);  // 300 ms
    EXPECT_EQ(At(m, 10, 10), BlinkPhase ? clBlue : StripColour(0, 0)) << i;
    saw[BlinkPhase] = true;
  }
  EXPECT_TRUE(saw[0] && saw[1]);
  m->SetBlinkOn(false);
  EXPECT_EQ(At(m, 10, 10), StripColour(0, 0));
  Ticks(20);
  EXPECT_EQ(At(m, 10, 10), StripColour(0, 0));
}

TEST_F(MultiBmpTest, DisablingShowsTheDisabledFrameAndEnablingTheFormerOne) {
  TMultiBmp* m = Make40(4, 80, 20);
  m->SetGlyphDisSel(2);
  m->SetGlyphSel(3);
  ShowForm();
  m->SetEnabled(false);
  EXPECT_EQ(m->GlyphSel(), 2);
  EXPECT_EQ(At(m, 10, 10), StripColour(20, 0));
  m->SetEnabled(true);
  EXPECT_EQ(m->GlyphSel(), 3);
  // Once painted, only 0..GlyphNums is taken.
  m->SetGlyphDisSel(5);
  EXPECT_EQ(m->GlyphDisSel(), 2);
  m->SetGlyphDisSel(0);
  m->SetEnabled(false);
  EXPECT_EQ(m->GlyphSel(), 3);
}

TEST_F(MultiBmpTest, GlyphModeReplacesTheTransparentColourByTheBackground) {
  auto* m = Make<TMultiBmp>(10, 10, 40, 40);
  m->SetGlyphNums(1);
  TBitmap strip;
  strip.SetSize(20, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) strip.ScanLine(y)[x] = x < 10 ? 0xFF808000u : 0xFFFF0000u;
  }
  m->SetGlyph(&strip);
  m->SetColBack(clBlue);
  ShowForm();
  EXPECT_EQ(At(m, 12, 12), clOlive);
  m->SetGlyphMode(true);
  m->Repaint();
  EXPECT_EQ(At(m, 12, 12), clBlue);
  EXPECT_EQ(At(m, 25, 12), clRed);
  // A transparent colour the frame does not hold changes nothing.
  m->SetColTransp(clLime);
  m->Repaint();
  EXPECT_EQ(At(m, 12, 12), clOlive);
}

TEST_F(MultiBmpTest, NoGlyphClearsTheStrip) {
  TMultiBmp* m = Make40(2, 40, 20);
  m->SetGlyph(nullptr);
  EXPECT_TRUE(m->Glyph()->Empty());
  ShowForm();
  EXPECT_EQ(At(m, 20, 20), clSilver);
}

}  // namespace
