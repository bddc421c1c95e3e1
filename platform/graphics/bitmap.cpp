#include "platform/graphics/bitmap.h"

#include <algorithm>
#include <memory>

#include "platform/base/exceptions.h"
#include "platform/base/regularfile.h"
#include "platform/base/safefile.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/canvas_painter.h"
#include "platform/graphics/graphics_error.h"

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>()) {}

TBitmap::~TBitmap() = default;

void TBitmap::Changed() {
  if (OnChange) OnChange(this);
}

void TBitmap::AttachCanvas() { FCanvas->SetSurface(Surface()); }

TSurface TBitmap::Surface() const {
  if (Empty()) return TSurface{};
  return TSurface{const_cast<uint32_t*>(FPixels.data()), FWidth, FHeight, FWidth};
}

void TBitmap::Replace(int width, int height, std::vector<uint32_t>&& pixels) {
  FWidth = width;
  FHeight = height;
  FPixels = std::move(pixels);
  AttachCanvas();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  if (width > kMaxDimension || height > kMaxDimension ||
      static_cast<long long>(width) * height > kMaxPixels) {
    throw EInvalidGraphic("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                          " is too large");
  }
  const TBrush* brush = FCanvas->Brush();
  const uint32_t fill = ToPixel(brush->Style() == bsClear ? clWhite : brush->Color());
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, fill);
  const int w = std::min(width, FWidth), h = std::min(height, FHeight);
  for (int y = 0; y < h; ++y) {
    std::copy_n(FPixels.data() + static_cast<size_t>(y) * FWidth, w,
                pixels.data() + static_cast<size_t>(y) * width);
  }
  if (width == 0 || height == 0) {
    pixels.clear();
    width = height = 0;
  }
  Replace(width, height, std::move(pixels));
  Changed();
}

void TBitmap::Assign(const TBitmap* source) {
  if (source == this) return;
  if (!source) {
    Replace(0, 0, {});
  } else {
    std::vector<uint32_t> copy = source->FPixels;
    Replace(source->FWidth, source->FHeight, std::move(copy));
    FTransparent = source->FTransparent;
    FTransparentMode = source->FTransparentMode;
    FTransparentColor = source->FTransparentColor;
  }
  Changed();
}

void TBitmap::LoadFromBytes(const std::vector<uint8_t>& bytes) {
  DecodedImage image = DecodeBmp(bytes.data(), bytes.size());
  Replace(image.width, image.height, std::move(image.pixels));
  Changed();
}

std::vector<uint8_t> TBitmap::SaveToBytes() const {
  return EncodeBmp24(FWidth, FHeight, FPixels.data());
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  DecodedImage image;
  try {
    TRegularFile file(fileName);
    image = DecodeBmp([&file](uint64_t offset, uint8_t* data, size_t count) {
      return file.ReadAt(offset, data, count);
    });
  } catch (const EInOutError& e) {
    throw EInvalidGraphic(e.Message());
  }
  Replace(image.width, image.height, std::move(image.pixels));
  Changed();
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  // Through a temporary file and a rename: a failed write leaves the old picture whole.
  const std::vector<uint8_t> bytes = SaveToBytes();
  if (!SafeWriteFile(fileName, std::string(bytes.begin(), bytes.end()))) {
    throw EInvalidGraphic("Cannot write bitmap file " + fileName);
  }
}

void TBitmap::SetTransparent(bool v) {
  if (v == FTransparent) return;
  FTransparent = v;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  return FromPixel(FPixels[static_cast<size_t>(FHeight - 1) * FWidth]);
}

void TBitmap::SetTransparentColor(TColor v) {
  FTransparentColor = v;
  FTransparentMode = v == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode v) {
  if (v == FTransparentMode) return;
  FTransparentMode = v;
  Changed();
}

uint32_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= FHeight) return nullptr;
  return FPixels.data() + static_cast<size_t>(y) * FWidth;
}

const uint32_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= FHeight) return nullptr;
  return FPixels.data() + static_cast<size_t>(y) * FWidth;
}
