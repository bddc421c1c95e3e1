#include "library/controls/orvanebits/scrnsavectrl.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/devices/screensaver.h"
#include "platform/forms/forms.h"
#include "tests/library/controls/orvanebits/xserver.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

std::pair<int, int> Saver() {
  int active = -1, timeout = -1;
  EXPECT_TRUE(ScreenSaverGetActive(&active));
  EXPECT_TRUE(ScreenSaverGetTimeout(&timeout));
  return {active, timeout};
}

// A form that stores the component's properties, as the demo's form does.
TForm* FormWithSaver(bool enable, int timeout) {
  TForm* form = new TForm(nullptr);
  TFormLoader loader(form);
  auto* saver = loader.AddComponent<TScrnSaveCtrl>("ScrnSaveCtrl");
  saver->SetSaverEnable(enable);
  saver->SetSaverTimeOut(timeout);
  loader.Finish();
  return form;
}

// Without an X display the settings live in the process; they still come back.
TEST(ScrnSaveCtrl, RestoresTheSettingsWhenFreed) {
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display ? display : "";
  unsetenv("DISPLAY");
  ASSERT_TRUE(ScreenSaverSetTimeout(30));
  ASSERT_TRUE(ScreenSaverSetActive(true));
  {
    TScrnSaveCtrl ctrl(nullptr);
    EXPECT_FALSE(ctrl.SaverEnable());
    EXPECT_EQ(ctrl.SaverTimeOut(), 0);
    ctrl.SetSaverEnable(false);
    ctrl.SetSaverTimeOut(5);
    EXPECT_EQ(Saver(), std::make_pair(0, 5));
    ctrl.SetSaverEnable(true);
    EXPECT_EQ(Saver(), std::make_pair(1, 5));
    ctrl.SetSaverTimeOut(-3);  // refused by the system; the property keeps what was written
    EXPECT_EQ(ctrl.SaverTimeOut(), -3);
    EXPECT_EQ(Saver(), std::make_pair(1, 5));
  }
  EXPECT_EQ(Saver(), std::make_pair(1, 30));
  delete FormWithSaver(false, 7);
  EXPECT_EQ(Saver(), std::make_pair(1, 30));
  if (!saved.empty()) setenv("DISPLAY", saved.c_str(), 1);
}

// Two components freed in the order they were made: the system still ends with what the first
// one found, and the one still living keeps its own settings meanwhile.
TEST(ScrnSaveCtrl, FreedOutOfOrderTheFirstOnesSettingsComeBack) {
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display ? display : "";
  unsetenv("DISPLAY");
  ASSERT_TRUE(ScreenSaverSetTimeout(30));
  ASSERT_TRUE(ScreenSaverSetActive(true));
  auto* first = new TScrnSaveCtrl(nullptr);
  first->SetSaverTimeOut(10);
  auto* second = new TScrnSaveCtrl(nullptr);
  second->SetSaverTimeOut(20);
  second->SetSaverEnable(false);
  delete first;
  EXPECT_EQ(Saver(), std::make_pair(0, 20));
  delete second;
  EXPECT_EQ(Saver(), std::make_pair(1, 30));

  // Freed in reverse order, each step puts back what the one before had set.
  first = new TScrnSaveCtrl(nullptr);
  first->SetSaverTimeOut(10);
  second = new TScrnSaveCtrl(nullptr);
  second->SetSaverTimeOut(20);
  delete second;
  EXPECT_EQ(Saver(), std::make_pair(1, 10));
  delete first;
  EXPECT_EQ(Saver(), std::make_pair(1, 30));
  if (!saved.empty()) setenv("DISPLAY", saved.c_str(), 1);
}

// Runs inside a virtual X server (see the next test): the server's settings, seen through a
// connection of the test's own, change while the form lives and come back when it is freed.
TEST(ScrnSaveCtrlX, ServerSettingsComeBackWhenTheFormIsFreed) {
  if (!std::getenv("ORVANE_UNDER_XVFB")) GTEST_SKIP() << "runs under a virtual X server only";
  ASSERT_TRUE(XServerOpen());
  auto server_timeout = XServerTimeout;
  XServerSetTimeout(600);

  TForm* off = FormWithSaver(false, 5);
  EXPECT_EQ(server_timeout(), 0);  // off
  delete off;
  EXPECT_EQ(server_timeout(), 600);

  TForm* on = FormWithSaver(true, 5);
  EXPECT_EQ(server_timeout(), 5);
  delete on;
  EXPECT_EQ(server_timeout(), 600);

  // Off at the start: freeing switches it off again, whatever was set meanwhile.
  XServerSetTimeout(0);
  TForm* again = FormWithSaver(true, 9);
  EXPECT_EQ(server_timeout(), 9);
  delete again;
  EXPECT_EQ(server_timeout(), 0);
  XServerClose();
}

TEST(ScrnSaveCtrl, UnderAVirtualXServer) {
  const std::string out = RunUnderXvfb("ScrnSaveCtrlX.*");
  if (out.empty()) GTEST_SKIP() << "inside the virtual X server already, or no Xvfb";
  EXPECT_NE(out.find("[  PASSED  ] 1 test"), std::string::npos) << out;
  EXPECT_NE(out.find("exit=0"), std::string::npos) << out;
}

}  // namespace
