// Loading and searching 100 MB and 1 GB files in the text viewer, beside `wc -l` on the same file
// timed in the same loop, with the memory each benchmark adds as a multiple of the file's size.
// A first load is timed in a fresh process of this program (its own memory untouched before),
// later loads in this one after the viewer gave its memory back. The files are made in a
// temporary folder when the program starts and removed at its end.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "library/controls/txtscroll/txtscroll.h"

namespace {

const int kSetPlatform = setenv("QT_QPA_PLATFORM", "offscreen", 0);
constexpr size_t kFileSize = size_t(100) << 20;
constexpr size_t kLargeFileSize = size_t(1) << 30;
constexpr size_t kHexBytes = 0xFFFFF;
// Makes this program open one file once and print the seconds and the memory it took.
constexpr const char* kOpenOnce = "--open-text-once";

class Files {
 public:
  Files() {
    std::string pattern = (std::filesystem::temp_directory_path() / "viewerbench.XXXXXX").string();
    FDir = ::mkdtemp(pattern.data());
    MakeText();
    MakeLargeText();
    MakeBinary();
    // Written out before anything is timed: loads then meet files as a user opens them, not
    // pages that are still on their way to the disk.
    for (const std::string& file : {Text(), Text(kLargeFileSize), Binary(), BinaryStart()}) {
      const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0 || ::fsync(fd) != 0) std::abort();
      ::close(fd);
    }
  }
  ~Files() {
    std::error_code ec;
    std::filesystem::remove_all(FDir, ec);
  }
  std::string Text() const { return (FDir / "text.txt").string(); }
  std::string Text(size_t bytes) const {
    return bytes == kFileSize ? Text() : (FDir / "large.txt").string();
  }
  std::string Binary() const { return (FDir / "data.bin").string(); }
  // The first bytes of binary(), as many as hex mode reads.
  std::string BinaryStart() const { return (FDir / "start.bin").string(); }

