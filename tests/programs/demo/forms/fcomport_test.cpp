// The serial-port demo against real terminals: COM1 and COM2 are the two ends of a socat
// pseudo-terminal pair (a null-modem cable), COM3 a pseudo-terminal whose other side the test
// holds, COM4 names no device.

#include "programs/demo/forms/fcomport.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/devices/profile.h"
#include "platform/devices/serial.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/timer.h"
#include "programs/demo/forms/fcomhelp.h"
#include "tests/programs/demo/demo_fixture.h"

extern char** environ;

namespace {

using Items = std::vector<std::string>;

Items ListItems(const TListBox* List) {
  Items items;
  for (int i = 0; i < List->Items()->Count(); ++i) items.push_back(List->Items()->Strings(i));
  return items;
}

class ComPortDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/orvane-comport-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    FRoot = templ;
    setenv("XDG_CONFIG_HOME", (FRoot + "/config").c_str(), 1);
    StartCable();
    FPeer3 = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(FPeer3, 0);
    ASSERT_EQ(grantpt(FPeer3), 0);
    ASSERT_EQ(unlockpt(FPeer3), 0);
    const std::pair<const char*, std::string> ports[] = {{"COM1", FRoot + "/com1"},
                                                         {"COM2", FRoot + "/com2"},
                                                         {"COM3", ptsname(FPeer3)},
                                                         {"COM4", FRoot + "/none"}};
    for (const auto& [name, path] : ports) {
      ASSERT_TRUE(ProfileWrite("Serial", name, path, "system.ini"));
    }
    demo = OpenDemoForm("ComPortBtn");
    f = static_cast<TComPortDemo*>(demo.get());
  }
  void TearDown() override {
    demo.reset();
    StopCable();
    if (FPeer3 >= 0) close(FPeer3);
    std::error_code ec;
    std::filesystem::remove_all(FRoot, ec);
    unsetenv("XDG_CONFIG_HOME");
  }

  // socat joins two new pseudo-terminals, reachable through two links, as a null-modem cable.
  void StartCable() {
    const std::string one = "pty,raw,echo=0,link=" + FRoot + "/com1";
    const std::string two = "pty,raw,echo=0,link=" + FRoot + "/com2";
    char* argv[] = {const_cast<char*>("socat"), const_cast<char*>(one.c_str()),
                    const_cast<char*>(two.c_str()), nullptr};
    ASSERT_EQ(posix_spawnp(&FSocat, "socat", nullptr, nullptr, argv, environ), 0)
        << "socat is needed";
    ASSERT_TRUE(WaitFor([&] {
      return std::filesystem::exists(FRoot + "/com1") && std::filesystem::exists(FRoot + "/com2");
    })) << "socat made no terminals";
  }
  void StopCable() {
    if (FSocat <= 0) return;
    kill(FSocat, SIGKILL);
    waitpid(FSocat, nullptr, 0);
    FSocat = 0;
  }

  // Polls the condition, running the tick service meanwhile, for up to ten seconds.
  bool WaitFor(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > end) return false;
      poll(nullptr, 0, 2);
      if (f != nullptr) Ticks(1);
    }
    return true;
  }

  void ClickOn(TControl* c) {
    Click(c, c->Width() / 2, c->Height() / 2);
    Pause();
  }
  // Keys through the window system into the demo form's focused control.
  void Type(const std::string& text) {
    struct Target {
      TForm*& slot;
      TForm* saved;
      ~Target() { slot = saved; }
    } target{form, std::exchange(form, demo.get())};
    for (char c : text) {
      // Only letters, digits and the space have key codes of their own; '(' would be VK_DOWN.
      const bool own = isalnum(static_cast<unsigned char>(c)) || c == ' ';
      KeyPress(own ? uint16_t(toupper(static_cast<unsigned char>(c))) : 0, std::string(1, c));
    }
  }
  // Leaves the baud edit of port n with the text in it.
  void EnterBaud(int n, const std::string& text) {
    f->BaudEdit[n]->SetFocus();
    f->BaudEdit[n]->SetText(text);
    f->TxEdit[1]->SetFocus();
    Pump();
  }
  // What the test's side of COM3 sees of the line.
  termios2 Com3Line() {
    termios2 t{};
    EXPECT_EQ(ioctl(FPeer3, TCGETS2, &t), 0);
    return t;
  }
  // "g" for an enabled choice with the available look, "-" for a disabled one with the look of
  // a port that is not there, "x" for anything else; COM1..COM4.
  static std::string Offered(const std::array<TLedCheck*, 5>& Choices) {
    std::string s;
    for (int n = 1; n <= 4; ++n) {
      const TLedCheck* c = Choices[n];
      const bool green = c->LedCol() == 0x00FF00 && c->CaptionCol() == 0x008000;
      const bool red = c->LedCol() == clRed && c->CaptionCol() == clBlack;
      s += c->Enabled() ? (green ? 'g' : 'x') : (red ? '-' : green ? 'd' : 'x');
    }
    return s;
  }

  std::string FRoot;
  pid_t FSocat = 0;
  int FPeer3 = -1;
  std::unique_ptr<TForm> demo;
  TComPortDemo* f = nullptr;
};

