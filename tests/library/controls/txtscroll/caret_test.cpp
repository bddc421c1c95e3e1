// The caret description, the window caret of one control, and the system blink time.
#include "platform/forms/caret.h"

#include <gtest/gtest.h>

#include <climits>

#include "library/controls/txtscroll/tscaret.h"
#include "tests/library/controls/txtscroll/viewer_fixture.h"

namespace {

TEST(TtsCaretTest, SizesAndOffsetsInTheCell) {
  struct Case {
    TtsCaretShape shape;
    TtsCaretAlign align;  // set after the shape
    int w, h;             // for csCustom
    int exp_w, exp_h, dx, dy;
  };
  const Case cases[] = {
      {csHalfBlock, caBottom, 0, 0, 8, 8, 0, 8}, {csVertLine, caLeft, 0, 0, 2, 16, 0, 0},
      {csBlock, caLeft, 0, 0, 8, 16, 0, 0},      {csHorzLine, caBottom, 0, 0, 8, 2, 0, 14},
      {csCustom, caCenter, 4, 4, 4, 4, 2, 6},    {csCustom, caRight, 3, 6, 3, 6, 5, 5},
      {csCustom, caTop, 4, 6, 4, 6, 2, 0}};
  for (const Case& c : cases) {
    TtsSingleCaret caret(nullptr);
    caret.SetCellHeight(16);
    caret.SetCellWidth(8);
    TtsCaret& d = *caret.Caret();
    d.SetShape(c.shape);
    if (c.w) d.SetCaretWidth(c.w);
    if (c.h) d.SetCaretHeight(c.h);
    d.SetAlign(c.align);
    EXPECT_EQ(d.CaretWidth(), c.exp_w) << c.shape;
    EXPECT_EQ(d.CaretHeight(), c.exp_h) << c.shape;
    EXPECT_EQ(caret.Offset(), (TPoint{c.dx, c.dy})) << c.shape << " " << c.align;
  }
}

TEST(TtsCaretTest, BitmapCaretTakesTheBitmapSizeLessTheHotSpot) {
  TtsSingleCaret caret(nullptr);
  caret.SetCellHeight(16);
  caret.SetCellWidth(8);
  TBitmap image;
  image.SetSize(6, 10);
  TtsCaret& d = *caret.Caret();
  d.SetBitmap(&image);
  d.SetShape(csBitmap);
  d.SetBitmapHotSpotX(1);
  d.SetBitmapHotSpotY(-2);
  EXPECT_EQ(d.CaretWidth(), 6);
  EXPECT_EQ(d.CaretHeight(), 10);
  EXPECT_EQ(caret.Offset(), (TPoint{-1, 5}));  // left-aligned: (0, 3) less the hot spot
  d.SetCaretWidth(0);
  d.SetCaretWidth(-3);
  EXPECT_EQ(d.CaretWidth(), 6);
}

// A description shared by two owners: the one that goes must not leave a dangling listener.
TEST(TtsCaretTest, SharedDescriptionOutlivesItsOwners) {
  auto shared = std::make_shared<TtsCaret>();
  {
    TtsSingleCaret a(nullptr);
    a.SetCaret(shared);
    a.SetCaret(nullptr);  // ignored
    EXPECT_EQ(a.Caret(), shared);
  }
  shared->SetShape(csBlock);  // nobody listens any more
  TtsSingleCaret b(nullptr);
  b.SetCaret(shared);
  b.SetCellHeight(20);
  EXPECT_EQ(shared->CaretHeight(), 20);
}

class WindowCaretTest : public ViewerTest {};

TEST_F(WindowCaretTest, FocusCreatesTheCaretAndBlinkTimeComesBack) {
  ASSERT_TRUE(viewer->Focused());
  EXPECT_EQ(GetCaretWindow(), viewer);
  auto* other = new TTextScroller(form);
  other->SetParent(form);
  other->SetBounds(0, 270, 100, 20);
  Pump();

  const unsigned system = GetCaretBlinkTime();
  viewer->Caret()->SetBlinkTime(250);  // re-creates the caret with its blink time
  EXPECT_EQ(GetCaretWindow(), viewer);
  EXPECT_EQ(GetCaretBlinkTime(), 250u);
  other->SetFocus();
  Pump();
  EXPECT_EQ(GetCaretWindow(), other);
  EXPECT_EQ(GetCaretBlinkTime(), system);
  viewer->SetFocus();
  Pump();
  EXPECT_EQ(GetCaretBlinkTime(), 250u);
  delete other;
  EXPECT_EQ(GetCaretWindow(), viewer);  // the other's destruction left this caret alone
}

TEST_F(WindowCaretTest, CaretFollowsTheCaretCell) {
  Open("abc\n\tdef\n");
  viewer->MoveCaretTo(1, 2, false);
  TPoint p;
  ASSERT_TRUE(GetCaretPos(p));
  const TPoint off = viewer->WindowCaret().Offset();
  EXPECT_EQ(p, (TPoint{9 * viewer->CharWidth() + off.X, viewer->LineHeight() + off.Y}));
  TCaretImage image;
  EXPECT_TRUE(GetCaretImage(image));
  EXPECT_EQ(image.Owner, viewer);
  viewer->SetShowCaret(false);
  EXPECT_FALSE(GetCaretImage(image));
}

// A caret that is not (or no longer) the window's caret touches neither it nor the blink time.
TEST_F(WindowCaretTest, OnlyItsOwnCaretIsDestroyed) {
  auto* plain = new TCustomControl(form);
  plain->SetParent(form);
  Pump();
  SetCaretBlinkTime(300);
  TtsSingleCaret stray([plain]() -> TWinControl* { return plain; });
  stray.SetCreated(false);
  EXPECT_EQ(GetCaretWindow(), viewer);
  stray.Caret()->SetBlinkTime(100);
  stray.SetCreated(true);  // takes the one caret over
  EXPECT_EQ(GetCaretBlinkTime(), 100u);
  viewer->Caret()->SetShape(csBlock);  // the viewer's caret is made again, the stray one lost it
  stray.SetCreated(false);
  EXPECT_EQ(GetCaretWindow(), viewer);
  EXPECT_EQ(GetCaretBlinkTime(), 100u);
}

TEST_F(WindowCaretTest, OffScreenPositionPassesUnchanged) {
  TtsSingleCaret caret([this]() -> TWinControl* { return viewer; });
  caret.SetCellHeight(16);
  caret.SetCellWidth(8);
  caret.Caret()->SetShape(csHalfBlock);
  caret.SetCreated(true);
  caret.SetPosition({-1, 5});
  EXPECT_EQ(caret.Position(), (TPoint{INT_MAX, 5}));
  TPoint p;
  ASSERT_TRUE(GetCaretPos(p));
  EXPECT_EQ(p, (TPoint{INT_MAX, 13}));
  caret.SetCreated(false);
}

}  // namespace
