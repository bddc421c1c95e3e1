#include "platform/devices/joystick.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <csignal>
#include <vector>

#include "platform/devices/profile.h"
#include "tests/platform/devices/devices_fixture.h"

void PrintTo(const TJoyMessage& m, std::ostream* os) {
  *os << std::hex << "{" << m.Msg << ", " << m.WParam << ", " << m.LParam << "}";
}

namespace {

// Two FIFOs stand in for the joystick devices; the test writes the kernel's records into them.
class Joystick : public DevicesTest {
 protected:
  void SetUp() override {
    DevicesTest::SetUp();
    EnsureApplication();
    signal(SIGPIPE, SIG_IGN);  // a write to a FIFO nobody reads fails instead of killing the test
    for (int i = 0; i < 2; ++i) {
      FFifo[i] = FRoot + "/js" + std::to_string(i);
      ASSERT_EQ(mkfifo(FFifo[i].c_str(), 0600), 0);
      ASSERT_TRUE(ProfileWrite("Joystick", "Joy" + std::to_string(i + 1), FFifo[i], "system.ini"));
    }
  }
  void TearDown() override {
    JoyReleaseCapture(JOYSTICKID1);
    JoyReleaseCapture(JOYSTICKID2);
    for (int fd : FWriter) {
      if (fd >= 0) close(fd);
    }
    QCoreApplication::processEvents();  // lets released notifiers go
    DevicesTest::TearDown();
  }

