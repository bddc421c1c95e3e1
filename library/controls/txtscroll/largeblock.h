#pragma once
// Uninitialised memory for big stores, straight from the kernel: a page costs nothing until it is
// first written, and a block grows by moving its pages, not by copying its bytes. Blocks of
// kHugeSize and more lie on a huge-page boundary and ask for huge pages: one page fault per 2 MiB
// instead of 512 when a large file is read in.

#include <cstddef>

class TLargeBlock {
 public:
  static constexpr size_t kHugeSize = size_t(2) << 20;

  TLargeBlock() = default;
  explicit TLargeBlock(size_t Size);
  ~TLargeBlock();
  TLargeBlock(TLargeBlock&& Other) noexcept;
  TLargeBlock& operator=(TLargeBlock&& Other) noexcept;

  char* Data() const { return FData; }
  size_t Size() const { return FSize; }
  // Makes the block NewSize bytes long, keeping the bytes both sizes share; Data() may change.
  // Shrinking gives the pages beyond NewSize back.
  void Resize(size_t NewSize);

 private:
  void Release();

  char* FData = nullptr;
  size_t FSize = 0;
};
