#include "platform/graphics/bmp_codec.h"

#include <algorithm>
#include <bit>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_error.h"

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

// The file's head (headers and colour table) is read in order as far as it is looked at; the
// pixel rows are read as one block at their offset, so a gap before them is never read.
class Reader {
 public:
  explicit Reader(const TBmpFetch& Fetch) : FFetch(Fetch) {}
  bool Has(size_t Offset, size_t Count) {
    return Offset <= kMaxHead && Count <= kMaxHead - Offset && Extend(Offset + Count);
  }
  uint32_t U8(size_t O) { return Need(O, 1), FHead[O]; }
  uint32_t U16(size_t O) { return Need(O, 2), FHead[O] | (FHead[O + 1] << 8); }
  uint32_t U32(size_t O) {
    Need(O, 4);
    return FHead[O] | (FHead[O + 1] << 8) | (FHead[O + 2] << 16) |
           (static_cast<uint32_t>(FHead[O + 3]) << 24);
  }
  int32_t I32(size_t O) { return static_cast<int32_t>(U32(O)); }
  // Taken in growing pieces, so that a header promising more than the file has costs no more
  // memory than the file's bytes.
  std::vector<uint8_t> Block(uint64_t Offset, size_t Count) {
    std::vector<uint8_t> block;
    while (block.size() < Count) {
      const size_t had = block.size();
      block.resize(had + std::min(Count - had, std::max<size_t>(had, 1 << 16)));
      if (FFetch(Offset + had, block.data() + had, block.size() - had) < block.size() - had) {
        Truncated();
      }
    }
    return block;
  }

 private:
  // The longest head: file header, the largest info header, its masks, 256 colours.
  static constexpr size_t kMaxHead = 14 + 124 + 12 + 256 * 4;
  [[noreturn]] static void Truncated() { throw EInvalidGraphic("Bitmap file is truncated"); }
  bool Extend(size_t End) {
    if (End <= FHead.size()) return true;
    const size_t had = FHead.size();
    FHead.resize(End);
    FHead.resize(had + FFetch(had, FHead.data() + had, End - had));
    return FHead.size() == End;
  }
  void Need(size_t O, size_t N) {
    if (!Has(O, N)) Truncated();
  }
  const TBmpFetch& FFetch;
  std::vector<uint8_t> FHead;
};

// Scales a masked channel to 8 bits.
uint32_t Channel(uint32_t Value, uint32_t Mask) {
  if (Mask == 0) return 0;
  const int shift = std::countr_zero(Mask);
  const int bits = std::popcount(Mask);
  uint32_t v = (Value & Mask) >> shift;
  if (bits >= 8) return v >> (bits - 8);
  // Repeat the bits to fill the byte (so a full channel gives 255).
  uint32_t out = 0;
  for (int filled = 0; filled < 8; filled += bits) out = (out << bits) | v;
  return (out >> (((8 + bits - 1) / bits) * bits - 8)) & 0xFF;
}

void Put(uint8_t* P, uint32_t V, int Bytes) {
  for (int i = 0; i < Bytes; ++i) P[i] = static_cast<uint8_t>(V >> (8 * i));
}

}  // namespace

DecodedImage DecodeBmp(const uint8_t* Data, size_t Size) {
  return DecodeBmp([Data, Size](uint64_t offset, uint8_t* to, size_t count) {
    if (offset >= Size) return size_t(0);
    count = std::min<uint64_t>(count, Size - offset);
    std::copy_n(Data + offset, count, to);
    return count;
  });
}

