// The picture button: face shapes in the logical plane, rows and their fonts, blinking, and faces
// too small to lay out.

#include <string>
#include <vector>

#include "library/controls/tasten/tasten.h"
#include "tasten_fixture.h"

namespace {

class PictTest : public TastenTest {
 protected:
  TPictButton* Pict(int w = 100, int h = 100) {
    auto* p = Make<TPictButton>(10, 10, w, h);
    p->OnRepaint = [this](TObject*) { ++paints; };
    return p;
  }
  static int CountIn(TPictButton* p, TColor colour) {
    return Count(*p->Canvas(), Rect(0, 0, p->Width(), p->Height()), colour);
  }
  int paints = 0;
};

// A 100 x 100 button: the face spans (6, 6)-(94, 94); logical x and y map by 88 / 2000.
TEST_F(PictTest, NewButtonShowsTwoRowsOnABlackRoundedFace) {
  TPictButton* p = Pict();
  ShowForm();
  TCanvas& c = *p->Canvas();
  EXPECT_EQ(c.Pixels(6, 50), clWhite);  // outline
  EXPECT_EQ(c.Pixels(8, 50), clBlack);  // face
  EXPECT_EQ(c.Pixels(6, 6), clSilver);  // outside the rounded corner
  // "Aus" in aqua in the upper band (y 10..48), "Ein" in lime in the lower one (y 51..90).
  EXPECT_GT(Count(c, Rect(0, 0, 100, 49), clAqua), 20);
  EXPECT_EQ(Count(c, Rect(0, 50, 100, 100), clAqua), 0);
  EXPECT_GT(Count(c, Rect(0, 50, 100, 100), clLime), 20);
  EXPECT_EQ(CountIn(p, clRed), 0);  // "Stop" is not shown
  EXPECT_EQ(p->Font()->Color(), clAqua);
  EXPECT_EQ(p->Font1()->Color(), clLime);
  EXPECT_EQ(p->Font2()->Color(), clRed);
}

TEST_F(PictTest, ThreeRowsShowAllTexts) {
  TPictButton* p = Pict();
  p->SetPictStyle(TPictStyle::threeRow);
  ShowForm();
  EXPECT_GT(CountIn(p, clAqua), 10);
  EXPECT_GT(CountIn(p, clLime), 10);
  EXPECT_GT(CountIn(p, clRed), 10);
}

TEST_F(PictTest, ACircleCarriesOneRowInItsInnerBand) {
  TPictButton* p = Pict();
  p->SetShape(sstCircle);
  p->SetPictStyle(TPictStyle::threeRow);
  ShowForm();
  EXPECT_EQ(p->PictStyle(), TPictStyle::oneRow);
  EXPECT_EQ(CountIn(p, clLime), 0);
  // The band +-700 is (19, 19)-(81, 81).
  TCanvas& c = *p->Canvas();
  const int inside = Count(c, Rect(19, 19, 81, 81), clAqua);
  EXPECT_GT(inside, 20);
  EXPECT_EQ(CountIn(p, clAqua), inside);
}

TEST_F(PictTest, SquareShapesAreCentredOnAWideButton) {
  TPictButton* p = Pict(200, 100);
  p->SetShape(sstSquare);
  ShowForm();
  TCanvas& c = *p->Canvas();
  // The square of the 88-pixel side: its outline at x 55 and 143.
  EXPECT_EQ(c.Pixels(54, 50), clSilver);
  EXPECT_EQ(c.Pixels(55, 50), clWhite);
  EXPECT_EQ(c.Pixels(57, 50), clBlack);
  EXPECT_EQ(c.Pixels(143, 50), clWhite);
  EXPECT_EQ(c.Pixels(144, 50), clSilver);
  EXPECT_EQ(c.Pixels(100, 6), clWhite);
}

TEST_F(PictTest, SilverBackDrawsNoFaceButTheTexts) {
  TPictButton* p = Pict();
  p->SetColBack(clSilver);
  ShowForm();
  const TRect inside_frame = Rect(4, 4, 96, 96);
  EXPECT_EQ(Count(*p->Canvas(), inside_frame, clWhite), 0);
  EXPECT_EQ(Count(*p->Canvas(), inside_frame, clBlack), 0);
  EXPECT_GT(CountIn(p, clAqua), 10);
}

TEST_F(PictTest, ASideWithoutBorderPushesTheFaceOut) {
  TPictButton* p = Pict();
  p->SetBordLeft(false);
  ShowForm();
  // The face runs 22 pixels beyond the left edge, so no outline or background shows there.
  EXPECT_EQ(p->Canvas()->Pixels(0, 50), clBlack);
  EXPECT_EQ(p->Canvas()->Pixels(99, 50), clGray);  // the right side keeps its frame
}

TEST_F(PictTest, TextsFollowTheStyleAndThePaint) {
  TPictButton* p = Pict();
  p->SetText2("xy");  // before the paint every text is stored
  EXPECT_EQ(p->Text2().str(), "xy");
  ShowForm();
  p->SetText2("zz");  // not shown with two rows: dropped
  EXPECT_EQ(p->Text2().str(), "xy");
  p->SetText1("");  // drawn at once
  EXPECT_EQ(CountIn(p, clLime), 0);
  p->SetText1("An");
  EXPECT_GT(CountIn(p, clLime), 10);
  p->SetText("12345678901234567890abc");
  EXPECT_EQ(p->Text().str(), "12345678901234567890");
  p->SetPictStyle(TPictStyle::Picture);
  p->SetText("lost");
  EXPECT_EQ(p->Text().str(), "12345678901234567890");
  p->SetPictStyle(TPictStyle::twoRow);
  EXPECT_EQ(p->Text().str(), "12345678901234567890");
}

TEST_F(PictTest, PictureStyleStretchesTheSymbolIntoTheRow) {
  TPictButton* p = Pict();
  TBitmap symbol;
  symbol.SetSize(4, 4);
  symbol.Canvas()->Brush()->SetColor(clFuchsia);
  symbol.Canvas()->FillRect(Rect(0, 0, 4, 4));
  p->SetSymbol(&symbol);
  p->SetSymbol(nullptr);  // ignored
  p->SetPictStyle(TPictStyle::Picture);
  ShowForm();
  // Row 1 spans +-900: (10, 10)-(89, 89).
  EXPECT_EQ(CountIn(p, clFuchsia), 79 * 79);
  EXPECT_EQ(Count(*p->Canvas(), Rect(10, 10, 89, 89), clFuchsia), 79 * 79);
  EXPECT_EQ(CountIn(p, clAqua), 0);
}

TEST_F(PictTest, BlinkingRowsVanishInTheHighPhase) {
  struct Case {
    TPictStyle style;
    TShapeTypeT shape;
    int w, h;
  };
  // The face sizes and shapes a user tries first, among them one text row on a wide button.
  for (const Case& c : {Case{TPictStyle::twoRow, sstRoundrect, 100, 100},
                        Case{TPictStyle::oneRow, sstRoundrect, 160, 60},
                        Case{TPictStyle::oneRow, sstCircle, 100, 100}}) {
    SCOPED_TRACE(int(c.style) * 10 + int(c.shape));
    TPictButton* p = Pict(c.w, c.h);
    p->SetPictStyle(c.style);
    p->SetShape(c.shape);
    p->SetText("Quittieren");
    ShowForm();
    p->SetBlinkOn(true);
    EXPECT_EQ(CountIn(p, clAqua), 0);
    bool saw[2] = {false, false};
    for (int i = 0; i < 4; ++i) {
      ToEndOfHalfCycle();
      EXPECT_EQ(CountIn(p, clAqua) > 0, !BlinkPhase) << i;
      saw[BlinkPhase] = true;
    }
    EXPECT_TRUE(saw[0] && saw[1]);
    while (!BlinkPhase) ToEndOfHalfCycle();
    p->SetBlinkOn(false);
    EXPECT_GT(CountIn(p, clAqua), 10);
    EXPECT_EQ(CountIn(p, clLime) > 10, c.style == TPictStyle::twoRow);
    delete p;
  }
}

TEST_F(PictTest, FontChangesRepaintButTheFittedSizeDoesNot) {
  TPictButton* p = Pict();
  ShowForm();
  EXPECT_EQ(paints, 1);  // keeping the fitted size of row 1 in Font caused no second paint
  p->Repaint();          // fits to the same size again: no change notification at all
  Pump();
  ASSERT_EQ(paints, 2);
  p->Font()->SetColor(clYellow);  // a real change right after must still repaint
  Pump();
  EXPECT_EQ(paints, 3);
  p->Font1()->SetColor(clYellow);  // in place: shows at the next paint only
  Pump();
  EXPECT_EQ(paints, 3);
  TFont font;
  font.SetName("Arial");
  font.SetColor(clFuchsia);
  p->SetFont2(&font);
  Pump();
  EXPECT_EQ(paints, 4);
  EXPECT_EQ(p->Font2()->Color(), clFuchsia);
}

TEST_F(PictTest, TinyFacesPaintWithoutLayout) {
  for (TShapeTypeT shape : {sstRectangle, sstSquare, sstRoundrect, sstRoundSquare, sstCircle}) {
    for (int side : {0, 1, 4, 8, 9, 12}) {
      for (int other : {side, 50}) {
        TPictButton* p = Pict(side, other);
        p->SetShape(shape);
        p->SetPictStyle(TPictStyle::threeRow);
        ShowForm();
        p->SetText("x");
        p->SetBlinkOn(true);
        ToEndOfHalfCycle();
        EXPECT_GE(paints, other > 0 && side > 0 ? 1 : 0) << shape << " " << side << "x" << other;
        delete p;
        paints = 0;
      }
    }
  }
}

}  // namespace
