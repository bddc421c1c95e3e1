// The letter bar demo: each bar's chosen character on its label, with a beep.

#include "programs/demo/forms/fkeybrd.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class KeyBoardDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("KeyBrdBtn");
    ASSERT_NE(demo, nullptr);
    f = static_cast<TKeyBoardDemo*>(demo.get());
  }
  TSpeedButton* Key(TAlphaBar* bar, char c) {
    TSpeedButton* b = bar->FindButton(c);
    EXPECT_NE(b, nullptr) << c;
    return b;
  }
  void Hit(TAlphaBar* bar, char c) {
    TSpeedButton* b = Key(bar, c);
    Click(b, b->Width() / 2, b->Height() / 2);
    Pause();
  }
  std::unique_ptr<TForm> demo;
  TKeyBoardDemo* f = nullptr;
};

TEST_F(KeyBoardDemoTest, KeyboardRowsLieAsLaidOut) {
  // Rows one pixel apart, the second and fourth set in by a blank.
  const struct {
    char c;
    int left, top;
  } keys[] = {{'1', 2, 2},    {'q', 11, 21},  {'a', 2, 40},  {'y', 11, 59},
              {'m', 125, 59}, {'+', 153, 59}, {'/', 210, 59}};
  for (const auto& k : keys) {
    TSpeedButton* b = Key(f->AlphaBar1, k.c);
    EXPECT_EQ(b->Left(), k.left) << k.c;
    EXPECT_EQ(b->Top(), k.top) << k.c;
    EXPECT_LE(b->BoundsRect().Right, f->AlphaBar1->ClientWidth()) << k.c;
    EXPECT_LE(b->BoundsRect().Bottom, f->AlphaBar1->ClientHeight()) << k.c;
  }
  TSpeedButton* zero = Key(f->AlphaBar2, '0');
  EXPECT_EQ(zero->Top(), 2 + 9 * 20);
  EXPECT_LE(zero->BoundsRect().Bottom, f->AlphaBar2->ClientHeight());
}

TEST_F(KeyBoardDemoTest, PushButtonsShowTheirCharacterAndComeUp) {
  for (char c : {'q', '+', 'q', '7'}) {
    Hit(f->AlphaBar1, c);
    EXPECT_EQ(f->Label1->Caption(), std::string(1, c));
    EXPECT_FALSE(Key(f->AlphaBar1, c)->Down()) << c;
  }
  EXPECT_EQ(dialogs.Beeps().size(), 4u);
  EXPECT_EQ(f->Label2->Caption(), "");
}

TEST_F(KeyBoardDemoTest, DigitButtonsLatchAndComeUpWhenClickedAgain) {
  Hit(f->AlphaBar2, '5');
  EXPECT_EQ(f->Label2->Caption(), "5");
  EXPECT_TRUE(Key(f->AlphaBar2, '5')->Down());
  Hit(f->AlphaBar2, '7');
  EXPECT_EQ(f->Label2->Caption(), "7");
  EXPECT_FALSE(Key(f->AlphaBar2, '5')->Down());
  EXPECT_TRUE(Key(f->AlphaBar2, '7')->Down());
  Hit(f->AlphaBar2, '7');  // no digit chosen any more: an empty label, not a stray character
  EXPECT_FALSE(Key(f->AlphaBar2, '7')->Down());
  EXPECT_EQ(f->AlphaBar2->ActiveButton(), 0);
  EXPECT_EQ(f->Label2->Caption(), "");
  EXPECT_EQ(dialogs.Beeps().size(), 3u);
  EXPECT_EQ(f->Label1->Caption(), "");
}

}  // namespace