 private:
  // Words and blanks, a tab now and then, lines of 0 to 120 characters. Written in pieces, so
  // that making the files needs little memory.
  void MakeText() const {
    std::mt19937 rng(1);
    std::ofstream out(Text(), std::ios::binary);
    const char* words[] = {"alpha", "Beta", "gamma_2", "delta", "$x", "(value)", "index", "0x1F"};
    std::string buf;
    for (size_t written = 0; written < kFileSize; buf.clear()) {
      while (buf.size() < (1u << 20)) {
        const size_t len = rng() % 121, start = buf.size();
        if (rng() % 8 == 0) buf += '\t';
        while (buf.size() - start < len) {
          buf += words[rng() % 8];
          buf += ' ';
        }
        buf += '\n';
      }
      out.write(buf.data(), std::streamsize(buf.size()));
      written += buf.size();
    }
  }
  // The 100 MB text over and over, up to 1 GB.
  void MakeLargeText() const {
    std::ifstream in(Text(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::ofstream out(Text(kLargeFileSize), std::ios::binary);
    for (size_t written = 0; written < kLargeFileSize; written += bytes.size())
      out.write(bytes.data(), std::streamsize(std::min(bytes.size(), kLargeFileSize - written)));
  }
  void MakeBinary() const {
    std::mt19937 rng(2);
    std::ofstream out(Binary(), std::ios::binary);
    std::vector<uint32_t> words(1u << 18);
    for (size_t written = 0; written < kFileSize; written += words.size() * 4) {
      for (uint32_t& w : words) w = rng();
      out.write(reinterpret_cast<const char*>(words.data()), std::streamsize(words.size() * 4));
      if (written == 0)
        std::ofstream(BinaryStart(), std::ios::binary)
            .write(reinterpret_cast<const char*>(words.data()), kHexBytes);
    }
  }

  std::filesystem::path FDir;
};

const Files& TheFiles() {
  static Files files;
  return files;
}

// Resident memory of the process now and its peak since the last ResetPeak, in bytes.
size_t StatusBytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const size_t len = std::strlen(key);
  while (std::getline(status, line)) {
    if (line.compare(0, len, key) == 0)
      return size_t(std::strtoull(line.c_str() + len, nullptr, 10)) << 10;
  }
  return 0;
}
size_t ResidentBytes() { return StatusBytes("VmRSS:"); }
size_t PeakBytes() { return StatusBytes("VmHWM:"); }
// Lets the peak start again from the present resident size, so that each benchmark sees its own.
// Memory freed earlier is given back first: otherwise a new block could take pages that are still
// resident and the memory it adds would not show.
void ResetPeak() {
  malloc_trim(0);
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}
// Blocks from 128 KiB on come straight from the kernel and go back to it when freed, however big
// the blocks freed before were (the allocator would raise that threshold by itself and then serve
// such blocks from pages it kept).
const int kFixMmapThreshold = mallopt(M_MMAP_THRESHOLD, 128 << 10);

// Runs `wc -l` on the file without a shell, its output thrown away.
void RunWc(const std::string& file) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const char* argv[] = {"wc", "-l", file.c_str(), nullptr};
  pid_t pid = 0;
  int status = 0;
  if (posix_spawnp(&pid, "wc", &actions, nullptr, const_cast<char* const*>(argv), environ) != 0 ||
      waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::abort();
  }
  posix_spawn_file_actions_destroy(&actions);
}

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Times the body and `wc -l` on a file of the same size in the same loop, their order picked at
// random each time, and reports the median body / the median wc and the memory the benchmark added
// at its peak, as a multiple of the file's size.
class Ratio {
 public:
  Ratio(const std::string& file, size_t bytes) : FFile(file), FBytes(bytes) {
    ResetPeak();
    FBase = ResidentBytes();
  }
  template <typename Body>
  void Time(Body&& body) {
    Measure([&] {
      const auto t0 = Clock::now();
      body();
      return std::chrono::duration<double>(Clock::now() - t0).count();
    });
  }
  // The same for a body that measures itself and returns its seconds.
  template <typename Body>
  void Measure(Body&& body) {
    const bool wc_first = FRng() & 1;
    if (wc_first) TimeWc();
    FBodies.push_back(body());
    if (!wc_first) TimeWc();
  }
  // Memory measured elsewhere (in another process), in bytes above that process's start.
  void NoteMemory(size_t bytes) { FOther = std::max(FOther, bytes); }
  void Report(benchmark::State& state) const {
    state.counters["x_wc_l"] = Median(FBodies) / Median(FWcs);
    const size_t peak = PeakBytes();
    const size_t added = std::max(peak > FBase ? peak - FBase : 0, FOther);
    state.counters["mem_x_file"] = double(added) / double(FBytes);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(FBytes));
  }

 private:
  void TimeWc() {
    const auto t0 = Clock::now();
    RunWc(FFile);
    FWcs.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
  }

  std::string FFile;
  size_t FBytes, FBase = 0, FOther = 0;
  std::mt19937 FRng{5};
  // Seconds of each timing; their medians are compared, so that a run hit by load elsewhere
  // moves neither side.
  std::vector<double> FBodies, FWcs;
};

void BM_WcLines(benchmark::State& state) {
  const std::string file = state.range(0) ? TheFiles().Binary() : TheFiles().Text();
  for (auto _ : state) RunWc(file);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}
