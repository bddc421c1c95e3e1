// Every file reader of the programs and the platform against files that are not what it reads:
// a FIFO nobody writes to, /dev/zero, a folder, and a 3 GB sparse file that starts as a valid
// one. Each read runs in a child process with a time and memory limit, so a reader that waits,
// or reads a file whole, fails here instead of hanging or filling the machine.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "library/foundation/tickservice.h"
#include "platform/base/exceptions.h"
#include "platform/devices/sound.h"
#include "platform/forms/testing/formtest.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_error.h"
#include "programs/curves/curvesynth.h"
#include "programs/logic/logic.h"
#include "programs/logic/psrfile.h"
#include "programs/logic/scan.h"
#include "tests/bounded_child.h"

namespace {

namespace fs = std::filesystem;

// What a read in the child ended with.
enum TOutcome { kLoaded = 0, kRefused = 1, kWrongContent = 2, kOther = 3 };

constexpr off_t kSparseSize = off_t(3) << 30;

std::string Le(uint32_t v, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += char(v >> (8 * i));
  return out;
}

std::string LogicFileStart() {
  TPsrContent c;
  c.BufferSize = 4000;
  c.LogSize = 2;
  c.Samples = std::string(4000, '\x5A');
  return BuildPsr(c);
}

std::string CurveFileStart() {
  std::string out =
      "\x14"
      "CurveSynth|5|4|4|4@\x1A";
  for (int i = 1; i <= 17; ++i) {
    std::string record(28, '\0');
    const double x = i, y = 2.0 * i;
    std::memcpy(record.data(), &x, 8);
    std::memcpy(record.data() + 8, &y, 8);
    out += record;
  }
  return out;
}

std::string BitmapFileStart() {
  TBitmap picture;
  picture.SetSize(2, 3);
  picture.Canvas()->SetPixels(1, 2, clRed);
  const std::vector<uint8_t> bytes = picture.SaveToBytes();
  return std::string(bytes.begin(), bytes.end());
}

std::string WaveFileStart() {
  return "RIFF" + Le(36 + 1000, 4) + "WAVE" + "fmt " + Le(16, 4) + Le(1, 2) + Le(1, 2) +
         Le(8000, 4) + Le(16000, 4) + Le(2, 2) + Le(16, 2) + "data" + Le(1000, 4) +
         std::string(1000, '\x10');
}

class Readers : public FormTest {
 protected:
  Readers() {
    TickServiceStartup();
    FDir = fs::temp_directory_path() /
           ("orvane-readers-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir / "folder");
    FFifo = FDir / "fifo";
    EXPECT_EQ(::mkfifo(FFifo.c_str(), 0600), 0);
  }
  ~Readers() override {
    delete form;  // the displays go before the service they are registered with
    form = nullptr;
    TickServiceShutdown();
    fs::remove_all(FDir);
  }

  // Start, then zeros up to 3 GB that take no room on the disk.
  std::string Sparse(const std::string& name, const std::string& start) {
    const std::string path = FDir / name;
    std::ofstream(path, std::ios::binary) << start;
    EXPECT_EQ(::truncate(path.c_str(), kSparseSize), 0);
    return path;
  }

  fs::path FDir;
  std::string FFifo;
};

TEST_F(Readers, RefuseWhatIsNoRegularFileAtOnceAndReadNoMoreThanTheirFormatUses) {
  TLogic* logic = new TLogic(form);
  logic->SetParent(form);
  TCurveSynth* curve = new TCurveSynth(form);
  curve->SetParent(form);

  // Each reader: what a valid file of its kind starts with, and the read, which tells whether it
  // took that start as it should or refused the file the way it reports open failures.
  const struct {
    const char* name;
    std::string start;
    std::function<TOutcome(const std::string&)> read;
  } readers[] = {
      {"logic data file", LogicFileStart(),
       [&](const std::string& path) {
         try {
           if (!logic->LoadFromFile(path)) return kOther;
         } catch (const EInOutError&) {
           return kRefused;
         }
         return logic->ReadSample(999) == 0x5A5A5A5Au ? kLoaded : kWrongContent;
       }},
      {"curve file", CurveFileStart(),
       [&](const std::string& path) {
         try {
           if (!curve->LoadFromFile(path)) return kOther;
         } catch (const EInOutError&) {
           return kRefused;
         }
         double x = 0, y = 0;
         curve->GetChan1Point(5, x, y);
         return curve->Chan1CurvPts() == 5 && x == 5 && y == 10 ? kLoaded : kWrongContent;
       }},
      {"samples from any file", "\x01\x02\x03\x04",
       [&](const std::string& path) {
         int32_t filled = 0;
         try {
           filled = FillSamplesFromFile(*logic, path);
         } catch (const EInOutError&) {
           return kRefused;
         }
         return filled == logic->BufferCount() && logic->ReadSample(0) == 0x01020304u
                    ? kLoaded
                    : kWrongContent;
       }},
      {"bitmap", BitmapFileStart(),
       [&](const std::string& path) {
         TBitmap picture;
         try {
           picture.LoadFromFile(path);
         } catch (const EInvalidGraphic&) {
           return kRefused;
         }
         return picture.Width() == 2 && picture.Height() == 3 &&
                        picture.Canvas()->Pixels(1, 2) == clRed
                    ? kLoaded
                    : kWrongContent;
       }},
      {"wave sound", WaveFileStart(),
       [&](const std::string& path) {
         TWaveInfo info;
         if (!ReadWaveInfo(path, &info)) return kRefused;
         return info.DataBytes == 1000 && info.SampleRate == 8000 ? kLoaded : kWrongContent;
       }},
  };

  for (const auto& reader : readers) {
    const struct {
      const char* kind;
      std::string path;
      TOutcome expected;
    } files[] = {
        {"a FIFO", FFifo, kRefused},
        {"/dev/zero", "/dev/zero", kRefused},
        {"a folder", FDir / "folder", kRefused},
        {"a 3 GB sparse file", Sparse("sparse", reader.start), kLoaded},
    };
    for (const auto& file : files) {
      SCOPED_TRACE(std::string(reader.name) + ", " + file.kind);
      const bounded_child::TEnd end =
          bounded_child::Run([&] { return int(reader.read(file.path)); });
      EXPECT_TRUE(end.Exited) << bounded_child::Describe(end);
      EXPECT_EQ(end.Code, file.expected) << bounded_child::Describe(end);
    }
  }
}

}  // namespace
