// The slide switch: knob and field in both positions, texts, bitmaps and KeyChange.

#include <string>
#include <vector>

#include "library/controls/tasten/tasten.h"
#include "tasten_fixture.h"

namespace {

// A 40 x 65 switch: the slot inside its sunken edge is (7, 7)-(33, 58), 51 high, half 25.
// swPos2: field (7, 7)-(33, 33), knob (7, 32)-(33, 58) with its grip at y 44 and 46.
// swPos1: field (7, 32)-(33, 58), knob (7, 7)-(33, 33) with its grip at y 19 and 21.
const TRect kUpper = Rect(7, 7, 33, 32);
const TRect kLower = Rect(7, 33, 33, 58);

class SlideTest : public TastenTest {
 protected:
  TSlideButton* Slide() {
    auto* s = Make<TSlideButton>(10, 10, 40, 65);
    s->KeyChange = [this](TObject*) { events.push_back("key"); };
    return s;
  }
  static TColor At(TSlideButton* s, int x, int y) { return s->Canvas()->Pixels(x, y); }
  static int CountIn(TSlideButton* s, const TRect& r, TColor colour) {
    return Count(*s->Canvas(), r, colour);
  }
};

TEST_F(SlideTest, NewSwitchShowsTheKnobBelowAndOnAbove) {
  auto* fresh = new TSlideButton(nullptr);
  EXPECT_EQ(fresh->Width(), 40);
  EXPECT_EQ(fresh->Height(), 65);
  delete fresh;
  TSlideButton* s = Slide();
  ShowForm();
  EXPECT_EQ(s->Position(), swPos2);
  // The sunken slot edge.
  EXPECT_EQ(At(s, 20, 5), clGray);
  EXPECT_EQ(At(s, 5, 30), clGray);
  EXPECT_EQ(At(s, 20, 59), clWhite);
  EXPECT_EQ(At(s, 34, 30), clWhite);
  // The field: red with "ON" in lime.
  EXPECT_EQ(At(s, 8, 8), clRed);
  EXPECT_GT(CountIn(s, kUpper, clLime), 10);
  // The knob: raised edges, silver, the grip.
  EXPECT_EQ(At(s, 7, 45), clWhite);
  EXPECT_EQ(At(s, 20, 32), clWhite);
  EXPECT_EQ(At(s, 32, 45), clGray);
  EXPECT_EQ(At(s, 20, 57), clGray);
  EXPECT_EQ(At(s, 20, 37), clSilver);
  EXPECT_EQ(At(s, 20, 44), clWhite);
  EXPECT_EQ(At(s, 20, 46), clGray);
  EXPECT_EQ(CountIn(s, kLower, clLime), 0);
}

TEST_F(SlideTest, AClickMovesTheKnobUpAndShowsOffBelow) {
  TSlideButton* s = Slide();
  ShowForm();
  Click(s, 20, 20);
  EXPECT_EQ(s->Position(), swPos1);
  EXPECT_EQ(events, (std::vector<std::string>{"key"}));
  EXPECT_EQ(At(s, 20, 19), clWhite);
  EXPECT_EQ(At(s, 20, 21), clGray);
  EXPECT_EQ(At(s, 20, 10), clSilver);
  EXPECT_EQ(At(s, 8, 56), clBlue);
  EXPECT_GT(CountIn(s, kLower, clYellow), 10);
  EXPECT_EQ(CountIn(s, kUpper, clLime), 0);
  Pause();
  Click(s, 20, 20, mbRight);
  EXPECT_EQ(s->Position(), swPos2);
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(SlideTest, PositionFromTheProgramRedrawsWithoutEvent) {
  TSlideButton* s = Slide();
  ShowForm();
  s->SetPosition(swPos1);
  EXPECT_EQ(At(s, 8, 56), clBlue);
  EXPECT_TRUE(events.empty());
}

TEST_F(SlideTest, EmptyTextShowsTheBareField) {
  TSlideButton* s = Slide();
  s->SetTextPos1("");
  ShowForm();
  EXPECT_EQ(CountIn(s, kUpper, clLime), 0);
  EXPECT_EQ(CountIn(s, kUpper, clRed), 26 * 25);
}

TEST_F(SlideTest, TextsAreCutStoredBeforeThePaintAndFittedAtIt) {
  TSlideButton* s = Slide();
  s->SetTextPos2("abcdefghijkl");
  EXPECT_EQ(s->TextPos2().str(), "abcdefghij");
  s->SetTextPos2("W");
  s->SetPosition(swPos1);
  ShowForm();
  const int big = CountIn(s, kLower, clYellow);
  s->SetTextPos2("WWWW");  // fitted again: smaller letters
  const int four = CountIn(s, kLower, clYellow);
  EXPECT_GT(big, 0);
  EXPECT_GT(four, 0);
  s->SetFontAutom(false);
  s->SetTextPos2("W");  // keeps the size fitted last
  EXPECT_LT(CountIn(s, kLower, clYellow), big);
}

TEST_F(SlideTest, BitmapsShowOnASilverFieldCrosswise) {
  TSlideButton* s = Slide();
  TBitmap pos1;
  pos1.SetSize(2, 2);
  pos1.Canvas()->Brush()->SetColor(clFuchsia);
  pos1.Canvas()->FillRect(Rect(0, 0, 2, 2));
  s->SetBmpPos1(&pos1);
  s->SetBmpPos2(nullptr);  // ignored
  s->SetBmpEnable(true);
  ShowForm();
  // swPos2 shows the empty second bitmap: a silver field.
  EXPECT_EQ(CountIn(s, kUpper, clSilver), 26 * 25);
  s->SetPosition(swPos1);
  EXPECT_EQ(CountIn(s, kLower, clFuchsia), 26 * 25);
}

TEST_F(SlideTest, ColoursRedrawAtOnceAndAFontChangeRepaints) {
  TSlideButton* s = Slide();
  int paints = 0;
  s->OnRepaint = [&](TObject*) { ++paints; };
  ShowForm();
  s->SetColorPos1(clGreen);
  s->SetColButton(clNavy);
  EXPECT_EQ(At(s, 8, 8), clGreen);
  EXPECT_EQ(At(s, 20, 37), clNavy);
  EXPECT_EQ(paints, 1);
  s->Font()->SetColor(clRed);
  Pump();
  EXPECT_EQ(paints, 2);
}

}  // namespace
