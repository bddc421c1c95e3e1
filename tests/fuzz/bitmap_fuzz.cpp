// Windows bitmap files: every input is either refused, leaving the bitmap as it was, or taken as
// a picture within the size limits that writes out and reads back as the same pixels.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_error.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  try {
    bitmap.LoadFromBytes(std::vector<uint8_t>(data, data + size));
  } catch (const EInvalidGraphic&) {
    Check(bitmap.Width() == 3 && bitmap.Height() == 2);
    return 0;
  }
  Check(bitmap.Width() >= 0 && bitmap.Width() <= TBitmap::kMaxDimension);
  Check(bitmap.Height() >= 0 && bitmap.Height() <= TBitmap::kMaxDimension);
  Check(1LL * bitmap.Width() * bitmap.Height() <= TBitmap::kMaxPixels);
  // Large pictures are left out of the round trip: it would only cost time.
  if (1LL * bitmap.Width() * bitmap.Height() > 1 << 20) return 0;

  TBitmap again;
  again.LoadFromBytes(bitmap.SaveToBytes());
  Check(again.Width() == bitmap.Width() && again.Height() == bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* a = bitmap.ScanLine(y);
    const uint32_t* b = again.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) Check((a[x] & 0xFFFFFF) == (b[x] & 0xFFFFFF));
  }
  return 0;
}
