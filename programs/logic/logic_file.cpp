// Saving and loading the logic data file.
#include <cerrno>
#include <cstring>

#include "library/foundation/tickservice.h"
#include "platform/base/exceptions.h"
#include "platform/base/paths.h"
#include "platform/base/regularfile.h"
#include "platform/base/safefile.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/msgbox.h"
#include "programs/logic/logic.h"
#include "programs/logic/psrfile.h"

namespace {

std::string WithoutFolder(const std::string& Path) {
  const size_t slash = Path.find_last_of('/');
  return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

// The file is closed again before a format error is reported.
bool ReadPsrFile(const std::string& Name, TPsrContent& Content) {
  TRegularFile file(Name);
  return ReadPsr([&file](size_t n) { return file.Read(n); }, Content);
}

}  // namespace

bool TLogic::SaveToFile(const std::string& FileName) {
  TPsrContent c;
  c.TimeBase = FTimeBase;
  c.TriggerPos = FTriggerPos;
  c.LogSize = static_cast<int>(FLogSize);
  c.BufferSize = BufferSize();
  for (int i = 0; i < kPsrChannels; ++i) c.Names[i] = FChanNamen.Strings(i);
  c.Samples.assign(FBuffer.begin(), FBuffer.end());
  if (!SafeWriteFile(FileName, BuildPsr(c)))
    throw EInOutError("Cannot write file " + PathToText(FileName), errno);
  return true;
}

bool TLogic::LoadFromFile(const std::string& FileName) {
  TPsrContent c;
  if (!ReadPsrFile(FileName, c)) {
    ReportCorruptFile(FileName);
    return false;
  }
  ++FHoldRefresh;
  SetBufferSize(ClampBufferSize(c.BufferSize));
  SetLogSize(static_cast<TLogSize>(c.LogSize));
  SetTimeBase(c.TimeBase);
  SetTriggerPos(c.TriggerPos);
  FPendingZoom = TPendingZoom();
  TStringList names;
  for (const std::string& name : c.Names) names.Add(name);
  SetChanNamen(names);
  std::memcpy(FBuffer.data(), c.Samples.data(), FBuffer.size());
  --FHoldRefresh;
  RefreshDisplay();
  return true;
}

void TLogic::ReportCorruptFile(const std::string& FileName) {
  MessageBeep(1);
  ShowMessage("File  " + PathToText(WithoutFolder(FileName)) +
              (EnglishTexts ? " corrupted!" : " korrupt!"));
}
