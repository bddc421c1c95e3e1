// The arrow button: its three modes alone and in a group, repeat, blink, and its composed image.

#include <string>
#include <vector>

#include "library/controls/tasten/tasten.h"
#include "library/foundation/ledcolors.h"
#include "platform/forms/stdctrls/buttons.h"
#include "tasten_fixture.h"

namespace {

// The centre of the symbol of a 30 x 30 button with the default frame.
constexpr int kSymbolX = 15, kSymbolY = 16;

class ArrowTest : public TastenTest {
 protected:
  TArrowBtn* Arrow(int i, int group, TBtnMode mode = tbmPush, TWinControl* parent = nullptr) {
    auto* a = Make<TArrowBtn>(10 + 40 * i, 10, 30, 30, parent);
    a->SetGroupIndex(group);
    a->SetButtonMode(mode);
    Record(a, "a" + std::to_string(i));
    return a;
  }
  void ClickOn(TControl* c) {
    Pause();
    Click(c, 10, 10);
  }
  TColor Symbol(TArrowBtn* a) { return a->Canvas()->Pixels(kSymbolX, kSymbolY); }
};

TEST_F(ArrowTest, NewButtonShowsItsFrameAndALitArrowAndReportsPressAndRelease) {
  TArrowBtn* a = Arrow(0, 0);
  EXPECT_EQ(a->Width(), 30);
  EXPECT_EQ(a->Height(), 30);
  ShowForm();
  // The frame's raised outer ring reaches the screen through the composition image.
  EXPECT_EQ(a->Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(a->Canvas()->Pixels(29, 29), clGray);
  EXPECT_EQ(a->Canvas()->Pixels(5, 15), clSilver);
  EXPECT_EQ(Symbol(a), clLime);
  Pause();
  Press(a, 10, 10);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(Symbol(a), clRed);
  EXPECT_EQ(events, (std::vector<std::string>{"a0 click", "a0 down"}));
  Release(a, 10, 10);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(Symbol(a), clLime);
  EXPECT_EQ(events, (std::vector<std::string>{"a0 click", "a0 down", "a0 up"}));
}

// Two clicks on the first button, alone or with a second arrow button of its group on the form.
TEST_F(ArrowTest, ReleaseRulesByModeAloneAndInAGroup) {
  const struct {
    TBtnMode mode;
    bool grouped;
    bool down1, down2;
    std::vector<std::string> events;
  } cases[] = {
      {tbmPush,
       false,
       false,
       false,
       {"a0 click", "a0 down", "a0 up", "a0 click", "a0 down", "a0 up"}},
      {tbmPush,
       true,
       false,
       false,
       {"a0 click", "a0 down", "a0 up", "a0 click", "a0 down", "a0 up"}},
      {tbmPushPull, false, true, false, {"a0 click", "a0 down", "a0 click", "a0 up"}},
      {tbmPushPull, true, true, false, {"a0 click", "a0 down", "a0 click", "a0 up"}},
      {tbmLocked, false, true, false, {"a0 click", "a0 down", "a0 click", "a0 up"}},
      // In a group a locked button stays down, and it was never latched.
      {tbmLocked, true, true, true, {"a0 click", "a0 up", "a0 click", "a0 up"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " grouped " << c.grouped);
    TArrowBtn* a = Arrow(0, 1, c.mode);
    TArrowBtn* other = Arrow(1, c.grouped ? 1 : 2, c.mode);
    other->OnClick = other->OnDown = other->OnUp = nullptr;
    ShowForm();
    events.clear();
    ClickOn(a);
    EXPECT_EQ(a->Down(), c.down1);
    ClickOn(a);
    EXPECT_EQ(a->Down(), c.down2);
    EXPECT_EQ(events, c.events);
    delete a;
    delete other;
  }
}

TEST_F(ArrowTest, ALockedGroupKeepsOneButtonDownAndTheReleaseFiresNothing) {
  TArrowBtn* a = Arrow(0, 1, tbmLocked);
  TArrowBtn* b = Arrow(1, 1, tbmLocked);
  ShowForm();
  ClickOn(a);
  events.clear();
  ClickOn(b);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(events, (std::vector<std::string>{"a1 click", "a1 up"}));
  EXPECT_EQ(Symbol(a), clLime);
}

TEST_F(ArrowTest, OnAPanelTheButtonsCountAsAlone) {
  auto* panel = Make<TCustomControl>(10, 100, 200, 60);
  TArrowBtn* a = Arrow(0, 1, tbmLocked, panel);
  TArrowBtn* b = Arrow(1, 1, tbmLocked, panel);
  ShowForm();
  ClickOn(a);
  ClickOn(b);  // the notice still releases a
  EXPECT_FALSE(a->Down());
  ClickOn(b);  // not counted as grouped: the locked button toggles up
  EXPECT_FALSE(b->Down());
}

TEST_F(ArrowTest, SettingDownNotifiesTheGroupEvenWhenItGoesUp) {
  TArrowBtn* a = Arrow(0, 1);
  TArrowBtn* b = Arrow(1, 0);
  ShowForm();
  a->SetDown(true);
  b->SetDown(true);
  b->SetGroupIndex(1);
  ASSERT_TRUE(a->Down());
  a->SetDown(false);
  EXPECT_FALSE(b->Down());
  a->SetDown(true);
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(events.empty());
}

TEST_F(ArrowTest, ArrowAndFrameButtonsReleaseEachOther) {
  TArrowBtn* a = Arrow(0, 2, tbmPushPull);
  auto* bevel = Make<TBevel3D>(100, 10, 50, 30);
  bevel->SetButtonStyle(tsPushPull);
  bevel->SetGroupIndex(2);
  ShowForm();
  ClickOn(bevel);
  ClickOn(a);
  EXPECT_FALSE(bevel->Down());
  EXPECT_TRUE(a->Down());
  ClickOn(bevel);
  EXPECT_FALSE(a->Down());
  // An arrow button that goes up notifies too, but a frame button ignores a sender that is up.
  a->SetDown(true);
  bevel->SetDown(true);
  EXPECT_FALSE(a->Down());
  a->SetDown(false);
  EXPECT_TRUE(bevel->Down());
}

TEST_F(ArrowTest, SpeedButtonsOfTheSameGroupIndexDoNotReleaseIt) {
  TArrowBtn* a = Arrow(0, 1, tbmPushPull);
  auto* speed = Make<TSpeedButton>(100, 10, 30, 30);
  speed->SetGroupIndex(1);
  speed->SetAllowAllUp(true);
  ShowForm();
  a->SetDown(true);
  speed->SetDown(true);
  EXPECT_TRUE(a->Down());
  a->Perform(CM_BUTTONPRESSED, 1, 4711);
  EXPECT_TRUE(a->Down());
}

TEST_F(ArrowTest, ASmallButtonBecomesSquareOfAtLeastTwenty) {
  TArrowBtn* a = Arrow(0, 0);
  ShowForm();
  a->SetBounds(a->Left(), a->Top(), 12, 40);
  a->Repaint();
  Pump();
  EXPECT_EQ(a->Width(), 20);
  EXPECT_EQ(a->Height(), 20);
  a->SetBounds(a->Left(), a->Top(), 36, 20);
  a->Repaint();
  Pump();
  EXPECT_EQ(a->Height(), 36);
}

TEST_F(ArrowTest, HeldButtonRepeatsOnDownAfterHalfASecondThenAtItsSpeed) {
  TArrowBtn* a = Arrow(0, 0);
  a->SetRepSpeed(200);
  ShowForm();
  Pause();
  Press(a, 10, 10);
  events.clear();
  Ticks(8);
  EXPECT_TRUE(events.empty());
  Ticks(1);  // 500 ms are 9 ticks
  EXPECT_EQ(events.size(), 1u);
  Ticks(4);  // 200 ms are 4 ticks
  EXPECT_EQ(events.size(), 2u);
  Ticks(4);
  EXPECT_EQ(events, (std::vector<std::string>{"a0 down", "a0 down", "a0 down"}));
  Release(a, 10, 10);
  events.clear();
  Ticks(20);
  EXPECT_TRUE(events.empty());
  // Below 50 ms there is no repeat.
  a->SetRepSpeed(49);
  Pause();
  Press(a, 10, 10);
  Ticks(20);
  Release(a, 10, 10);
  EXPECT_EQ(events, (std::vector<std::string>{"a0 click", "a0 down", "a0 up"}));
}

TEST_F(ArrowTest, BlinkingSymbolFollowsTheBlinkPhase) {
  TArrowBtn* a = Arrow(0, 0);
  ShowForm();
  const TColor dim = TColor(clLime & 0xFF606060);
  for (bool on : {false, true}) {
    a->SetShapeOn(on);
    a->SetShapeBlink(true);
    for (int i = 0; i < 2; ++i) {
      ToEndOfHalfCycle();
      const bool lit = on != BlinkPhase;
      EXPECT_EQ(Symbol(a), lit ? clLime : dim) << on << " phase " << BlinkPhase;
    }
  }
  a->SetShapeBlink(false);
  a->SetShapeOn(false);
  EXPECT_EQ(Symbol(a), dim);
}

TEST_F(ArrowTest, DisabledSymbolIsGreyAndPressesAreIgnored) {
  TArrowBtn* a = Arrow(0, 0);
  a->SetShape(taCircle);
  ShowForm();
  a->SetEnabled(false);
  EXPECT_EQ(Symbol(a), kLedDisabledColour);
  ClickOn(a);
  EXPECT_TRUE(events.empty());
  a->SetEnabled(true);
  EXPECT_EQ(Symbol(a), clLime);
}

TEST_F(ArrowTest, ArrowPointsItsWay) {
  TArrowBtn* a = Arrow(0, 0);
  ShowForm();
  // The symbol box is (11, 11)-(19, 19); a point near one edge is inside only when the arrow's
  // base lies on that edge.
  const struct {
    TOrientType orientation;
    int x, y;
  } bases[] = {{orTop, 15, 18}, {orBottom, 15, 12}, {orLeft, 18, 15}, {orRight, 12, 15}};
  for (const auto& b : bases) {
    a->SetOrientation(b.orientation);
    for (const auto& p : bases) {
      const bool base = &p == &b;
      EXPECT_EQ(a->Canvas()->Pixels(p.x, p.y) == clLime, base)
          << b.orientation << " at " << p.x << "," << p.y;
    }
  }
}

}  // namespace
