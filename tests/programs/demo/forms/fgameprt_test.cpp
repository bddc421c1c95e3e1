// The game port demo fed through the kernel's joystick interface: FIFOs stand in for the devices
// and the test writes the kernel's records into them.

#include "programs/demo/forms/fgameprt.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/devices/profile.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class GamePortDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/orvane-gameport-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    FRoot = templ;
    if (const char* old = getenv("XDG_CONFIG_HOME")) FOldConfig = old;
    setenv("XDG_CONFIG_HOME", (FRoot + "/config").c_str(), 1);
    signal(SIGPIPE, SIG_IGN);
  }
  void TearDown() override {
    demo.reset();  // releases the captures
    for (int fd : FWriter) {
      if (fd >= 0) close(fd);
    }
    if (FOldConfig) {
      setenv("XDG_CONFIG_HOME", FOldConfig->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ec;
    std::filesystem::remove_all(FRoot, ec);
  }

  // Stick `stick` (0 or 1) is a FIFO when present, else a path where nothing is.
  void Plug(bool first, bool second) {
    const bool present[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
      const std::string path = FRoot + "/js" + std::to_string(i);
      if (present[i]) {
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
      }
      ASSERT_TRUE(ProfileWrite("Joystick", "Joy" + std::to_string(i + 1), path, "system.ini"));
    }
  }
  TGamePortDemo* Open() {
    demo = OpenDemoForm("GameBtn");
    return static_cast<TGamePortDemo*>(demo.get());
  }

  void Send(int stick, js_event e) {
    if (FWriter[stick] < 0) {
      const std::string path = FRoot + "/js" + std::to_string(stick);
      FWriter[stick] = open(path.c_str(), O_WRONLY | O_NONBLOCK);
      ASSERT_GE(FWriter[stick], 0) << "nobody reads stick " << stick + 1;
    }
    ASSERT_EQ(write(FWriter[stick], &e, sizeof e), ssize_t(sizeof e));
  }
  // Runs the event loop until `done` holds, at most two seconds.
  bool PumpUntil(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      Pump();
      poll(nullptr, 0, 1);
    }
    return true;
  }

  static js_event Axis(uint8_t n, int16_t v) { return js_event{0, v, JS_EVENT_AXIS, n}; }
  static js_event Button(uint8_t n, bool down) {
    return js_event{0, int16_t(down), JS_EVENT_BUTTON, n};
  }

  std::string FRoot;
  std::optional<std::string> FOldConfig;
  int FWriter[2] = {-1, -1};
  std::unique_ptr<TForm> demo;
};

std::string Led(const TLedButton* led) {
  return std::string(led->ColLed() == clRed    ? "red "
                     : led->ColLed() == clLime ? "lime "
                                               : "other ") +
         std::string(led->Caption());
}

TEST_F(GamePortDemoTest, BothSticksMoveTheirEditsGaugesAndButtonStrips) {
  Plug(true, true);
  TGamePortDemo* f = Open();
  EXPECT_TRUE(f->Game->Enabled());
  EXPECT_EQ(Led(f->PortOkLed), "lime Ok");
  EXPECT_EQ(Led(f->StickOkLed1), "lime Ok");
  EXPECT_EQ(Led(f->StickOkLed2), "lime Ok");

  for (int stick = 0; stick < 2; ++stick) {
    SCOPED_TRACE(stick + 1);
    const TGamePortDemo::TStickView& v = f->Stick[size_t(stick)];
    EXPECT_EQ(v.XEdit->Text(), "0");
    const struct {
      js_event event;
      const char* x;
      const char* y;
      double xGauge, yGauge;
    } moves[] = {
        {Axis(0, -32767), "0", "32767", -100, 32767 / 65535.0 * 200 - 100},
        {Axis(1, 32767), "0", "65535", -100, 100},
        {Axis(0, 32767), "65535", "65535", 100, 100},
        {Axis(1, -32767), "65535", "0", 100, -100},
    };
    for (const auto& m : moves) {
      Send(stick, m.event);
      ASSERT_TRUE(PumpUntil([&] { return v.XEdit->Text() == m.x && v.YEdit->Text() == m.y; }))
          << v.XEdit->Text() << " " << v.YEdit->Text();
      EXPECT_DOUBLE_EQ(v.XGauge->Value(), m.xGauge);
      EXPECT_DOUBLE_EQ(v.YGauge->Value(), m.yGauge);
    }

    // Buttons 1 and 2 are A and B: glyph 3 while down, 1 when up; others change nothing.
    const struct {
      js_event event;
      int a, b;
    } buttons[] = {
        {Button(0, true), 3, 1},  {Button(1, true), 3, 3},  {Button(2, true), 3, 3},
        {Button(0, false), 1, 3}, {Button(2, false), 1, 3}, {Button(1, false), 1, 1},
    };
    int16_t marker = 0;
    for (const auto& b : buttons) {
      Send(stick, b.event);
      // A move after each button record: once it shows, the record before it was handled.
      const std::string before = v.XEdit->Text();
      marker = int16_t(marker + 1000);
      Send(stick, Axis(0, marker));
      ASSERT_TRUE(PumpUntil([&] { return v.XEdit->Text() != before; }));
      EXPECT_EQ(v.ButtonA->GlyphSel(), b.a);
      EXPECT_EQ(v.ButtonB->GlyphSel(), b.b);
    }
  }
  // Stick 2 moved nothing of stick 1.
  EXPECT_EQ(f->Stick[0].XEdit->Text(), f->Stick[1].XEdit->Text());
  EXPECT_EQ(f->Stick[0].YEdit->Text(), "0");
  EXPECT_EQ(f->Stick[0].ButtonA->GlyphSel(), 1);
}

TEST_F(GamePortDemoTest, MissingSticksLeaveTheirLedsRedAndTheFormIdle) {
  const struct {
    bool first, second;
    const char* port;
    const char* led1;
    const char* led2;
  } cases[] = {
      {false, false, "red ?", "red ?", "red ?"},
      {true, false, "lime Ok", "lime Ok", "red ?"},
      {false, true, "lime Ok", "red ?", "lime Ok"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + std::to_string(c.second));
    for (int i = 0; i < 2; ++i) std::filesystem::remove(FRoot + "/js" + std::to_string(i));
    Plug(c.first, c.second);
    TGamePortDemo* f = Open();
    EXPECT_EQ(f->Game->Enabled(), c.first || c.second);
    EXPECT_EQ(Led(f->PortOkLed), c.port);
    EXPECT_EQ(Led(f->StickOkLed1), c.led1);
    EXPECT_EQ(Led(f->StickOkLed2), c.led2);
    for (const TGamePortDemo::TStickView& v : f->Stick) {
      EXPECT_EQ(v.XEdit->Text(), "0");
      EXPECT_EQ(v.ButtonA->GlyphSel(), 1);
    }
    demo->Close();
    Pump();
    demo.reset();
  }
}

}  // namespace
