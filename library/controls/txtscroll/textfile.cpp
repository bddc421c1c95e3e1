#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "library/controls/txtscroll/content.h"
#include "platform/base/exceptions.h"

namespace {

constexpr size_t kReadBlock = TLargeBlock::kHugeSize;

// A regular file opened for reading. Anything else (a folder, a device such as /dev/zero, a
// FIFO) would never end or never start; it gets the open error at once.
class FileHandle {
 public:
  explicit FileHandle(const std::string& name)
      : fd_(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {
    if (fd_ < 0) throw EInOutError("Cannot open file " + name, errno);
    struct stat info {};
    const int error = ::fstat(fd_, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : ENODEV;
    if (error != 0) {
      ::close(fd_);
      throw EInOutError("Cannot open file " + name, error);
    }
  }
  ~FileHandle() { ::close(fd_); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  // Fills as much of the span as the file still has; 0 at its end.
  size_t Read(void* data, size_t size, const std::string& name) {
    size_t done = 0;
    while (done < size) {
      const ssize_t n = ::read(fd_, static_cast<char*>(data) + done, size - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw EInOutError("Cannot read file " + name, errno);
      if (n == 0) break;
      done += size_t(n);
    }
    return done;
  }

 private:
  int fd_;
};

// Splits a byte stream into lines of at most kMaxTextLine bytes, written straight into the list.
class LineSplitter {
 public:
  explicit LineSplitter(TtsStringList& list) : list_(list) {}

  void Feed(const char* p, const char* end) {
    if (after_cr_ && p < end) {
      after_cr_ = false;
      if (*p == '\n') ++p;  // the LF of a CR LF split between two blocks
    }
    TLineEndFinder ends(end);
    while (p < end) {
      const char* stop = ends.Next(p);
      Append(p, stop);
      if (stop == end) return;  // the line goes on in the next block
      EndLine();
      p = stop + 1;
      if (*stop == '\r') {
        if (p == end)
          after_cr_ = true;
        else if (*p == '\n')
          ++p;
      }
    }
  }

  // After the file's last byte: a last line without a line break still counts.
  void Finish() {
    if (open_) EndLine();
    list_.Add("");
  }

 private:
  void Append(const char* p, const char* stop) {
    if (!open_) list_.BeginLine();
    open_ = true;
    const size_t size = std::min(size_t(kMaxTextLine) - length_, size_t(stop - p));
    list_.AppendToLine(p, size);
    length_ += size;
  }
  void EndLine() {
    if (!open_) list_.BeginLine();
    list_.EndLine();
    open_ = false;
    length_ = 0;
  }

  TtsStringList& list_;
  size_t length_ = 0;
  bool open_ = false;
  bool after_cr_ = false;
};

}  // namespace

const char* TLineEndFinder::Find(const char* P, char C) {
  const void* hit = std::memchr(P, C, size_t(end_ - P));
  const char* at = hit ? static_cast<const char*>(hit) : end_;
  scanned_ += size_t(at - P) + (hit ? 1 : 0);
  return at;
}

const char* TLineEndFinder::Next(const char* P) {
  // An end found earlier and not passed yet is still the next of its kind.
  if (!cr_ || cr_ < P) cr_ = Find(P, '\r');
  if (!lf_ || lf_ < P) lf_ = Find(P, '\n');
  return std::min(cr_, lf_);
}

std::unique_ptr<TtsStringList> ReadTextLines(const std::string& FileName) {
  FileHandle file(FileName);
  auto list = std::make_unique<TtsStringList>();
  LineSplitter splitter(*list);
  const TLargeBlock block(kReadBlock);
  while (const size_t n = file.Read(block.Data(), kReadBlock, FileName))
    splitter.Feed(block.Data(), block.Data() + n);
  splitter.Finish();
  return list;
}

int ReadFileStart(const std::string& FileName, std::vector<uint8_t>& Buffer) {
  FileHandle file(FileName);
  const size_t n = file.Read(Buffer.data(), Buffer.size(), FileName);
  std::fill(Buffer.begin() + ptrdiff_t(n), Buffer.end(), uint8_t(0));
  return int(n);
}
