#pragma once
// Internal: Windows bitmap file encoding and decoding.

#include <cstddef>
#include <cstdint>
#include <vector>

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xFFRRGGBB, rows top-down
};

// Throws EInvalidGraphic on anything it cannot read safely.
DecodedImage DecodeBmp(const uint8_t* data, size_t size);
// 24 bits per pixel, uncompressed, bottom-up.
std::vector<uint8_t> EncodeBmp24(int width, int height, const uint32_t* pixels);
