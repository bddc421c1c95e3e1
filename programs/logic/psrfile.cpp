#include "programs/logic/psrfile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"

namespace {

constexpr std::string_view kWord = "Pulsaric";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The file's bytes in order. Bytes the file is known to use can be asked for ahead in one piece,
// so that a file is read in a few calls and still no byte beyond its used part is read.
class Cursor {
 public:
  explicit Cursor(const TNextBytes& next) : FNext(next) {}
  // Only for bytes that are certain to be used.
  void ReadAhead(size_t count) { FBuffer += FNext(count); }
  // The next count bytes; nullopt where the file ends first.
  std::optional<std::string_view> Take(size_t count) {
    if (FBuffer.size() - FPos < count) FBuffer += FNext(count - (FBuffer.size() - FPos));
    if (FBuffer.size() - FPos < count) return std::nullopt;
    FPos += count;
    return std::string_view(FBuffer).substr(FPos - count, count);
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
std::optional<std::string_view> NextField(std::string_view& rest, char delimiter) {
  const size_t at = rest.find(delimiter);
  if (at == std::string_view::npos || at == 0 || at + 1 >= rest.size()) return std::nullopt;
  std::string_view field = rest.substr(0, at);
  rest.remove_prefix(at + 1);
  return field;
}

void AppendCounted(std::string& out, std::string_view text) {
  text = text.substr(0, 255);
  out.push_back(static_cast<char>(text.size()));
  out.append(text);
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

bool ParsePsrFloat(std::string_view t, double& Value) {
  size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exp = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exp;
    if (exp == 0) return false;
  }
  if (i != t.size()) return false;
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (end != t.data() + t.size()) return false;
  // Beyond the range of a double either way: no writer makes such a number.
  if (ec != std::errc() || !std::isfinite(v)) return false;
  Value = v;
  return true;
}

bool ParsePsrInt(std::string_view t, int32_t& Value) {
  size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  if (i == t.size()) return false;
  for (size_t k = i; k < t.size(); ++k) {
    if (!IsDigit(t[k])) return false;
  }
  int32_t v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size()) return false;
  Value = v;
  return true;
}

std::string BuildPsr(const TPsrContent& c) {
  const std::string header = std::string(kWord) + "|" + PsrFloatText(c.TimeBase) + "|" +
                             IntToStr(c.TriggerPos) + "|" + IntToStr(c.LogSize) + "|" +
                             IntToStr(c.BufferSize) + "@\x1A";
  std::string out;
  out.reserve(1 + header.size() + kPsrChannels * 9 + c.Samples.size());
  AppendCounted(out, header);
  for (int i = 0; i < kPsrChannels; ++i) {
    const std::string& name = c.Names[i];
    AppendCounted(out, name.empty() ? "Chan " + IntToStr(i) : name);
  }
  out.append(c.Samples);
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
