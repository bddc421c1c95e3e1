#include "library/controls/orvanemisc2/gameport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/joystick.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/devices/joystick.h"
#include "platform/devices/profile.h"
#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

struct Event {
  int stick;
  char kind;  // 'm' move, 'd' down, 'u' up
  int x, y, z, button, changed;
  bool operator==(const Event&) const = default;
};

void PrintTo(const Event& e, std::ostream* os) {
  *os << "{" << e.stick << " " << e.kind << " " << e.x << "," << e.y << "," << e.z << " b"
      << e.button << " c" << e.changed << "}";
}

// Two FIFOs stand in for the joystick devices; the test writes the kernel's records into them.
class GamePortTest : public DevicesTest {
 protected:
  void SetUp() override {
    DevicesTest::SetUp();
    Application->Initialize();
    signal(SIGPIPE, SIG_IGN);
    for (int i = 0; i < 2; ++i) {
      FFifo[i] = FRoot + "/js" + std::to_string(i);
      ASSERT_EQ(mkfifo(FFifo[i].c_str(), 0600), 0);
      ASSERT_TRUE(ProfileWrite("Joystick", "Joy" + std::to_string(i + 1), FFifo[i], "system.ini"));
    }
  }
  void TearDown() override {
    for (int fd : FWriter) {
      if (fd >= 0) close(fd);
    }
    Application->ProcessMessages();
    DevicesTest::TearDown();
  }

  void Record(TGamePort& port) {
    for (int stick = 1; stick <= 2; ++stick) {
      TJoyMoveEvent move = [this, stick](TObject*, int x, int y, int z, TJoyButton b) {
        FGot.push_back({stick, 'm', x, y, z, b, -1});
      };
      auto button = [this, stick](char kind) {
        return
            [this, stick, kind](TObject*, int x, int y, int z, TJoyButton b, TJoyButtonChanged c) {
              FGot.push_back({stick, kind, x, y, z, b, c});
            };
      };
      (stick == 1 ? port.OnJoy1Move : port.OnJoy2Move) = move;
      (stick == 1 ? port.OnJoy1ButtonDown : port.OnJoy2ButtonDown) = button('d');
      (stick == 1 ? port.OnJoy1ButtonUp : port.OnJoy2ButtonUp) = button('u');
    }
  }

  // Opens the writing end of a stick's FIFO; false when nobody reads it (the stick is not
  // captured).
  bool OpenWriter(int stick) {
    FWriter[stick] = open(FFifo[stick].c_str(), O_WRONLY | O_NONBLOCK);
    return FWriter[stick] >= 0;
  }

  void Send(int stick, std::initializer_list<js_event> events) {
    const std::vector<js_event> all(events);  // one write: the records arrive together
    const ssize_t size = static_cast<ssize_t>(all.size() * sizeof(js_event));
    ASSERT_EQ(write(FWriter[stick], all.data(), static_cast<size_t>(size)), size);
  }

  // Runs the event loop until `count` events arrived (at most a second), then a little longer to
  // show events that should not be there.
  void Pump(size_t count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (FGot.size() < count && std::chrono::steady_clock::now() < end) {
      Application->ProcessMessages();
      poll(nullptr, 0, 1);
    }
    for (int i = 0; i < 5; ++i) {
      Application->ProcessMessages();
      poll(nullptr, 0, 1);
    }
  }

  static js_event Axis(uint8_t n, int16_t v) { return js_event{0, v, JS_EVENT_AXIS, n}; }
  static js_event Button(uint8_t n, bool down) {
    return js_event{0, static_cast<int16_t>(down), JS_EVENT_BUTTON, n};
  }

  std::string FFifo[2];
  int FWriter[2] = {-1, -1};
  std::vector<Event> FGot;
};

TEST_F(GamePortTest, DeviceRecordsArriveAsScaledEvents) {
  TGamePort port(nullptr);
  Record(port);
  EXPECT_TRUE(port.PortOk());
  port.SetUseDevice({udJoystick1, udJoystick2});
  EXPECT_EQ(port.UseDevice(), (TUseDevice{udJoystick1, udJoystick2}));
  EXPECT_TRUE(port.StickOk1());
  EXPECT_TRUE(port.StickOk2());
  port.SetEnabled(true);
  port.SetEnabled(true);  // captures once
  ASSERT_TRUE(OpenWriter(0));
  ASSERT_TRUE(OpenWriter(1));
  Send(0, {Axis(0, -32767), Axis(1, 32767)});
  Pump(1);
  Send(0, {Axis(2, 32767)});
  Pump(2);
  Send(0, {Button(0, true)});
  Pump(3);
  Send(0, {Button(2, true)});
  Pump(4);
  Send(0, {Button(0, false)});
  Pump(5);
  Send(1, {Axis(0, 16384), Button(1, true)});
  Pump(7);
  const std::vector<Event> want = {
      {1, 'm', 0, 65535, 0, 0, -1},      // a plain move keeps the last z
      {1, 'm', 0, 65535, 65535, 0, -1},  // a z move keeps x and y
      {1, 'd', 0, 65535, 65535, 1, 0},
      {1, 'd', 0, 65535, 65535, 5, 2},  // button 3 with buttons 1 and 3 held
      {1, 'u', 0, 65535, 65535, 4, 0},
      {2, 'm', 49151, 32767, 0, 0, -1},
      {2, 'd', 49151, 32767, 0, 2, 1},
  };
  EXPECT_EQ(FGot, want);
  port.SetEnabled(false);
  const js_event e = Axis(0, 0);
  EXPECT_EQ(write(FWriter[0], &e, sizeof e), -1);  // nobody reads any more
  EXPECT_EQ(write(FWriter[1], &e, sizeof e), -1);
}

