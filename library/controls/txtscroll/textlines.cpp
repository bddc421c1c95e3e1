#include "library/controls/txtscroll/textlines.h"

#include <algorithm>
#include <cstring>

namespace {

// Texts are kept in blocks of at most this size (no line is longer); a record holds a text's
// position across all blocks, its length and its flag.
constexpr int kBlockBits = 21;
constexpr size_t kBlockSize = size_t(1) << kBlockBits;
constexpr size_t kFirstBlockSize = size_t(64) << 10;
constexpr int kChunkBits = 18;
constexpr int kChunkSize = 1 << kChunkBits;
constexpr int kFirstChunkSize = 512;
constexpr int kPositionShift = 24;
static_assert(TtsStringList::kMaxLineLength < int(kFirstBlockSize));
static_assert(kBlockSize == TLargeBlock::kHugeSize && kChunkSize * 8 == TLargeBlock::kHugeSize);

uint64_t MakeRecord(uint64_t Position, size_t Length, uint8_t Flag) {
  return Position << kPositionShift | uint64_t(Length) << 8 | Flag;
}

}  // namespace

TtsStringList::TtsStringList() = default;
TtsStringList::~TtsStringList() = default;

void TtsStringList::Reserve(size_t Size) {
  if (blocks_.empty()) {
    blocks_.emplace_back(kFirstBlockSize);
    block_used_ = line_start_ = 0;
  }
  // Strictly below: a line never starts at a block's end, where its position would name the next
  // block.
  size_t capacity = blocks_.back().Size();
  if (block_used_ + Size < capacity) return;
  if (blocks_.size() == 1 && capacity < kBlockSize) {
    // Positions are offsets, so the first block may move while it grows.
    while (block_used_ + Size >= capacity && capacity < kBlockSize) capacity *= 2;
    blocks_.back().Resize(capacity, block_used_);
    if (block_used_ + Size < capacity) return;
  }
  // The line begun so far moves along to the fresh block.
  TLargeBlock block(kBlockSize);
  const size_t part = block_used_ - line_start_;
  if (part > 0) std::memcpy(block.Data(), blocks_.back().Data() + line_start_, part);
  blocks_.push_back(std::move(block));
  line_start_ = 0;
  block_used_ = part;
}

uint64_t TtsStringList::Store(std::string_view Text) {
  BeginLine();
  AppendToLine(Text.data(), Text.size());
  const uint64_t position = uint64_t(blocks_.size() - 1) << kBlockBits | line_start_;
  return MakeRecord(position, block_used_ - line_start_, 0);
}

void TtsStringList::BeginLine() {
  Reserve(0);
  line_start_ = block_used_;
}

void TtsStringList::AppendToLine(const char* Data, size_t Size) {
  Size = std::min(Size, kMaxLineLength - (block_used_ - line_start_));
  if (Size == 0) return;
  Reserve(Size);
  std::memcpy(blocks_.back().Data() + block_used_, Data, Size);
  block_used_ += Size;
}

void TtsStringList::EndLine() {
  if (count_ == capacity_) {
    const size_t bytes = records_.empty() ? 0 : records_.back().Size();
    if (records_.empty())
      records_.emplace_back(size_t(kFirstChunkSize) * 8);
    else if (records_.size() == 1 && bytes < TLargeBlock::kHugeSize)
      records_.back().Resize(2 * bytes, bytes);
    else
      records_.emplace_back(TLargeBlock::kHugeSize);
    capacity_ = int(size_t(records_.size() - 1) * kChunkSize + records_.back().Size() / 8);
  }
  const uint64_t position = uint64_t(blocks_.size() - 1) << kBlockBits | line_start_;
  *Record(count_) = MakeRecord(position, block_used_ - line_start_, 0);
  ++count_;
}

void TtsStringList::Add(std::string_view Text) {
  BeginLine();
  AppendToLine(Text.data(), Text.size());
  EndLine();
}

uint64_t* TtsStringList::Record(int Index) const {
  return reinterpret_cast<uint64_t*>(records_[size_t(Index) >> kChunkBits].Data()) +
         (size_t(Index) & (kChunkSize - 1));
}

const char* TtsStringList::TextAt(uint64_t Record) const {
  const uint64_t position = Record >> kPositionShift;
  return blocks_[position >> kBlockBits].Data() + (position & (kBlockSize - 1));
}

TStringNode TtsStringList::GetNode(int Index) {
  if (Index < 0 || Index >= count_) return {};
  uint64_t* record = Record(Index);
  return {record, TextAt(*record)};
}

const TStringNode TtsStringList::GetNode(int Index) const {
  return const_cast<TtsStringList*>(this)->GetNode(Index);
}

void TtsStringList::SetText(int Index, std::string_view Text) {
  if (Index < 0 || Index >= count_) return;
  uint64_t& record = *Record(Index);
  Text = Text.substr(0, kMaxLineLength);
  const uint8_t flag = uint8_t(record);
  // A text that fits is written over the old one; edits keep a line's length.
  if (Text.size() <= size_t(GetNode(Index).Length())) {
    if (!Text.empty()) std::memcpy(const_cast<char*>(TextAt(record)), Text.data(), Text.size());
    record = MakeRecord(record >> kPositionShift, Text.size(), flag);
  } else {
    record = Store(Text) | flag;
  }
}
