#include "library/controls/txtscroll/content.h"
#include "platform/base/sysutils.h"

namespace {

struct HexLayout {
  int bytes_per_group;
  int group_cols;  // hex digits and the blank after them
  int digit_cols;  // width of the whole hex area
};

HexLayout Layout(tsHexSize Size) {
  switch (Size) {
    case hsWord:
      return {2, 5, 40};
    case hsLong:
      return {4, 9, 36};
    case hsByte:
    default:
      return {1, 3, 48};
  }
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string HexLineText(const std::vector<uint8_t>& Buffer, int n, int Offset, tsHexSize Size,
                        char NonHex) {
  const HexLayout layout = Layout(Size);
  uint8_t bytes[16];
  for (int k = 0; k < 16; ++k) {
    const size_t index = size_t(n) * 16 + size_t(k);
    bytes[k] = index < Buffer.size() ? Buffer[index] : 0;
  }
  std::string line = IntToHex(int64_t(n) * 16 + Offset, 6) + ' ';
  line.reserve(size_t(kHexFirstCol + layout.digit_cols + 16));
  for (int k = 0; k < 16; ++k) {
    line.push_back(kHexDigits[bytes[k] >> 4]);
    line.push_back(kHexDigits[bytes[k] & 15]);
    if ((k + 1) % layout.bytes_per_group == 0) line.push_back(' ');
  }
  for (uint8_t b : bytes) line.push_back(b >= 32 && b <= 127 ? char(b) : NonHex);
  return line;
}

std::string HexHeaderText(tsHexSize Size) {
  const HexLayout layout = Layout(Size);
  std::string header = "adress ";
  for (int i = 0; i < 16; i += layout.bytes_per_group)
    header += IntToHex(i, 2) + std::string(size_t(layout.group_cols - 2), ' ');
  return header + "ascii";
}

int HexByteInLine(int Col, tsHexSize Size, THexCharKind* Kind) {
  const HexLayout layout = Layout(Size);
  THexCharKind kind = hkNone;
  int byte = -1;
  const int c = Col - kHexFirstCol;
  if (c >= 0 && c < layout.digit_cols) {
    const int d = c - c / layout.group_cols;
    byte = d / 2;
    kind = d % 2 ? hkLowNibble : hkHighNibble;
  } else if (c >= layout.digit_cols && c < layout.digit_cols + 16) {
    byte = c - layout.digit_cols;
    kind = hkAscii;
  }
  if (Kind) *Kind = kind;
  return byte;
}

bool IsHexGroupBlank(int Col, tsHexSize Size) {
  if (Col < kHexFirstCol) return false;
  const HexLayout layout = Layout(Size);
  const int c = Col - kHexFirstCol;
  return c < layout.digit_cols && c % layout.group_cols == layout.group_cols - 1;
}
