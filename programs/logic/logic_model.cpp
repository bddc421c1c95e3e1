// The sample buffer, the properties with their limits, and the pattern search.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "library/foundation/tickservice.h"
#include "platform/base/numbers.h"
#include "programs/logic/logic.h"
#include "programs/logic/psrfile.h"

static_assert(std::endian::native == std::endian::little, "samples are kept little-endian");

namespace {

// The first sample in [from, count) with (sample & mask) == bits, or -1.
template <class T>
int32_t FindMatch(const uint8_t* P, int32_t From, int32_t Count, uint32_t Mask, uint32_t Bits) {
  for (int32_t i = std::max(From, 0); i < Count; ++i) {
    T v;
    std::memcpy(&v, P + size_t(i) * sizeof(T), sizeof(T));
    if ((v & Mask) == Bits) return i;
  }
  return -1;
}

}  // namespace

TLogic::TLogic(TComponent* AOwner) : TDisplay(AOwner), FBuffer(4000, 0) {
  SetAlign(alNone);
  SetBounds(Left(), Top(), 300, 500);
  SetColTxtHead(0x00FF00);
  for (int i = 0; i < kPsrChannels; ++i) FChanNamen.Add("");
  FChanNamen.OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
  FRepeatId = TimerRegister([this](TObject*) { RepeatTick(); });
}

TLogic::~TLogic() { TimerRemove(FRepeatId); }

uint32_t TLogic::CountFor(TLogSize Size) const {
  const auto bytes = static_cast<uint32_t>(FBuffer.size());
  switch (Size) {
    case TLogSize::Size8:
      return bytes;
    case TLogSize::Size16:
      return bytes / 2;
    case TLogSize::Size32:
      return bytes / 4;
  }
  return bytes / 4;
}

int32_t TLogic::HighestChannel() const {
  switch (FLogSize) {
    case TLogSize::Size8:
      return 7;
    case TLogSize::Size16:
      return 15;
    case TLogSize::Size32:
      return 31;
  }
  return 31;
}

void TLogic::Refresh() {
  if (FHoldRefresh == 0) RefreshDisplay();
}

void TLogic::NormaliseChannels() {
  FChanLast = std::clamp(FChanLast, 1, HighestChannel());
  FChanFirst = std::clamp(FChanFirst, 0, FChanLast - 1);
}

void TLogic::NormaliseView() {
  const int32_t last = FBufferCount - 1;
  FDispStartPos = std::clamp(FDispStartPos, 0, last - 1);
  FDispEndPos = std::clamp(FDispEndPos, FDispStartPos + 1, last);
  FPointerPos = std::clamp(FPointerPos, 0, last);
  FMarkerPos = std::clamp(FMarkerPos, 0, last);
  if (FMatchAdr >= last - 1) FMatchAdr = 0;
}

void TLogic::SetBufferSize(int32_t Value) {
  Value = ClampBufferSize(Value);
  if (Value == BufferSize()) return;
  FBuffer.assign(static_cast<size_t>(Value), 0);
  FBufferCount = static_cast<int32_t>(CountFor(FLogSize));
  const int32_t pointer = FPointerPos;
  NormaliseView();
  if (pointer >= FBufferCount) {
    FPointerPos = pointer;
    SetPointerPos(FBufferCount - 1);
  }
  Refresh();
}

void TLogic::SetLogSize(TLogSize Value) {
  if (!Painted()) {
    FLogSize = Value;
    FBufferCount = static_cast<int32_t>(CountFor(Value));
    NormaliseView();
    return;
  }
  if (FLogSize == Value) return;
  FLogSize = Value;
  FBufferCount = static_cast<int32_t>(CountFor(Value));
  FChanLast = std::min(FChanLast, HighestChannel());
  if (FChanFirst >= FChanLast) FChanFirst = FChanLast - 1;
  NormaliseView();
  Refresh();
}

void TLogic::SetChanFirst(int32_t Value) {
  if (!Painted()) {
    FChanFirst = Value;
    return;
  }
  Value = std::max(std::min(Value, FChanLast - 1), 0);
  if (Value == FChanFirst) return;
  FChanFirst = Value;
  Refresh();
}

void TLogic::SetChanLast(int32_t Value) {
  if (!Painted()) {
    FChanLast = Value;
    return;
  }
  Value = std::max(Value, FChanFirst + 1);
  Value = Value > 0 ? std::min(Value, HighestChannel()) : 1;
  if (Value == FChanLast) return;
  FChanLast = Value;
  Refresh();
}

