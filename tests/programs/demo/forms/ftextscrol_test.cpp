// The text viewer demo: its sample text, the groups, the double click on a line, the pop-up text
// and the screen saver it switches.

#include "programs/demo/forms/ftextscrol.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/devices/screensaver.h"
#include "programs/demo/assets.h"
#include "tests/library/controls/orvanebits/xserver.h"
#include "tests/platform/devices/devices_fixture.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class TextScrollDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    // The screen-saver settings stay in this process: no X server is touched.
    const char* display = std::getenv("DISPLAY");
    FDisplay = display ? display : "";
    unsetenv("DISPLAY");
    ASSERT_TRUE(ScreenSaverSetTimeout(300));
    ASSERT_TRUE(ScreenSaverSetActive(true));
    demo = OpenDemoForm("TextScrollBtn");
    f = static_cast<TTextSrcollDemo*>(demo.get());
    v = f->TextScroll;
  }
  void TearDown() override {
    demo.reset();
    if (!FDisplay.empty()) setenv("DISPLAY", FDisplay.c_str(), 1);
  }
  // A point inside row Row (0 = the top line shown) at text column Col (-1: the left margin).
  TPoint At(int Row, int Col) const {
    const int x = Col < 0 ? v->LeftMarginPixels() / 2
                          : v->LeftMarginPixels() + Col * v->CharWidth() + v->CharWidth() / 2;
    return {x, v->TopMarginPixels() + Row * v->LineHeight() + v->LineHeight() / 2};
  }
  void DoubleClickAt(TPoint p) {
    Move(v, p.X, p.Y);
    DoubleClick(v, p.X, p.Y);
    Pause();
  }
  static std::pair<int, int> Saver() {
    int active = -1, timeout = -1;
    ScreenSaverGetActive(&active);
    ScreenSaverGetTimeout(&timeout);
    return {active, timeout};
  }
  std::string FDisplay;
  std::unique_ptr<TForm> demo;
  TTextSrcollDemo* f = nullptr;
  TTextScroller* v = nullptr;
};

TEST_F(TextScrollDemoTest, ShowsItsSampleTextReadOnly) {
  EXPECT_TRUE(dialogs.Asked().empty());
  ASSERT_TRUE(v->IsOpen());
  EXPECT_EQ(v->FileName(), AssetPath(kTextScrollSample));
  EXPECT_GT(v->LineCount(), 50);
  EXPECT_EQ(v->LineText(0), "#include \"programs/demo/forms/ftextscrol.h\"");
  EXPECT_TRUE(v->ReadOnly());
  EXPECT_FALSE(v->HexMode());
  EXPECT_EQ(v->FontSize(), 10);
  EXPECT_EQ(v->MarginCapt(), "Top Margin Caption");
  EXPECT_EQ(v->NonHexChar(), char(133));
  EXPECT_EQ(f->Mode->ItemIndex(), -1);
}

TEST_F(TextScrollDemoTest, GroupsSetModeOffsetFontAndEditing) {
  const tsHexSize sizes[] = {hsByte, hsWord, hsLong};
  for (int i = 1; i <= 3; ++i) {
    f->TextMode->SetItemIndex(i);
    EXPECT_TRUE(v->HexMode()) << i;
    EXPECT_EQ(v->HexSize(), sizes[i - 1]) << i;
  }
  f->TextMode->SetItemIndex(0);
  EXPECT_FALSE(v->HexMode());
  const int offsets[] = {0, 0x100, 0x1000, 0x10000};
  for (int i = 3; i >= 0; --i) {
    f->HexOffs->SetItemIndex(i);
    EXPECT_EQ(v->HexOffset(), offsets[i]) << i;
  }
  for (int i = 0; i < 4; ++i) {
    f->FontSize->SetItemIndex(i);
    EXPECT_EQ(v->FontSize(), 8 + i) << i;
  }
  const struct {
    bool passive, readOnly, overWrite;
  } modes[] = {{true, true, false}, {false, true, false}, {false, false, true}};
  for (int i = 0; i < 3; ++i) {
    f->Mode->SetItemIndex(i);
    EXPECT_EQ(v->Passive(), modes[i].passive) << i;
    EXPECT_EQ(v->ReadOnly(), modes[i].readOnly) << i;
    EXPECT_EQ(v->OverWrite(), modes[i].overWrite) << i;
  }
}

