#include "library/controls/txtscroll/largeblock.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace {

char* MapHuge(size_t size) {
  const size_t huge = TLargeBlock::kHugeSize;
  // Twice the alignment, with the ends cut off so that what remains starts on a boundary.
  const size_t span = size + huge;
  void* p = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  const uintptr_t start = uintptr_t(p), aligned = (start + huge - 1) & ~uintptr_t(huge - 1);
  if (aligned > start) ::munmap(p, aligned - start);
  const uintptr_t tail = start + span - (aligned + size);
  if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + size), tail);
  ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
  return reinterpret_cast<char*>(aligned);
}

}  // namespace

TLargeBlock::TLargeBlock(size_t Size)
    : data_(Size >= kHugeSize ? MapHuge(Size) : new char[Size]), size_(Size) {}

TLargeBlock::~TLargeBlock() { Release(); }

TLargeBlock::TLargeBlock(TLargeBlock&& Other) noexcept
    : data_(std::exchange(Other.data_, nullptr)), size_(std::exchange(Other.size_, 0)) {}

TLargeBlock& TLargeBlock::operator=(TLargeBlock&& Other) noexcept {
  if (this != &Other) {
    Release();
    data_ = std::exchange(Other.data_, nullptr);
    size_ = std::exchange(Other.size_, 0);
  }
  return *this;
}

void TLargeBlock::Resize(size_t NewSize, size_t Keep) {
  TLargeBlock other(NewSize);
  if (Keep > 0) std::memcpy(other.data_, data_, Keep);
  *this = std::move(other);
}

void TLargeBlock::Release() {
  if (!data_) return;
  if (size_ >= kHugeSize)
    ::munmap(data_, size_);
  else
    delete[] data_;
  data_ = nullptr;
}
