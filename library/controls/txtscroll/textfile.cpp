#include <algorithm>
#include <vector>
#ifdef __SSE2__
#include <immintrin.h>
#endif

#include "library/controls/txtscroll/content.h"
#include "library/controls/txtscroll/fileimage.h"
#include "platform/base/regularfile.h"

namespace {

// A guess of the bytes per line for the first room for a file's line records: more lines move
// the records once or twice (without copying them), fewer leave pages that are never touched.
constexpr size_t kBytesPerLineGuess = 32;

// The CRs and LFs among the 64 bytes at p, one bit each.
struct PlainBits {
  static uint64_t At(const char* p) {
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    uint64_t bits = 0;
    for (int i = 0; i < 4; ++i) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
      const __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf));
      bits |= uint64_t(uint32_t(_mm_movemask_epi8(hit))) << (16 * i);
    }
    return bits;
#else
    uint64_t bits = 0;
    for (int i = 0; i < 64; ++i) bits |= uint64_t(p[i] == '\r' || p[i] == '\n') << i;
    return bits;
#endif
  }
};

#ifdef __x86_64__
#define ORVANE_WIDE_LINE_ENDS 1
// The same, 32 bytes at a time, where the processor can.
struct WideBits {
  __attribute__((target("avx2"))) static uint64_t At(const char* p) {
    const __m256i cr = _mm256_set1_epi8('\r'), lf = _mm256_set1_epi8('\n');
    uint64_t bits = 0;
    for (int i = 0; i < 2; ++i) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * i));
      const __m256i hit = _mm256_or_si256(_mm256_cmpeq_epi8(v, cr), _mm256_cmpeq_epi8(v, lf));
      bits |= uint64_t(uint32_t(_mm256_movemask_epi8(hit))) << (32 * i);
    }
    return bits;
  }
};
#endif

// Adds the lines of the bytes to the list: a line ends at CR LF, LF or a lone CR, and the last
// one also without an end; lines are cut to kMaxTextLine bytes. The bytes are looked at once, 64
// at a time, a chunk that stays in the cache at a time: first the positions of all line ends of
// the chunk are written out without a branch per end (a branch whose way depends on the lines
// is guessed wrong about once a line), then the lines are made from them.
template <typename Bits>
__attribute__((always_inline)) inline void AddLines(const char* data, size_t size,
                                                    TtsStringList& list) {
  constexpr size_t kChunk = 16 << 10;
  // Room for a chunk of nothing but line ends, and for the unconditional writes past the last.
  std::vector<uint32_t> ends(kChunk + 8);
  size_t start = 0;
  const auto end = [&](size_t at) {
    // The LF of a CR LF ends no line of its own.
    if (at == start && at > 0 && data[at] == '\n' && data[at - 1] == '\r') {
      start = at + 1;
      return;
    }
    list.AddFileLine(start, std::min(at - start, size_t(kMaxTextLine)));
    start = at + 1;
  };
  size_t block = 0;
  while (block + 64 <= size) {
    const size_t chunk = block, chunk_end = std::min(size & ~size_t(63), chunk + kChunk);
    uint32_t* out = ends.data();
    for (; block < chunk_end; block += 64) {
      uint64_t bits = Bits::At(data + block);
      const int count = __builtin_popcountll(bits);
      const uint32_t offset = uint32_t(block - chunk);
      // Most blocks hold up to four ends; the writes beyond the count are overwritten later.
      for (int i = 0; i < 4; ++i) {
        out[i] = offset + uint32_t(__builtin_ctzll(bits | (uint64_t(1) << 63)));
        bits &= bits - 1;
      }
      for (int i = 4; i < count; ++i) {
        out[i] = offset + uint32_t(__builtin_ctzll(bits));
        bits &= bits - 1;
      }
      out += count;
    }
    for (const uint32_t* at = ends.data(); at < out; ++at) end(chunk + *at);
  }
  for (size_t at = block; at < size; ++at)
    if (data[at] == '\r' || data[at] == '\n') end(at);
  if (start < size) list.AddFileLine(start, std::min(size - start, size_t(kMaxTextLine)));
}

void AddPlainLines(const char* data, size_t size, TtsStringList& list) {
  AddLines<PlainBits>(data, size, list);
}
#ifdef ORVANE_WIDE_LINE_ENDS
__attribute__((target("avx2"))) void AddWideLines(const char* data, size_t size,
                                                  TtsStringList& list) {
  AddLines<WideBits>(data, size, list);
}
#endif

void AddFileLines(const char* data, size_t size, TtsStringList& list) {
#ifdef ORVANE_WIDE_LINE_ENDS
  if (__builtin_cpu_supports("avx2")) return AddWideLines(data, size, list);
#endif
  AddPlainLines(data, size, list);
}

}  // namespace

std::unique_ptr<TtsStringList> ReadTextLines(const std::string& FileName) {
  TRegularFile file(FileName);
  TFileImage image(file.Handle(), FileName);
  const char* data = image.Data();
  const size_t size = image.Size();
  auto list = std::make_unique<TtsStringList>();
  list->TakeFile(std::move(image));
  list->ReserveLines(size / kBytesPerLineGuess + 1);
  AddFileLines(data, size, *list);
  list->Add("");
  list->ShrinkToFit();
  return list;
}

int ReadFileStart(const std::string& FileName, std::vector<uint8_t>& Buffer) {
  TRegularFile file(FileName);
  const size_t n = file.Read(Buffer.data(), Buffer.size());
  std::fill(Buffer.begin() + ptrdiff_t(n), Buffer.end(), uint8_t(0));
  return int(n);
}