TEST_F(TextScrollDemoTest, DoubleClicksToggleTheMarginDotOrSetBookmarkZero) {
  v->SetTopLine(10);
  Pump();
  // On the margin: the line's dot comes and goes.
  DoubleClickAt(At(2, -1));
  EXPECT_EQ(v->GetLineFlag(12), 1);
  EXPECT_EQ(v->GetLineFlag(11), 0);
  DoubleClickAt(At(2, -1));
  EXPECT_EQ(v->GetLineFlag(12), 0);
  // On the text: bookmark 0 goes to that line and column.
  DoubleClickAt(At(3, 4));
  EXPECT_EQ(v->Bookmark(0).Line, 13);
  EXPECT_EQ(v->Bookmark(0).Col, 4);
  DoubleClickAt(At(5, 0));
  EXPECT_EQ(v->Bookmark(0).Line, 15);
  // On the top margin there is no line: nothing changes.
  DoubleClickAt({At(0, 2).X, v->TopMarginPixels() / 2});
  EXPECT_EQ(v->Bookmark(0).Line, 15);
  // Below the last line the viewer reports the last line, which takes the mark.
  v->SetTopLine(v->LineCount());
  Pump();
  const int last = v->LineCount() - 1;
  const int y = v->TopMarginPixels() + (last - v->TopLine() + 1) * v->LineHeight() + 1;
  ASSERT_LT(y, v->ClientHeight());
  DoubleClickAt({At(0, 2).X, y});
  EXPECT_EQ(v->Bookmark(0).Line, last);
  DoubleClickAt({At(0, -1).X, y});
  EXPECT_EQ(v->GetLineFlag(last), 1);
}

TEST_F(TextScrollDemoTest, PopUpTextHoldsTheWordAndFourLines) {
  // Line 0 is the include line: "#include ...", the word "include" from column 1.
  Move(v, At(0, 3).X, At(0, 3).Y);
  TPoint pos{5, 5};
  std::string info = "Hallo";
  bool show = false;
  f->BitWinShow(pos, info, show);
  EXPECT_TRUE(show);
  const int x = v->LeftMarginPixels() + 1 * v->CharWidth();
  const int y = v->TopMarginPixels() + v->LineHeight();
  EXPECT_EQ(pos.X, x);
  EXPECT_EQ(pos.Y, y);
  EXPECT_EQ(info,
            "include^Mx: " + std::to_string(x) + "^My: " + std::to_string(y) + "^ML: 0^MC: 3");
  // The window shows it as five lines.
  TCustomBitWin* window = f->BitWin->Window();
  ASSERT_NE(window, nullptr);
  window->SetInfo(info);
  EXPECT_EQ(window->Info(), "include\r\nx: " + std::to_string(x) + "\r\ny: " + std::to_string(y) +
                                "\r\nL: 0\r\nC: 3");

  // Scrolled sideways, the position is where the word shows.
  v->ScrollHorz(2);
  Pump();
  Move(v, At(0, 0).X, At(0, 0).Y);  // column 2 of the line: the word "include" again
  info.clear();
  show = false;
  f->BitWinShow(pos, info, show);
  EXPECT_EQ(pos.X, v->LeftMarginPixels() + (1 - v->FirstCol()) * v->CharWidth());
  EXPECT_EQ(info.substr(0, 7), "include");

  // Over the margin there is no word and nothing shows.
  v->ScrollHorz(-2);
  Pump();
  Move(v, At(1, -1).X, At(1, -1).Y);
  info = "Hallo";
  show = false;
  f->BitWinShow(pos, info, show);
  EXPECT_FALSE(show);
  EXPECT_EQ(info, "");
}

TEST_F(TextScrollDemoTest, ScreenSaverFollowsTheFormAndComesBackAfterIt) {
  // Opening applied the form's settings: off, 5 s.
  EXPECT_EQ(Saver(), std::make_pair(0, 5));
  EXPECT_EQ(f->scLabel->Caption(), "off");
  Click(f->MultiBmp, 20, 20);
  Pause();
  EXPECT_EQ(f->scLabel->Caption(), "on");
  EXPECT_EQ(Saver(), std::make_pair(1, 5));
  const int timeouts[] = {10, 20, 60, 60};
  for (int t : timeouts) {
    Click(f->TimeOutSpin, f->TimeOutSpin->Width() - 8, 5);
    Pause();
    EXPECT_EQ(Saver(), std::make_pair(1, t));
  }
  Click(f->MultiBmp, 20, 20);
  Pause();
  EXPECT_EQ(f->scLabel->Caption(), "off");
  EXPECT_EQ(Saver().first, 0);
  demo.reset();
  EXPECT_EQ(Saver(), std::make_pair(1, 300));
}

// --- The sample text missing beside the program ---

// Runs in a copy of this program in a folder of its own, without the sample beside it (see the
// next test); beside the built program, where the sample lies, it has nothing to do.
TEST_F(DemoTest, TextScrollDemoAloneReportsAMissingSampleOnceAndStillWorks) {
  if (access(AssetPath(kTextScrollSample).c_str(), F_OK) == 0) {
    GTEST_SKIP() << "the sample lies beside the program";
  }
  dialogs.Answer(mrAbort);
  auto demo = OpenDemoForm("TextScrollBtn");
  auto* f = static_cast<TTextSrcollDemo*>(demo.get());
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Kind, "MessageBox");
  EXPECT_EQ(dialogs.Asked()[0].Text, "File\r" + AssetPath(kTextScrollSample) + "\r not found");
  TTextScroller* v = f->TextScroll;
  EXPECT_FALSE(v->IsOpen());
  // The form goes on working: its groups, a double click and the pop-up on an empty viewer.
  f->FontSize->SetItemIndex(3);
  EXPECT_EQ(v->FontSize(), 11);
  f->TextMode->SetItemIndex(1);
  EXPECT_TRUE(v->HexMode());
  f->TextMode->SetItemIndex(0);
  DoubleClick(v, 40, 40);
  Pause();
  DoubleClick(v, 2, 40);
  EXPECT_EQ(v->Bookmark(0).Line, -1);
  TPoint pos{};
  std::string info;
  bool show = false;
  f->BitWinShow(pos, info, show);
  EXPECT_FALSE(show);
  demo.reset();
  EXPECT_EQ(dialogs.Asked().size(), 1u);
}

