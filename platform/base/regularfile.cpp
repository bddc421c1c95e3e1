#include "platform/base/regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/exceptions.h"
#include "platform/base/paths.h"

namespace {

[[noreturn]] void Refuse(const std::string& Path, int Error) {
  throw EInOutError("Cannot open file " + PathToText(Path), Error);
}

[[noreturn]] void RefuseKind(const std::string& Path, mode_t Mode) {
  throw EInOutError("Cannot open file " + PathToText(Path) + ": not a regular file",
                    S_ISDIR(Mode) ? EISDIR : ENODEV);
}

// Runs a read call until Count bytes are in or the file ends.
template <class ReadCall>
size_t Fill(const std::string& Path, char* Data, size_t Count, ReadCall Read) {
  size_t done = 0;
  while (done < Count) {
    const ssize_t n = Read(Data + done, Count - done, done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EInOutError("Cannot read file " + PathToText(Path), errno);
    if (n == 0) break;
    done += size_t(n);
  }
  return done;
}

}  // namespace

TRegularFile::TRegularFile(const std::string& Path) : FPath(Path) {
  // Looked at before opening as well: opening a device can act on it (a serial line's modem
  // lines go up).
  struct stat info {};
  if (::stat(Path.c_str(), &info) != 0) Refuse(Path, errno);
  if (!S_ISREG(info.st_mode)) RefuseKind(Path, info.st_mode);
  // Without O_NONBLOCK a FIFO put in its place meanwhile would hold the open until a writer came.
  FFd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (FFd < 0) Refuse(Path, errno);
  const int error = ::fstat(FFd, &info) != 0 ? errno : 0;
  if (error != 0 || !S_ISREG(info.st_mode)) {
    ::close(FFd);
    if (error != 0) Refuse(Path, error);
    RefuseKind(Path, info.st_mode);
  }
  ::fcntl(FFd, F_SETFL, ::fcntl(FFd, F_GETFL) & ~O_NONBLOCK);
  FSize = uint64_t(info.st_size);
}

TRegularFile::~TRegularFile() { ::close(FFd); }

size_t TRegularFile::Read(void* Data, size_t Count) {
  return Fill(FPath, static_cast<char*>(Data), Count,
              [this](char* at, size_t n, size_t) { return ::read(FFd, at, n); });
}

std::string TRegularFile::Read(size_t Count) {
  std::string bytes(Count, '\0');
  bytes.resize(Read(bytes.data(), Count));
  return bytes;
}

size_t TRegularFile::ReadAt(uint64_t Offset, void* Data, size_t Count) {
  return Fill(FPath, static_cast<char*>(Data), Count,
              [this, Offset](char* at, size_t n, size_t done) {
                return ::pread(FFd, at, n, off_t(Offset + done));
              });
}
