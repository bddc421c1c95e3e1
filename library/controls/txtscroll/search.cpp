#include <algorithm>
#include <array>

#include "library/controls/txtscroll/textlines.h"
#include "platform/base/strings.h"

namespace {

constexpr size_t kMaxTablePattern = 255;

const std::array<uint8_t, 256>& UpperTable() {
  static const std::array<uint8_t, 256> kTable = [] {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[size_t(c)] = uint8_t(AnsiUpCase(char(c)));
    return t;
  }();
  return kTable;
}

struct Identity {
  uint8_t operator()(char c) const { return uint8_t(c); }
};
struct Upper {
  const std::array<uint8_t, 256>& table = UpperTable();
  uint8_t operator()(char c) const { return table[uint8_t(c)]; }
};

// Horspool from the right: the window's last byte decides the shift; after a mismatch further
// left the shift of the pattern's last byte applies.
template <class Map>
bool Horspool(const char* Text, int TextLen, const TBMTable& Table, std::string_view Pattern,
              int& Pos, Map map) {
  const int m = int(Pattern.size());
  if (m == 0 || TextLen < m || !Text) return false;
  const uint8_t last = uint8_t(Pattern[size_t(m - 1)]);
  const int last_shift = std::max<int>(1, Table[last]);
  int end = m - 1;  // index of the window's last byte
  while (end < TextLen) {
    const uint8_t c = map(Text[end]);
    if (c != last) {
      end += std::max<int>(1, Table[c]);
      continue;
    }
    int k = 1;
    while (k < m && map(Text[end - k]) == uint8_t(Pattern[size_t(m - 1 - k)])) ++k;
    if (k == m) {
      Pos = end - m + 1;
      return true;
    }
    end += last_shift;
  }
  return false;
}

}  // namespace

uint8_t AnsiUpperByte(uint8_t c) { return UpperTable()[c]; }

void BMSkipTable(std::string_view Pattern, TBMTable& Table) {
  // Built from the pattern's last 255 bytes: a byte that does not occur there allows a shift of
  // at least 255, so longer patterns still get safe shifts.
  const size_t m = std::min(Pattern.size(), kMaxTablePattern);
  const std::string_view tail = Pattern.substr(Pattern.size() - m);
  std::fill(std::begin(Table), std::end(Table), uint8_t(m));
  for (size_t i = 0; i + 1 < m; ++i) Table[uint8_t(tail[i])] = uint8_t(m - 1 - i);
}

bool BMSearch(const char* Text, int TextLen, const TBMTable& Table, std::string_view Pattern,
              int& Pos) {
  if (Pattern.size() == 1) {
    for (int i = 0; i < TextLen; ++i) {
      if (Text[i] == Pattern[0]) {
        Pos = i;
        return true;
      }
    }
    return false;
  }
  return Horspool(Text, TextLen, Table, Pattern, Pos, Identity{});
}

bool BMSearchNoCase(const char* Text, int TextLen, const TBMTable& Table, std::string_view Pattern,
                    int& Pos) {
  return Horspool(Text, TextLen, Table, Pattern, Pos, Upper{});
}
