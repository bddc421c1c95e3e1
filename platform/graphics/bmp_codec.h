#pragma once
// Internal: Windows bitmap file encoding and decoding.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xFFRRGGBB, rows top-down
};

// Copies up to Count bytes of a file from Offset to Data; fewer only where the file ends.
using TBmpFetch = std::function<size_t(uint64_t Offset, uint8_t* Data, size_t Count)>;

// Throws EInvalidGraphic on anything it cannot read safely. Asks for no byte that it does not
// use: the headers, the colour table and the pixel rows.
DecodedImage DecodeBmp(const TBmpFetch& Fetch);
DecodedImage DecodeBmp(const uint8_t* Data, size_t Size);
// 24 bits per pixel, uncompressed, bottom-up.
std::vector<uint8_t> EncodeBmp24(int Width, int Height, const uint32_t* Pixels);
