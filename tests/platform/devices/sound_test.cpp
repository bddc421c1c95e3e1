#include "platform/devices/sound.h"

#include <unistd.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include "platform/devices/wavewriter.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

const char* const kAlsaSample = "/usr/share/sounds/alsa/Front_Center.wav";

// A wave file of our own making, to break one field at a time.
struct WaveFormat {
  const char* riff = "RIFF";
  const char* wave = "WAVE";
  bool format = true;
  uint16_t tag = 1, channels = 1, bits = 16;
  uint32_t rate = 8000;
  bool data = true;
  uint32_t dataBytes = 64;
  bool junkFirst = false;
};

std::string MakeWave(const WaveFormat& w) {
  std::string chunks;
  if (w.junkFirst) chunks += RiffChunk("LIST", "abc");  // odd size: padded
  if (w.format) chunks += RiffChunk("fmt ", WaveFormatBody(w.tag, w.channels, w.rate, w.bits));
  if (w.data) chunks += RiffChunk("data", std::string(w.dataBytes, '\x10'));
  std::string file = RiffWave(chunks);
  file.replace(0, 4, w.riff);
  file.replace(8, 4, w.wave);
  return file;
}

class Sound : public DevicesTest {
 protected:
  void SetUp() override {
    DevicesTest::SetUp();
    EnsureApplication();
  }
};

TEST_F(Sound, NamesAreFoundWithoutRegardToCaseAndGetWav) {
  const std::string dir = FRoot + "/Sounds";
  std::filesystem::create_directory(dir);
  WriteFile(dir + "/Demo.Wav", MakeWave({}));
  WriteFile(dir + "/rooster.wav", MakeWave({}));
  EXPECT_EQ(FindSoundFile(dir + "/Demo.Wav"), dir + "/Demo.Wav");
  EXPECT_EQ(FindSoundFile(dir + "/demo.wav"), dir + "/Demo.Wav");
  EXPECT_EQ(FindSoundFile(dir + "\\DEMO"), dir + "/Demo.Wav");
  EXPECT_EQ(FindSoundFile(dir + "/Rooster"), dir + "/rooster.wav");
  // Names are the file system's UTF-8: the case of a letter outside ASCII is matched by the
  // letter, never by its bytes (U+011A's bytes, upper-cased as Windows-1252, are U+010A's).
  WriteFile(dir + "/grün.wav", MakeWave({}));
  WriteFile(dir + "/Ċ.wav", MakeWave({}));
  WriteFile(dir + "/日本語.wav", MakeWave({}));
  EXPECT_EQ(FindSoundFile(dir + "/GRÜN"), dir + "/grün.wav");
  EXPECT_EQ(FindSoundFile(dir + "/Ě.wav"), "");
  EXPECT_EQ(FindSoundFile(dir + "/日本語"), dir + "/日本語.wav");
  EXPECT_EQ(FindSoundFile(dir + "/missing"), "");
  EXPECT_EQ(FindSoundFile(dir + "/"), "");
  EXPECT_EQ(FindSoundFile(FRoot + "/nodir/Demo.wav"), "");
  // A bare name is looked for in the current directory.
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(dir.c_str()), 0);
  EXPECT_EQ(FindSoundFile("DEMO"), "./Demo.Wav");
  EXPECT_EQ(FindSoundFile("nothing"), "");
  ASSERT_EQ(chdir(old), 0);
}

