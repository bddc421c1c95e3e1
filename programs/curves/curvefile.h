#pragma once
// The curve file (".wvr"): a header text of one length byte and that many characters,
// "CurveSynth|N1|N2|N3|N4@" and the byte 26, then 28-byte point records (X and Y as
// little-endian doubles, 12 reserved bytes) channel by channel.
//
// Reading checks the whole file before anything is applied: a file is either taken as a whole or
// refused with nothing changed.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/bytesource.h"
#include "programs/curves/curvemodel.h"

constexpr int kCurveRecordSize = 28;

// What a curve file holds. A count of 0 or below leaves its channel as it is (no points).
struct TCurveFileContent {
  std::array<int, kCurveChannels> Counts{};
  std::array<std::vector<TCurvePoint>, kCurveChannels> Points;
};

// The file of the channels' counts and control points; reserved bytes are written as zeros.
std::string WriteCurveFile(const TCurveChannels& Channels);

// Reads the header and the records its counts name, and nothing beyond them. False for a format
// error: a short or malformed header, a word other than "CurveSynth", a count that is no decimal
// integer or above 30, a file that ends inside the records, or a coordinate that is no finite
// number. Content is only written on success.
bool ReadCurveFile(const TNextBytes& Next, TCurveFileContent& Content);
// The same over a whole file in memory (bytes beyond the records are ignored).
bool ReadCurveFile(std::string_view Bytes, TCurveFileContent& Content);

// Stores the content's points raw and sets the counts of the channels it holds (counts 1..3 are
// taken as they are); a channel whose ascending switch is on then gets the ascending-x rule once,
// with AscendingStep.
void ApplyCurveFile(const TCurveFileContent& Content, TCurveChannels& Channels,
                    double AscendingStep);

// "File  <name> corrupted!" or, in German, "File  <name> korrupt!"; Name without its folder.
std::string CorruptFileMessage(const std::string& FileName, bool English);
