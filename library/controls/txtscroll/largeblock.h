#pragma once
// Uninitialised memory for big stores. Blocks of kHugeSize and more lie on a huge-page boundary
// and ask the kernel for huge pages: one page fault per 2 MiB instead of 512 when a large file is
// read in.

#include <cstddef>

class TLargeBlock {
 public:
  static constexpr size_t kHugeSize = size_t(2) << 20;

  TLargeBlock() = default;
  explicit TLargeBlock(size_t Size);
  ~TLargeBlock();
  TLargeBlock(TLargeBlock&& Other) noexcept;
  TLargeBlock& operator=(TLargeBlock&& Other) noexcept;

  char* Data() const { return data_; }
  size_t Size() const { return size_; }
  // A block of NewSize bytes holding the first Keep bytes of this one.
  void Resize(size_t NewSize, size_t Keep);

 private:
  void Release();

  char* data_ = nullptr;
  size_t size_ = 0;
};
