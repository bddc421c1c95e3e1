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

void TBitmap::Replace(int Width, int Height, std::vector<uint32_t>&& Pixels) {
  FWidth = Width;
  FHeight = Height;
  FPixels = std::move(Pixels);
  AttachCanvas();
}

void TBitmap::SetSize(int Width, int Height) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == FWidth && Height == FHeight) return;
  if (Width > kMaxDimension || Height > kMaxDimension ||
      static_cast<long long>(Width) * Height > kMaxPixels) {
    throw EInvalidGraphic("Bitmap size " + std::to_string(Width) + " x " + std::to_string(Height) +
                          " is too large");
  }
  const TBrush* brush = FCanvas->Brush();
  const uint32_t fill = ToPixel(brush->Style() == bsClear ? clWhite : brush->Color());
  std::vector<uint32_t> pixels(static_cast<size_t>(Width) * Height, fill);
  const int w = std::min(Width, FWidth), h = std::min(Height, FHeight);
  for (int y = 0; y < h; ++y) {
    std::copy_n(FPixels.data() + static_cast<size_t>(y) * FWidth, w,
                pixels.data() + static_cast<size_t>(y) * Width);
  }
  if (Width == 0 || Height == 0) {
    pixels.clear();
    Width = Height = 0;
  }
  Replace(Width, Height, std::move(pixels));
  Changed();
}

void TBitmap::Assign(const TBitmap* Source) {
  if (Source == this) return;
  if (!Source) {
    Replace(0, 0, {});
  } else {
    std::vector<uint32_t> copy = Source->FPixels;
    Replace(Source->FWidth, Source->FHeight, std::move(copy));
    FTransparent = Source->FTransparent;
    FTransparentMode = Source->FTransparentMode;
    FTransparentColor = Source->FTransparentColor;
  }
  Changed();
}

void TBitmap::LoadFromBytes(const std::vector<uint8_t>& Bytes) {
  DecodedImage image = DecodeBmp(Bytes.data(), Bytes.size());
  Replace(image.width, image.height, std::move(image.pixels));
  Changed();
}

std::vector<uint8_t> TBitmap::SaveToBytes() const {
  return EncodeBmp24(FWidth, FHeight, FPixels.data());
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  DecodedImage image;
  try {
    TRegularFile file(FileName);
    image = DecodeBmp([&file](uint64_t offset, uint8_t* data, size_t count) {
      return file.ReadAt(offset, data, count);
    });
  } catch (const EInOutError& e) {
    throw EInvalidGraphic(e.Message());
  }
  Replace(image.width, image.height, std::move(image.pixels));
  Changed();
}

void TBitmap::SaveToFile(const std::string& FileName) const {
  // Through a temporary file and a rename: a failed write leaves the old picture whole.
  const std::vector<uint8_t> bytes = SaveToBytes();
  if (!SafeWriteFile(FileName, std::string(bytes.begin(), bytes.end()))) {
    throw EInvalidGraphic("Cannot write bitmap file " + FileName);
  }
}

void TBitmap::SetTransparent(bool V) {
  if (V == FTransparent) return;
  FTransparent = V;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  return FromPixel(FPixels[static_cast<size_t>(FHeight - 1) * FWidth]);
}

void TBitmap::SetTransparentColor(TColor V) {
  FTransparentColor = V;
  FTransparentMode = V == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode V) {
  if (V == FTransparentMode) return;
  FTransparentMode = V;
  Changed();
}

uint32_t* TBitmap::ScanLine(int Y) {
  if (Y < 0 || Y >= FHeight) return nullptr;
  return FPixels.data() + static_cast<size_t>(Y) * FWidth;
}

const uint32_t* TBitmap::ScanLine(int Y) const {
  if (Y < 0 || Y >= FHeight) return nullptr;
  return FPixels.data() + static_cast<size_t>(Y) * FWidth;
}
