#include "library/controls/tasten/spin.h"

#include <string>
#include <vector>

#include "platform/base/sysutils.h"
#include "tasten_fixture.h"

namespace {

// A default TTextSpin (100 x 30): the up button lies around (88, 8), the down button around
// (88, 20), the text field left of them.
class SpinTest : public TastenTest {
 protected:
  TTextSpin* MakeSpin() {
    spin = Make<TTextSpin>(10, 10, 100, 30);
    spin->onChanging = [this](TObject*) { changing.push_back(tick); };
    spin->onChanged = [this](TObject*) { ++changed; };
    return spin;
  }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      ++tick;
      Ticks(1);
    }
  }
  static constexpr TPoint kUp{88, 8};
  static constexpr TPoint kDown{88, 20};
  static constexpr TPoint kField{30, 15};

  TTextSpin* spin = nullptr;
  std::vector<int> changing;  // the tick of every step
  int changed = 0;
  int tick = 0;
};

TEST_F(SpinTest, PositionIsClampedWithTheLimiterAndWrapsWithout) {
  MakeSpin();
  const struct {
    bool limiter;
    int set, stored;
  } cases[] = {
      {true, 99, 5}, {false, 99, 0}, {false, -3, 5}, {true, -3, 0}, {false, 2, 2}, {true, 6, 5},
  };
  for (const auto& c : cases) {
    spin->SetPosition(3);
    spin->SetLimiter(c.limiter);
    spin->SetPosition(c.set);
    EXPECT_EQ(spin->Position(), c.stored) << c.limiter << " " << c.set;
  }
  spin->PosText()->Clear();
  spin->SetPosition(4);
  EXPECT_EQ(spin->Position(), 0);
}

TEST_F(SpinTest, PositionFieldsReadAsTextIntegerColourAndFloat) {
  MakeSpin();
  const struct {
    int position;
    std::string text;
    int integer;
    TColor colour;
    double value;
  } cases[] = {
      {0, "1 usec", 23, 23, 1e-6},
      {3, "1 msec", 345, 345, 0.001},
      {4, "10 msec", 0, clGreen, 0.01},
      {5, "100 msec", 0, clRed, 0.1},
  };
  for (const auto& c : cases) {
    spin->SetPosition(c.position);
    EXPECT_EQ(spin->PosString(), c.text);
    EXPECT_EQ(spin->PosInteger(), c.integer) << c.position;
    EXPECT_EQ(spin->PosColor(), c.colour) << c.position;
    EXPECT_DOUBLE_EQ(spin->PosFloat(), c.value) << c.position;
  }
  // The float field follows the process-wide decimal separator.
  const char saved = DecimalSeparator;
  DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(spin->PosFloat(), 0.1);
  DecimalSeparator = saved;
}

TEST_F(SpinTest, WritingAFieldSelectsTheFirstMatchingLine) {
  MakeSpin();
  const struct {
    const char* what;
    void (*write)(TTextSpin*);
    int from, to;
  } cases[] = {
      {"colour", [](TTextSpin* s) { s->SetPosColor(clGreen); }, 0, 4},
      {"no integer", [](TTextSpin* s) { s->SetPosInteger(999); }, 2, 2},
      {"integer of a colour name", [](TTextSpin* s) { s->SetPosInteger(0); }, 0, 4},
      {"integer", [](TTextSpin* s) { s->SetPosInteger(100); }, 5, 1},
      {"float", [](TTextSpin* s) { s->SetPosFloat(0.001); }, 0, 3},
      {"text", [](TTextSpin* s) { s->SetPosString("1 msec"); }, 0, 3},
      {"text case", [](TTextSpin* s) { s->SetPosString("1 MSEC"); }, 1, 1},
  };
  for (const auto& c : cases) {
    spin->SetPosition(c.from);
    c.write(spin);
    EXPECT_EQ(spin->Position(), c.to) << c.what;
  }
}

TEST_F(SpinTest, FieldWritesAreIgnoredWhileLoading) {
  struct Loadable : TTextSpin {
    using TTextSpin::TTextSpin;
    void Loading(bool on) { SetLoadingState(on, on); }
  };
  auto* s = Make<Loadable>(10, 10, 100, 30);
  s->Loading(true);
  s->SetPosFloat(0.1);
  s->Loading(false);
  EXPECT_EQ(s->Position(), 0);
}

TEST_F(SpinTest, ALineThatIsNotThereReadsEmpty) {
  MakeSpin();
  ShowForm();
  spin->SetPosition(5);
  spin->PosText()->SetText("a | 1 | 2\n");  // the position stays 5
  Pump();
  EXPECT_EQ(spin->Position(), 5);
  EXPECT_EQ(spin->PosString(), "");
  EXPECT_EQ(spin->PosInteger(), 0);
  EXPECT_EQ(spin->PosColor(), 0);
  EXPECT_EQ(spin->PosFloat(), 0);
  EXPECT_EQ(Count(*spin->Canvas(), Rect(4, 4, 70, 26), clYellow), 0);
  spin->SetPosition(0);
  EXPECT_GT(Count(*spin->Canvas(), Rect(4, 4, 70, 26), clYellow), 0);
}