DecodedImage DecodeBmp(const TBmpFetch& Fetch) {
  Reader in(Fetch);
  if (!in.Has(0, 26) || in.U8(0) != 'B' || in.U8(1) != 'M') {
    throw EInvalidGraphic("Not a bitmap file");
  }
  const uint32_t off_bits = in.U32(10);
  const uint32_t header_size = in.U32(14);
  const size_t info = 14;
  int64_t width, height;
  uint32_t bpp, compression = kBiRgb, colors_used = 0;
  size_t palette_entry_size = 4;
  uint32_t masks[3] = {0, 0, 0};
  if (header_size == 12) {
    width = in.U16(info + 4);
    height = static_cast<int16_t>(in.U16(info + 6));
    if (in.U16(info + 8) != 1) throw EInvalidGraphic("Bitmap file has a bad plane count");
    bpp = in.U16(info + 10);
    palette_entry_size = 3;
  } else if (header_size == 40 || header_size == 52 || header_size == 56 || header_size == 64 ||
             header_size == 108 || header_size == 124) {
    width = in.I32(info + 4);
    height = in.I32(info + 8);
    if (in.U16(info + 12) != 1) throw EInvalidGraphic("Bitmap file has a bad plane count");
    bpp = in.U16(info + 14);
    compression = in.U32(info + 16);
    colors_used = in.U32(info + 32);
    if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
      // The masks follow a plain info header, or are part of a larger one.
      for (int i = 0; i < 3; ++i) masks[i] = in.U32(info + 40 + 4 * i);
    }
  } else {
    throw EInvalidGraphic("Bitmap file has an unknown header");
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (width <= 0 || height <= 0 || width > TBitmap::kMaxDimension ||
      height > TBitmap::kMaxDimension || width * height > TBitmap::kMaxPixels) {
    throw EInvalidGraphic("Bitmap file has a bad size");
  }
  const bool fields = compression == kBiBitfields || compression == kBiAlphaBitfields;
  if (compression != kBiRgb && !(fields && (bpp == 16 || bpp == 32))) {
    throw EInvalidGraphic("Bitmap file is compressed");
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    throw EInvalidGraphic("Bitmap file has an unsupported pixel format");
  }
  if (!fields && bpp == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  }

  std::vector<uint32_t> palette;
  if (bpp <= 8) {
    const uint32_t max_colors = 1u << bpp;
    const uint32_t count = colors_used == 0 || colors_used > max_colors ? max_colors : colors_used;
    const size_t at = info + header_size;
    for (uint32_t i = 0; i < count; ++i) {
      const size_t o = at + i * palette_entry_size;
      if (o + palette_entry_size > off_bits || !in.Has(o, palette_entry_size)) break;
      palette.push_back(0xFF000000u | (in.U8(o + 2) << 16) | (in.U8(o + 1) << 8) | in.U8(o));
    }
    if (palette.empty()) throw EInvalidGraphic("Bitmap file has no colour table");
  }

  const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
  const std::vector<uint8_t> rows =
      in.Block(off_bits, stride * (height - 1) + (static_cast<size_t>(width) * bpp + 7) / 8);
  DecodedImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.resize(static_cast<size_t>(width) * height);
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = rows.data() + stride * row;
    const int64_t y = top_down ? row : height - 1 - row;
    uint32_t* dst = image.pixels.data() + y * width;
    for (int64_t x = 0; x < width; ++x) {
      uint32_t p;
      switch (bpp) {
        case 1:
          p = palette[std::min<size_t>((src[x >> 3] >> (7 - (x & 7))) & 1, palette.size() - 1)];
          break;
        case 4:
          p = palette[std::min<size_t>((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15,
                                       palette.size() - 1)];
          break;
        case 8:
          p = palette[std::min<size_t>(src[x], palette.size() - 1)];
          break;
        case 16: {
          const uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
          p = 0xFF000000u | (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) |
              Channel(v, masks[2]);
          break;
        }
        case 24:
          p = 0xFF000000u | (src[3 * x + 2] << 16) | (src[3 * x + 1] << 8) | src[3 * x];
          break;
        default: {
          const uint8_t* q = src + 4 * x;
          if (fields) {
            const uint32_t v =
                q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<uint32_t>(q[3]) << 24);
            p = 0xFF000000u | (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) |
                Channel(v, masks[2]);
          } else {
            p = 0xFF000000u | (q[2] << 16) | (q[1] << 8) | q[0];
          }
        }
      }
      dst[x] = p;
    }
  }
  return image;
}

std::vector<uint8_t> EncodeBmp24(int Width, int Height, const uint32_t* Pixels) {
  const size_t stride = (static_cast<size_t>(Width) * 3 + 3) & ~size_t{3};
  const size_t image_size = stride * Height;
  std::vector<uint8_t> out(54 + image_size, 0);
  uint8_t* h = out.data();
  h[0] = 'B';
  h[1] = 'M';
  Put(h + 2, static_cast<uint32_t>(out.size()), 4);
  Put(h + 10, 54, 4);
  Put(h + 14, 40, 4);
  Put(h + 18, static_cast<uint32_t>(Width), 4);
  Put(h + 22, static_cast<uint32_t>(Height), 4);
  Put(h + 26, 1, 2);
  Put(h + 28, 24, 2);
  Put(h + 34, static_cast<uint32_t>(image_size), 4);
  Put(h + 38, 3780, 4);  // 96 dpi
  Put(h + 42, 3780, 4);
  for (int y = 0; y < Height; ++y) {
    const uint32_t* src = Pixels + static_cast<size_t>(Height - 1 - y) * Width;
    uint8_t* dst = out.data() + 54 + stride * y;
    for (int x = 0; x < Width; ++x) {
      dst[3 * x] = static_cast<uint8_t>(src[x]);
      dst[3 * x + 1] = static_cast<uint8_t>(src[x] >> 8);
      dst[3 * x + 2] = static_cast<uint8_t>(src[x] >> 16);
    }
  }
  return out;
}
