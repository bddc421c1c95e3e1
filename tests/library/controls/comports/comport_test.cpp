#include "library/controls/comports/comport.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "library/controls/comports/commconfig.h"
#include "library/foundation/tickservice.h"
#include "platform/devices/profile.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/msgbox.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

// COM1 and COM2 are pseudo-terminals whose other sides the test holds; COM3 names no device and
// COM4 a directory. The tick service is driven by hand.
class ComPortTest : public DevicesTest {
 protected:
  void SetUp() override {
    DevicesTest::SetUp();
    for (int i = 0; i < 2; ++i) {
      FPeer[i] = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
      ASSERT_GE(FPeer[i], 0);
      ASSERT_EQ(grantpt(FPeer[i]), 0);
      ASSERT_EQ(unlockpt(FPeer[i]), 0);
      ASSERT_TRUE(
          ProfileWrite("Serial", "COM" + std::to_string(i + 1), ptsname(FPeer[i]), "system.ini"));
    }
    ASSERT_TRUE(ProfileWrite("Serial", "COM3", FRoot + "/none", "system.ini"));
    ASSERT_TRUE(ProfileWrite("Serial", "COM4", FRoot, "system.ini"));
    TickServiceStartup();
  }
  void TearDown() override {
    TickServiceShutdown();
    for (int fd : FPeer) {
      if (fd >= 0) close(fd);
    }
    DevicesTest::TearDown();
  }

  // Bytes the peer of COMn receives, waiting at most a second for `count` of them.
  std::string PeerRead(int port, size_t count) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
      pollfd pf{FPeer[port - 1], POLLIN, 0};
      if (poll(&pf, 1, 10) <= 0) continue;
      char buf[512];
      const ssize_t n = read(FPeer[port - 1], buf, sizeof buf);
      if (n > 0) got.append(buf, static_cast<size_t>(n));
    }
    return got;
  }

  void PeerWrite(int port, const std::string& s) {
    ASSERT_EQ(write(FPeer[port - 1], s.data(), s.size()), static_cast<ssize_t>(s.size()));
  }

  // Waits (bounded) until the bytes the peer wrote have reached the port's input queue.
  void WaitRx(TComPort& com, const std::string& name, int count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (com.RxCount(name) < count && std::chrono::steady_clock::now() < end) {
      poll(nullptr, 0, 2);
    }
    ASSERT_EQ(com.RxCount(name), count);
  }

  termios2 PeerSees(int port) {
    termios2 t{};
    EXPECT_EQ(ioctl(FPeer[port - 1], TCGETS2, &t), 0);
    return t;
  }

  int FPeer[2] = {-1, -1};
};

TEST_F(ComPortTest, ProbingFindsThePortsThatCanBeOpened) {
  TComPort com(nullptr);
  const int32_t want[5] = {TComPort::kNotProbed, 0, 0, TComPort::kMissing, TComPort::kMissing};
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(com.PortStatus(i), want[i]) << i;
  EXPECT_TRUE(com.COM1Avail());
  EXPECT_TRUE(com.COM2Avail());
  EXPECT_FALSE(com.COM3Avail());
  EXPECT_FALSE(com.COM4Avail());
  com.SetCOM3Avail(true);  // only recomputes
  EXPECT_FALSE(com.COM3Avail());
  EXPECT_FALSE(com.COM1InUse());
  const std::pair<const char*, int> names[] = {{"COM1", 1}, {"com2", 2}, {"Com3", 3}, {"cOm4", 4},
                                               {"COM5", 0}, {"", 0},     {"COM", 0}};
  for (const auto& [name, index] : names) EXPECT_EQ(com.PortIndex(name), index) << name;
  EXPECT_TRUE(com.PortAvailable("com2"));
  EXPECT_FALSE(com.PortAvailable("COM3"));
  EXPECT_FALSE(com.PortAvailable("COM5"));
}

TEST_F(ComPortTest, OpenAndCloseFollowThePortTable) {
  TComPort com(nullptr);
  EXPECT_TRUE(com.OpenPort("com1"));
  EXPECT_GT(com.PortStatus(1), 0);
  EXPECT_TRUE(com.COM1InUse());
  EXPECT_TRUE(com.COM1Avail());
  EXPECT_FALSE(com.OpenPort("COM1"));  // open already: stays open
  EXPECT_GT(com.PortStatus(1), 0);
  EXPECT_FALSE(com.OpenPort("COM3"));  // missing
  EXPECT_FALSE(com.OpenPort("COM5"));
  EXPECT_EQ(com.PortStatus(0), TComPort::kNotProbed);
  com.ProbePorts();  // leaves the open port alone
  EXPECT_GT(com.PortStatus(1), 0);
  com.ClosePort("COM1");
  EXPECT_EQ(com.PortStatus(1), 0);
  EXPECT_FALSE(com.COM1InUse());
  com.ClosePort("COM5");  // harmless
  // Operations on ports that are not open.
  char c;
  EXPECT_FALSE(com.SendChar("COM1", 'x'));
  EXPECT_FALSE(com.ReadChar("COM1", c));
  EXPECT_EQ(com.RxCount("COM1"), 0);
  EXPECT_EQ(com.PortError("COM1"), -1);
  EXPECT_EQ(com.PortError("COM5"), -1);
  EXPECT_FALSE(com.SetPortDTR("COM1", true));
  EXPECT_FALSE(com.SetPortRTS("COM3", true));
}

