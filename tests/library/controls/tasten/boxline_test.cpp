// The box line: the masks in step with the boxes, clicks, the layout in every arrangement, glyphs
// and captions.

#include "library/controls/tasten/boxline.h"

#include <string>
#include <vector>

#include "platform/forms/testing/formtest.h"

namespace {

class BoxLineTest : public FormTest {
 protected:
  TBoxLine* Line() {
    auto* l = new TBoxLine(form);
    l->SetParent(form);
    l->SetBounds(10, 10, 85, 160);
    l->OnClick = [this](TObject*, int box, bool state) {
      clicks.push_back(std::to_string(box) + (state ? " on" : " off"));
    };
    return l;
  }
  // The centre of box i's face: the face is the layout box less 2 at the top and left and 1 at
  // the right and bottom.
  static TPoint Centre(TBoxLine* l, int i) {
    const int b = l->BoxWidth(), s = l->BoxSpace();
    return {s + b + b / 2, s / 2 + i * (b + s) + b / 2};
  }
  static int Count(TBoxLine* l, const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) n += l->Canvas()->Pixels(x, y) == colour;
    }
    return n;
  }
  void ClickBox(TBoxLine* l, int i) {
    Pause();
    const TPoint p = Centre(l, i);
    Click(l, p.X, p.Y);
  }
  std::vector<std::string> clicks;
};

TEST_F(BoxLineTest, NewLineHasEightEnabledBoxesThatAreOff) {
  TBoxLine* l = Line();
  auto* fresh = new TBoxLine(nullptr);
  EXPECT_EQ(fresh->Width(), 85);
  EXPECT_EQ(fresh->Height(), 160);
  delete fresh;
  EXPECT_EQ(l->BoxEnaByte(), 0xFF);
  EXPECT_EQ(l->BoxStatByte(), 0);
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(l->Box(i)->Enabled());
    EXPECT_FALSE(l->Box(i)->Status());
  }
  EXPECT_EQ(l->Box(8), nullptr);
  EXPECT_EQ(l->Box(-1), nullptr);
  EXPECT_EQ(l->Box3(), l->Box(3));
}

TEST_F(BoxLineTest, MasksFollowTheBoxesAndTheBoxesTheMasks) {
  TBoxLine* l = Line();
  for (int i = 0; i < 8; ++i) {
    l->Box(i)->SetStatus(true);
    EXPECT_EQ(l->BoxStatByte(), 1 << i) << i;
    l->Box(i)->SetEnabled(false);
    EXPECT_EQ(l->BoxEnaByte(), 0xFF & ~(1 << i)) << i;
    l->Box(i)->SetStatus(false);
    l->Box(i)->SetEnabled(true);
  }
  EXPECT_EQ(l->BoxStatByte(), 0);
  EXPECT_EQ(l->BoxEnaByte(), 0xFF);
  for (uint8_t mask : {0x05, 0xA0, 0xFF, 0x00, 0x81}) {
    l->SetBoxStatByte(mask);
    l->SetBoxEnaByte(uint8_t(~mask));
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(l->Box(i)->Status(), (mask >> i & 1) != 0) << int(mask) << " box " << i;
      EXPECT_EQ(l->Box(i)->Enabled(), (mask >> i & 1) == 0) << int(mask) << " box " << i;
    }
  }
}

TEST_F(BoxLineTest, ClicksToggleEnabledBoxesAndReportThem) {
  TBoxLine* l = Line();
  std::vector<int> own;
  l->OnBox0Click = [&](TObject*) { own.push_back(0); };
  l->OnBox7Click = [&](TObject*) { own.push_back(7); };
  l->SetBoxStatByte(0x05);
  l->SetToggle(true);
  ShowForm();
  ClickBox(l, 0);
  EXPECT_EQ(l->BoxStatByte(), 0x04);
  EXPECT_FALSE(l->Box0()->Status());
  ClickBox(l, 7);
  EXPECT_EQ(l->BoxStatByte(), 0x84);
  // Without Toggle a click reports the state unchanged.
  l->SetToggle(false);
  ClickBox(l, 2);
  EXPECT_EQ(l->BoxStatByte(), 0x84);
  // A disabled box ignores clicks, and so does the space between boxes.
  l->SetBoxEnaByte(0xFE);
  ClickBox(l, 0);
  Pause();
  Click(l, 5, 5);
  EXPECT_EQ(clicks, (std::vector<std::string>{"0 off", "7 on", "2 on"}));
  EXPECT_EQ(own, (std::vector<int>{0, 7}));
  // An invisible box keeps its place and still takes clicks.
  l->Box(4)->SetVisible(false);
  Pump();
  ClickBox(l, 4);
  EXPECT_EQ(clicks.back(), "4 off");
}

