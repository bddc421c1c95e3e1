// Playback through a real sound server: a PulseAudio of the test's own, with a null sink whose
// monitor is recorded. A program that plays a file and quits must put the file's samples on the
// sink and end cleanly every time. PulseAudio is one of the packages the tests need, so a server
// that cannot be started fails the tests, with its own words.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/devices/wavewriter.h"

namespace {

constexpr uint32_t kRate = 8000;
const char* const kSink = "orvane_test";

using Clock = std::chrono::steady_clock;

// Starts Args[0] with the environment Env (and nothing else), its output into OutFile (or
// /dev/null). The process id, or -1.
pid_t Spawn(const std::vector<std::string>& Args, const std::vector<std::string>& Env,
            const std::string& OutFile = "/dev/null") {
  std::vector<char*> argv, envp;
  for (const std::string& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
  for (const std::string& e : Env) envp.push_back(const_cast<char*>(e.c_str()));
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(OutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int null = open("/dev/null", O_RDONLY);
    if (out < 0 || null < 0) _exit(127);
    dup2(null, 0);
    dup2(out, 1);
    dup2(out, 2);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  return pid;
}

// Waits for the process; its wait status, or -1 when it was still running after Seconds (it is
// killed then).
int Finish(pid_t Pid, double Seconds) {
  const auto end = Clock::now() + std::chrono::duration<double>(Seconds);
  int status = 0;
  while (waitpid(Pid, &status, WNOHANG) == 0) {
    if (Clock::now() > end) {
      kill(Pid, SIGKILL);
      waitpid(Pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return status;
}

bool Connects(const std::string& Socket) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::strncpy(addr.sun_path, Socket.c_str(), sizeof addr.sun_path - 1);
  const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  close(fd);
  return ok;
}

std::vector<int16_t> ReadSamples(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::vector<int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return samples;
}

// A tone that starts at full swing, so its first sample marks where it lies in a recording.
std::vector<int16_t> Tone(double Seconds) {
  std::vector<int16_t> s(static_cast<size_t>(Seconds * kRate));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    s[i] = static_cast<int16_t>(std::lround(9000 * std::cos(2 * M_PI * (440 + 400 * t) * t)));
  }
  return s;
}

// How many samples of Sound arrived in Recording unchanged, in one piece and in order, with
// nothing else than silence around them. The output may lose a little at either end of a sound.
size_t SamplesArrived(const std::vector<int16_t>& Recording, const std::vector<int16_t>& Sound) {
  constexpr size_t kProbe = 32;
  size_t first = 0;
  while (first < Recording.size() && Recording[first] == 0) ++first;
  if (first + kProbe > Recording.size()) return 0;
  for (size_t k = 0; k + kProbe <= Sound.size(); ++k) {
    if (!std::equal(Sound.begin() + long(k), Sound.begin() + long(k + kProbe),
                    Recording.begin() + long(first))) {
      continue;
    }
    size_t n = 0;
    while (k + n < Sound.size() && first + n < Recording.size() &&
           Recording[first + n] == Sound[k + n]) {
      ++n;
    }
    const bool silent_after = std::all_of(Recording.begin() + long(first + n), Recording.end(),
                                          [](int16_t v) { return v == 0; });
    return silent_after ? n : 0;
  }
  return 0;
}

class RealPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(access("/usr/bin/pulseaudio", X_OK), 0)
        << "no /usr/bin/pulseaudio: install the packages of .ci/packages.txt";
    char templ[] = "/tmp/orvane-pulse-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    FDir = templ;
    std::filesystem::create_directory(FDir + "/run");
    std::filesystem::permissions(FDir + "/run", std::filesystem::perms::owner_all);
    FSocket = FDir + "/native";
    // Everything the server keeps lies in the private folder; it ends by itself when idle, so
    // that a test that dies leaves nothing running for long.
    FServer = Spawn(
        {"/usr/bin/pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=10",
         "--disable-shm=yes", "--log-target=stderr", "--log-level=error", "-L",
         "module-null-sink sink_name=" + std::string(kSink) + " rate=8000 channels=1 format=s16le",
         "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + FSocket},
        Environment(), FDir + "/server.log");
    ASSERT_GT(FServer, 0);
    // A loaded machine (the sanitizer run on every core) can take seconds to start it.
    const auto end = Clock::now() + std::chrono::seconds(15);
    while (!Connects(FSocket)) {
      int status;
      if (waitpid(FServer, &status, WNOHANG) != 0 || Clock::now() > end) {
        Stop(FServer);
        FServer = -1;
        std::ifstream log(FDir + "/server.log");
        FAIL() << "the sound server did not start; it wrote:\n" << log.rdbuf();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  void TearDown() override {
    if (FServer > 0) Stop(FServer);
    if (!FDir.empty()) std::filesystem::remove_all(FDir);
  }

  // What the server and its clients see: the private folders, the server's socket, a C locale.
  // The sanitizers' settings pass through.
  std::vector<std::string> Environment() const {
    std::vector<std::string> env = {
        "HOME=" + FDir, "XDG_RUNTIME_DIR=" + FDir + "/run", "PULSE_SERVER=unix:" + FSocket,
        "LC_ALL=C",     "QT_QPA_PLATFORM=offscreen",        "PATH=/usr/bin:/bin"};
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
      if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
    }
    return env;
  }
  // Runs the program that plays File and quits; its wait status.
  std::string ProbeLog() const {
    std::ifstream in(FDir + "/probe.log");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  int PlayAndQuit(const std::string& File) {
    const pid_t pid = Spawn({SOUNDEXIT_PROBE, File}, Environment(), FDir + "/probe.log");
    return Finish(pid, 10);
  }
  // The output of a command run against the server in the C locale.
  std::string Command(const std::string& Line) const {
    std::string out;
    const std::string line = "env -i LC_ALL=C PULSE_SERVER=unix:" + FSocket + " HOME=" + FDir +
                             " XDG_RUNTIME_DIR=" + FDir + "/run " + Line + " 2>/dev/null";
    if (FILE* p = popen(line.c_str(), "r")) {
      char buf[512];
      size_t n;
      while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
      pclose(p);
    }
    return out;
  }
  static void Stop(pid_t Pid) {
    kill(Pid, SIGTERM);
    if (Finish(Pid, 3) == -1) ADD_FAILURE() << "process " << Pid << " did not stop";
  }
  std::string WriteSound(const std::string& Name, const std::vector<int16_t>& Samples) {
    const std::string path = FDir + "/" + Name;
    std::ofstream(path, std::ios::binary) << PcmWave(kRate, Samples);
    return path;
  }

  std::string FDir, FSocket;
  pid_t FServer = -1;
};

TEST_F(RealPlayback, TheSinkReceivesTheFilesSamples) {
  const std::vector<int16_t> tone = Tone(0.4);
  const std::string file = WriteSound("tone.wav", tone);
  const std::string recording = FDir + "/monitor.raw";
  const pid_t recorder =
      Spawn({"/usr/bin/parec", "-d", std::string(kSink) + ".monitor", "--raw", "--format=s16le",
             "--rate=8000", "--channels=1", "--latency-msec=20", recording},
            Environment());
  ASSERT_GT(recorder, 0);
  // The recording runs once the server lists the recorder's stream.
  const auto started = Clock::now() + std::chrono::seconds(5);
  while (Command("/usr/bin/pactl list short source-outputs").empty() && Clock::now() < started) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }

  const int status = PlayAndQuit(file);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  // The sink may still hold the tone's end for a moment.
  size_t arrived = 0;
  const auto end = Clock::now() + std::chrono::seconds(2);
  while ((arrived = SamplesArrived(ReadSamples(recording), tone)) < tone.size() / 2 &&
         Clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  Stop(recorder);
  EXPECT_GE(arrived, tone.size() / 2) << "of " << tone.size() << " samples";
}

TEST_F(RealPlayback, AProgramThatPlaysAndQuitsEndsCleanlyEveryTime) {
  const std::string file = WriteSound("beep.wav", Tone(0.03));
  for (int run = 0; run < 8; ++run) {
    const int status = PlayAndQuit(file);
    ASSERT_TRUE(WIFEXITED(status))
        << "run " << run << " ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0)
        << "; it wrote:\n"
        << ProbeLog();
    ASSERT_EQ(WEXITSTATUS(status), 0) << "run " << run << ": the sound did not play";
  }
}

// Without a server the program reports that nothing played, and still ends cleanly.
TEST_F(RealPlayback, WithoutAServerNothingPlaysAndTheProgramEndsCleanly) {
  const std::string file = WriteSound("beep.wav", Tone(0.03));
  Stop(FServer);
  FServer = -1;
  const int status = PlayAndQuit(file);
  ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