TEST(ComPortDemoLists, ErrorAndStatusItemsInTheirOrder) {
  COMSTAT none;
  COMSTAT all;
  all.Flags = 0x7F;
  all.cbInQue = 12;
  all.cbOutQue = 3;
  const struct {
    int errors;
    const COMSTAT* stat;
    Items items;
  } sends[] = {
      {0, &none, {"Ok"}},
      {-1, &all, {"Error", "not open"}},
      {0, &all, {"CtsHold", "DsrHold", "RlsdHold", "XoffHold", "XoffSent", "Eof", "Txim"}},
      {0xFFFF,
       &none,
       {"Error", "BREAK", "SELECT", "FRAME", "LPT", "MODE", "PAPER", "OVER", "TIME", "RXOVER",
        "PARITY", "TXFULL"}},
      {int(CE_IOE | CE_TXFULL), &all, {"Error", "LPT", "TXFULL"}},
  };
  for (const auto& s : sends) EXPECT_EQ(SendStateItems(s.errors, *s.stat), s.items) << s.errors;
  EXPECT_EQ(LineStatusItems(none),
            (Items{"Status", "Rx: 0", "Tx: 0", "no XOFFHOLD", "no XOFFSENT"}));
  EXPECT_EQ(LineStatusItems(all), (Items{"Status", "Rx: 12", "Tx: 3", "XOFFHOLD", "XOFFSENT"}));
}

TEST_F(ComPortDemoTest, ChoicesFollowThePortsAndNeverOfferOnePortTwice) {
  EXPECT_EQ(f->Chan[1]->Caption(), "Off");
  EXPECT_EQ(f->Chan[2]->Caption(), "Off");
  EXPECT_EQ(Offered(f->XmitP), "ggg-");
  EXPECT_EQ(Offered(f->RcvP), "ggg-");
  EXPECT_EQ(Offered(f->ComDlg), "ggg-");
  EXPECT_EQ(f->BaudEdit[1]->Text(), "9600 ");
  EXPECT_FALSE(f->XOnOff[1]->Checked());

  // A chosen port stays enabled in its own group, where its lit LED shows it in use, and is
  // disabled in the other.
  const struct {
    TLedCheck* click;
    const char* chan1;
    const char* chan2;
    const char* xmit;
    const char* rcv;
    const char* open;  // COM1..COM4 held by the component
  } steps[] = {
      {f->XmitP[2], "COM2", "Off", "ggg-", "gdg-", "0100"},
      {f->XmitOff, "Off", "Off", "ggg-", "ggg-", "0000"},
      {f->XmitP[1], "COM1", "Off", "ggg-", "dgg-", "1000"},
      {f->RcvP[2], "COM1", "COM2", "gdg-", "dgg-", "1100"},
      {f->XmitP[3], "COM3", "COM2", "gdg-", "ggd-", "0110"},
      {f->RcvOff, "COM3", "Off", "ggg-", "ggd-", "0010"},
      {f->RcvP[1], "COM3", "COM1", "dgg-", "ggd-", "1010"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.click->Name());
    ClickOn(s.click);
    EXPECT_TRUE(s.click->Checked());
    EXPECT_EQ(f->Chan[1]->Caption(), s.chan1);
    EXPECT_EQ(f->Chan[2]->Caption(), s.chan2);
    EXPECT_EQ(Offered(f->XmitP), s.xmit);
    EXPECT_EQ(Offered(f->RcvP), s.rcv);
    std::string open;
    for (int n = 1; n <= 4; ++n) open += f->ComPort->PortStatus(n) > 0 ? '1' : '0';
    EXPECT_EQ(open, s.open);
  }
  EXPECT_TRUE(dialogs.Beeps().empty());

  // Another window in front closes the ports; the choices stay as the labels say, and coming
  // back takes the ports again.
  TForm other(nullptr);
  other.SetBounds(0, 0, 100, 80);
  other.Show();
  Activate(&other);
  EXPECT_LE(f->ComPort->PortStatus(1), 0);
  EXPECT_LE(f->ComPort->PortStatus(3), 0);
  EXPECT_TRUE(SerialPortPresent("COM1"));
  f->CheckAll();
  EXPECT_EQ(Offered(f->XmitP), "dgg-");
  EXPECT_EQ(Offered(f->RcvP), "ggd-");
  Activate(f);
  EXPECT_GT(f->ComPort->PortStatus(1), 0);
  EXPECT_GT(f->ComPort->PortStatus(3), 0);
  EXPECT_EQ(Offered(f->XmitP), "dgg-");
  EXPECT_EQ(Offered(f->RcvP), "ggd-");

  // Closing the form lets the ports go.
  f->Close();
  Pump();
  EXPECT_TRUE(SerialPortPresent("COM1"));
  EXPECT_TRUE(SerialPortPresent("COM3"));
}

