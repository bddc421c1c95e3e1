#include "library/controls/txtscroll/textlines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// A record holds a text's offset in the list's texts (40 bits), its length and its flag.
constexpr int kPositionShift = 24;
constexpr size_t kFirstTextSize = size_t(4) << 10;
constexpr size_t kFirstRecords = 512;

uint64_t MakeRecord(uint64_t Position, size_t Length, uint8_t Flag) {
  return Position << kPositionShift | uint64_t(Length) << 8 | Flag;
}

}  // namespace

TtsStringList::TtsStringList() = default;
TtsStringList::~TtsStringList() = default;

void TtsStringList::Reserve(size_t TextBytes, size_t Lines) {
  if (TextBytes > RoomSize()) FText.Resize(FUsed + TextBytes);
  const size_t records = size_t(FCount) + Lines;
  if (records * 8 > FRecords.Size()) FRecords.Resize(records * 8);
}

char* TtsStringList::Room(size_t Size) {
  // Doubling keeps texts added one by one from moving more than a few times.
  if (Size > RoomSize()) FText.Resize(std::max({FUsed + Size, 2 * FText.Size(), kFirstTextSize}));
  return FText.Data() + FUsed;
}

void TtsStringList::Commit(size_t Size) { FUsed += std::min(Size, RoomSize()); }

void TtsStringList::AddStored(size_t Offset, size_t Length) {
  if (size_t(FCount) * 8 == FRecords.Size())
    FRecords.Resize(std::max(2 * FRecords.Size(), kFirstRecords * 8));
  *Record(FCount) = MakeRecord(Offset, std::min(Length, size_t(kMaxLineLength)), 0);
  ++FCount;
}

void TtsStringList::ShrinkToFit() {
  // Less than a page is kept: giving it back could mean copying a small block.
  const auto trim = [](TLargeBlock& block, size_t keep) {
    if (block.Size() - keep >= kFirstTextSize) block.Resize(keep);
  };
  trim(FText, FUsed);
  trim(FRecords, size_t(FCount) * 8);
}

size_t TtsStringList::Store(std::string_view Text) {
  const size_t offset = FUsed;
  if (Text.empty()) return offset;
  // A text of this list itself is found again after the room for it may have moved the texts.
  const uintptr_t at = uintptr_t(Text.data()), base = uintptr_t(FText.Data());
  const bool own = base != 0 && at >= base && at < base + FUsed;
  char* room = Room(Text.size());
  std::memcpy(room, own ? FText.Data() + (at - base) : Text.data(), Text.size());
  Commit(Text.size());
  return offset;
}

void TtsStringList::Add(std::string_view Text) {
  Text = Text.substr(0, kMaxLineLength);
  AddStored(Store(Text), Text.size());
}

const char* TtsStringList::TextAt(uint64_t Record) const {
  return FText.Data() + (Record >> kPositionShift);
}

TStringNode TtsStringList::GetNode(int Index) {
  if (Index < 0 || Index >= FCount) return {};
  uint64_t* record = Record(Index);
  return {record, TextAt(*record)};
}

const TStringNode TtsStringList::GetNode(int Index) const {
  return const_cast<TtsStringList*>(this)->GetNode(Index);
}

void TtsStringList::SetText(int Index, std::string_view Text) {
  if (Index < 0 || Index >= FCount) return;
  uint64_t& record = *Record(Index);
  Text = Text.substr(0, kMaxLineLength);
  const uint8_t flag = uint8_t(record);
  // A text that fits is written over the old one; edits keep a line's length.
  if (Text.size() <= size_t(GetNode(Index).Length())) {
    if (!Text.empty()) std::memmove(const_cast<char*>(TextAt(record)), Text.data(), Text.size());
    record = MakeRecord(record >> kPositionShift, Text.size(), flag);
  } else {
    record = MakeRecord(Store(Text), Text.size(), flag);
  }
}