TEST(TextScrollDemo, WithoutItsSampleTextTheFormReportsItOnce) {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  ASSERT_GT(n, 0);
  self[n] = 0;
  char dir[] = "/tmp/orvane-textscroll-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  // A link to this program in a folder without the sample (a copy where no link can be made).
  const std::string copy = std::string(dir) + "/test_demo";
  if (link(self, copy.c_str()) != 0) {
    RunCommand("cp '" + std::string(self) + "' '" + copy + "'");
  }
  const std::string out =
      RunCommand("env -u DISPLAY '" + copy +
                 "' --gtest_filter='DemoTest.TextScrollDemoAlone*' 2>&1; echo exit=$?");
  RunCommand("rm -rf '" + std::string(dir) + "'");
  EXPECT_NE(out.find("[  PASSED  ] 1 test"), std::string::npos) << out;
  EXPECT_EQ(out.find("SKIPPED"), std::string::npos) << out;
  EXPECT_NE(out.find("exit=0"), std::string::npos) << out;
}

// --- The X server's screen-saver settings ---

// Polls until the server's time-out is Seconds, for at most 20 s.
bool ServerTimeoutBecomes(int Seconds) {
  for (int i = 0; i < 2000; ++i) {
    if (XServerTimeout() == Seconds) return true;
    usleep(10000);
  }
  return false;
}

// Runs inside a virtual X server (see the last test): what the form changes comes back when it
// closes.
TEST_F(DemoTest, TextScrollDemoXSettingsComeBackWhenTheFormCloses) {
  if (!std::getenv("ORVANE_UNDER_XVFB")) GTEST_SKIP() << "runs under a virtual X server only";
  ASSERT_TRUE(XServerOpen());
  XServerSetTimeout(600);
  auto demo = OpenDemoForm("TextScrollBtn");
  auto* f = static_cast<TTextSrcollDemo*>(demo.get());
  EXPECT_EQ(XServerTimeout(), 0);  // opened with the screen saver off
  Click(f->MultiBmp, 20, 20);
  EXPECT_EQ(XServerTimeout(), 5);
  demo.reset();
  EXPECT_EQ(XServerTimeout(), 600);
  XServerClose();
}

// Started by the next test: holds the form open with the screen saver on until it is killed.
TEST_F(DemoTest, TextScrollDemoXHeldUntilKilled) {
  if (!std::getenv("ORVANE_HOLD_TEXTSCROLL")) GTEST_SKIP() << "started by the kill test only";
  auto demo = OpenDemoForm("TextScrollBtn");
  Click(static_cast<TTextSrcollDemo*>(demo.get())->MultiBmp, 20, 20);
  for (;;) pause();
}

// The same after the program is killed: nothing it changed stays with the server.
TEST(TextScrollDemoX, SettingsComeBackAfterTheProgramIsKilled) {
  if (!std::getenv("ORVANE_UNDER_XVFB")) GTEST_SKIP() << "runs under a virtual X server only";
  ASSERT_TRUE(XServerOpen());
  XServerSetTimeout(600);
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  ASSERT_GT(n, 0);
  self[n] = 0;
  std::string filter = "--gtest_filter=DemoTest.TextScrollDemoXHeldUntilKilled";
  char* argv[] = {self, filter.data(), nullptr};
  std::vector<std::string> env{"ORVANE_HOLD_TEXTSCROLL=1"};
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t child = -1;
  ASSERT_EQ(posix_spawn(&child, self, nullptr, nullptr, argv, envp.data()), 0);
  EXPECT_TRUE(ServerTimeoutBecomes(5)) << "the held form did not switch the screen saver on";
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(ServerTimeoutBecomes(600)) << "the server kept " << XServerTimeout();
  XServerClose();
}

TEST(TextScrollDemo, ScreenSaverSettingsUnderAVirtualXServer) {
  const std::string out = RunUnderXvfb("*TextScrollDemoX*-*HeldUntilKilled");
  if (out.empty()) GTEST_SKIP() << "inside the virtual X server already, or no Xvfb";
  EXPECT_NE(out.find("[  PASSED  ] 2 tests"), std::string::npos) << out;
  EXPECT_NE(out.find("exit=0"), std::string::npos) << out;
}

}  // namespace
