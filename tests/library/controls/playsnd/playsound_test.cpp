#include "library/controls/playsnd/playsound.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/devices/sound.h"
#include "platform/forms/application.h"

namespace {

struct Call {
  std::string name;
  uint32_t flags;
  bool operator==(const Call&) const = default;
};

void PrintTo(const Call& c, std::ostream* os) { *os << "{" << c.name << ", " << c.flags << "}"; }

// The tick service driven by hand and the sound function replaced by a recorder.
class PlaySoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TickServiceStartup();
    FPrevious = SetSoundFunction([this](const std::string& name, uint32_t flags) {
      FCalls.push_back({name, flags});
      return true;
    });
  }
  void TearDown() override {
    SetSoundFunction(FPrevious);
    TickServiceShutdown();
  }

  // Ticks until the next sound call; the number of ticks it took (0 when none came in `limit`).
  int TicksToNextCall(int limit) {
    const size_t before = FCalls.size();
    for (int t = 1; t <= limit; ++t) {
      TickServiceCallback();
      if (FCalls.size() > before) return t;
    }
    return 0;
  }

  std::vector<Call> FCalls;
  TSoundFunction FPrevious;
};

TEST_F(PlaySoundTest, EachStatePlaysAsItSays) {
  TPlaySound snd(nullptr);
  EXPECT_EQ(snd.PlayState(), psStopped);
  EXPECT_EQ(snd.RepDelay(), 2.0);
  snd.SetWaveFile("rooster");
  snd.SetPlayState(psStartWait);
  EXPECT_EQ(snd.PlayState(), psStopped);
  snd.SetPlayState(psStartExit);
  snd.SetPlayState(psStartExit);  // falls back at once, so it plays again
  EXPECT_EQ(snd.PlayState(), psStopped);
  snd.SetPlayState(psStopped);  // no change: nothing
  snd.SetRepDelay(0);
  snd.SetPlayState(psContinous);
  EXPECT_EQ(snd.PlayState(), psContinous);
  EXPECT_EQ(TicksToNextCall(2000), 0);  // a loop needs no repetitions
  snd.SetPlayState(psStopped);
  const std::vector<Call> want = {
      {"rooster", SND_SYNC},  {"rooster", SND_ASYNC},
      {"rooster", SND_ASYNC}, {"rooster", SND_ASYNC | SND_LOOP},
      {"", SND_ASYNC},
  };
  EXPECT_EQ(FCalls, want);
}

TEST_F(PlaySoundTest, RepeatsComeEveryDelayWithTheNameTakenAtTheStart) {
  TPlaySound snd(nullptr);
  snd.SetWaveFile("Demo.Wav");
  snd.SetPlayState(psContinous);
  ASSERT_EQ(FCalls.size(), 1u);
  EXPECT_EQ(TicksToNextCall(100), 36);  // 2000 ms in 55.5 ms ticks
  EXPECT_EQ(TicksToNextCall(100), 36);
  snd.SetWaveFile("Other.wav");  // not taken until the state changes
  snd.SetRepDelay(1.0);          // from the next repetition on
  EXPECT_EQ(TicksToNextCall(100), 36);
  EXPECT_EQ(TicksToNextCall(100), 18);
  for (const Call& c : FCalls) EXPECT_EQ(c, (Call{"Demo.Wav", SND_ASYNC}));
  snd.SetRepDelay(0);  // stops the repetitions; the state stays
  EXPECT_EQ(TicksToNextCall(500), 0);
  EXPECT_EQ(snd.PlayState(), psContinous);
  snd.SetPlayState(psStopped);
  EXPECT_EQ(FCalls.back(), (Call{"", SND_ASYNC}));
}

TEST_F(PlaySoundTest, LongDelaysDoNotWrap) {
  const struct {
    double delay;
    int ticks;
  } cases[] = {
      {65.5, 1180},  // still one arming
      {100, 1802},   // two parts of 50 s, not 34.464 s
      {120, 2162},   // the longest delay
      {500, 2162},   // clamped to 120 s
  };
  for (const auto& c : cases) {
    TPlaySound snd(nullptr);
    snd.SetRepDelay(c.delay);
    snd.SetPlayState(psContinous);
    EXPECT_EQ(TicksToNextCall(5000), c.ticks) << c.delay;
    EXPECT_EQ(TicksToNextCall(5000), c.ticks) << c.delay;
  }
}

