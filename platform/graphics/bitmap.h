#pragma once
// TBitmap: a true-colour image with its own canvas. Created empty (0 x 0); drawing on an empty
// bitmap does nothing. Reads Windows bitmap files of 1, 4, 8, 16, 24 and 32 bits per pixel
// (bottom-up and top-down, uncompressed or with bit fields) and writes 24-bit uncompressed ones.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TObject {
 public:
  // Limits that keep a bad size or a bad file from taking all memory.
  static constexpr int kMaxDimension = 32767;
  static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Keeps the overlapping top-left content; new pixels take the canvas's brush colour (white
  // when the brush is clear). Negative values count as 0; sizes beyond the limits throw
  // EInvalidGraphic and leave the bitmap unchanged.
  void SetWidth(int V) { SetSize(V, FHeight); }
  void SetHeight(int V) { SetSize(FWidth, V); }
  void SetSize(int Width, int Height);
  bool Empty() const { return FWidth == 0 || FHeight == 0; }

  TCanvas* Canvas() { return FCanvas.get(); }
  const TCanvas* Canvas() const { return FCanvas.get(); }

  // A deep copy of the pixels and the transparency settings; nullptr empties the bitmap.
  void Assign(const TBitmap* Source);

  // Throw EInvalidGraphic on a missing, unreadable or malformed file; the bitmap is unchanged then.
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;
  void LoadFromBytes(const std::vector<uint8_t>& Bytes);
  std::vector<uint8_t> SaveToBytes() const;

  // When Transparent, Draw and StretchDraw leave out the pixels of TransparentColor: the
  // bottom-left pixel in tmAuto mode, the colour set by SetTransparentColor in tmFixed mode.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool V);
  TColor TransparentColor() const;
  void SetTransparentColor(TColor V);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode V);

  // Row y, Width() pixels of 0xFFRRGGBB; nullptr outside.
  uint32_t* ScanLine(int Y);
  const uint32_t* ScanLine(int Y) const;
  TSurface Surface() const;

  // Fired after the size, the content as a whole (load, assign) or the transparency changed.
  TNotifyEvent OnChange;

 private:
  void Changed();
  void AttachCanvas();
  void Replace(int Width, int Height, std::vector<uint32_t>&& Pixels);

  int FWidth = 0;
  int FHeight = 0;
  std::vector<uint32_t> FPixels;
  std::unique_ptr<TCanvas> FCanvas;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clDefault;
};