TEST_F(GamePortTest, OnlyTheSticksInUseAreCaptured) {
  TGamePort port(nullptr);
  Record(port);
  port.SetUseDevice({udJoystick2});
  EXPECT_FALSE(port.StickOk1());
  port.SetEnabled(true);
  EXPECT_FALSE(OpenWriter(0));  // nobody reads stick 1
  EXPECT_EQ(errno, ENXIO);
  ASSERT_TRUE(OpenWriter(1));
  // A change of UseDevice while enabled waits for the next switch of Enabled.
  port.SetUseDevice({udJoystick1, udJoystick2});
  EXPECT_FALSE(OpenWriter(0));
  port.SetEnabled(false);
  port.SetEnabled(true);
  EXPECT_TRUE(OpenWriter(0));
  EXPECT_TRUE(port.StickOk1());
}

// A form stores Enabled before UseDevice; the capture still follows both once loading ends.
TEST_F(GamePortTest, EnabledReadWithAFormTakesEffectAfterUseDevice) {
  TForm* form = new TForm(nullptr);
  TGamePort* port;
  {
    TFormLoader loader(form);
    port = loader.AddComponent<TGamePort>("Game");
    port->SetPortOk(false);
    port->SetStickOk1(false);
    port->SetEnabled(true);
    port->SetUseDevice({udJoystick1});
    Record(*port);
    EXPECT_FALSE(OpenWriter(0));
  }
  EXPECT_TRUE(port->Enabled());
  EXPECT_TRUE(port->StickOk1());
  ASSERT_TRUE(OpenWriter(0));
  Send(0, {Button(3, true)});
  Pump(1);
  EXPECT_EQ(FGot, (std::vector<Event>{{1, 'd', 32767, 32767, 0, 8, 3}}));  // centred
  delete form;                                                             // releases the capture
  close(FWriter[0]);
  FWriter[0] = -1;
  Application->ProcessMessages();
  EXPECT_FALSE(OpenWriter(0));
}

TEST_F(GamePortTest, LosingTheDevicesEndsEnabled) {
  TGamePort port(nullptr);
  Record(port);
  port.SetUseDevice({udJoystick1, udJoystick2});
  port.SetEnabled(true);
  ASSERT_TRUE(OpenWriter(0));
  ASSERT_TRUE(OpenWriter(1));
  const auto lose = [&](int stick) {
    close(FWriter[stick]);  // the reader sees the end of the device
    FWriter[stick] = -1;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (JoyCaptured(stick) && std::chrono::steady_clock::now() < end) {
      Application->ProcessMessages();
      poll(nullptr, 0, 1);
    }
  };
  lose(0);
  EXPECT_TRUE(port.Enabled());  // stick 2 is still there
  EXPECT_FALSE(port.StickOk1());
  EXPECT_TRUE(port.StickOk2());
  lose(1);
  EXPECT_FALSE(port.Enabled());
  EXPECT_FALSE(port.StickOk2());
  // Switching it on again captures the devices anew.
  port.SetEnabled(true);
  EXPECT_TRUE(port.Enabled());
  EXPECT_TRUE(port.StickOk1());
  ASSERT_TRUE(OpenWriter(0));
  Send(0, {Button(0, true)});
  Pump(1);
  EXPECT_EQ(FGot, (std::vector<Event>{{1, 'd', 32767, 32767, 0, 1, 0}}));
}

TEST_F(GamePortTest, MissingDevicesAreLeftOut) {
  ASSERT_TRUE(ProfileWrite("Joystick", "Joy1", FRoot + "/none1", "system.ini"));
  ASSERT_TRUE(ProfileWrite("Joystick", "Joy2", FRoot + "/none2", "system.ini"));
  TGamePort port(nullptr);
  EXPECT_FALSE(port.PortOk());
  port.SetUseDevice({udJoystick1, udJoystick2});
  EXPECT_TRUE(port.UseDevice().Empty());
  port.SetEnabled(true);
  EXPECT_TRUE(port.Enabled());
  EXPECT_FALSE(port.StickOk1());
  EXPECT_FALSE(port.StickOk2());
}

// The messages as the window receives them, also ones the device layer never sends.
TEST_F(GamePortTest, MessagesDecodeAsTheirTableSays) {
  TGamePort port(nullptr);
  Record(port);
  const struct {
    uint32_t msg;
    uint32_t wparam;
    uint32_t lparam;
  } messages[] = {
      {MM_JOY2MOVE, JOY_BUTTON2, MakeLong(100, 200)},
      {MM_JOY2ZMOVE, JOY_BUTTON2, MakeLong(300, 999)},
      {MM_JOY2BUTTONDOWN, 0x7 | JOY_BUTTON1CHG | JOY_BUTTON3CHG, MakeLong(1, 2)},
      {MM_JOY2BUTTONUP, 0x3, MakeLong(1, 2)},  // no flag: button 3 differs from before
      {MM_JOY2BUTTONUP, 0x3, MakeLong(5, 6)},  // no flag, no difference: no event
      {MM_JOY1BUTTONUP, 0, MakeLong(65535, 65535)},
      {MM_JOY1MOVE, JOY_BUTTON4, MakeLong(7, 8)},
  };
  for (const auto& m : messages) SendMessage(port.Handle(), m.msg, m.wparam, m.lparam);
  const std::vector<Event> want = {
      {2, 'm', 100, 200, 0, 2, -1}, {2, 'm', 100, 200, 300, 2, -1}, {2, 'd', 1, 2, 300, 7, 2},
      {2, 'u', 1, 2, 300, 3, 2},    {1, 'm', 7, 8, 0, 8, -1},
  };
  EXPECT_EQ(FGot, want);
  EXPECT_EQ(SendMessage(port.Handle(), WM_USER, 0, 0), 0);
}

}  // namespace