TEST_F(PlaySoundTest, RepDelayIsClamped) {
  TPlaySound snd(nullptr);
  const std::pair<double, double> cases[] = {{0.1, 0.3}, {500, 120}, {-1, 0.3}, {0, 0},
                                             {0.3, 0.3}, {120, 120}, {7.5, 7.5}};
  for (const auto& [in, out] : cases) {
    snd.SetRepDelay(in);
    EXPECT_EQ(snd.RepDelay(), out) << in;
  }
}

TEST_F(PlaySoundTest, LongNamesReachTheSoundFunctionWhole) {
  TPlaySound snd(nullptr);
  const std::string name = "/tmp/" + std::string(120, 'n') + "/sound with a long name.wav";
  snd.SetWaveFile(name);
  snd.SetPlayState(psContinous);
  ASSERT_EQ(TicksToNextCall(100), 36);
  ASSERT_EQ(FCalls.size(), 2u);
  EXPECT_EQ(FCalls[0].name, name);
  EXPECT_EQ(FCalls[1].name, name);
}

TEST_F(PlaySoundTest, FreeingStopsARunningLoopButNotASingleSound) {
  {
    TPlaySound snd(nullptr);
    snd.SetWaveFile("once");
    snd.SetPlayState(psStartExit);
  }
  EXPECT_EQ(FCalls.size(), 1u);
  {
    TPlaySound snd(nullptr);
    snd.SetWaveFile("loop");
    snd.SetRepDelay(0);
    snd.SetPlayState(psContinous);
  }
  ASSERT_EQ(FCalls.size(), 3u);
  EXPECT_EQ(FCalls.back(), (Call{"", SND_ASYNC}));
  EXPECT_EQ(TicksToNextCall(3000), 0);  // the record went with the component
}

// Through the real sound service: a Debian sample is accepted where there is an audio device,
// missing and corrupt files fail, and nothing hangs or crashes either way.
TEST(PlaySoundDevice, RealFilesPlayOrFailCleanly) {
  Application->Initialize();
  TickServiceStartup();
  char templ[] = "/tmp/orvane-snd-XXXXXX";
  ASSERT_NE(mkdtemp(templ), nullptr);
  const std::string dir = templ;
  std::ofstream(dir + "/corrupt.wav", std::ios::binary) << "RIFF\x10\0\0\0WAVEjunkjunkjunk";
  std::vector<std::pair<std::string, bool>> results;
  const TSoundFunction previous = SetSoundFunction([&](const std::string& n, uint32_t f) {
    const bool ok = SndPlaySound(n, f);
    results.push_back({n, ok});
    return ok;
  });
  const bool device = !QMediaDevices::audioOutputs().isEmpty();
  {
    TPlaySound snd(nullptr);
    for (const std::string& name : {dir + "/missing", dir + "/corrupt.wav"}) {
      snd.SetWaveFile(name);
      snd.SetPlayState(psStartWait);
      snd.SetPlayState(psStartExit);
      snd.SetPlayState(psContinous);
      for (int t = 0; t < 40; ++t) TickServiceCallback();
      snd.SetPlayState(psStopped);
    }
    for (const auto& [name, ok] : results) {
      if (!name.empty()) {
        EXPECT_FALSE(ok) << name;
      }
    }
    const std::string alsa = "/usr/share/sounds/alsa/Front_Center.wav";
    if (access(alsa.c_str(), R_OK) == 0) {
      results.clear();
      snd.SetWaveFile("/usr/share/sounds/alsa/FRONT_center");  // case and ".wav" looked up
      snd.SetPlayState(psStartExit);
      snd.SetRepDelay(0);
      snd.SetPlayState(psContinous);
      snd.SetPlayState(psStopped);
      ASSERT_EQ(results.size(), 3u);
      EXPECT_EQ(results[0].second, device);
      EXPECT_EQ(results[1].second, device);
      EXPECT_TRUE(results[2].second);  // stopping always works
    }
  }
  SetSoundFunction(previous);
  TickServiceShutdown();
  std::filesystem::remove_all(dir);
}

}  // namespace