  // Opens the writing end once the capture reads the FIFO.
  void OpenWriter(int stick) {
    FWriter[stick] = open(FFifo[stick].c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(FWriter[stick], 0);
  }

  void Send(int stick, std::initializer_list<js_event> events) {
    for (const js_event& e : events) {
      ASSERT_EQ(write(FWriter[stick], &e, sizeof e), static_cast<ssize_t>(sizeof e));
    }
  }

  // Runs the event loop until `count` messages arrived or a second has passed.
  void Pump(size_t count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (FGot.size() < count && std::chrono::steady_clock::now() < end) {
      QCoreApplication::processEvents();
      poll(nullptr, 0, 1);
    }
    // A short extra round shows messages that should not be there.
    for (int i = 0; i < 5; ++i) {
      QCoreApplication::processEvents();
      poll(nullptr, 0, 1);
    }
  }

  TJoyReceiver Recorder() {
    return [this](const TJoyMessage& m) { FGot.push_back(m); };
  }

  static js_event Axis(uint8_t n, int16_t v, bool init = false) {
    return js_event{0, v, static_cast<uint8_t>(JS_EVENT_AXIS | (init ? JS_EVENT_INIT : 0)), n};
  }
  static js_event Button(uint8_t n, bool down, bool init = false) {
    return js_event{0, static_cast<int16_t>(down),
                    static_cast<uint8_t>(JS_EVENT_BUTTON | (init ? JS_EVENT_INIT : 0)), n};
  }

  std::string FFifo[2];
  int FWriter[2] = {-1, -1};
  std::vector<TJoyMessage> FGot;
};

TEST_F(Joystick, DevicesAndPositions) {
  EXPECT_EQ(JoyDevicePath(JOYSTICKID1), FFifo[0]);
  EXPECT_EQ(JoyDevicePath(2), "");
  EXPECT_EQ(JoyGetNumDevs(), 2u);
  JOYINFO info;
  EXPECT_EQ(JoyGetPos(JOYSTICKID1, &info), JOYERR_NOERROR);
  EXPECT_EQ(info.wXpos, 32767u);  // nothing reported yet: centred
  EXPECT_EQ(info.wButtons, 0u);
  EXPECT_EQ(JoyGetPos(2, &info), JOYERR_PARMS);
  EXPECT_EQ(JoyGetPos(JOYSTICKID1, nullptr), JOYERR_PARMS);
  unlink(FFifo[1].c_str());
  EXPECT_EQ(JoyGetNumDevs(), 1u);
  EXPECT_EQ(JoyGetPos(JOYSTICKID2, &info), JOYERR_UNPLUGGED);
  EXPECT_EQ(JoySetCapture(JOYSTICKID2, Recorder()), JOYERR_UNPLUGGED);
  EXPECT_EQ(JoySetCapture(2, Recorder()), JOYERR_PARMS);
  EXPECT_EQ(JoyReleaseCapture(JOYSTICKID2), JOYERR_NOERROR);  // not captured: harmless
}

TEST_F(Joystick, RecordsArriveAsScaledMovesAndButtonMessages) {
  ASSERT_EQ(JoySetCapture(JOYSTICKID1, Recorder()), JOYERR_NOERROR);
  EXPECT_EQ(JoySetCapture(JOYSTICKID1, Recorder()), JOYERR_NOCANDO);
  OpenWriter(0);
  // The start-up state is no change; then the stick moves and buttons go down and up.
  Send(0, {Axis(0, 0, true), Axis(1, 0, true), Axis(2, 0, true), Button(0, false, true),
           Axis(0, -32767), Axis(1, 32767)});
  Pump(1);
  Send(0, {Button(2, true)});
  Pump(2);
  Send(0, {Button(0, true), Axis(2, -32768), Axis(3, 100), Button(7, true), Axis(0, -32767)});
  Pump(4);
  Send(0, {Axis(0, 0), Axis(1, 1), Button(0, false), Button(1, true), Button(1, false)});
  Pump(8);
  const uint32_t xy = 0 | 65535u << 16;
  const std::vector<TJoyMessage> want = {
      {MM_JOY1MOVE, 0, xy},
      {MM_JOY1BUTTONDOWN, JOY_BUTTON3 | JOY_BUTTON3CHG, xy},
      {MM_JOY1BUTTONDOWN, JOY_BUTTON1 | JOY_BUTTON3 | JOY_BUTTON1CHG, xy},
      {MM_JOY1ZMOVE, JOY_BUTTON1 | JOY_BUTTON3, 0},
      {MM_JOY1MOVE, JOY_BUTTON1 | JOY_BUTTON3, 32767 | 32768u << 16},
      {MM_JOY1BUTTONUP, JOY_BUTTON3 | JOY_BUTTON1CHG, 32767 | 32768u << 16},
      {MM_JOY1BUTTONDOWN, JOY_BUTTON3 | JOY_BUTTON2 | JOY_BUTTON2CHG, 32767 | 32768u << 16},
      {MM_JOY1BUTTONUP, JOY_BUTTON3 | JOY_BUTTON2CHG, 32767 | 32768u << 16},
  };
  EXPECT_EQ(FGot, want);
  JOYINFO info;
  ASSERT_EQ(JoyGetPos(JOYSTICKID1, &info), JOYERR_NOERROR);
  EXPECT_EQ(info.wXpos, 32767u);
  EXPECT_EQ(info.wYpos, 32768u);
  EXPECT_EQ(info.wZpos, 0u);
  EXPECT_EQ(info.wButtons, JOY_BUTTON3);
}

TEST_F(Joystick, SticksAreSeparateAndReleaseStopsMessages) {
  ASSERT_EQ(JoySetCapture(JOYSTICKID2, Recorder()), JOYERR_NOERROR);
  OpenWriter(1);
  Send(1, {Axis(0, 32767), Button(3, true)});
  Pump(2);
  const std::vector<TJoyMessage> want = {
      {MM_JOY2MOVE, 0, 65535 | 32767u << 16},
      {MM_JOY2BUTTONDOWN, JOY_BUTTON4 | JOY_BUTTON4CHG, 65535 | 32767u << 16},
  };
  EXPECT_EQ(FGot, want);
  ASSERT_EQ(JoyReleaseCapture(JOYSTICKID2), JOYERR_NOERROR);
  // Captured again, the stick reports anew.
  ASSERT_EQ(JoySetCapture(JOYSTICKID2, Recorder()), JOYERR_NOERROR);
  Send(1, {Axis(1, -32767)});
  Pump(3);
  ASSERT_EQ(FGot.size(), 3u);
  EXPECT_EQ(FGot[2].Msg, MM_JOY2MOVE);
  EXPECT_EQ(FGot[2].LParam, 32767u);  // a new capture starts from the centre (no start-up records)
}

TEST_F(Joystick, AReceiverMayReleaseAndAVanishedDeviceEndsQuietly) {
  ASSERT_EQ(JoySetCapture(JOYSTICKID1,
                          [this](const TJoyMessage& m) {
                            FGot.push_back(m);
                            JoyReleaseCapture(JOYSTICKID1);
                          }),
            JOYERR_NOERROR);
  OpenWriter(0);
  Send(0, {Axis(0, 100), Button(0, true), Button(1, true)});
  Pump(1);
  EXPECT_EQ(FGot.size(), 1u);  // nothing after the release

  ASSERT_EQ(JoySetCapture(JOYSTICKID1, Recorder()), JOYERR_NOERROR);
  close(FWriter[0]);  // the device goes away
  FWriter[0] = -1;
  // The capture ends by itself (no endless wake-ups): a new one can start.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  uint32_t again = JOYERR_NOCANDO;
  while (again == JOYERR_NOCANDO && std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents();
    again = JoySetCapture(JOYSTICKID1, Recorder());
  }
  EXPECT_EQ(again, JOYERR_NOERROR);
  EXPECT_EQ(FGot.size(), 1u);
}

}  // namespace