TEST_F(ComPortTest, APortHeldElsewhereCanBeOpenedOnceItIsFree) {
  TComPort com(nullptr);
  const TSerialHandle other = SerialOpen("COM1");
  ASSERT_GT(other, 0);
  EXPECT_FALSE(com.OpenPort("COM1"));
  EXPECT_EQ(com.PortStatus(1), 0);
  EXPECT_TRUE(com.COM1Avail());
  SerialClose(other);
  EXPECT_TRUE(com.OpenPort("COM1"));
}

TEST_F(ComPortTest, LineSettingsReachThePeerAtTheNextOpen) {
  TComPort com(nullptr);
  const std::pair<int, int> bauds[] = {{115200, 9600}, {75, 75},    {115000, 115000},
                                       {74, 115000},   {0, 115000}, {19200, 19200}};
  for (const auto& [in, out] : bauds) {
    com.SetBaudRate1(in);
    EXPECT_EQ(com.BaudRate1(), out) << in;
  }
  com.SetXOnOff1(true);
  EXPECT_TRUE(com.XOnOff1());
  EXPECT_FALSE(com.XOnOff2());
  ASSERT_TRUE(com.OpenPort("COM1"));
  ASSERT_TRUE(com.OpenPort("COM2"));
  const termios2 one = PeerSees(1), two = PeerSees(2);
  EXPECT_EQ(one.c_ospeed, 19200u);
  EXPECT_TRUE(one.c_iflag & IXON);
  EXPECT_TRUE(one.c_iflag & IXOFF);
  EXPECT_TRUE(one.c_cflag & CSTOPB);  // two stop bits
  EXPECT_EQ(one.c_cflag & CSIZE, tcflag_t{CS8});
  EXPECT_EQ(two.c_ospeed, 9600u);
  EXPECT_FALSE(two.c_iflag & IXON);
  com.SetBaudRate1(57600);  // for the next open
  EXPECT_EQ(PeerSees(1).c_ospeed, 19200u);
  com.ClosePort("COM1");
  ASSERT_TRUE(com.OpenPort("COM1"));
  EXPECT_EQ(PeerSees(1).c_ospeed, 57600u);
}

TEST_F(ComPortTest, BufferLenSetsTheHandshakeLimits) {
  TComPort com(nullptr);
  EXPECT_EQ(com.BufferLen(), 1000);
  EXPECT_EQ(com.PortDCB(1).XonLim, 700);
  EXPECT_EQ(com.PortDCB(1).XoffLim, 800);
  const struct {
    int in, stored, xon, xoff;
  } cases[] = {{100, 255, 204, 229}, {20000, 16000, 12800, 14400}, {1000, 1000, 800, 900}};
  for (const auto& c : cases) {
    com.SetBufferLen(c.in);
    EXPECT_EQ(com.BufferLen(), c.stored);
    for (int i = 1; i <= 4; ++i) {
      EXPECT_EQ(com.PortDCB(i).XonLim, c.xon) << c.in;
      EXPECT_EQ(com.PortDCB(i).XoffLim, c.xoff) << c.in;
    }
  }
}

