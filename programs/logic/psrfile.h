#pragma once
// The logic data file (.psr): a length-prefixed header text
//   "Pulsaric|<time base>|<trigger position>|<sample size 0..2>|<buffer size>@" + byte 26,
// the 32 channel names as length byte and characters, then the sample buffer byte for byte.
// Numbers are written and read with '.' whatever the process-wide decimal separator is.
// Pure byte work, so the reader can be driven without any window system.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/bytesource.h"

constexpr int kPsrChannels = 32;
constexpr int32_t kMinBufferSize = 100;
constexpr int32_t kMaxBufferSize = 64000;

struct TPsrContent {
  double TimeBase = 1e-5;
  int32_t TriggerPos = 0;
  int LogSize = 2;         // 0 = 8, 1 = 16, 2 = 32 bits per sample
  int32_t BufferSize = 0;  // as written in the header
  std::array<std::string, kPsrChannels> Names;
  std::string Samples;  // exactly the clamped buffer size of bytes
};

// The buffer size a header asks for, limited to what a logic display holds.
int32_t ClampBufferSize(int32_t Size);

// The file for this content; Samples are written as they are. Empty names are written as
// "Chan <n>", names longer than 255 bytes are cut.
std::string BuildPsr(const TPsrContent& Content);

// Reads the header, the 32 names and the clamped buffer size of sample bytes, and nothing beyond
// them. False for a file that is shorter or not well-formed; Content is then unchanged.
bool ReadPsr(const TNextBytes& Next, TPsrContent& Content);
// The same over a whole file in memory (bytes beyond the samples are ignored).
bool ParsePsr(std::string_view Bytes, TPsrContent& Content);

// The time base as the header writes it: general format, 15 significant digits, '.'.
std::string PsrFloatText(double Value);
// Strict decimal numbers: an optional '-', digits, for the float at most one '.' and an exponent
// [eE][+-]digits. No blanks, no hex, no "nan" or "inf"; the float must be finite.
bool ParsePsrFloat(std::string_view Text, double& Value);
bool ParsePsrInt(std::string_view Text, int32_t& Value);
