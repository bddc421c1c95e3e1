#include "library/controls/txtscroll/largeblock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace {

size_t PageBytes(size_t size) {
  static const size_t kPage = size_t(::sysconf(_SC_PAGESIZE));
  return (size + kPage - 1) & ~(kPage - 1);
}

// Fresh pages for size bytes starting on a huge-page boundary: twice the alignment is asked for,
// and the ends are cut off so that what remains starts on a boundary.
char* MapHuge(size_t size) {
  const size_t huge = TLargeBlock::kHugeSize, length = PageBytes(size);
  const size_t span = length + huge;
  void* p = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  const uintptr_t start = uintptr_t(p), aligned = (start + huge - 1) & ~uintptr_t(huge - 1);
  if (aligned > start) ::munmap(p, aligned - start);
  const uintptr_t tail = start + span - (aligned + length);
  if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + length), tail);
  return reinterpret_cast<char*>(aligned);
}

void AdviseHuge(char* data, size_t size) { ::madvise(data, PageBytes(size), MADV_HUGEPAGE); }

// Small blocks live on the heap, where the sanitizer sees every byte beyond their end.
bool Mapped(size_t size) { return size >= TLargeBlock::kHugeSize; }

}  // namespace

TLargeBlock::TLargeBlock(size_t Size) : FSize(Size) {
  if (Size == 0) return;
  if (Mapped(Size)) {
    FData = MapHuge(Size);
    AdviseHuge(FData, Size);
  } else {
    FData = new char[Size];
  }
}

TLargeBlock::~TLargeBlock() { Release(); }

TLargeBlock::TLargeBlock(TLargeBlock&& Other) noexcept
    : FData(std::exchange(Other.FData, nullptr)), FSize(std::exchange(Other.FSize, 0)) {}

TLargeBlock& TLargeBlock::operator=(TLargeBlock&& Other) noexcept {
  if (this != &Other) {
    Release();
    FData = std::exchange(Other.FData, nullptr);
    FSize = std::exchange(Other.FSize, 0);
  }
  return *this;
}

void TLargeBlock::Resize(size_t NewSize) {
  if (NewSize == FSize) return;
  if (!FData || NewSize == 0 || !Mapped(FSize) || !Mapped(NewSize)) {
    // Small blocks, and the step between heap and pages, copy what they keep.
    TLargeBlock other(NewSize);
    if (FData && other.FData) std::memcpy(other.FData, FData, std::min(FSize, NewSize));
    *this = std::move(other);
    return;
  }
  const size_t have = PageBytes(FSize), want = PageBytes(NewSize);
  if (want < have) {
    ::munmap(FData + want, have - want);
  } else if (want > have && ::mremap(FData, have, want, 0) == MAP_FAILED) {
    // No room after the block: its pages move to a fresh place on a huge-page boundary, which
    // the move takes over.
    char* target = MapHuge(NewSize);
    void* moved = ::mremap(FData, have, want, MREMAP_MAYMOVE | MREMAP_FIXED, target);
    if (moved == MAP_FAILED) {
      ::munmap(target, want);
      throw std::bad_alloc();
    }
    FData = static_cast<char*>(moved);
  }
  FSize = NewSize;
  if (want > have) AdviseHuge(FData, NewSize);
}

void TLargeBlock::Release() {
  if (!FData) return;
  if (Mapped(FSize))
    ::munmap(FData, PageBytes(FSize));
  else
    delete[] FData;
  FData = nullptr;
  FSize = 0;
}