TEST_F(SpinTest, StepsWrapOrStopAtTheEnds) {
  MakeSpin();
  ShowForm();
  spin->SetPosition(5);
  Click(spin, kUp.X, kUp.Y);
  EXPECT_EQ(spin->Position(), 0);
  EXPECT_EQ(changing.size(), 1u);
  EXPECT_EQ(changed, 1);
  spin->SetLimiter(true);
  Pause();
  Click(spin, kDown.X, kDown.Y);
  EXPECT_EQ(spin->Position(), 0);
  EXPECT_EQ(changing.size(), 1u);
  EXPECT_EQ(changed, 1);
  // A press on the field steps nothing, and its release reports nothing.
  Pause();
  Click(spin, kField.X, kField.Y);
  EXPECT_EQ(changed, 1);
}

TEST_F(SpinTest, AutoRepeatComesAfterHalfASecondThenEveryPeriod) {
  const struct {
    int speed;
    std::vector<int> steps;  // ticks after the press at which a step happens
  } cases[] = {
      {100, {0, 9, 11, 13, 15, 17}},   // 500 ms = 9 ticks, then 100 ms = 2 ticks
      {300, {0, 9, 14}},               // 300 ms = 5 ticks
      {40, {0}},                       // too fast: only the press steps
      {2001, {0, 9, 18}},              // wraps to 0, which keeps the 500 ms
      {2100, {0, 9, 11, 13, 15, 17}},  // wraps to 99 ms
  };
  MakeSpin();
  spin->PosText()->Clear();
  for (int i = 0; i < 40; ++i) spin->PosText()->Add(std::to_string(i));
  ShowForm();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.speed);
    spin->SetRepSpeed(c.speed);
    changing.clear();
    changed = 0;
    tick = 0;
    const int start = spin->Position();
    Pause();
    Press(spin, kUp.X, kUp.Y);
    Tick(18);
    Release(spin, kUp.X, kUp.Y);
    Tick(20);
    EXPECT_EQ(changing, c.steps);
    EXPECT_EQ(spin->Position(), start + int(c.steps.size()));
    EXPECT_EQ(changed, 1);
  }
}

TEST_F(SpinTest, RefusedStepsAtALimitedEndKeepTheRepeatButFireNothing) {
  MakeSpin();
  spin->SetLimiter(true);
  spin->SetRepSpeed(100);
  spin->SetPosition(4);
  ShowForm();
  Press(spin, kUp.X, kUp.Y);
  Tick(30);
  Release(spin, kUp.X, kUp.Y);
  EXPECT_EQ(spin->Position(), 5);
  EXPECT_EQ(changing, (std::vector<int>{0}));
  EXPECT_EQ(changed, 1);
}

// A handler that disables the spin during a hold must not leave the up button held: a later
// hold of the down button repeats downwards.
TEST_F(SpinTest, DisablingDuringAHoldLeavesNoHeldButton) {
  MakeSpin();
  spin->SetRepSpeed(100);
  spin->SetPosition(3);
  ShowForm();
  spin->onChanging = [this](TObject*) { spin->SetEnabled(false); };
  Press(spin, kUp.X, kUp.Y);
  Tick(20);  // no repeat while disabled
  Release(spin, kUp.X, kUp.Y);
  EXPECT_EQ(spin->Position(), 4);
  EXPECT_EQ(changed, 1);  // the step is reported
  spin->onChanging = nullptr;
  spin->SetEnabled(true);
  Pause();
  Press(spin, kDown.X, kDown.Y);
  Tick(12);
  Release(spin, kDown.X, kDown.Y);
  EXPECT_EQ(spin->Position(), 1);  // the press and the repeats at 9 and 11 ticks
}

TEST_F(SpinTest, DisabledFieldAndArrowsChangeColourAtOnce) {
  MakeSpin();
  spin->SetColDisabled(clNavy);
  ShowForm();
  EXPECT_EQ(spin->Canvas()->Pixels(10, 15), clBlack);
  EXPECT_EQ(spin->Canvas()->Pixels(88, 11), clBlack);  // inside the up arrow
  spin->SetEnabled(false);
  EXPECT_EQ(spin->Canvas()->Pixels(10, 15), clNavy);
  EXPECT_EQ(spin->Canvas()->Pixels(88, 11), clGray);
}

TEST_F(SpinTest, FontFittingStopsOnAFieldWithoutHeight) {
  MakeSpin();
  spin->SetHeight(4);
  ShowForm();  // must come back
  EXPECT_GE(spin->Canvas()->Font()->Size(), 1);
}

TEST_F(SpinTest, SerieSpinKeepsAMinimumHeight) {
  auto* s = Make<TSerieSpin>(10, 10, 25, 20);
  EXPECT_EQ(s->Height(), 20);  // no window yet
  ShowForm();
  EXPECT_EQ(s->Height(), 37);  // 35 and the raised outer bevel of width 1 on both sides
  s->SetBevelIn(bvLowered);
  s->SetHeight(10);
  EXPECT_EQ(s->Height(), 39);
  s->SetHeight(60);
  EXPECT_EQ(s->Height(), 60);
}

TEST_F(SpinTest, SerieSpinStepsWithItsStackedButtons) {
  auto* s = Make<TSerieSpin>(10, 10, 25, 46);
  s->SetPosition(1);
  ShowForm();
  EXPECT_GT(Count(*s->Canvas(), Rect(0, 12, 25, 34), clLime), 0);  // "10" in the field
  Click(s, 12, 6);
  EXPECT_EQ(s->Position(), 2);
  Pause();
  Click(s, 12, 39);
  Pause();
  Click(s, 12, 39);
  EXPECT_EQ(s->Position(), 0);
}

}  // namespace
