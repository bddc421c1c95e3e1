#include "platform/base/regularfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/base/exceptions.h"
#include "tests/bounded_child.h"

namespace {

namespace fs = std::filesystem;

class RegularFile : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::temp_directory_path() /
           ("orvane-regularfile-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  void TearDown() override { fs::remove_all(FDir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(FDir / name, std::ios::binary) << bytes;
    return FDir / name;
  }
  fs::path FDir;
};

TEST_F(RegularFile, ReadsFromTheStartOrAtAnOffsetAndStopsAtTheEnd) {
  const std::string name = Write("a.bin", std::string("0123456789\0x", 12));
  TRegularFile file(name);
  EXPECT_EQ(file.Size(), 12u);
  EXPECT_EQ(file.Read(4), "0123");
  char at[3];
  ASSERT_EQ(file.ReadAt(9, at, sizeof at), 3u);
  EXPECT_EQ(std::string(at, 3), std::string("9\0x", 3));
  EXPECT_EQ(file.Read(100), std::string("456789\0x", 8));  // the position stayed after "0123"
  EXPECT_EQ(file.Read(5), "");
  EXPECT_EQ(file.ReadAt(50, at, sizeof at), 0u);
}

TEST_F(RegularFile, AFileThatTellsNoSizeStillGivesItsBytes) {
  TRegularFile file("/proc/self/status");
  EXPECT_EQ(file.Size(), 0u);
  EXPECT_EQ(file.Read(5), "Name:");
}

// Each kind is opened in a child that is stopped if it waits: a FIFO opened plainly waits for a
// writer for ever.
TEST_F(RegularFile, RefusesEverythingButARegularFileAtOnce) {
  const std::string fifo = FDir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string link_to_fifo = FDir / "link";
  fs::create_symlink(fifo, link_to_fifo);
  const struct {
    std::string path;
    int error;
  } cases[] = {
      {fifo, ENODEV},        {link_to_fifo, ENODEV},  {"/dev/zero", ENODEV},
      {"/dev/null", ENODEV}, {FDir.string(), EISDIR}, {FDir / "missing", ENOENT},
  };
  for (const auto& c : cases) {
    const bounded_child::TEnd end = bounded_child::Run([&] {
      try {
        TRegularFile file(c.path);
        return 1;
      } catch (const EInOutError& e) {
        return e.ErrorCode() == c.error && e.Message().find(c.path) != std::string::npos ? 0 : 2;
      }
    });
    EXPECT_TRUE(end.Exited && end.Code == 0) << c.path << ": " << bounded_child::Describe(end);
  }
}

}  // namespace
