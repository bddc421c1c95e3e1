// TCurveSynth: loading and saving curve files.

#include <cerrno>

#include "library/foundation/tickservice.h"
#include "platform/base/exceptions.h"
#include "platform/base/paths.h"
#include "platform/base/regularfile.h"
#include "platform/base/safefile.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/msgbox.h"
#include "programs/curves/curvefile.h"
#include "programs/curves/curvesynth.h"

namespace {

constexpr unsigned kCorruptFileBeep = 1;

// The file is closed again before a format error is reported.
bool ReadCurveFileAt(const std::string& FileName, TCurveFileContent& Content) {
  TRegularFile file(FileName);
  return ReadCurveFile([&file](size_t n) { return file.Read(n); }, Content);
}

}  // namespace

bool TCurveSynth::LoadFromFile(const std::string& FileName) {
  TCurveFileContent content;
  if (!ReadCurveFileAt(FileName, content)) {
    MessageBeep(kCorruptFileBeep);
    ShowMessage(CorruptFileMessage(FileName, EnglishTexts));
    return false;
  }
  ApplyCurveFile(content, FPoints, AscendingStep());
  return true;
}

bool TCurveSynth::SaveToFile(const std::string& FileName) {
  if (!SafeWriteFile(FileName, WriteCurveFile(FPoints))) {
    throw EInOutError("Cannot write file " + PathToText(FileName), errno);
  }
  return true;
}
