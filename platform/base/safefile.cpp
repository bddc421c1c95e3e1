#include "platform/base/safefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Fuzzing writes thousands of scratch files a second; a sync each keeps it from getting anywhere.
#ifdef ORVANE_NO_FILE_SYNC
constexpr bool kSyncFiles = false;
#else
constexpr bool kSyncFiles = true;
#endif

bool WriteAll(int Fd, const std::string& Data) {
  size_t done = 0;
  while (done < Data.size()) {
    const ssize_t n = write(Fd, Data.data() + done, Data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Temporary names are "." + name + "." + pid + "." + counter + ".tmp".
std::string TempPrefix(const std::string& Base) { return "." + Base + "."; }

bool AllDigits(const std::string& S) {
  if (S.empty()) return false;
  for (char c : S) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Removes temporary files of `base` whose writing process no longer exists.
void RemoveStaleTemps(const std::string& Dir, const std::string& Base) {
  DIR* d = opendir(Dir.c_str());
  if (!d) return;
  const std::string prefix = TempPrefix(Base);
  const std::string suffix = ".tmp";
  while (dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name.size() <= prefix.size() + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    const std::string middle =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const size_t dot = middle.find('.');
    if (dot == std::string::npos) continue;
    const std::string pid_text = middle.substr(0, dot);
    if (!AllDigits(pid_text) || !AllDigits(middle.substr(dot + 1)) || pid_text.size() > 9) continue;
    const pid_t pid = static_cast<pid_t>(std::atol(pid_text.c_str()));
    if (pid == getpid()) continue;
    if (kill(pid, 0) == 0 || errno != ESRCH) continue;
    unlink((Dir + name).c_str());
  }
  closedir(d);
}

// The permission bits a new file gets (0666 less the umask). The umask is read, not set and put
// back, which would race with other threads creating files; 0600 when it cannot be read.
mode_t NewFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "Umask:") == 0) {
      return static_cast<mode_t>(0666 & ~std::strtoul(line.c_str() + 6, nullptr, 8));
    }
  }
  return 0600;
}

}  // namespace

bool SafeWriteFile(const std::string& Path, const std::string& Data) {
  if (Path.empty()) return false;
  std::string target = Path;
  struct stat st {};
  const bool exists = stat(Path.c_str(), &st) == 0;
  if (exists) {
    if (!S_ISREG(st.st_mode) || access(Path.c_str(), W_OK) != 0) return false;
    // Keep a symbolic link and replace the file it points to.
    if (char* real = realpath(Path.c_str(), nullptr)) {
      target = real;
      std::free(real);
    }
  }
  const size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  if (base.empty()) return false;
  RemoveStaleTemps(dir, base);
  static std::atomic<unsigned> counter{0};
  const std::string tmp =
      dir + TempPrefix(base) + std::to_string(getpid()) + "." + std::to_string(counter++) + ".tmp";
  // Others may read the new content no sooner than the renamed file lets them: while it is
  // written, the temporary is open to its owner at most.
  const mode_t mode = exists ? st.st_mode & 07777 : NewFileMode();
  const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0600);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, Data);
  if (ok) ok = fchmod(fd, mode) == 0;
  if (ok && kSyncFiles) ok = fsync(fd) == 0;
  if (close(fd) != 0) ok = false;
  if (ok) ok = rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(tmp.c_str());
  return ok;
}
