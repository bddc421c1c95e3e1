#pragma once
// Runs a piece of a test in a child process that can neither hang nor take memory without bound,
// so a reader that waits on a FIFO or swallows a huge file fails its test instead of stopping the
// run or the machine.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_TEST_ASAN 1
#endif
#endif

namespace bounded_child {

// Exit codes of the child beyond the body's own.
constexpr int kTookTooMuchMemory = 120;
constexpr int kThrew = 121;

struct TEnd {
  bool Exited = false;
  int Code = -1;   // the exit code when Exited
  int Signal = 0;  // the signal that ended it otherwise (SIGALRM: it did not answer in time)
};

inline std::string Describe(const TEnd& end) {
  if (!end.Exited && end.Signal == SIGALRM) return "did not answer in time";
  if (!end.Exited) return "killed by signal " + std::to_string(end.Signal);
  if (end.Code == kTookTooMuchMemory) return "took more memory than allowed";
  if (end.Code == kThrew) return "an unexpected exception escaped";
  return "ended with " + std::to_string(end.Code);
}

inline long ResidentKb() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

inline long AddressSpaceBytes() {
  long pages = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  return pages * sysconf(_SC_PAGESIZE);
}

// Runs Body (returning an int exit code below 120) in a forked child. The child is stopped by
// SIGALRM after Seconds, and may grow by at most ExtraMb: an address-space limit stops it (not
// under the sanitizers, whose reserved address space rules such a limit out), and its peak
// resident size is checked after Body.
template <class Body>
TEnd Run(Body body, unsigned seconds = 20, long extraMb = 256) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    alarm(seconds);
    const long resident_at_start = ResidentKb();
#ifndef ORVANE_TEST_ASAN
    const rlim_t most = rlim_t(AddressSpaceBytes() + extraMb * 1024 * 1024);
    const rlimit limit{most, most};
    setrlimit(RLIMIT_AS, &limit);
#endif
    int code = kThrew;
    try {
      code = body();
    } catch (...) {
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (usage.ru_maxrss - resident_at_start > extraMb * 1024) code = kTookTooMuchMemory;
    _exit(code);
  }
  TEnd end;
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return end;
  end.Exited = WIFEXITED(status);
  end.Code = end.Exited ? WEXITSTATUS(status) : -1;
  end.Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return end;
}

}  // namespace bounded_child
