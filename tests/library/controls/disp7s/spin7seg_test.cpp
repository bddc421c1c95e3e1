#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/controls/disp7s/disp7s.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"

namespace {

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class Spin7SegTest : public FormTest {
 protected:
  Spin7SegTest() { TickServiceStartup(); }
  ~Spin7SegTest() override { TickServiceShutdown(); }

  // A wheel that notes its events as "<name>:<event>".
  TSpin7Seg* Wheel(const std::string& name, int left, char value) {
    auto* w = new TSpin7Seg(form);
    w->SetParent(form);
    w->SetBounds(left, 10, 52, 100);
    w->SetValueChar(value);
    w->onChanging = [this, name](TObject*) { events.push_back(name + ":changing"); };
    w->onChanged = [this, name](TObject*) { events.push_back(name + ":changed"); };
    w->onWrapCarry = [this, name](TObject*) { events.push_back(name + ":carry"); };
    w->onWrapBorrow = [this, name](TObject*) { events.push_back(name + ":borrow"); };
    return w;
  }
  void PressHalf(TSpin7Seg* w, bool up) {
    const TPoint p = Centre(up ? w->UpperRect() : w->LowerRect());
    Press(w, p.X, p.Y);
  }
  void ReleaseHalf(TSpin7Seg* w, bool up) {
    const TPoint p = Centre(up ? w->UpperRect() : w->LowerRect());
    Release(w, p.X, p.Y);
    Pause();
  }
  void ClickHalf(TSpin7Seg* w, bool up) {
    PressHalf(w, up);
    ReleaseHalf(w, up);
  }

  std::vector<std::string> events;
};

TEST_F(Spin7SegTest, StepsWrapOrStopByCharacterSet) {
  struct Case {
    TDispType type;
    char from;
    bool up;
    bool limiter;
    char to;
    int carry;
    bool stepped;
    int value;
  };
  using enum TDispType;
  const Case cases[] = {
      {decimal, '4', true, false, '5', 0, true, 5},
      {decimal, '9', true, false, '0', 1, true, 0},
      {decimal, '0', false, false, '9', -1, true, 9},
      {decimal, '9', true, true, '9', 0, false, 9},
      {decimal, '0', false, true, '0', 0, false, 0},
      {hexa, '9', true, false, 'A', 0, true, 10},
      {hexa, 'F', true, false, '0', 1, true, 0},
      {hexa, '0', false, false, 'F', -1, true, 15},
      {hexa, 'F', true, true, 'F', 0, false, 15},
      {sign, '+', true, true, '-', 0, true, -1},
      {sign, '-', true, true, ' ', 0, true, -1},
      {sign, ' ', true, true, '+', 0, true, -1},
      {sign, '+', false, true, ' ', 0, true, -1},
      {sign, '-', false, true, '+', 0, true, -1},
      {sign, ' ', false, true, '-', 0, true, -1},
      {alphanum, 'A', true, false, 'B', 0, true, -1},
      {alphanum, 'Z', true, false, ' ', 1, true, -1},
      {alphanum, ' ', false, false, 'Z', -1, true, -1},
      {alphanum, 'Z', true, true, 'Z', 0, false, -1},
      // Characters beyond ' '..'Z' step back into it.
      {alphanum, '[', true, false, ' ', 1, true, -1},
      {alphanum, '[', false, false, 'Z', 0, true, -1},
      {alphanum, char(0xC7), false, false, 'Z', 0, true, -1},
      {alphanum, '\t', true, false, ' ', 0, true, -1},
  };
  TSpin7Seg w(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.type) << " '" << c.from << "' up " << c.up);
    w.SetDispTyp(c.type == decimal ? hexa : decimal);
    w.SetDispTyp(c.type);
    w.SetLimiter(c.limiter);
    w.SetValueChar(c.from);
    ASSERT_EQ(w.ValueChar(), c.from);
    int carry = 7;
    EXPECT_EQ(w.NextValue(c.up, carry), c.stepped);
    EXPECT_EQ(carry, c.carry);
    EXPECT_EQ(w.ValueChar(), c.to);
    EXPECT_EQ(w.ValueInt(), c.value);
  }
}

TEST_F(Spin7SegTest, CharacterAndIntegerFollowTheSet) {
  TSpin7Seg w(nullptr);
  EXPECT_EQ(w.ValueChar(), '8');
  w.SetValueInt(12);  // not a decimal digit
  EXPECT_EQ(w.ValueInt(), 8);
  w.SetDispTyp(TDispType::hexa);
  w.SetValueInt(12);
  EXPECT_EQ(w.ValueChar(), 'C');
  w.SetValueChar('g');  // no hexadecimal digit
  EXPECT_EQ(w.ValueChar(), 'C');
  w.SetValueChar('e');
  EXPECT_EQ(w.ValueChar(), 'E');
  EXPECT_EQ(w.ValueInt(), 14);
  w.SetDispTyp(TDispType::alphanum);
  w.SetValueChar('g');
  EXPECT_EQ(w.ValueChar(), 'G');
  EXPECT_EQ(w.ValueInt(), -1);
  w.SetValueInt(3);  // ignored outside decimal and hexa
  EXPECT_EQ(w.ValueChar(), 'G');
  w.SetDispTyp(TDispType::sign);
  EXPECT_EQ(w.ValueChar(), '+');
  EXPECT_EQ(w.ValueInt(), -1);
  w.SetValueChar('x');
  EXPECT_EQ(w.ValueChar(), '+');
  w.SetDispTyp(TDispType::decimal);
  EXPECT_EQ(w.ValueChar(), '8');
  EXPECT_EQ(w.ValueInt(), 8);
}

