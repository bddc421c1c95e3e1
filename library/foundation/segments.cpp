#include "library/foundation/segments.h"

namespace {

constexpr TSegmentStyle kUpright = {{
    {{{3, 0}, {62, 0}, {47, 15}, {18, 15}, {18, 15}, {18, 15}}},
    {{{64, 1}, {64, 48}, {48, 40}, {48, 17}, {48, 17}, {48, 17}}},
    {{{64, 50}, {64, 99}, {48, 83}, {48, 58}, {48, 58}, {48, 58}}},
    {{{3, 100}, {62, 100}, {47, 85}, {18, 85}, {18, 85}, {18, 85}}},
    {{{1, 50}, {1, 99}, {17, 83}, {17, 58}, {17, 58}, {17, 58}}},
    {{{1, 1}, {1, 48}, {17, 40}, {17, 17}, {17, 17}, {17, 17}}},
    {{{18, 41}, {47, 41}, {62, 49}, {47, 57}, {18, 57}, {3, 49}}},
    {{{25, 27}, {40, 27}, {40, 73}, {25, 73}, {25, 73}, {25, 73}}},
    {{{68, 85}, {77, 85}, {77, 100}, {68, 100}, {68, 100}, {68, 100}}},
    {{{68, 40}, {77, 40}, {77, 55}, {68, 55}, {68, 55}, {68, 55}}},
}};

// Parallelograms; the last corner is repeated to fill the six points.
constexpr TSegmentStyle kItalic = {{
    {{{15, 0}, {65, 0}, {65, 15}, {15, 15}, {15, 15}, {15, 15}}},
    {{{55, 0}, {70, 0}, {61, 55}, {46, 55}, {46, 55}, {46, 55}}},
    {{{48, 45}, {63, 45}, {55, 100}, {40, 100}, {40, 100}, {40, 100}}},
    {{{5, 85}, {55, 85}, {55, 100}, {5, 100}, {5, 100}, {5, 100}}},
    {{{8, 45}, {23, 45}, {15, 100}, {0, 100}, {0, 100}, {0, 100}}},
    {{{15, 0}, {30, 0}, {21, 55}, {6, 55}, {6, 55}, {6, 55}}},
    {{{10, 42}, {60, 42}, {60, 57}, {10, 57}, {10, 57}, {10, 57}}},
    {{{27, 27}, {43, 27}, {43, 73}, {27, 73}, {27, 73}, {27, 73}}},
    {{{62, 85}, {77, 85}, {77, 100}, {62, 100}, {62, 100}, {62, 100}}},
    {{{67, 40}, {80, 40}, {80, 55}, {67, 55}, {67, 55}, {67, 55}}},
}};

constexpr uint16_t Segs(std::initializer_list<int> segments) {
  uint16_t mask = 0;
  for (int s : segments) mask |= static_cast<uint16_t>(1u << s);
  return mask;
}

}  // namespace

const std::array<uint16_t, 43> kSegmentMasks = {
    Segs({8}),                    // .
    Segs({8}),                    // ,
    Segs({8, 9}),                 // :
    Segs({8, 9}),                 // ;
    Segs({0, 1, 2, 3, 4, 5}),     // 0
    Segs({1, 2}),                 // 1
    Segs({0, 1, 3, 4, 6}),        // 2
    Segs({0, 1, 2, 3, 6}),        // 3
    Segs({1, 2, 5, 6}),           // 4
    Segs({0, 2, 3, 5, 6}),        // 5
    Segs({0, 2, 3, 4, 5, 6}),     // 6
    Segs({0, 1, 2}),              // 7
    Segs({0, 1, 2, 3, 4, 5, 6}),  // 8
    Segs({0, 1, 2, 3, 5, 6}),     // 9
    Segs({0, 1, 2, 4, 5, 6}),     // A
    Segs({2, 3, 4, 5, 6}),        // B
    Segs({0, 3, 4, 5}),           // C
    Segs({1, 2, 3, 4, 6}),        // D
    Segs({0, 3, 4, 5, 6}),        // E
    Segs({0, 4, 5, 6}),           // F
    Segs({2, 4, 5, 6}),           // H
    Segs({1, 2, 3}),              // J
    Segs({3, 4, 5}),              // L
    Segs({2, 4, 6}),              // N
    Segs({2, 3, 4, 6}),           // O
    Segs({0, 1, 4, 5, 6}),        // P
    Segs({0, 1, 2, 5, 6}),        // Q
    Segs({4, 6}),                 // R
    Segs({0, 4, 5}),              // T
    Segs({1, 2, 3, 4, 5}),        // U
    Segs({1, 2, 3, 5, 6}),        // Y
    Segs({6, 7}),                 // +
    Segs({6}),                    // -
    Segs({3, 6}),                 // =
    Segs({3}),                    // _
    Segs({0, 3, 6}),              // code 127
    Segs({1, 5}),                 // "
    Segs({5}),                    // '
    Segs({0, 1, 5, 6}),           // ordinal indicator
    Segs({0, 1, 5, 6}),           // degree sign
    Segs({4, 5}),                 // |
    Segs({1, 4, 5, 6}),           // micro sign
    Segs({1, 2, 4, 5}),           // C cedilla
};

// Filled from the start, so cells drawn before the unit's start-up are right as well.
std::array<TSegmentStyle, 2> SegmentTables = {kUpright, kItalic};

void BuildSegmentTables() {
  SegmentTables[0] = kUpright;
  SegmentTables[1] = kItalic;
}

uint16_t SegmentMaskOf(char Ch) {
  size_t k = kDigitChars.find(Ch);
  return k == std::string_view::npos ? 0 : kSegmentMasks[k];
}

static_assert(kDigitChars.size() == 43);
