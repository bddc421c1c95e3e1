#include "library/controls/txtscroll/textlines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kFirstTextSize = size_t(4) << 10;
constexpr size_t kFirstRecords = 512;

}  // namespace

TtsStringList::TtsStringList() = default;
TtsStringList::~TtsStringList() = default;

void TtsStringList::TakeFile(TFileImage File) {
  if (FUsed == 0 && FFile.Size() == 0) FFile = std::move(File);
}

void TtsStringList::ReserveLines(size_t Lines) {
  const size_t records = size_t(FCount) + Lines;
  if (records * 8 > FRecords.Size()) FRecords.Resize(records * 8);
}

void TtsStringList::AddOddFileLine(size_t Offset, size_t Length) {
  if (Offset > FFile.Size()) return;
  AddRecord(Offset, std::min(Length, FFile.Size() - Offset));
}

void TtsStringList::AddRecord(size_t Offset, size_t Length) {
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
  const size_t offset = FFile.Size() + FUsed;
  if (Text.empty()) return offset;
  // A text of this list itself is found again after growing may have moved the texts.
  const uintptr_t at = uintptr_t(Text.data()), base = uintptr_t(FText.Data());
  const bool own = base != 0 && at >= base && at < base + FUsed;
  // Doubling keeps texts added one by one from moving more than a few times.
  if (Text.size() > FText.Size() - FUsed)
    FText.Resize(std::max({FUsed + Text.size(), 2 * FText.Size(), kFirstTextSize}));
  std::memcpy(FText.Data() + FUsed, own ? FText.Data() + (at - base) : Text.data(), Text.size());
  FUsed += Text.size();
  return offset;
}

void TtsStringList::Add(std::string_view Text) {
  Text = Text.substr(0, kMaxLineLength);
  AddRecord(Store(Text), Text.size());
}

const char* TtsStringList::TextAt(uint64_t Record) const {
  const size_t position = size_t(Record >> kPositionShift);
  return position < FFile.Size() ? FFile.Data() + position
                                 : FText.Data() + (position - FFile.Size());
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
