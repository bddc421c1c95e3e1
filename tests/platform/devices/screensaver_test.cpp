#include "platform/devices/screensaver.h"

#include <unistd.h>

#include <cstdlib>

#include "tests/platform/devices/devices_fixture.h"

// Last: its macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>

namespace {

int Active() {
  int a = -1;
  EXPECT_TRUE(ScreenSaverGetActive(&a));
  return a;
}

int Timeout() {
  int t = -1;
  EXPECT_TRUE(ScreenSaverGetTimeout(&t));
  return t;
}

// Without an X display the values live in the process.
TEST(ScreenSaver, WithoutX11TheValuesAreRemembered) {
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display ? display : "";
  unsetenv("DISPLAY");
  EXPECT_EQ(Active(), 0);
  EXPECT_TRUE(ScreenSaverSetActive(true));
  EXPECT_EQ(Active(), 0);  // no time-out yet
  EXPECT_FALSE(ScreenSaverSetTimeout(0));
  EXPECT_FALSE(ScreenSaverSetTimeout(-5));
  EXPECT_TRUE(ScreenSaverSetTimeout(5));
  EXPECT_TRUE(ScreenSaverSetActive(true));
  EXPECT_EQ(Active(), 1);
  EXPECT_EQ(Timeout(), 5);
  EXPECT_TRUE(ScreenSaverSetActive(false));
  EXPECT_EQ(Active(), 0);
  EXPECT_EQ(Timeout(), 5);
  EXPECT_FALSE(ScreenSaverGetActive(nullptr));
  if (!saved.empty()) setenv("DISPLAY", saved.c_str(), 1);
}

// Runs inside a virtual X server (see the next test): the server's own settings change and come
// back, as seen through a connection of the test's own.
TEST(ScreenSaverX, ServerSettingsChangeAndComeBack) {
  if (!std::getenv("ORVANE_UNDER_XVFB")) GTEST_SKIP() << "runs under a virtual X server only";
  Display* own = XOpenDisplay(nullptr);
  ASSERT_NE(own, nullptr);
  auto server_timeout = [own] {
    int timeout, interval, blanking, exposures;
    XGetScreenSaver(own, &timeout, &interval, &blanking, &exposures);
    return timeout;
  };
  XSetScreenSaver(own, 600, 0, DefaultBlanking, DefaultExposures);
  XSync(own, False);

  const int saved_active = Active(), saved_timeout = Timeout();
  EXPECT_EQ(saved_active, 1);
  EXPECT_EQ(saved_timeout, 600);

  ASSERT_TRUE(ScreenSaverSetActive(false));
  EXPECT_EQ(server_timeout(), 0);
  EXPECT_EQ(Active(), 0);
  ASSERT_TRUE(ScreenSaverSetTimeout(5));
  EXPECT_EQ(server_timeout(), 0);  // still off
  EXPECT_EQ(Timeout(), 5);
  ASSERT_TRUE(ScreenSaverSetActive(true));
  EXPECT_EQ(server_timeout(), 5);
  ASSERT_TRUE(ScreenSaverSetTimeout(42));
  EXPECT_EQ(server_timeout(), 42);

  // Putting the saved pair back restores the server's settings.
  ASSERT_TRUE(ScreenSaverSetActive(saved_active != 0));
  ASSERT_TRUE(ScreenSaverSetTimeout(saved_timeout));
  EXPECT_EQ(server_timeout(), 600);
  EXPECT_EQ(Active(), 1);
  XCloseDisplay(own);
}

TEST(ScreenSaver, UnderAVirtualXServer) {
  const std::string out = RunUnderXvfb("ScreenSaverX.*");
  if (out.empty()) GTEST_SKIP() << "inside the virtual X server already, or no Xvfb";
  EXPECT_NE(out.find("[  PASSED  ] 1 test"), std::string::npos) << out;
  EXPECT_NE(out.find("exit=0"), std::string::npos) << out;
}

}  // namespace