TEST_F(ComPortDemoTest, APortHeldElsewhereBeepsAndLeavesTheChannelOff) {
  const TSerialHandle elsewhere = SerialOpen("COM3");
  ASSERT_GT(elsewhere, 0);
  ClickOn(f->XmitP[3]);
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{MB_ICONEXCLAMATION});
  EXPECT_EQ(f->Chan[1]->Caption(), "Off");
  EXPECT_TRUE(f->XmitOff->Checked());
  EXPECT_FALSE(f->XmitP[3]->Checked());
  EXPECT_EQ(Offered(f->RcvP), "ggg-");
  SerialClose(elsewhere);
  ClickOn(f->XmitP[3]);
  EXPECT_EQ(f->Chan[1]->Caption(), "COM3");
  EXPECT_GT(f->ComPort->PortStatus(3), 0);
  EXPECT_EQ(dialogs.Beeps().size(), 1u);
}

TEST_F(ComPortDemoTest, BaudTextsOutsideTheRangeOrNoNumberBeepAndKeepTheRate) {
  const struct {
    const char* text;
    int rate;  // after leaving the edit
    bool beep;
  } cases[] = {
      {"70", 9600, true},  {"70000", 9600, true}, {"19200", 19200, false}, {"", 19200, true},
      {"300", 300, false}, {"75", 75, false},     {"65001", 75, true},     {"65000", 65000, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    dialogs.Clear();
    EnterBaud(1, c.text);
    EXPECT_EQ(f->ComPort->BaudRate1(), c.rate);
    EXPECT_EQ(dialogs.Beeps().size(), c.beep ? 1u : 0u);
  }
  // A blank between digits is no number either.
  dialogs.Clear();
  f->BaudEdit[2]->SetFocus();
  f->BaudEdit[2]->SetEditText("12_00");
  f->TxEdit[1]->SetFocus();
  Pump();
  EXPECT_EQ(f->ComPort->BaudRate2(), 9600);
  EXPECT_EQ(dialogs.Beeps().size(), 1u);
  f->CheckAll();
  EXPECT_EQ(f->BaudEdit[1]->Text(), "65000");
  EXPECT_EQ(f->BaudEdit[4]->Text(), "9600 ");
}

TEST_F(ComPortDemoTest, ChangedSettingsReachAPortThatIsOpen) {
  ClickOn(f->XmitP[3]);
  ASSERT_EQ(f->Chan[1]->Caption(), "COM3");
  EXPECT_EQ(Com3Line().c_ospeed, 9600u);
  EnterBaud(3, "19200");
  EXPECT_EQ(Com3Line().c_ospeed, 19200u);
  ClickOn(f->XOnOff[3]);
  EXPECT_TRUE(Com3Line().c_iflag & IXON);
  dialogs.Answer(mrOk, "38400,8,N,1,-");
  ClickOn(f->ComDlg[3]);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "19200,8,N,2,X");
  EXPECT_EQ(Com3Line().c_ospeed, 38400u);
  EXPECT_FALSE(Com3Line().c_iflag & IXON);
  EXPECT_FALSE(f->XOnOff[3]->Checked());  // the form shows what the dialog set
  EXPECT_EQ(f->BaudEdit[3]->Text(), "38400");
  EXPECT_EQ(f->Chan[1]->Caption(), "COM3");
  EXPECT_TRUE(dialogs.Beeps().empty());
  // A port no channel holds keeps its settings for the next open.
  EnterBaud(2, "4800");
  EXPECT_EQ(f->ComPort->PortStatus(2), 0);
  EXPECT_EQ(f->ComPort->BaudRate2(), 4800);
}

TEST_F(ComPortDemoTest, TypingWithTheChannelOffListsTheError) {
  ClickOn(f->TxEdit[1]);
  Type("a");
  EXPECT_EQ(f->TxEdit[1]->Text(), "a");
  EXPECT_EQ(ListItems(f->ErrBox[1]), (Items{"Error", "not open"}));
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{MB_ICONHAND});
  EXPECT_EQ(ListItems(f->ErrBox[2]), (Items{"Errors", "Ok"}));
}

