#include "platform/base/safefile.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::temp_directory_path() /
           ("orvane-safefile-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  void TearDown() override {
    fs::permissions(FDir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(FDir);
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  size_t Entries() const {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(FDir), fs::directory_iterator()));
  }
  fs::path FDir;
};

TEST_F(SafeFile, WritesAndReplacesKeepingModeAndLinks) {
  const fs::path file = FDir / "a.dat";
  ASSERT_TRUE(SafeWriteFile(file, std::string("one\0two", 7)));
  EXPECT_EQ(Read(file), std::string("one\0two", 7));
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path link = FDir / "link.dat";
  fs::create_symlink(file, link);
  ASSERT_TRUE(SafeWriteFile(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(file), "new");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), 2u);  // no temporary file left
}

// Runs `write` in a child process; whether it succeeded there.
bool WritesInChild(const std::function<bool()>& write) {
  const pid_t child = fork();
  if (child == 0) _exit(write() ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SafeFile, RefusesWhatItCannotReplaceAndLeavesTheOldFile) {
  const fs::path file = FDir / "keep.dat";
  ASSERT_TRUE(SafeWriteFile(file, "old"));
  EXPECT_FALSE(SafeWriteFile(FDir, "x"));                  // a directory
  EXPECT_FALSE(SafeWriteFile("", "x"));                    // no name
  EXPECT_FALSE(SafeWriteFile(FDir / "no" / "such", "x"));  // missing folder
  EXPECT_FALSE(SafeWriteFile(file / "x", "x"));            // a path through a regular file
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(Entries(), 1u);

  // The user's own file in the user's own folder, which is read-only. Root writes into any
  // folder, so then the write runs as an unprivileged owner of both.
  constexpr uid_t kNobody = 65534;
  if (geteuid() == 0) {
    ASSERT_EQ(chown(FDir.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(chown(file.c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(FDir, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WritesInChild([&] {
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) return true;
    return SafeWriteFile(file, "new");
  }));
  fs::permissions(FDir, fs::perms::owner_all);
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(Entries(), 1u);

  // The disk fills (a file-size limit, which holds for root too) after the temporary was made.
  EXPECT_FALSE(WritesInChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1024, 1024};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0 && SafeWriteFile(file, std::string(4096, 'n'));
  }));
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(Entries(), 1u);
}

// Whoever watches the folder while a large file is written never sees its new content in a
// temporary that others may read sooner than the renamed file lets them: while it is written it
// is open to its owner alone, and it never gets more than the final file's permission bits.
TEST_F(SafeFile, TemporaryIsNeverReadableBeyondWhatTheFileAllows) {
  const mode_t umask_bits = umask(022);
  umask(umask_bits);
  const struct {
    const char* name;
    mode_t existing;  // 0: a new file
  } cases[] = {{"private.dat", 0600}, {"group.dat", 0640}, {"new.dat", 0}};
  const std::string data(16 << 20, 'd');
  for (const auto& c : cases) {
    const fs::path file = FDir / c.name;
    if (c.existing) {
      ASSERT_TRUE(SafeWriteFile(file, "old"));
      ASSERT_EQ(chmod(file.c_str(), c.existing), 0);
    }
    const mode_t final = c.existing ? c.existing : 0666 & ~umask_bits;
    std::atomic<bool> done{false};
    std::atomic<int> seen_while_written{0};
    std::vector<std::string> wrong;
    std::thread watcher([&] {
      while (!done) {
        DIR* d = opendir(FDir.c_str());
        if (!d) continue;
        while (dirent* e = readdir(d)) {
          const std::string name = e->d_name;
          if (name.size() < 4 || name.compare(name.size() - 4, 4, ".tmp") != 0) continue;
          struct stat st {};
          if (lstat((FDir / name).c_str(), &st) != 0) continue;  // renamed meanwhile
          const mode_t mode = st.st_mode & 0777;
          const bool written = static_cast<size_t>(st.st_size) < data.size();
          if (written) ++seen_while_written;
          if (((mode & ~final) != 0 || (written && (mode & 077) != 0)) && wrong.size() < 3) {
            char text[64];
            std::snprintf(text, sizeof text, "mode %03o at %lld bytes", static_cast<unsigned>(mode),
                          static_cast<long long>(st.st_size));
            wrong.push_back(text);
          }
        }
        closedir(d);
      }
    });
    bool wrote = true;
    for (int i = 0; i < 50 && wrote && seen_while_written < 3; ++i)
      wrote = SafeWriteFile(file, data);
    done = true;
    watcher.join();
    EXPECT_TRUE(wrote) << c.name;
    EXPECT_GT(seen_while_written, 0) << c.name << ": the watcher never saw a temporary";
    EXPECT_EQ(wrong, std::vector<std::string>{}) << c.name;
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, final) << c.name;
  }
}

TEST_F(SafeFile, ClearsTemporariesOfKilledWritersOnly) {
  const fs::path file = FDir / "t.ini";
  // A pid that has certainly ended: a child that has been waited for.
  const pid_t dead = fork();
  if (dead == 0) _exit(0);
  waitpid(dead, nullptr, 0);
  const fs::path stale = FDir / (".t.ini." + std::to_string(dead) + ".0.tmp");
  const fs::path live = FDir / (".t.ini." + std::to_string(getppid()) + ".0.tmp");
  const fs::path other = FDir / (".u.ini." + std::to_string(dead) + ".0.tmp");
  for (const fs::path& p : {stale, live, other}) std::ofstream(p) << "x";
  ASSERT_TRUE(SafeWriteFile(file, "data"));
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(live));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(Read(file), "data");
}

}  // namespace
