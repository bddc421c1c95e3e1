#pragma once
// A private configuration directory per test, so tests never touch the user's own settings.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

class DevicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/orvane-devices-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    FRoot = templ;
    setenv("XDG_CONFIG_HOME", (FRoot + "/config").c_str(), 1);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(FRoot, ec);
    unsetenv("XDG_CONFIG_HOME");
  }

  std::string ConfigDir() const { return FRoot + "/config/orvane"; }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::string FRoot;
};

// Runs a shell command in the C locale (its output is parsed) and returns its standard output;
// empty when it could not be started.
inline std::string RunCommand(const std::string& command) {
  std::string out;
  if (FILE* p = popen(("export LC_ALL=C; " + command).c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// Runs the tests of this executable that match the filter again inside a virtual X server of
// their own, started by tests/x_session.sh (ORVANE_UNDER_XVFB set there); their output, ending
// in "exit=" and the status. Empty when this already runs inside one or there is no Xvfb.
inline std::string RunUnderXvfb(const std::string& filter) {
  if (std::getenv("ORVANE_UNDER_XVFB") || access("/usr/bin/Xvfb", X_OK) != 0) return "";
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "";
  self[n] = 0;
  return RunCommand("ORVANE_UNDER_XVFB=1 sh '" ORVANE_SOURCE_DIR
                    "/tests/x_session.sh' 1280x1024 '" +
                    std::string(self) + "' --gtest_filter='" + filter + "' 2>&1; echo exit=$?");
}

// The Qt application object the event-driven devices need; made once, lives for the run.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_devices";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}
