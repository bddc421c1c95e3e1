#pragma once
// The segment font of the digit cells: 43 characters drawn from up to 10 filled polygons on an
// 80 by 100 grid, in an upright and an italic style.

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/graphics/geometry.h"

// The characters a cell can show, as Windows-1252 bytes; anything else leaves the cell empty.
inline constexpr std::string_view kDigitChars =
    ".,:;0123456789ABCDEFHJLNOPQRTUY+-=_\x7f\"'\xba\xb0|\xb5\xc7";

// Bit k set: polygon k is filled. Polygons 0..6 are the segments a..g (top, upper right, lower
// right, bottom, lower left, upper left, middle), 7 the vertical centre bar, 8 the decimal point,
// 9 the upper dot.
extern const std::array<uint16_t, 43> kSegmentMasks;

constexpr int kSegmentGridWidth = 80;
constexpr int kSegmentGridHeight = 100;
constexpr int kSegmentPolygons = 10;
constexpr int kSegmentCorners = 6;

using TSegmentPolygon = std::array<TPoint, kSegmentCorners>;
using TSegmentStyle = std::array<TSegmentPolygon, kSegmentPolygons>;

// [0] upright, [1] italic; (re)built by BuildSegmentTables at the unit's start-up.
extern std::array<TSegmentStyle, 2> SegmentTables;

void BuildSegmentTables();

// The mask of a character (its position in kDigitChars), 0 for characters outside the set.
uint16_t SegmentMaskOf(char Ch);
