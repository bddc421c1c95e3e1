#include "programs/logic/psrfile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"

namespace {

constexpr std::string_view kWord = "Pulsaric";

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// The file's bytes in order. Bytes the file is known to use can be asked for ahead in one piece,
// so that a file is read in a few calls and still no byte beyond its used part is read.
class Cursor {
 public:
  explicit Cursor(const TNextBytes& Next) : FNext(Next) {}
  // Only for bytes that are certain to be used.
  void ReadAhead(size_t Count) { FBuffer += FNext(Count); }
  // The next count bytes; nullopt where the file ends first.
  std::optional<std::string_view> Take(size_t Count) {
    if (FBuffer.size() - FPos < Count) FBuffer += FNext(Count - (FBuffer.size() - FPos));
    if (FBuffer.size() - FPos < Count) return std::nullopt;
    FPos += Count;
    return std::string_view(FBuffer).substr(FPos - Count, Count);
  }
  // A length byte and that many bytes.
  std::optional<std::string> TakeCounted() {
    const auto length = Take(1);
    if (!length) return std::nullopt;
    const auto text = Take(static_cast<unsigned char>((*length)[0]));
    if (!text) return std::nullopt;
    return std::string(*text);
  }

 private:
  const TNextBytes& FNext;
  std::string FBuffer;
  size_t FPos = 0;
};

// The next field, ending at `delimiter`: it must not be empty and text must follow the delimiter.
std::optional<std::string_view> NextField(std::string_view& Rest, char Delimiter) {
  const size_t at = Rest.find(Delimiter);
  if (at == std::string_view::npos || at == 0 || at + 1 >= Rest.size()) return std::nullopt;
  std::string_view field = Rest.substr(0, at);
  Rest.remove_prefix(at + 1);
  return field;
}

void AppendCounted(std::string& Out, std::string_view Text) {
  Text = Text.substr(0, 255);
  Out.push_back(static_cast<char>(Text.size()));
  Out.append(Text);
}

}  // namespace

int32_t ClampBufferSize(int32_t Size) { return std::clamp(Size, kMinBufferSize, kMaxBufferSize); }

std::string PsrFloatText(double Value) {
  std::string text = FloatToStr(Value);
  std::replace(text.begin(), text.end(), DecimalSeparator, '.');
  double back = 0;
  if (ParsePsrFloat(text, back)) return text;
  // Next to the largest double, 15 digits round beyond it: such a value is written exactly.
  text = FloatToStrF(Value, ffGeneral, 17, 0);
  std::replace(text.begin(), text.end(), DecimalSeparator, '.');
  return text;
}

bool ParsePsrFloat(std::string_view T, double& Value) {
  size_t i = 0;
  if (i < T.size() && T[i] == '-') ++i;
  size_t digits = 0;
  while (i < T.size() && IsDigit(T[i])) ++i, ++digits;
  if (i < T.size() && T[i] == '.') {
    ++i;
    while (i < T.size() && IsDigit(T[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < T.size() && (T[i] == 'e' || T[i] == 'E')) {
    ++i;
    if (i < T.size() && (T[i] == '+' || T[i] == '-')) ++i;
    size_t exp = 0;
    while (i < T.size() && IsDigit(T[i])) ++i, ++exp;
    if (exp == 0) return false;
  }
  if (i != T.size()) return false;
  double v = 0;
  const auto [end, ec] = std::from_chars(T.data(), T.data() + T.size(), v);
  if (end != T.data() + T.size()) return false;
  // Beyond the range of a double either way: no writer makes such a number.
  if (ec != std::errc() || !std::isfinite(v)) return false;
  Value = v;
  return true;
}

bool ParsePsrInt(std::string_view T, int32_t& Value) {
  size_t i = 0;
  if (i < T.size() && T[i] == '-') ++i;
  if (i == T.size()) return false;
  for (size_t k = i; k < T.size(); ++k) {
    if (!IsDigit(T[k])) return false;
  }
  int32_t v = 0;
  const auto [end, ec] = std::from_chars(T.data(), T.data() + T.size(), v);
  if (ec != std::errc() || end != T.data() + T.size()) return false;
  Value = v;
  return true;
}

std::string BuildPsr(const TPsrContent& C) {
  const std::string header = std::string(kWord) + "|" + PsrFloatText(C.TimeBase) + "|" +
                             IntToStr(C.TriggerPos) + "|" + IntToStr(C.LogSize) + "|" +
                             IntToStr(C.BufferSize) + "@\x1A";
  std::string out;
  out.reserve(1 + header.size() + kPsrChannels * 9 + C.Samples.size());
  AppendCounted(out, header);
  for (int i = 0; i < kPsrChannels; ++i) {
    const std::string& name = C.Names[i];
    AppendCounted(out, name.empty() ? "Chan " + IntToStr(i) : name);
  }
  out.append(C.Samples);
  return out;
}

bool ReadPsr(const TNextBytes& Next, TPsrContent& Content) {
  Cursor in(Next);
  const auto header = in.TakeCounted();
  if (!header) return false;
  std::string_view rest = *header;
  std::array<std::string_view, 5> field;
  for (int i = 0; i < 5; ++i) {
    const auto f = NextField(rest, i < 4 ? '|' : '@');
    if (!f) return false;
    field[i] = *f;
  }
  TPsrContent c;
  int32_t size = 0;
  if (field[0] != kWord || !ParsePsrFloat(field[1], c.TimeBase) ||
      !ParsePsrInt(field[2], c.TriggerPos) || !ParsePsrInt(field[3], size) ||
      !ParsePsrInt(field[4], c.BufferSize) || size < 0 || size > 2) {
    return false;
  }
  c.LogSize = size;
  const size_t need = static_cast<size_t>(ClampBufferSize(c.BufferSize));
  // At the least the names' length bytes and the samples follow.
  in.ReadAhead(kPsrChannels + need);
  for (auto& name : c.Names) {
    auto n = in.TakeCounted();
    if (!n) return false;
    name = std::move(*n);
  }
  const auto samples = in.Take(need);
  if (!samples) return false;
  c.Samples = *samples;
  Content = std::move(c);
  return true;
}

bool ParsePsr(std::string_view Bytes, TPsrContent& Content) {
  return ReadPsr(NextBytesOf(Bytes), Content);
}