TEST_F(BoxLineTest, RangesAndOrientation) {
  TBoxLine* l = Line();
  const struct { int set, width, space; } cases[] = {{5, 10, 0}, {40, 30, 20}, {17, 17, 7}};
  for (const auto& c : cases) {
    l->SetBoxWidth(c.set);
    l->SetBoxSpace(c.set - 10);
    EXPECT_EQ(l->BoxWidth(), c.width) << c.set;
    EXPECT_EQ(l->BoxSpace(), c.space) << c.set;
  }
  l->Box(2)->SetNumGlyphs(5);
  EXPECT_EQ(l->Box(2)->NumGlyphs(), 2);
  l->Box(2)->SetNumGlyphs(0);
  EXPECT_EQ(l->Box(2)->NumGlyphs(), 1);
  l->SetOrientation(orHorizontal);
  EXPECT_EQ(l->Width(), 160);
  EXPECT_EQ(l->Height(), 85);
  l->SetOrientation(orVertical);
  EXPECT_EQ(l->Width(), 85);
  EXPECT_EQ(l->Height(), 160);
}

// Each box's face is filled with its colour; with blank characters exactly the face shows it.
// Faces of boxes 0 and 7 for the default 15-pixel boxes 4 apart.
TEST_F(BoxLineTest, BoxesLieWhereTheArrangementPutsThem) {
  const struct {
    TOrientation orientation;
    bool order_up, capt_left;
    TRect box0, box7;
  } cases[] = {
      {orVertical, false, false, Rect(21, 4, 33, 16), Rect(21, 137, 33, 149)},
      {orVertical, true, false, Rect(21, 145, 33, 157), Rect(21, 12, 33, 24)},
      {orVertical, false, true, Rect(53, 4, 65, 16), Rect(53, 137, 65, 149)},
      {orHorizontal, false, false, Rect(140, 53, 152, 65), Rect(7, 53, 19, 65)},
      {orHorizontal, true, false, Rect(4, 53, 16, 65), Rect(137, 53, 149, 65)},
      {orHorizontal, false, true, Rect(140, 21, 152, 33), Rect(7, 21, 19, 33)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.orientation << c.order_up << c.capt_left);
    TBoxLine* l = Line();
    l->SetOrientation(c.orientation);
    l->SetOrderUp(c.order_up);
    l->SetCaptLeft(c.capt_left);
    l->SetColorEnable(clFuchsia);
    for (int i = 0; i < 8; ++i) {
      l->Box(i)->SetCharOff(' ');
      l->Box(i)->SetCaptLong("");
    }
    l->Box(7)->SetStatus(true);
    l->Box(7)->SetCharOn(' ');
    l->SetColorOn(clLime);
    ShowForm();
    EXPECT_EQ(Count(l, c.box0, clFuchsia), 12 * 12);
    EXPECT_EQ(Count(l, c.box7, clLime), 12 * 12);
    EXPECT_EQ(Count(l, Rect(0, 0, l->Width(), l->Height()), clFuchsia), 7 * 12 * 12);
    EXPECT_EQ(Count(l, Rect(0, 0, l->Width(), l->Height()), clLime), 12 * 12);
    delete l;
  }
}

TEST_F(BoxLineTest, StateColoursAndCharacters) {
  TBoxLine* l = Line();
  l->SetColorOn(clYellow);
  l->SetColorFontOn(clRed);
  l->SetColorFontDis(clMaroon);
  ShowForm();
  const TRect face0 = Rect(21, 4, 33, 16), face1 = Rect(21, 23, 33, 35);
  EXPECT_GT(Count(l, face0, clWhite), 60);
  EXPECT_GT(Count(l, face0, clBlack), 5);  // '0'
  l->Box0()->SetStatus(true);
  EXPECT_GT(Count(l, face0, clYellow), 60);
  EXPECT_GT(Count(l, face0, clRed), 5);
  l->Box1()->SetEnabled(false);
  EXPECT_GT(Count(l, face1, clSilver), 60);
  EXPECT_GT(Count(l, face1, clMaroon), 5);
}

