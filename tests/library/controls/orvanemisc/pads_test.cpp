#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/controls/orvanemisc/joystick.h"
#include "library/controls/orvanemisc/leftrightt.h"
#include "library/controls/orvanemisc/updownt.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"

namespace {

// Centre of the joystick's button in column col, row row (0-based) with the default 4-pixel
// frame and 27-pixel cells.
TPoint JoyCell(int col, int row) { return {4 + col * 27 + 13, 4 + row * 27 + 13}; }

class PadTest : public FormTest {
 protected:
  PadTest() { TickServiceStartup(); }
  ~PadTest() override {
    delete form;
    form = nullptr;
    TickServiceShutdown();
  }

  template <class Pad>
  Pad* Make() {
    auto* pad = new Pad(form);
    pad->SetParent(form);
    pad->SetLeft(10);
    pad->SetTop(10);
    pad->OnDown = [this, pad](TObject*) { events.push_back(std::string("D") + pad->Button()); };
    pad->OnUp = [this, pad](TObject*) { events.push_back(std::string("U") + pad->Button()); };
    return pad;
  }

  void ClickAt(TControl* c, TPoint p) { Click(c, p.X, p.Y); }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }
  // The face colour of a button: left of its arrow, inside its bevel.
  TColor FaceAt(TControl* c, TPoint centre) { return ScreenPixel(c, centre.X - 11, centre.Y); }

  std::vector<std::string> events;
};

TEST_F(PadTest, SizesFollowTheFrame) {
  auto* ud = Make<TUpDownT>();
  auto* lr = Make<TLeftRightT>();
  auto* joy = Make<TJoyStick>();
  joy->SetWidth(40);
  ShowForm();
  EXPECT_EQ(ud->Width(), 30);
  EXPECT_EQ(ud->Height(), 52);
  EXPECT_EQ(lr->Height(), 30);
  EXPECT_EQ(lr->Width(), 52);
  EXPECT_EQ(joy->Width(), 60);
  EXPECT_EQ(joy->Height(), 60);
}

TEST_F(PadTest, JoystickClickSequencesByMode) {
  enum Mode { latching, springBack, locked };
  struct Case {
    const char* name;
    Mode mode;
    bool rast_center;
    std::vector<TPoint> clicks;  // cells (column, row)
    std::vector<std::string> events;
    uint16_t status;
    char button;
  };
  const Case cases[] = {
      {"latch up then right", latching, false, {{1, 0}, {2, 1}}, {"DB", "UF", "DF"}, 32, 'F'},
      {"latch up twice", latching, false, {{1, 0}, {1, 0}}, {"DB", "Ub"}, 0, 'b'},
      {"spring back", springBack, false, {{0, 2}}, {"DG", "Ug"}, 0, 'g'},
      {"locked: up holds, down refused, up again",
       locked,
       false,
       {{1, 0}, {1, 2}, {1, 0}},
       {"DB", "Ub"},
       0,
       'b'},
      {"centre springs back", latching, false, {{1, 1}}, {"DE", "Ue"}, 0, 'e'},
      {"centre latches", latching, true, {{1, 1}}, {"DE"}, 16, 'E'},
      {"latched centre blocks in lock mode", locked, true, {{1, 1}, {2, 2}}, {"DE"}, 16, 'E'},
      {"latched centre and a direction", latching, true, {{1, 1}, {0, 0}}, {"DE", "DA"}, 17, 'A'},
  };
  for (const Case& c : cases) {
    auto* joy = Make<TJoyStick>();
    joy->SetAllowAllUp(c.mode == springBack);
    joy->SetLockMode(c.mode == locked);
    joy->SetRastCenter(c.rast_center);
    ShowForm();
    events.clear();
    for (TPoint cell : c.clicks) ClickAt(joy, JoyCell(cell.X, cell.Y));
    EXPECT_EQ(events, c.events) << c.name;
    EXPECT_EQ(joy->ButtonStatus(), c.status) << c.name;
    EXPECT_EQ(joy->Button(), c.button) << c.name;
    delete joy;
  }
}

TEST_F(PadTest, TwoButtonPadsLatchAndSpringBack) {
  auto* ud = Make<TUpDownT>();
  auto* lr = Make<TLeftRightT>();
  lr->SetLeft(100);
  lr->SetAllowAllUp(true);
  ShowForm();
  // Up cell of a 30 x 52 pad: inner (4, 4, 26, 48), cells of 22.
  Click(ud, 15, 15);
  Click(ud, 15, 37);
  EXPECT_EQ(events, (std::vector<std::string>{"DU", "UD", "DD"}));
  EXPECT_EQ(ud->ButtonStatus(), 2);
  events.clear();
  Press(lr, 37, 15);
  EXPECT_EQ(lr->ButtonStatus(), 2);
  Release(lr, 37, 15);
  EXPECT_EQ(events, (std::vector<std::string>{"DR", "Ur"}));
  EXPECT_EQ(lr->ButtonStatus(), 0);
}