void TLogic::SetChanNamen(const TStringList& Value) {
  TStringList names;
  for (int i = 0; i < kPsrChannels; ++i)
    names.Add(i < Value.Count() ? Value.Strings(i).substr(0, 255) : "");
  FChanNamen.Assign(names);
}

void TLogic::SetChanName(int Channel, const std::string& Name) {
  if (Channel < 0 || Channel >= kPsrChannels) return;
  FChanNamen.SetStrings(Channel, Name.substr(0, 255));
}

void TLogic::SetModus(TModus Value) {
  if (FModus == Value) return;
  FModus = Value;
  FRecentre = true;
  Invalidate();
}

void TLogic::SetTimeBase(double Value) {
  if (!(Value > 0) || !std::isfinite(Value)) Value = 1e-6;
  if (Value == FTimeBase) return;
  FTimeBase = Value;
  Refresh();
}

void TLogic::SetDispStartPos(int32_t Value) {
  Value = std::clamp(Value, 0, std::max(FBufferCount - 2, 0));
  if (Value == FDispStartPos) return;
  if (FModus == TModus::TextDisp) {
    if (Value + FRows >= FBufferCount - 1) Value = std::max(FBufferCount - 1 - FRows, 0);
    FDispEndPos = std::min(Value + FRows, FBufferCount - 1);
  } else if (Value >= FDispEndPos) {
    FDispEndPos = Value + 1;
  }
  FDispStartPos = Value;
  Refresh();
}

void TLogic::SetDispEndPos(int32_t Value) {
  if (Value <= 0) Value = 1;
  if (Value > FBufferCount - 1) Value = FBufferCount - 1;
  if (Value == FDispEndPos) return;
  if (FModus == TModus::TextDisp) {
    if (Value < FRows) Value = std::min(FRows, FBufferCount - 1);
    FDispStartPos = std::max(Value - FRows, 0);
  } else if (FDispStartPos >= Value) {
    FDispStartPos = Value - 1;
  }
  FDispEndPos = Value;
  Refresh();
}

int32_t TLogic::TimeToIndex(double Time) const {
  const int64_t index = Round(Time / FTimeBase);
  if (index >= FBufferCount) return FBufferCount - 1;
  return static_cast<int32_t>(std::max<int64_t>(index, INT32_MIN));
}

void TLogic::SetDispStartTime(double Value) { SetDispStartPos(TimeToIndex(Value)); }
void TLogic::SetDispEndTime(double Value) { SetDispEndPos(TimeToIndex(Value)); }
void TLogic::SetPointerTime(double Value) { SetPointerPos(TimeToIndex(Value)); }
void TLogic::SetMarkerTime(double Value) { SetMarkerPos(TimeToIndex(Value)); }

void TLogic::SetTriggerPos(int32_t Value) {
  if (Value == FTriggerPos) return;
  FTriggerPos = Value;
  Refresh();
}

void TLogic::SetPointerPos(int32_t Value) {
  Value = std::clamp(Value, 0, FBufferCount - 1);
  if (!Painted()) {
    FPointerPos = Value;
    return;
  }
  if (Value == FPointerPos) return;
  FPointerPos = Value;
  if (Value >= FDispStartPos && Value <= FDispEndPos) {
    UpdatePointer();
    return;
  }
  // Outside the view: the view keeps its width and gets the pointer in its middle.
  const int32_t width = FDispEndPos - FDispStartPos;
  int32_t start = std::max(Value - width / 2, 0);
  int32_t end = start + width;
  if (end > FBufferCount - 1) {
    end = FBufferCount - 1;
    start = std::max(end - width, 0);
  }
  FDispStartPos = start;
  FDispEndPos = end;
  Refresh();
}

void TLogic::SetMarkerPos(int32_t Value) {
  if (Value == FMarkerPos) return;
  FMarkerPos = Value;
  UpdateMarker();
}

void TLogic::SetColDisplay(TColor Value) {
  if (Value == FColDisplay) return;
  FColDisplay = Value;
  Refresh();
}

void TLogic::SetColGrid(TColor Value) {
  if (Value == FColGrid) return;
  FColGrid = Value;
  Refresh();
}

void TLogic::SetColCurve(TColor Value) {
  if (Value == FColCurve) return;
  FColCurve = Value;
  Refresh();
}

