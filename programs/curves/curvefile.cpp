#include "programs/curves/curvefile.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "platform/base/paths.h"

namespace {

constexpr std::string_view kHeaderWord = "CurveSynth";
constexpr char kEndMark = 26;

static_assert(std::endian::native == std::endian::little, "records are read as stored");

void PutDouble(std::string& Out, double V) {
  char b[8];
  std::memcpy(b, &V, 8);
  Out.append(b, 8);
}

double GetDouble(std::string_view In) {
  double v;
  std::memcpy(&v, In.data(), 8);
  return v;
}

// A decimal integer: an optional '-' and digits, nothing else, within the int range.
std::optional<int> ParseCount(std::string_view S) {
  bool negative = false;
  if (!S.empty() && S.front() == '-') {
    negative = true;
    S.remove_prefix(1);
  }
  if (S.empty()) return std::nullopt;
  int64_t v = 0;
  for (char c : S) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(negative ? -v : v);
}

// Cuts the field before Delim off Rest: the field must not be empty and text must follow the
// delimiter.
std::optional<std::string_view> NextField(std::string_view& Rest, char Delim) {
  const size_t pos = Rest.find(Delim);
  if (pos == std::string_view::npos || pos == 0 || pos + 1 >= Rest.size()) return std::nullopt;
  const std::string_view field = Rest.substr(0, pos);
  Rest.remove_prefix(pos + 1);
  return field;
}

bool ParseHeader(std::string_view Header, std::array<int, kCurveChannels>& Counts) {
  std::string_view rest = Header;
  const auto word = NextField(rest, '|');
  if (!word || *word != kHeaderWord) return false;
  for (int c = 0; c < kCurveChannels; ++c) {
    const auto field = NextField(rest, c + 1 < kCurveChannels ? '|' : '@');
    if (!field) return false;
    const auto n = ParseCount(*field);
    // Only 30 points of a channel are addressable.
    if (!n || *n > kMaxCurvePoints) return false;
    Counts[c] = *n;
  }
  return true;
}

}  // namespace

std::string WriteCurveFile(const TCurveChannels& Channels) {
  std::string header(kHeaderWord);
  for (int c = 1; c <= kCurveChannels; ++c) {
    header += '|';
    header += std::to_string(Channels[c].Count);
  }
  header += '@';
  header += kEndMark;
  std::string out;
  out += static_cast<char>(header.size());
  out += header;
  static const char kReserved[12] = {};
  for (int c = 1; c <= kCurveChannels; ++c) {
    for (int i = 1; i <= Channels[c].Count && i <= kMaxCurvePoints; ++i) {
      double x = 0, y = 0;
      Channels.GetPoint(c, i, x, y);
      PutDouble(out, x);
      PutDouble(out, y);
      out.append(kReserved, sizeof kReserved);
    }
  }
  return out;
}

bool ReadCurveFile(const TNextBytes& Next, TCurveFileContent& Content) {
  const std::string length = Next(1);
  if (length.empty()) return false;
  const std::string header = Next(static_cast<unsigned char>(length[0]));
  if (header.size() < static_cast<unsigned char>(length[0])) return false;
  TCurveFileContent read;
  if (!ParseHeader(header, read.Counts)) return false;
  for (int c = 0; c < kCurveChannels; ++c) {
    if (read.Counts[c] <= 0) continue;
    const std::string records = Next(size_t(read.Counts[c]) * kCurveRecordSize);
    if (records.size() < size_t(read.Counts[c]) * kCurveRecordSize) return false;
    for (size_t at = 0; at < records.size(); at += kCurveRecordSize) {
      const double x = GetDouble(std::string_view(records).substr(at));
      const double y = GetDouble(std::string_view(records).substr(at + 8));
      if (!std::isfinite(x) || !std::isfinite(y)) return false;
      read.Points[c].push_back(TCurvePoint{x, y, {}});
    }
  }
  Content = std::move(read);
  return true;
}

bool ReadCurveFile(std::string_view Bytes, TCurveFileContent& Content) {
  return ReadCurveFile(NextBytesOf(Bytes), Content);
}

void ApplyCurveFile(const TCurveFileContent& Content, TCurveChannels& Channels,
                    double AscendingStep) {
  for (int c = 1; c <= kCurveChannels; ++c) {
    const int n = Content.Counts[c - 1];
    if (n <= 0) continue;
    for (int i = 1; i <= n; ++i) {
      const TCurvePoint& p = Content.Points[c - 1][i - 1];
      Channels.StoreRaw(c, i, p.X, p.Y);
    }
    Channels[c].Count = n;
    if (Channels[c].XSucc) Channels.MakeAscending(c, AscendingStep);
  }
}

std::string CorruptFileMessage(const std::string& FileName, bool English) {
  const size_t slash = FileName.find_last_of('/');
  const std::string name = slash == std::string::npos ? FileName : FileName.substr(slash + 1);
  return "File  " + PathToText(name) + (English ? " corrupted!" : " korrupt!");
}
