#include "platform/base/safefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("orvane-safefile-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  size_t Entries() const {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

TEST_F(SafeFile, WritesAndReplacesKeepingModeAndLinks) {
  const fs::path file = dir_ / "a.dat";
  ASSERT_TRUE(SafeWriteFile(file, std::string("one\0two", 7)));
  EXPECT_EQ(Read(file), std::string("one\0two", 7));
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path link = dir_ / "link.dat";
  fs::create_symlink(file, link);
  ASSERT_TRUE(SafeWriteFile(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(file), "new");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), 2u);  // no temporary file left
}

TEST_F(SafeFile, RefusesWhatItCannotReplaceAndLeavesTheOldFile) {
  const fs::path file = dir_ / "keep.dat";
  ASSERT_TRUE(SafeWriteFile(file, "old"));
  EXPECT_FALSE(SafeWriteFile(dir_, "x"));                  // a directory
  EXPECT_FALSE(SafeWriteFile("", "x"));                    // no name
  EXPECT_FALSE(SafeWriteFile(dir_ / "no" / "such", "x"));  // missing folder
  if (geteuid() != 0) {                                    // root writes anywhere
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SafeWriteFile(file, "new"));
    fs::permissions(dir_, fs::perms::owner_all);
  }
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(SafeFile, ClearsTemporariesOfKilledWritersOnly) {
  const fs::path file = dir_ / "t.ini";
  // A pid that has certainly ended: a child that has been waited for.
  const pid_t dead = fork();
  if (dead == 0) _exit(0);
  waitpid(dead, nullptr, 0);
  const fs::path stale = dir_ / (".t.ini." + std::to_string(dead) + ".0.tmp");
  const fs::path live = dir_ / (".t.ini." + std::to_string(getppid()) + ".0.tmp");
  const fs::path other = dir_ / (".u.ini." + std::to_string(dead) + ".0.tmp");
  for (const fs::path& p : {stale, live, other}) std::ofstream(p) << "x";
  ASSERT_TRUE(SafeWriteFile(file, "data"));
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(live));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(Read(file), "data");
}

}  // namespace
