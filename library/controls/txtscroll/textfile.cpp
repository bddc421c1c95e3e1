#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "library/controls/txtscroll/content.h"
#include "platform/base/exceptions.h"

namespace {

// The file is read in pieces that stay in the cache while their line ends are looked for.
constexpr size_t kReadPiece = size_t(256) << 10;
// The bytes per line guessed for the first room for a file's line records: more lines move the
// records once or twice (without copying them), fewer leave pages that are never touched.
constexpr size_t kBytesPerLineGuess = 32;

// A regular file opened for reading. Anything else (a folder, a device such as /dev/zero, a
// FIFO) would never end or never start; it gets the open error at once.
class FileHandle {
 public:
  explicit FileHandle(const std::string& name)
      : FFd(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {
    if (FFd < 0) throw EInOutError("Cannot open file " + name, errno);
    struct stat info {};
    const int error = ::fstat(FFd, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : ENODEV;
    if (error != 0) {
      ::close(FFd);
      throw EInOutError("Cannot open file " + name, error);
    }
    FSize = size_t(info.st_size);
  }
  ~FileHandle() { ::close(FFd); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  // The size when the file was opened; it may have changed since, and some files (as in /proc)
  // tell 0 and still have bytes to read.
  size_t Size() const { return FSize; }

  // Fills as much of the span as the file still has; 0 at its end.
  size_t Read(void* data, size_t size, const std::string& name) {
    size_t done = 0;
    while (done < size) {
      const ssize_t n = ::read(FFd, static_cast<char*>(data) + done, size - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw EInOutError("Cannot read file " + name, errno);
      if (n == 0) break;
      done += size_t(n);
    }
    return done;
  }

 private:
  int FFd;
  size_t FSize = 0;
};

// Cuts the bytes read into the list's texts into lines of at most kMaxTextLine bytes: a line's
// record points at its bytes where they were read to, line ends and cut-off rests stay unused
// between them.
class LineSplitter {
 public:
  explicit LineSplitter(TtsStringList& list) : FList(list) {}

  // The Size bytes at Data, which lie at Offset in the list's texts, right after those fed before.
  void Feed(const char* data, size_t size, size_t offset) {
    const char* p = data;
    const char* end = data + size;
    if (FAfterCr && p < end) {
      FAfterCr = false;
      if (*p == '\n') FStart = offset + size_t(++p - data);  // a CR LF split between two pieces
    }
    TLineEndFinder ends(end);
    while (p < end) {
      const char* stop = ends.Next(p);
      if (stop == end) return;  // the line goes on in the next piece
      AddLine(offset + size_t(stop - data));
      p = stop + 1;
      if (*stop == '\r') {
        if (p == end)
          FAfterCr = true;
        else if (*p == '\n')
          ++p;
      }
      FStart = offset + size_t(p - data);
    }
  }

  // After the file's last byte: a last line without a line break still counts.
  void Finish() {
    if (FStart < FList.StoredSize()) AddLine(FList.StoredSize());
    FList.Add("");
  }

 private:
  void AddLine(size_t end) {
    FList.AddStored(FStart, std::min(end - FStart, size_t(kMaxTextLine)));
  }

  TtsStringList& FList;
  size_t FStart = 0;  // where the line being read begins
  bool FAfterCr = false;
};

}  // namespace

const char* TLineEndFinder::Find(const char* P, char C) {
  const void* hit = std::memchr(P, C, size_t(FEnd - P));
  const char* at = hit ? static_cast<const char*>(hit) : FEnd;
  FScanned += size_t(at - P) + (hit ? 1 : 0);
  return at;
}

const char* TLineEndFinder::Next(const char* P) {
  // An end found earlier and not passed yet is still the next of its kind.
  if (!FCr || FCr < P) FCr = Find(P, '\r');
  if (!FLf || FLf < P) FLf = Find(P, '\n');
  return std::min(FCr, FLf);
}

std::unique_ptr<TtsStringList> ReadTextLines(const std::string& FileName) {
  FileHandle file(FileName);
  auto list = std::make_unique<TtsStringList>();
  // The bytes are read straight into the list's texts, which have room for the whole file and
  // one byte more, so that its end is seen without the room growing. A file that grew meanwhile
  // is read to its new end.
  list->Reserve(file.Size() + 1, file.Size() / kBytesPerLineGuess + 1);
  LineSplitter splitter(*list);
  for (;;) {
    const size_t room = list->RoomSize();
    const size_t want = room > 0 ? std::min(room, kReadPiece) : kReadPiece;
    char* data = list->Room(want);
    const size_t n = file.Read(data, want, FileName);
    if (n == 0) break;
    const size_t offset = list->StoredSize();
    list->Commit(n);
    splitter.Feed(data, n, offset);
  }
  splitter.Finish();
  list->ShrinkToFit();
  return list;
}

int ReadFileStart(const std::string& FileName, std::vector<uint8_t>& Buffer) {
  FileHandle file(FileName);
  const size_t n = file.Read(Buffer.data(), Buffer.size(), FileName);
  std::fill(Buffer.begin() + ptrdiff_t(n), Buffer.end(), uint8_t(0));
  return int(n);
}
