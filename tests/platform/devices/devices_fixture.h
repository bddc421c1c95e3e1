#pragma once
// A private configuration directory per test, so tests never touch the user's own settings.

#include <gtest/gtest.h>
#include <stdlib.h>

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
    root_ = templ;
    setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
    unsetenv("XDG_CONFIG_HOME");
  }

  std::string ConfigDir() const { return root_ + "/config/orvane"; }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::string root_;
};

// Runs a shell command and returns its standard output; empty when it could not be started.
inline std::string RunCommand(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// The Qt application object the event-driven devices need; made once, lives for the run.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_devices";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}