TEST_F(Sound, WaveHeadersAreChecked) {
  TWaveInfo info;
  if (access(kAlsaSample, R_OK) == 0) {
    ASSERT_TRUE(ReadWaveInfo(kAlsaSample, &info));
    EXPECT_EQ(info.FormatTag, 1);
    EXPECT_EQ(info.Channels, 1);
    EXPECT_EQ(info.SampleRate, 48000u);
    EXPECT_EQ(info.BitsPerSample, 16);
    EXPECT_GT(info.DataBytes, 48000u);
  }
  const struct {
    const char* what;
    WaveFormat format;
    bool ok;
  } cases[] = {
      {"plain", {}, true},
      {"a chunk before the format", {.junkFirst = true}, true},
      {"8-bit stereo", {.channels = 2, .bits = 8}, true},
      {"float", {.tag = 3, .bits = 32}, true},
      {"not RIFF", {.riff = "RIFX"}, false},
      {"not WAVE", {.wave = "AVI "}, false},
      {"no format", {.format = false}, false},
      {"compressed", {.tag = 2}, false},
      {"12 bits", {.bits = 12}, false},
      {"no channels", {.channels = 0}, false},
      {"rate 0", {.rate = 0}, false},
      {"no data chunk", {.data = false}, false},
      {"empty data", {.dataBytes = 0}, false},
  };
  for (const auto& c : cases) {
    const std::string path = FRoot + "/case.wav";
    WriteFile(path, MakeWave(c.format));
    EXPECT_EQ(ReadWaveInfo(path, &info), c.ok) << c.what;
  }
  // The writer's own PCM files read back with their layout.
  WriteFile(FRoot + "/pcm.wav", PcmWave(22050, std::vector<int16_t>(101, -3)));
  ASSERT_TRUE(ReadWaveInfo(FRoot + "/pcm.wav", &info));
  EXPECT_EQ(info.FormatTag, 1);
  EXPECT_EQ(info.Channels, 1);
  EXPECT_EQ(info.SampleRate, 22050u);
  EXPECT_EQ(info.BitsPerSample, 16);
  EXPECT_EQ(info.DataBytes, 202u);
  // Cut short: the header alone is not enough, a partial data chunk plays what it holds.
  const std::string whole = MakeWave({});
  WriteFile(FRoot + "/cut.wav", whole.substr(0, 30));
  EXPECT_FALSE(ReadWaveInfo(FRoot + "/cut.wav", &info));
  WriteFile(FRoot + "/cut.wav", whole.substr(0, whole.size() - 10));
  ASSERT_TRUE(ReadWaveInfo(FRoot + "/cut.wav", &info));
  EXPECT_EQ(info.DataBytes, 54u);
  EXPECT_FALSE(ReadWaveInfo(FRoot + "/missing.wav", &info));
  // Samples beyond what the player holds in memory: the file (sparse) is refused, not read.
  WriteFile(FRoot + "/long.wav", MakeWave({.dataBytes = 64}).replace(40, 4, "\x01\x00\x00\x10"));
  ASSERT_EQ(truncate((FRoot + "/long.wav").c_str(), 44 + 0x10000001), 0);
  EXPECT_FALSE(ReadWaveInfo(FRoot + "/long.wav", &info));
}

TEST_F(Sound, PlayFailsCleanlyWithoutFileOrDevice) {
  const bool device = !QMediaDevices::audioOutputs().isEmpty();
  WriteFile(FRoot + "/corrupt.wav", "RIFF\x10\0\0\0WAVEjunkjunkjunk");
  for (uint32_t flags : {SND_SYNC, SND_ASYNC, SND_ASYNC | SND_LOOP}) {
    EXPECT_FALSE(SndPlaySound(FRoot + "/missing", flags));
    EXPECT_FALSE(SndPlaySound(FRoot + "/corrupt", flags));
  }
  if (access(kAlsaSample, R_OK) == 0) {
    // Accepted as a sound; whether it plays depends on an audio device being there.
    EXPECT_EQ(SndPlaySound("/usr/share/sounds/alsa/front_center", SND_ASYNC), device);
    EXPECT_EQ(SndPlaySound(kAlsaSample, SND_ASYNC | SND_LOOP), device);
    if (!device) {
      EXPECT_FALSE(SndPlaySound(kAlsaSample, SND_SYNC));
    }
  }
  EXPECT_TRUE(SndPlaySound("", SND_ASYNC));  // stops
}

}  // namespace