TEST_F(BoxLineTest, GlyphsOfOneAndOfTwoPictures) {
  TBoxLine* l = Line();
  TBitmap glyph;
  glyph.SetSize(8, 4);  // left half olive, right half blue
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) glyph.ScanLine(y)[x] = x < 4 ? 0xFF808000u : 0xFF0000FFu;
  }
  l->Box0()->SetGlyphOff(&glyph);
  l->Box0()->SetNumGlyphs(2);
  l->Box1()->SetGlyphOn(&glyph);
  l->Box1()->SetStatus(true);
  l->SetColorEnable(clFuchsia);
  l->SetColorDisable(clAqua);
  ShowForm();
  const TRect face0 = Rect(21, 4, 33, 16), face1 = Rect(21, 23, 33, 35);
  // Two pictures, enabled: the left half with olive in the box colour.
  EXPECT_EQ(Count(l, face0, clFuchsia), 12 * 12);
  l->SetBoxEnaByte(0xFE);
  EXPECT_EQ(Count(l, face0, clBlue), 12 * 12);  // disabled: the right half
  // One picture, stretched; the off state has no glyph and shows its character.
  EXPECT_EQ(Count(l, face1, clOlive), 6 * 12);
  EXPECT_EQ(Count(l, face1, clBlue), 6 * 12);
  l->Box1()->SetStatus(false);
  EXPECT_EQ(Count(l, face1, clOlive), 0);
  EXPECT_GT(Count(l, face1, clFuchsia), 60);
  // Disabled, the one picture shows in its embossed form.
  l->Box1()->SetStatus(true);
  l->Box1()->SetEnabled(false);
  EXPECT_EQ(Count(l, face1, clOlive) + Count(l, face1, clBlue), 0);
}

TEST_F(BoxLineTest, CaptionsStandBesideTheBoxesAndTheLongOneIsSmaller) {
  TBoxLine* l = Line();
  l->Box0()->SetCaptShort('W');
  l->Box0()->SetCaptLong("W");
  ShowForm();
  // Box 0's face is (21, 4)-(33, 16): the short cell (2, 4)-(17, 16), the long area from 37 on.
  const int short_ink = Count(l, Rect(2, 4, 17, 16), clBlack);
  const int long_ink = Count(l, Rect(37, 4, 81, 16), clBlack);
  EXPECT_GT(short_ink, 10);
  EXPECT_GT(long_ink, 5);
  EXPECT_LT(long_ink, short_ink);
  l->Box0()->SetCaptLong("");
  EXPECT_EQ(Count(l, Rect(37, 4, 81, 16), clBlack), 0);
  // Horizontal: the long caption runs upward above the box, the short one sits below it.
  l->SetOrientation(orHorizontal);
  l->Box0()->SetCaptLong("Running");
  Pump();
  EXPECT_GT(Count(l, Rect(140, 4, 152, 49), clBlack), 20);
  EXPECT_GT(Count(l, Rect(140, 69, 152, 84), clBlack), 10);
}

TEST_F(BoxLineTest, AssigningABoxCopiesItsPropertiesAndKeepsTheMasks) {
  TBoxLine* a = Line();
  TBoxLine* b = Line();
  a->Box2()->SetStatus(true);
  a->Box2()->SetEnabled(false);
  a->Box2()->SetCharOn('H');
  a->Box2()->SetCaptLong("Main");
  b->SetBox5(a->Box2());
  EXPECT_TRUE(b->Box5()->Status());
  EXPECT_FALSE(b->Box5()->Enabled());
  EXPECT_EQ(b->Box5()->CharOn(), 'H');
  EXPECT_EQ(b->Box5()->CaptLong(), "Main");
  EXPECT_EQ(b->BoxStatByte(), 0x20);
  EXPECT_EQ(b->BoxEnaByte(), 0xDF);
  b->SetBox5(nullptr);
  b->SetBox(9, a->Box2());
  EXPECT_EQ(b->BoxStatByte(), 0x20);
}

}  // namespace