TEST_F(ComPortTest, BytesTravelBothWaysThroughThePollAndItsEvent) {
  TComPort com(nullptr);
  ASSERT_TRUE(com.OpenPort("COM1"));
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  for (char c : all) ASSERT_TRUE(com.SendChar("COM1", c));
  EXPECT_EQ(PeerRead(1, all.size()), all);

  std::string received;
  std::vector<int> counts;
  bool read_all = true;
  com.OnCom1Rx = [&](TObject* sender, int count) {
    EXPECT_EQ(sender, &com);
    counts.push_back(count);
    char c;
    while (com.ReadChar("COM1", c)) {
      received += c;
      if (!read_all) break;
    }
  };
  TickServiceCallback();
  EXPECT_TRUE(counts.empty());  // nothing waiting
  PeerWrite(1, "hello\r\n\x11\x13");
  WaitRx(com, "COM1", 9);
  TickServiceCallback();
  EXPECT_EQ(received, "hello\r\n\x11\x13");
  EXPECT_EQ(counts, std::vector<int>{9});
  TickServiceCallback();
  EXPECT_EQ(counts.size(), 1u);

  // Bytes left waiting fire the event again at the next tick.
  read_all = false;
  PeerWrite(1, "ab");
  WaitRx(com, "COM1", 2);
  TickServiceCallback();
  TickServiceCallback();
  TickServiceCallback();
  EXPECT_EQ(received,
            "hello\r\n\x11\x13"
            "ab");
  EXPECT_EQ(counts, (std::vector<int>{9, 2, 1}));

  // Switched off, or closed: no event.
  com.Event1Ena = false;
  PeerWrite(1, "c");
  WaitRx(com, "COM1", 1);
  TickServiceCallback();
  EXPECT_EQ(counts.size(), 3u);
  com.Event1Ena = true;
  com.ClosePort("COM1");
  TickServiceCallback();
  EXPECT_EQ(counts.size(), 3u);
}

// Two ports joined by the test, as by a null-modem cable: what goes out of one comes in at the
// other, at the baud rate and framing both are set to.
TEST_F(ComPortTest, TwoPortsTalkThroughTheirPeers) {
  TComPort com(nullptr);
  com.SetBaudRate1(38400);
  com.SetBaudRate2(38400);
  ASSERT_TRUE(com.OpenPort("COM1"));
  ASSERT_TRUE(com.OpenPort("COM2"));
  std::string got;
  com.OnCom2Rx = [&](TObject*, int) {
    char c;
    while (com.ReadChar("COM2", c)) got += c;
  };
  for (char c : std::string("Orvane")) ASSERT_TRUE(com.SendChar("COM1", c));
  PeerWrite(2, PeerRead(1, 6));
  WaitRx(com, "COM2", 6);
  TickServiceCallback();
  EXPECT_EQ(got, "Orvane");
  EXPECT_EQ(PeerSees(1).c_ospeed, PeerSees(2).c_ospeed);
}

TEST_F(ComPortTest, ErrorsWaitForPortErrorAndAHeldWriteFailsSoon) {
  TComPort com(nullptr);
  com.SetXOnOff1(true);
  ASSERT_TRUE(com.OpenPort("COM1"));
  EXPECT_EQ(com.PortError("COM1"), 0);
  PeerWrite(1, "\x13");  // XOFF: our sending stops
  bool refused = false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!refused && std::chrono::steady_clock::now() < end) {
    const auto before = std::chrono::steady_clock::now();
    refused = !com.SendChar("COM1", 'x');
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(500));
    if (!refused) PeerRead(1, 1);
  }
  ASSERT_TRUE(refused);
  // Hidden looks at the error state leave the flags for PortError.
  char c;
  com.RxCount("COM1");
  com.ReadChar("COM1", c);
  TickServiceCallback();
  COMSTAT stat;
  const int errors = com.PortError("COM1", &stat);
  EXPECT_TRUE(errors & CE_TXFULL) << errors;
  EXPECT_EQ(stat.cbInQue, 0u);
  EXPECT_EQ(com.PortError("COM1"), 0);  // cleared by PortError itself
  PeerWrite(1, "\x11");                 // XON
  bool sent = false;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!sent && std::chrono::steady_clock::now() < until) sent = com.SendChar("COM1", 'z');
  EXPECT_TRUE(sent);
}

TEST_F(ComPortTest, AClosedPeerGivesAnErrorStateNotAHang) {
  TComPort com(nullptr);
  ASSERT_TRUE(com.OpenPort("COM1"));
  int events = 0;
  com.OnCom1Rx = [&](TObject*, int) { ++events; };
  close(FPeer[0]);
  FPeer[0] = -1;
  const auto start = std::chrono::steady_clock::now();
  char c;
  EXPECT_FALSE(com.SendChar("COM1", 'x'));
  EXPECT_FALSE(com.ReadChar("COM1", c));
  EXPECT_EQ(com.RxCount("COM1"), 0);
  for (int i = 0; i < 20; ++i) TickServiceCallback();
  EXPECT_EQ(events, 0);
  EXPECT_TRUE(com.PortError("COM1") & CE_IOE);
  EXPECT_TRUE(com.PortError("COM1") & CE_IOE);  // the condition lasts
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  com.ClosePort("COM1");
  EXPECT_EQ(com.PortStatus(1), 0);
}

