#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/controls/strokes/stroke.h"
#include "library/controls/strokes/strokeset.h"
#include "platform/base/numbers.h"
#include "platform/forms/testing/formtest.h"

namespace {

std::vector<uint8_t> GlyphBytes(unsigned char code) {
  const auto& table = StrokeGlyphTable();
  std::vector<uint8_t> bytes;
  for (int i = 0; i < kStrokeGlyphBytes; ++i) {
    const uint8_t b = table[code * kStrokeGlyphBytes + i];
    if (b == 0xFF) break;
    bytes.push_back(b);
  }
  return bytes;
}

TEST(StrokeGlyphs, TheKnownGlyphsAreExact) {
  struct Case {
    unsigned char code;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {'A', {0x12, 0x18, 0x3A, 0x4A, 0x68, 0xE2, 0x65, 0x95}},
      {'1', {0x28, 0x4A, 0xC2, 0x22, 0xE2}},
      {'/', {0x13, 0xF9}},
      {'.', {0x33, 0x43, 0x42, 0x32, 0xB3}},
      {'O', {0x22, 0x13, 0x19, 0x2A, 0x5A, 0x69, 0x63, 0x52, 0xA2}},
      {'S', {0x69, 0x5A, 0x2A, 0x19, 0x17, 0x26, 0x56, 0x65, 0x63, 0x52, 0x22, 0x93}},
      {127, {0x00, 0x70, 0x7B, 0x0B, 0x80, 0x11, 0x61, 0x6A, 0x1A, 0x91}},
  };
  for (const Case& c : cases) EXPECT_EQ(GlyphBytes(c.code), c.bytes) << int(c.code);
}

TEST(StrokeGlyphs, EveryDefinedCodeHasAWellFormedGlyph) {
  const auto& table = StrokeGlyphTable();
  for (int code = 0; code < 256; ++code) {
    const bool defined = (code >= 1 && code <= 31) || (code >= 33 && code <= 127);
    const std::vector<uint8_t> bytes = GlyphBytes(code);
    if (!defined) {
      EXPECT_TRUE(bytes.empty()) << code;
      continue;
    }
    ASSERT_FALSE(bytes.empty()) << code;
    EXPECT_LE(bytes.size(), 16u) << code;
    EXPECT_NE(bytes.back() & 0x80, 0) << code;  // the last stroke ends
    for (uint8_t b : bytes) EXPECT_LE(b & 15, 11) << code;
    for (size_t i = bytes.size(); i < size_t(kStrokeGlyphBytes); ++i) {
      EXPECT_EQ(table[code * kStrokeGlyphBytes + i], 0xFF) << code;
    }
  }
}

TEST(StrokeSet, FileAbcCannotBeSwitchedOn) {
  TStrokeSet set(nullptr);
  EXPECT_FALSE(set.SetFileABC(true));
  EXPECT_FALSE(set.FileABC());
  EXPECT_TRUE(set.SetFileABC(false));
}

// The screen point of a laid-out point, as the plate draws it.
TPoint Screen(const TStrokePoint& p, int px, int py) {
  return {px + int(Round(p.X)), py - int(Round(p.Y))};
}

TEST(StrokeSet, LayoutThroughTheTransforms) {
  // '-' is one stroke from (2, 6) to (6, 6): with 40 x 60 that is x 10..30 at height 30.
  struct Case {
    const char* name;
    TJustHor hor;
    TJustVert vert;
    bool mirror;
    bool italic;
    double angle;
    TPoint from, to;  // screen points about the reference (100, 100)
  };
  const Case cases[] = {
      {"plain", stLeft, stBottom, false, false, 0, {110, 70}, {130, 70}},
      {"turned 90: upward", stLeft, stBottom, false, false, 90, {70, 90}, {70, 70}},
      {"turned -90: downward", stLeft, stBottom, false, false, -90, {130, 110}, {130, 130}},
      {"mirrored", stLeft, stBottom, true, false, 0, {90, 70}, {70, 70}},
      {"italic: a third of the height to the right",
       stLeft,
       stBottom,
       false,
       true,
       0,
       {120, 70},
       {140, 70}},
      {"mirrored italic", stLeft, stBottom, true, true, 0, {80, 70}, {60, 70}},
      {"centred in both directions", stCenter, stMiddle, false, false, 0, {90, 100}, {110, 100}},
      {"right and top", stRight, stTop, false, false, 0, {70, 130}, {90, 130}},
      {"centred and turned 180", stCenter, stMiddle, false, false, 180, {110, 100}, {90, 100}},
  };
  TStrokeSet set(nullptr);
  for (const Case& c : cases) {
    set.StrokeLayoutText("-", c.hor, c.italic, c.mirror, c.vert, 60, 40, c.angle);
    ASSERT_EQ(set.LayoutCount(), 1);
    const auto& row = set.LayoutRow(0);
    EXPECT_EQ(row[0].Mark, 1) << c.name;
    EXPECT_EQ(row[1].Mark, 0) << c.name;
    EXPECT_EQ(row[2].Mark, -1) << c.name;
    EXPECT_EQ(Screen(row[0], 100, 100), c.from) << c.name;
    EXPECT_EQ(Screen(row[1], 100, 100), c.to) << c.name;
  }
}

TEST(StrokeSet, CharactersAdvanceAlongTheTurnedBaseLine) {
  TStrokeSet set(nullptr);
  set.StrokeLayoutText("..", stLeft, false, false, stBottom, 14, 10, 90);
  // '.' starts at (3, 3): x 3.75, y 3.5; the second one 10 pixels further up the screen.
  EXPECT_EQ(Screen(set.LayoutRow(0)[0], 8, 22), (TPoint{8 - 4, 22 - 4}));
  EXPECT_EQ(Screen(set.LayoutRow(1)[0], 8, 22), (TPoint{8 - 4, 22 - 14}));
  set.StrokeLayoutText("..", stLeft, false, true, stBottom, 14, 10, 0);  // mirrored: to the left
  EXPECT_EQ(Screen(set.LayoutRow(1)[0], 8, 22).X, 8 - 10 - 4);
}

TEST(StrokeSet, LongTextsKeepSixtyThreeCharactersAndStayCentred) {
  TStrokeSet set(nullptr);
  const std::string text(70, '-');
  set.StrokeLayoutText(text, stCenter, false, false, stBottom, 12, 8, 0);
  EXPECT_EQ(set.LayoutCount(), 63);
  // The first '-' starts 2/8 of a character in from the left end at -63/2 characters.
  EXPECT_DOUBLE_EQ(set.LayoutRow(0)[0].X, -31.5 * 8 + 2);
  EXPECT_DOUBLE_EQ(set.LayoutRow(62)[1].X, 31.5 * 8 - 2);
}

class StrokePlateTest : public FormTest {
 protected:
  TStroke* Make() {
    auto* s = new TStroke(form);
    s->SetParent(form);
    s->SetBounds(0, 0, 200, 200);
    s->SetSizeX(40);
    s->SetSizeY(60);
    s->SetPositionX(100);
    s->SetPositionY(100);
    s->SetsString("-");
    return s;
  }
};

TEST_F(StrokePlateTest, TurnedTextLandsWhereTheTransformPutsIt) {
  TStroke* s = Make();
  s->SetRotate(90);
  ShowForm();
  for (int y = 71; y <= 90; ++y) EXPECT_EQ(ScreenPixel(s, 70, y), clBlack) << y;
  EXPECT_NE(ScreenPixel(s, 120, 70), clBlack);
  s->SetRotate(-90);
  Pump();
  for (int y = 110; y < 130; ++y) EXPECT_EQ(ScreenPixel(s, 130, y), clBlack) << y;
  EXPECT_NE(ScreenPixel(s, 70, 80), clBlack);
}

TEST_F(StrokePlateTest, MirroredTextRunsLeftOfTheReference) {
  TStroke* s = Make();
  s->SetMirror(true);
  s->SetColor(clRed);
  ShowForm();
  for (int x = 71; x <= 90; ++x) EXPECT_EQ(ScreenPixel(s, x, 70), clRed) << x;
  EXPECT_NE(ScreenPixel(s, 120, 70), clRed);
}

TEST_F(StrokePlateTest, TextOutsideTheFrameIsCutOff) {
  TStroke* s = Make();
  s->SetPositionX(-15);  // the stroke would run from x -5 to 15
  s->SetColor(clRed);
  ShowForm();
  EXPECT_NE(ScreenPixel(s, 1, 70), clRed);  // on the frame
  EXPECT_EQ(ScreenPixel(s, 10, 70), clRed);
}

TEST_F(StrokePlateTest, TheTwoFramesOfCode127AreNotJoined) {
  TStroke* s = Make();
  s->SetsString(std::string(1, char(127)));
  s->SetSizeX(80);
  s->SetSizeY(120);
  s->SetPositionX(50);
  s->SetPositionY(150);
  ShowForm();
  EXPECT_EQ(ScreenPixel(s, 50, 149), clBlack);  // outer frame's corner (0, 0)
  EXPECT_EQ(ScreenPixel(s, 60, 140), clBlack);  // inner frame's corner (1, 1)
  EXPECT_NE(ScreenPixel(s, 55, 145), clBlack);  // between them: no joining line
}

TEST_F(StrokePlateTest, SettersKeepTheirRanges) {
  TStroke* s = Make();
  s->SetRotate(400);
  EXPECT_EQ(s->Rotate(), 40);
  s->SetRotate(-30);
  EXPECT_EQ(s->Rotate(), -30);
  s->SetSizeX(0);
  s->SetSizeY(5000);
  s->SetBold(60);
  EXPECT_EQ(s->SizeX(), 1);
  EXPECT_EQ(s->SizeY(), 2000);
  EXPECT_EQ(s->Bold(), 50);
  s->SetsString(std::string(70, 'x'));
  EXPECT_EQ(s->sString().size(), 63u);
  s->SetFileABC(true);
  EXPECT_FALSE(s->FileABC());
}

}  // namespace
