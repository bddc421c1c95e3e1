#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "logic_fixture.h"
#include "platform/base/exceptions.h"
#include "platform/base/sysutils.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

std::string Counted(const std::string& s) { return char(s.size()) + s; }

// A file with the given header text, 32 names "Chan n" and `samples` zero bytes.
std::string FileWith(const std::string& header, size_t samples = 4000) {
  std::string f = Counted(header);
  for (int i = 0; i < 32; ++i) f += Counted("Chan " + std::to_string(i));
  return f + std::string(samples, '\0');
}

class LogicFile : public LogicTest {
 protected:
  LogicFile() {
    FDir = fs::temp_directory_path() /
           ("orvane-logicfile-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  ~LogicFile() override { fs::remove_all(FDir); }

  static fs::path Data(const char* name) { return fs::path(ORVANE_TEST_DATA) / "logic" / name; }

  // What a refused load must leave as it was.
  struct State {
    int32_t size, count, trigger;
    TLogSize logSize;
    double timeBase;
    std::string names;
    uint32_t s0, s999;
    bool operator==(const State&) const = default;
  };
  State Snapshot() const {
    return {logic->BufferSize(),  logic->BufferCount(),  logic->TriggerPos(),
            logic->LogSize(),     logic->TimeBase(),     logic->ChanNamen().Text(),
            logic->ReadSample(0), logic->ReadSample(999)};
  }

  fs::path FDir;
};

TEST_F(LogicFile, AHandMadeFileLoadsExactly) {
  MakeLogic();
  ASSERT_TRUE(logic->LoadFromFile(Data("handmade.psr")));
  EXPECT_EQ(logic->BufferSize(), 200);
  EXPECT_EQ(logic->LogSize(), TLogSize::Size16);
  EXPECT_EQ(logic->BufferCount(), 100);
  EXPECT_EQ(logic->TimeBase(), 2.5e-7);
  EXPECT_EQ(logic->TriggerPos(), -3);
  EXPECT_EQ(logic->ChanNamen().Strings(0), "CLK");
  EXPECT_EQ(logic->ChanNamen().Strings(2), "");
  EXPECT_EQ(logic->ChanNamen().Strings(3), "Z\xE4hler");
  EXPECT_EQ(logic->ChanNamen().Strings(4), std::string(255, 'n'));
  EXPECT_EQ(logic->ChanNamen().Strings(31), "Chan 31");
  for (int i = 0; i < 100; ++i) {
    const uint32_t lo = (2 * i * 7) & 0xFF, hi = ((2 * i + 1) * 7) & 0xFF;
    ASSERT_EQ(logic->ReadSample(i), lo | hi << 8) << i;
  }
  EXPECT_EQ(logic->PendingZoom(), TPendingZoom());
  EXPECT_LE(logic->PointerPos(), 99);
}

TEST_F(LogicFile, ADefaultDisplaySavesTheScriptsBytesAndReadsThemBack) {
  MakeLogic();
  const char saved = DecimalSeparator;
  DecimalSeparator = ',';  // the file keeps its '.'
  const fs::path file = FDir / "default.psr";
  EXPECT_TRUE(logic->SaveToFile(file));
  DecimalSeparator = saved;
  EXPECT_EQ(ReadFile(file), ReadFile(Data("default.psr")));

  logic->SetLogSize(TLogSize::Size8);
  logic->SetTimeBase(0.1);
  logic->WriteSample(17, 0xA5);
  ASSERT_TRUE(logic->LoadFromFile(file));
  EXPECT_EQ(logic->LogSize(), TLogSize::Size32);
  EXPECT_EQ(logic->TimeBase(), 1e-5);
  EXPECT_EQ(logic->ReadSample(4), 0u);  // sample 4 held byte 17 of the 8-bit buffer
  EXPECT_EQ(logic->ChanNamen().Strings(7), "Chan 7");
}

TEST_F(LogicFile, MalformedFilesAreRefusedWithTheirMessageAndChangeNothing) {
  const std::string good = "Pulsaric|1E-5|4|0|4000@\x1A";
  std::string cut_names = Counted(good);
  for (int i = 0; i < 31; ++i) cut_names += Counted("Chan");
  cut_names +=
      "\x05"
      "Ch";
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"header longer than the file", std::string("\x40Pulsaric|1E-5|4|2|4000@", 24)},
      {"word in other case", FileWith("pulsaric|1E-5|4|0|4000@\x1A")},
      {"other word", FileWith("Pulsar|1E-5|4|0|4000@\x1A")},
      {"time base no number", FileWith("Pulsaric|fast|4|0|4000@\x1A")},
      {"time base nan", FileWith("Pulsaric|nan|4|0|4000@\x1A")},
      {"time base infinite", FileWith("Pulsaric|inf|4|0|4000@\x1A")},
      {"time base hex", FileWith("Pulsaric|0x1p-5|4|0|4000@\x1A")},
      {"time base with a comma", FileWith("Pulsaric|1,5E-5|4|0|4000@\x1A")},
      {"trigger with decimals", FileWith("Pulsaric|1E-5|4.5|0|4000@\x1A")},
      {"trigger hex", FileWith("Pulsaric|1E-5|$4|0|4000@\x1A")},
      {"sample size 3", FileWith("Pulsaric|1E-5|4|3|4000@\x1A")},
      {"sample size -1", FileWith("Pulsaric|1E-5|4|-1|4000@\x1A")},
      {"empty field", FileWith("Pulsaric|1E-5||0|4000@\x1A")},
      {"nothing after the end mark", FileWith("Pulsaric|1E-5|4|0|4000@")},
      {"no end mark", FileWith("Pulsaric|1E-5|4|0|4000\x1A")},
      {"buffer size too big for an integer", FileWith("Pulsaric|1E-5|4|0|99999999999@\x1A")},
      {"names cut", cut_names},
      {"samples cut", FileWith(good, 3999)},
      {"samples cut with a small size", FileWith("Pulsaric|1E-5|4|0|50@\x1A", 99)},
  };
  MakeLogic();
  for (int i = 0; i < 1000; ++i) logic->WriteSample(i, 0x1000 + i);
  logic->SetChanName(0, "KEEP");
  const State before = Snapshot();
  for (bool english : {false, true}) {
    EnglishTexts = english;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      const fs::path file = FDir / "bad.psr";
      WriteFile(file, c.bytes);
      dialogs.Answer(mrOk);
      EXPECT_FALSE(logic->LoadFromFile(file));
      ASSERT_EQ(dialogs.Asked().size(), 1u);
      EXPECT_EQ(dialogs.Asked()[0].Text,
                english ? "File  bad.psr corrupted!" : "File  bad.psr korrupt!");
      EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{1});
      EXPECT_TRUE(Snapshot() == before);
      dialogs.Clear();
    }
  }
  EnglishTexts = false;
}

TEST_F(LogicFile, AMissingFileRaisesAnInputOutputError) {
  MakeLogic();
  EXPECT_THROW(logic->LoadFromFile(FDir / "none.psr"), EInOutError);
  EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(LogicFile, AFailedSaveLeavesTheOldFileWhole) {
  MakeLogic();
  logic->SetBufferSize(100);
  const fs::path file = FDir / "keep.psr";
  ASSERT_TRUE(logic->SaveToFile(file));
  const std::string old = ReadFile(file);
  // A file-size limit below the new file: the write fails half way.
  logic->SetBufferSize(64000);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 10000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(logic->SaveToFile(file), EInOutError);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(ReadFile(file), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);
}

}  // namespace
