#include "platform/base/safefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

namespace {

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Temporary names are "." + name + "." + pid + "." + counter + ".tmp".
std::string TempPrefix(const std::string& base) { return "." + base + "."; }

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Removes temporary files of `base` whose writing process no longer exists.
void RemoveStaleTemps(const std::string& dir, const std::string& base) {
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  const std::string prefix = TempPrefix(base);
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
    unlink((dir + name).c_str());
  }
  closedir(d);
}

}  // namespace

bool SafeWriteFile(const std::string& path, const std::string& data) {
  if (path.empty()) return false;
  std::string target = path;
  struct stat st {};
  const bool exists = stat(path.c_str(), &st) == 0;
  if (exists) {
    if (!S_ISREG(st.st_mode) || access(path.c_str(), W_OK) != 0) return false;
    // Keep a symbolic link and replace the file it points to.
    if (char* real = realpath(path.c_str(), nullptr)) {
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
  const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, data);
  if (ok && exists) ok = fchmod(fd, st.st_mode & 07777) == 0;
  if (ok) ok = fsync(fd) == 0;
  if (close(fd) != 0) ok = false;
  if (ok) ok = rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(tmp.c_str());
  return ok;
}
