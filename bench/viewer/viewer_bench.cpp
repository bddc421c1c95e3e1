// Loading and searching 100 MB files in the text viewer, beside `wc -l` on the same file.
// The files are made in a temporary folder when the program starts and removed at its end.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "library/controls/txtscroll/txtscroll.h"

namespace {

const int kSetPlatform = setenv("QT_QPA_PLATFORM", "offscreen", 0);
constexpr size_t kFileSize = size_t(100) << 20;

class Files {
 public:
  Files() {
    std::string pattern = (std::filesystem::temp_directory_path() / "viewerbench.XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
    MakeText();
    MakeBinary();
  }
  ~Files() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string text() const { return (dir_ / "text.txt").string(); }
  std::string binary() const { return (dir_ / "data.bin").string(); }

 private:
  // Words and blanks, a tab now and then, lines of 0 to 120 characters. Written in pieces, so
  // that making the files does not raise the peak memory reported.
  void MakeText() const {
    std::mt19937 rng(1);
    std::ofstream out(text(), std::ios::binary);
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
  void MakeBinary() const {
    std::mt19937 rng(2);
    std::ofstream out(binary(), std::ios::binary);
    std::vector<uint32_t> words(1u << 18);
    for (size_t written = 0; written < kFileSize; written += words.size() * 4) {
      for (uint32_t& w : words) w = rng();
      out.write(reinterpret_cast<const char*>(words.data()), std::streamsize(words.size() * 4));
    }
  }

  std::filesystem::path dir_;
};

const Files& TheFiles() {
  static Files files;
  return files;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

void RunWc(const std::string& file) {
  const std::string command = "wc -l < '" + file + "' > /dev/null";
  if (std::system(command.c_str()) != 0) std::abort();
}

// Seconds that `wc -l` takes on the file (best of three).
double WcSeconds(const std::string& file) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    RunWc(file);
    best = std::min(best,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  return best;
}

// Times the loop's body; reports it as a multiple of wc's time, with the peak memory so far.
class Ratio {
 public:
  explicit Ratio(const std::string& file) : wc_(WcSeconds(file)) {}
  void Start() { t0_ = std::chrono::steady_clock::now(); }
  void Stop() { total_ += std::chrono::steady_clock::now() - t0_; }
  void Report(benchmark::State& state, size_t bytes) const {
    const double per_iteration = total_.count() / double(std::max<int64_t>(state.iterations(), 1));
    state.counters["x_wc_l"] = per_iteration / wc_;
    state.counters["peak_MB"] = PeakMegabytes();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
  }

 private:
  double wc_;
  std::chrono::steady_clock::time_point t0_;
  std::chrono::duration<double> total_{0};
};

void BM_WcLines(benchmark::State& state) {
  const std::string file = state.range(0) ? TheFiles().binary() : TheFiles().text();
  for (auto _ : state) RunWc(file);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}
BENCHMARK(BM_WcLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opens the file again and again; the closing in between is not timed.
void OpenRepeatedly(benchmark::State& state, TTextScroller& viewer, const std::string& file,
                    size_t bytes) {
  Ratio ratio(file);
  viewer.SetFileName(file);
  for (auto _ : state) {
    viewer.SetIsOpen(false);
    ratio.Start();
    viewer.SetIsOpen(true);
    ratio.Stop();
    benchmark::DoNotOptimize(viewer.LineCount());
  }
  state.counters["lines"] = viewer.LineCount();
  ratio.Report(state, bytes);
}

void BM_OpenText(benchmark::State& state) {
  TTextScroller viewer(nullptr);
  OpenRepeatedly(state, viewer, TheFiles().text(), kFileSize);
}
BENCHMARK(BM_OpenText)->Unit(benchmark::kMillisecond)->UseRealTime();

// Hex mode shows the file's first bytes (at most $FFFFF of them), whatever its size.
void BM_OpenHex(benchmark::State& state) {
  TTextScroller viewer(nullptr);
  viewer.SetHexBufLen(0xFFFFF);
  viewer.SetHexMode(true);
  OpenRepeatedly(state, viewer, TheFiles().binary(), 0xFFFFF);
}
BENCHMARK(BM_OpenHex)->Unit(benchmark::kMillisecond)->UseRealTime();

// A search through the whole text that finds nothing: with case (0) and without (1).
void BM_FindText(benchmark::State& state) {
  Ratio ratio(TheFiles().text());
  TTextScroller viewer(nullptr);
  viewer.SetFileName(TheFiles().text());
  viewer.SetIsOpen(true);
  const uint8_t options = state.range(0) ? 0 : ftMatchCase;
  for (auto _ : state) {
    viewer.MoveCaretTo(0, 0, false);
    ratio.Start();
    if (viewer.FindText("gamma_3 index", options)) state.SkipWithError("found");
    ratio.Stop();
  }
  ratio.Report(state, kFileSize);
}
BENCHMARK(BM_FindText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