TEST_F(Spin7SegTest, PressStepsAndReleaseReportsTheChange) {
  TSpin7Seg* w = Wheel("w", 10, '9');
  ShowForm();
  ClickHalf(w, true);
  EXPECT_EQ(w->ValueChar(), '0');
  EXPECT_EQ(events, (std::vector<std::string>{"w:changing", "w:carry", "w:changed"}));
  events.clear();
  ClickHalf(w, false);
  EXPECT_EQ(w->ValueChar(), '9');
  EXPECT_EQ(events, (std::vector<std::string>{"w:changing", "w:borrow", "w:changed"}));
  events.clear();

  w->SetLimiter(true);
  ClickHalf(w, true);  // stopped at the end: no event, not even on release
  EXPECT_EQ(w->ValueChar(), '9');
  EXPECT_TRUE(events.empty());

  // Between the halves nothing happens (and the frame's own events stay silent).
  int frame_events = 0;
  w->OnClick = w->OnDown = w->OnUp = [&](TObject*) { ++frame_events; };
  const TPoint middle = Centre(w->Digit().CellRect());
  Click(w, middle.X, middle.Y);
  EXPECT_EQ(w->ValueChar(), '9');
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(frame_events, 0);
}

TEST_F(Spin7SegTest, CarryAndBorrowRunAcrossSeveralWheels) {
  // Hundreds, tens and units chained through their wrap events.
  TSpin7Seg* hundreds = Wheel("h", 10, '0');
  TSpin7Seg* tens = Wheel("t", 70, '9');
  TSpin7Seg* units = Wheel("u", 130, '9');
  auto chain = [](TSpin7Seg* from, TSpin7Seg* to) {
    auto step = [to](bool up) {
      int carry = 0;
      if (!to->NextValue(up, carry)) return;
      if (carry > 0 && to->onWrapCarry) to->onWrapCarry(to);
      if (carry < 0 && to->onWrapBorrow) to->onWrapBorrow(to);
    };
    auto carry = from->onWrapCarry;
    auto borrow = from->onWrapBorrow;
    from->onWrapCarry = [carry, step](TObject* s) {
      carry(s);
      step(true);
    };
    from->onWrapBorrow = [borrow, step](TObject* s) {
      borrow(s);
      step(false);
    };
  };
  chain(tens, hundreds);
  chain(units, tens);
  auto number = [&] {
    return std::string{hundreds->ValueChar(), tens->ValueChar(), units->ValueChar()};
  };
  ShowForm();

  ClickHalf(units, true);
  EXPECT_EQ(number(), "100");
  EXPECT_EQ(events, (std::vector<std::string>{"u:changing", "u:carry", "t:carry", "u:changed"}));
  events.clear();
  ClickHalf(units, false);
  EXPECT_EQ(number(), "099");
  EXPECT_EQ(events, (std::vector<std::string>{"u:changing", "u:borrow", "t:borrow", "u:changed"}));
  events.clear();
  ClickHalf(units, false);
  EXPECT_EQ(number(), "098");
  EXPECT_EQ(events, (std::vector<std::string>{"u:changing", "u:changed"}));
}

TEST_F(Spin7SegTest, HeldHalfRepeatsAfterHalfASecond) {
  struct Case {
    int rep_speed;
    std::vector<int> step_ticks;  // ticks after the press at which a step comes
  };
  const Case cases[] = {
      {0, {}},
      {49, {}},
      {150, {9, 12, 15, 18}},  // 500 ms, then 150 ms (3 ticks)
      {2001, {9, 18}},         // 2001 mod 2001 = 0 keeps the 500 ms
  };
  TSpin7Seg* w = Wheel("w", 10, '0');
  ShowForm();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rep_speed);
    w->SetRepSpeed(c.rep_speed);
    w->SetValueChar('0');
    PressHalf(w, true);
    ASSERT_EQ(w->ValueChar(), '1');
    std::vector<int> steps;
    char last = w->ValueChar();
    for (int tick = 1; tick <= 18; ++tick) {
      TickServiceCallback();
      if (w->ValueChar() != last) steps.push_back(tick);
      last = w->ValueChar();
    }
    ReleaseHalf(w, true);
    EXPECT_EQ(steps, c.step_ticks);
    for (int tick = 0; tick < 20; ++tick) TickServiceCallback();
    EXPECT_EQ(w->ValueChar(), last) << "stops on release";
  }
}

}  // namespace