TEST_F(PadTest, HoldingRepeatsOnDownInTicksUntilRelease) {
  struct Case {
    int rep_speed;
    int period_ticks;  // after the first repeat at 500 ms = 9 ticks
  };
  for (Case c : {Case{100, 2}, Case{2100, 2}, Case{1000, 18}}) {
    auto* joy = Make<TJoyStick>();
    joy->SetAllowAllUp(true);
    joy->SetRepSpeed(c.rep_speed);
    ShowForm();
    events.clear();
    Press(joy, JoyCell(1, 0).X, JoyCell(1, 0).Y);
    EXPECT_EQ(events.size(), 1u);
    Ticks(8);
    EXPECT_EQ(events.size(), 1u) << c.rep_speed;
    Ticks(1);
    EXPECT_EQ(events.size(), 2u) << c.rep_speed;
    Ticks(c.period_ticks - 1);
    EXPECT_EQ(events.size(), 2u) << c.rep_speed;
    Ticks(1);
    EXPECT_EQ(events.size(), 3u) << c.rep_speed;
    Release(joy, JoyCell(1, 0).X, JoyCell(1, 0).Y);
    Ticks(40);
    EXPECT_EQ(events, (std::vector<std::string>{"DB", "DB", "DB", "Ub"})) << c.rep_speed;
    delete joy;
  }
}

TEST_F(PadTest, NoRepeatWhenLatchingOrTooFast) {
  auto* joy = Make<TJoyStick>();
  joy->SetRepSpeed(100);  // latching: no repeat
  auto* ud = Make<TUpDownT>();
  ud->SetLeft(150);
  ud->SetAllowAllUp(true);
  ud->SetRepSpeed(49);
  ShowForm();
  Press(joy, JoyCell(0, 0).X, JoyCell(0, 0).Y);
  Ticks(30);
  Release(joy, JoyCell(0, 0).X, JoyCell(0, 0).Y);
  Press(ud, 15, 15);
  Ticks(30);
  Release(ud, 15, 15);
  EXPECT_EQ(events, (std::vector<std::string>{"DA", "DU", "Uu"}));
}

TEST_F(PadTest, ARepaintDuringAHoldKeepsThePressAndItsRelease) {
  auto* joy = Make<TJoyStick>();
  joy->SetAllowAllUp(true);
  ShowForm();
  const TPoint up = JoyCell(1, 0);
  Press(joy, up.X, up.Y);
  joy->SetColorMain(clLime);  // repaints the whole pad
  Pump();
  EXPECT_EQ(joy->ButtonStatus(), 2);
  EXPECT_EQ(FaceAt(joy, up), TColor(0xB8B8B8));
  Release(joy, up.X, up.Y);
  EXPECT_EQ(events, (std::vector<std::string>{"DB", "Ub"}));
  EXPECT_EQ(FaceAt(joy, up), TColor(0xC0C0C0));
}

TEST_F(PadTest, ButtonStatusSetterPerMode) {
  auto* joy = Make<TJoyStick>();
  joy->SetButtonStatus(2 + 32);  // before the first painting: stored, drawn by it
  EXPECT_EQ(joy->ButtonStatus(), 34);
  ShowForm();
  EXPECT_EQ(FaceAt(joy, JoyCell(1, 0)), TColor(0xB8B8B8));
  EXPECT_EQ(FaceAt(joy, JoyCell(2, 1)), TColor(0xB8B8B8));
  EXPECT_EQ(FaceAt(joy, JoyCell(0, 0)), TColor(0xC0C0C0));
  joy->SetButtonStatus(1);
  EXPECT_EQ(joy->ButtonStatus(), 1);
  EXPECT_EQ(FaceAt(joy, JoyCell(0, 0)), TColor(0xB8B8B8));
  EXPECT_EQ(FaceAt(joy, JoyCell(1, 0)), TColor(0xC0C0C0));

  joy->SetAllowAllUp(true);
  joy->SetButtonStatus(2 + 16);  // only the centre is honoured, and only with RastCenter
  EXPECT_EQ(joy->ButtonStatus(), 1);
  joy->SetRastCenter(true);
  joy->SetButtonStatus(2 + 16);
  EXPECT_EQ(joy->ButtonStatus(), 17);
  EXPECT_TRUE(events.empty());

  auto* ud = Make<TUpDownT>();
  ud->SetLeft(150);
  ud->SetButtonStatus(3);
  EXPECT_EQ(ud->ButtonStatus(), 3);
  ud->SetAllowAllUp(true);
  ud->SetButtonStatus(0);
  EXPECT_EQ(ud->ButtonStatus(), 3);
}

}  // namespace