BENCHMARK(BM_WcLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opens the file again and again; the closing in between, which gives the viewer's memory back,
// is not timed. wcFile is a file of the size that the opening reads.
void OpenRepeatedly(benchmark::State& state, TTextScroller& viewer, const std::string& file,
                    const std::string& wcFile, size_t bytes) {
  Ratio ratio(wcFile, bytes);
  viewer.SetFileName(file);
  for (auto _ : state) {
    viewer.SetIsOpen(false);
    ResetPeak();
    ratio.Time([&] { viewer.SetIsOpen(true); });
    benchmark::DoNotOptimize(viewer.LineCount());
  }
  state.counters["lines"] = viewer.LineCount();
  ratio.Report(state);
}

// Later loads in this process, of 100 MB (1 GB): within 1.5x `wc -l` on the same file.
void BM_OpenText(benchmark::State& state) {
  TTextScroller viewer(nullptr);
  const size_t bytes = size_t(state.range(0)) << 20;
  OpenRepeatedly(state, viewer, TheFiles().Text(bytes), TheFiles().Text(bytes), bytes);
}
BENCHMARK(BM_OpenText)->Arg(100)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenText)->Arg(1024)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// In a child process started with kOpenOnce: opens the file once and prints the seconds it took
// and the memory it added.
int OpenOnce(const std::string& file) {
  TTextScroller viewer(nullptr);
  viewer.SetFileName(file);
  ResetPeak();
  const size_t base = ResidentBytes();
  const auto t0 = Clock::now();
  viewer.SetIsOpen(true);
  const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
  std::printf("%.9f %zu\n", seconds, PeakBytes() - base);
  return viewer.LineCount() > 1 ? 0 : 1;
}

// Runs OpenOnce in a fresh process of this program; its seconds, and its memory into added.
double OpenInFreshProcess(const std::string& file, size_t& added) {
  int out[2];
  if (::pipe(out) != 0) std::abort();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const char* argv[] = {"bench_viewer", kOpenOnce, file.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, const_cast<char* const*>(argv),
                  environ) != 0)
    std::abort();
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  std::string text(256, '\0');
  const ssize_t n = ::read(out[0], text.data(), text.size() - 1);
  ::close(out[0]);
  int status = 0;
  double seconds = 0;
  if (n <= 0 || std::sscanf(text.c_str(), "%lf %zu", &seconds, &added) != 2 ||
      waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::abort();
  return seconds;
}

// The first load in a process, each iteration in a fresh one: within 1.5x `wc -l` as well.
void BM_OpenTextFirst(benchmark::State& state) {
  const size_t bytes = size_t(state.range(0)) << 20;
  const std::string file = TheFiles().Text(bytes);
  Ratio ratio(file, bytes);
  for (auto _ : state) {
    size_t added = 0;
    ratio.Measure([&] { return OpenInFreshProcess(file, added); });
    ratio.NoteMemory(added);
  }
  ratio.Report(state);
}
BENCHMARK(BM_OpenTextFirst)->Arg(100)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenTextFirst)
    ->Arg(1024)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Hex mode shows the file's first bytes (at most $FFFFF of them), whatever its size: the 100 MB
// file beside `wc -l` on a file of those first bytes.
void BM_OpenHex(benchmark::State& state) {
  TTextScroller viewer(nullptr);
  viewer.SetHexBufLen(int(kHexBytes));
  viewer.SetHexMode(true);
  OpenRepeatedly(state, viewer, TheFiles().Binary(), TheFiles().BinaryStart(), kHexBytes);
}
BENCHMARK(BM_OpenHex)->Unit(benchmark::kMillisecond)->UseRealTime();

// A search through the whole text that finds nothing: with case (0) and without (1).
void BM_FindText(benchmark::State& state) {
  TTextScroller viewer(nullptr);
  viewer.SetFileName(TheFiles().Text());
  viewer.SetIsOpen(true);
  Ratio ratio(TheFiles().Text(), kFileSize);
  const uint8_t options = state.range(0) ? 0 : ftMatchCase;
  for (auto _ : state) {
    viewer.MoveCaretTo(0, 0, false);
    ratio.Time([&] {
      if (viewer.FindText("gamma_3 index", options)) state.SkipWithError("found");
    });
  }
  ratio.Report(state);
}
BENCHMARK(BM_FindText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kOpenOnce) == 0) return OpenOnce(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