// What channel 1 sends arrives at channel 2 through the cable, byte for byte; a flood is taken
// a bounded piece per poll, and nothing of it is lost.
TEST_F(ComPortDemoTest, TypedTextCrossesTheCable) {
  ClickOn(f->XmitP[1]);
  ClickOn(f->RcvP[2]);
  ClickOn(f->TxEdit[1]);
  Type("Hallo COM2!");
  EXPECT_EQ(ListItems(f->ErrBox[1]), (Items{"Ok"}));
  ASSERT_TRUE(WaitFor([&] { return f->RxEdit[2]->Text() == "Hallo COM2!"; }))
      << f->RxEdit[2]->Text();
  EXPECT_EQ(ListItems(f->ChanStat[2]),
            (Items{"Status", "Rx: 0", "Tx: 0", "no XOFFHOLD", "no XOFFSENT"}));
  EXPECT_TRUE(dialogs.Beeps().empty());

  // A few thousand characters at once, none of them read until all are typed.
  std::string flood;
  uint32_t seed = 12345;
  for (int i = 0; i < 3000; ++i) {
    seed = seed * 1103515245u + 12345u;
    flood += char(' ' + (seed >> 16) % 95);
  }
  Type(flood);
  EXPECT_EQ(ListItems(f->ErrBox[1]), (Items{"Ok"}));
  ASSERT_TRUE(dialogs.Beeps().empty());
  const std::string all = "Hallo COM2!" + flood;
  size_t received = 11;
  bool saw_waiting = false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (received < all.size() && std::chrono::steady_clock::now() < end) {
    Ticks(1);
    // The field holds the newest characters received: find how many came, at most one piece.
    const std::string& shown = f->RxEdit[2]->Text();
    size_t now = received;
    while (now <= received + TComPortDemo::kMaxRxPerEvent &&
           (now < shown.size() || all.compare(now - shown.size(), shown.size(), shown) != 0)) {
      ++now;
    }
    ASSERT_LE(now, received + TComPortDemo::kMaxRxPerEvent) << "lost or garbled after " << received;
    received = now;
    const Items stat = ListItems(f->ChanStat[2]);
    if (stat.size() > 1 && stat[1] != "Rx: 0") saw_waiting = true;
    if (received < all.size()) poll(nullptr, 0, 1);
  }
  EXPECT_EQ(received, all.size());
  EXPECT_TRUE(saw_waiting) << "the status list never showed bytes waiting";
  EXPECT_EQ(f->RxEdit[2]->Text(), all.substr(all.size() - TFiFo::kMaxText));
}

TEST_F(ComPortDemoTest, ThePeerVanishingShowsAnError) {
  ClickOn(f->XmitP[1]);
  ClickOn(f->RcvP[2]);
  ClickOn(f->TxEdit[1]);
  Type(std::string(500, 'z'));
  ASSERT_TRUE(WaitFor([&] { return !f->RxEdit[2]->Text().empty(); }));
  StopCable();
  Type("!");
  EXPECT_EQ(ListItems(f->ErrBox[1]), (Items{"Error", "LPT"}));
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{MB_ICONHAND});
  Ticks(40);  // the receiving side keeps going with what it has
  EXPECT_EQ(f->RxEdit[2]->Text().find_first_not_of('z'), std::string::npos);
  ClickOn(f->XmitOff);
  EXPECT_EQ(f->ComPort->PortStatus(1), 0);
}

TEST_F(ComPortDemoTest, HelpFormFindsThePortsFree) {
  ClickOn(f->XmitP[1]);
  bool seen = false;
  bool port_free = false;
  // Waits until the help form has taken over from the demo (or a generous time has passed),
  // then ends it with its button.
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  TTimer closer(nullptr);
  closer.SetInterval(1);
  closer.OnTimer = [&](TObject*) {
    if (ComPortHelp == nullptr || !ComPortHelp->Visible()) return;
    port_free = SerialPortPresent("COM1");
    if (!port_free && std::chrono::steady_clock::now() < limit) return;
    closer.SetEnabled(false);
    seen = true;
    EXPECT_EQ(ComPortHelp->Caption(), "ComPort Info");
    EXPECT_EQ(ComPortHelp->ClientWidth(), 411);
    EXPECT_EQ(ComPortHelp->ClientHeight(), 292);
    EXPECT_EQ(ComPortHelp->FormStyle(), fsStayOnTop);
    EXPECT_TRUE(ComPortHelp->Memo1->ReadOnly());
    EXPECT_GT(ComPortHelp->Memo1->Lines()->Count(), 10);
    ComPortHelp->BitBtn1->Click();
  };
  closer.SetEnabled(true);
  ClickOn(f->HelpBtn);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(port_free);
  EXPECT_EQ(ComPortHelp, nullptr);
  Activate(f);  // as the window system does when the help form goes
  EXPECT_GT(f->ComPort->PortStatus(1), 0);
}

}  // namespace
