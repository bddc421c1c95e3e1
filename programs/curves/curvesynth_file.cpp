// TCurveSynth: loading and saving curve files.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "library/foundation/tickservice.h"
#include "platform/base/exceptions.h"
#include "platform/base/safefile.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/msgbox.h"
#include "programs/curves/curvefile.h"
#include "programs/curves/curvesynth.h"

namespace {

constexpr unsigned kCorruptFileBeep = 1;

// The part of the file a reader looks at; what follows is never needed.
std::string ReadFileStart(const std::string& FileName) {
  const int fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EInOutError("Cannot open file " + FileName, errno);
  std::string bytes(kCurveFileMaxUsed, '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      throw EInOutError("Cannot read file " + FileName, error);
    }
    if (n == 0) break;
    done += size_t(n);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

}  // namespace

bool TCurveSynth::LoadFromFile(const std::string& FileName) {
  TCurveFileContent content;
  if (!ReadCurveFile(ReadFileStart(FileName), content)) {
    MessageBeep(kCorruptFileBeep);
    ShowMessage(CorruptFileMessage(FileName, EnglishTexts));
    return false;
  }
  ApplyCurveFile(content, FPoints, AscendingStep());
  return true;
}

bool TCurveSynth::SaveToFile(const std::string& FileName) {
  if (!SafeWriteFile(FileName, WriteCurveFile(FPoints))) {
    throw EInOutError("Cannot write file " + FileName, errno);
  }
  return true;
}