// A pseudo-terminal has 8 data bits without parity only: other framing is refused at the open,
// and the port stays open for the caller to close.
TEST_F(ComPortTest, RefusedFramingLeavesThePortOpen) {
  TComPort com(nullptr);
  const TDialogHook previous = SetDialogHook([](const TDialogRequest&) {
    return TDialogAnswer{mrOk, "9600,7,E,1,-", 0};
  });
  com.SetCom1Dialog(true);
  SetDialogHook(previous);
  EXPECT_FALSE(com.OpenPort("COM1"));
  EXPECT_GT(com.PortStatus(1), 0);
  EXPECT_TRUE(com.COM1InUse());
  com.ClosePort("COM1");
  EXPECT_EQ(com.PortStatus(1), 0);
}

// Pseudo-terminals have no modem lines: the calls say so instead of pretending.
TEST_F(ComPortTest, ModemLinesOfAPseudoTerminalAreReportedAsMissing) {
  TComPort com(nullptr);
  ASSERT_TRUE(com.OpenPort("COM1"));
  EXPECT_FALSE(com.SetPortDTR("COM1", true));
  EXPECT_FALSE(com.SetPortRTS("COM1", false));
}

TEST_F(ComPortTest, PortsStillOpenAreClosedWithTheComponent) {
  {
    TComPort com(nullptr);
    ASSERT_TRUE(com.OpenPort("COM1"));
    ASSERT_TRUE(com.OpenPort("COM2"));
    EXPECT_FALSE(SerialPortPresent("COM1"));  // held
  }
  EXPECT_TRUE(SerialPortPresent("COM1"));
  EXPECT_TRUE(SerialPortPresent("COM2"));
  for (int i = 0; i < 5; ++i) TickServiceCallback();  // the poll went with it
}

TEST_F(ComPortTest, TheDialogEditsTheSettingsForTheNextOpen) {
  TComPort com(nullptr);
  std::vector<TDialogRequest> asked;
  std::vector<bool> open_flag;
  TDialogAnswer answer{mrOk, "19200,8,N,1,X", 0};
  const TDialogHook previous = SetDialogHook([&](const TDialogRequest& r) {
    asked.push_back(r);
    open_flag.push_back(com.Com2Dialog());
    return answer;
  });
  EXPECT_FALSE(com.Com2Dialog());
  com.SetCom2Dialog(true);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Kind, "TCommConfigDialog");
  EXPECT_EQ(asked[0].Caption, "Com2");
  EXPECT_EQ(asked[0].Text, "9600,8,N,2,-");
  EXPECT_EQ(open_flag, std::vector<bool>{true});
  EXPECT_FALSE(com.Com2Dialog());
  EXPECT_EQ(com.BaudRate2(), 19200);
  EXPECT_TRUE(com.XOnOff2());
  EXPECT_EQ(com.PortDCB(2).StopBits, ONESTOPBIT);
  ASSERT_TRUE(com.OpenPort("COM2"));
  EXPECT_EQ(PeerSees(2).c_ospeed, 19200u);
  EXPECT_FALSE(PeerSees(2).c_cflag & CSTOPB);

  answer = {mrCancel, "300,8,N,1,-", 0};  // cancelled: nothing changes
  com.SetCom1Dialog(true);
  EXPECT_EQ(com.BaudRate1(), 9600);
  answer = {mrOk, "garbage", 0};
  com.SetCom1Dialog(true);
  EXPECT_EQ(com.BaudRate1(), 9600);
  com.SetCom3Dialog(true);   // missing port: no dialog
  com.SetCom1Dialog(false);  // does nothing
  EXPECT_EQ(asked.size(), 3u);
  SetDialogHook(previous);
}

TEST(CommSettings, TextsReadBackAndBadOnesAreRefused) {
  DCB dcb;
  EXPECT_EQ(CommSettingsText(dcb), "9600,8,N,2,-");
  const struct {
    const char* text;
    const char* back;  // empty: refused
  } cases[] = {{"115000,7,E,1,X", "115000,7,E,1,X"},
               {"75,8,N,1,-", "75,8,N,1,-"},
               {"115200,7,E,1,X", ""},  // beyond the rates the component takes
               {"74,8,N,1,-", ""},
               {"300,5,m,1.5,-", "300,5,M,1.5,-"},
               {"9600,8,S,2,-", "9600,8,S,2,-"},
               {"9600,9,N,1,-", ""},
               {"0,8,N,1,-", ""},
               {"9600,8,Q,1,-", ""},
               {"9600,8,N,3,-", ""},
               {"9600,8,N,1", ""},
               {"9600,8,N,1,Y", ""},
               {"x,8,N,1,-", ""},
               {"", ""},
               {"9600,8,,1,-", ""}};
  for (const auto& c : cases) {
    DCB d;
    EXPECT_EQ(ParseCommSettings(c.text, d), *c.back != 0) << c.text;
    EXPECT_EQ(CommSettingsText(d), *c.back ? c.back : "9600,8,N,2,-") << c.text;
  }
}

}  // namespace