void TLogic::SetColText(TColor Value) {
  if (Value == FColText) return;
  FColText = Value;
  if (FModus == TModus::TextDisp) Refresh();
}

void TLogic::SetColTextDisp(TColor Value) {
  if (Value == FColTextDisp) return;
  FColTextDisp = Value;
  if (FModus == TModus::TextDisp) Refresh();
}

void TLogic::SetColTrigger(TColor Value) {
  if (Value == FColTrigger) return;
  FColTrigger = Value;
  if (FTriggerPos > FDispStartPos && FTriggerPos < FDispEndPos) Refresh();
}

void TLogic::SetColPointer(TColor Value) {
  if (Value == FColPointer) return;
  if (FPointerEnable) {
    SetPointerEnable(false);
    FColPointer = Value;
    SetPointerEnable(true);
  }
  FColPointer = Value;
}

void TLogic::SetColMarker(TColor Value) {
  if (Value == FColMarker) return;
  if (FMarkerEnable) {
    SetMarkerEnable(false);
    FColMarker = Value;
    SetMarkerEnable(true);
  }
  FColMarker = Value;
}

void TLogic::SetMatchValue(const std::string& Value) {
  if (Value == FMatchValue) return;
  FMatchValue = Value;
  FMatchMask = 0;
  FMatchBits = 0;
  std::string pattern = Value;
  if (pattern.size() < 32) pattern.insert(0, 32 - pattern.size(), 'x');
  for (int i = 0; i < 32; ++i) {
    const uint32_t bit = 1u << (31 - i);
    if (pattern[i] == '0') FMatchMask |= bit;
    if (pattern[i] == '1') {
      FMatchMask |= bit;
      FMatchBits |= bit;
    }
  }
}

void TLogic::SetMatchAdr(int32_t Value) {
  if (Value < 0 || Value >= FBufferCount - 2) Value = 0;
  FMatchAdr = Value;
}

int32_t TLogic::NextMatch() {
  if (!Painted()) return -1;
  const uint8_t* p = FBuffer.data();
  int32_t i = -1;
  switch (FLogSize) {
    case TLogSize::Size8:
      i = FindMatch<uint8_t>(p, FMatchAdr, FBufferCount, FMatchMask, FMatchBits);
      break;
    case TLogSize::Size16:
      i = FindMatch<uint16_t>(p, FMatchAdr, FBufferCount, FMatchMask, FMatchBits);
      break;
    case TLogSize::Size32:
      i = FindMatch<uint32_t>(p, FMatchAdr, FBufferCount, FMatchMask, FMatchBits);
      break;
  }
  if (i < 0) return -1;
  FMatchAdr = i;
  SetPointerPos(i);
  return i;
}

void TLogic::WriteSample(int32_t Index, uint32_t Value) {
  if (Index < 0 || Index >= FBufferCount) return;
  uint8_t* p = FBuffer.data();
  switch (FLogSize) {
    case TLogSize::Size8:
      p[Index] = static_cast<uint8_t>(Value);
      break;
    case TLogSize::Size16:
      p[2 * Index] = static_cast<uint8_t>(Value);
      p[2 * Index + 1] = static_cast<uint8_t>(Value >> 8);
      break;
    case TLogSize::Size32:
      for (int k = 0; k < 4; ++k) p[4 * Index + k] = static_cast<uint8_t>(Value >> (8 * k));
      break;
  }
}

uint32_t TLogic::ReadSample(int32_t Index) const {
  if (Index < 0 || Index >= FBufferCount) return 0;
  const uint8_t* p = FBuffer.data();
  switch (FLogSize) {
    case TLogSize::Size8:
      return p[Index];
    case TLogSize::Size16:
      return p[2 * Index] | (uint32_t(p[2 * Index + 1]) << 8);
    case TLogSize::Size32:
      return p[4 * Index] | (uint32_t(p[4 * Index + 1]) << 8) | (uint32_t(p[4 * Index + 2]) << 16) |
             (uint32_t(p[4 * Index + 3]) << 24);
  }
  return 0;
}

void TLogic::ApplyZoom() {
  FChanFirst = FPendingZoom.ChanFirst;
  FChanLast = FPendingZoom.ChanLast;
  FDispStartPos = FPendingZoom.Start;
  FDispEndPos = FPendingZoom.End;
  NormaliseChannels();
  NormaliseView();
  Invalidate();
}
