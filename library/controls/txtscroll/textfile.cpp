#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "library/controls/txtscroll/content.h"
#include "platform/base/exceptions.h"

namespace {

constexpr size_t kReadBlock = size_t(1) << 20;

class FileHandle {
 public:
  explicit FileHandle(const std::string& name) : fd_(::open(name.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw EInOutError("Cannot open file " + name, errno);
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

// Splits a byte stream into lines of at most kMaxTextLine bytes.
class LineSplitter {
 public:
  explicit LineSplitter(TtsStringList& list) : list_(list) {}

  void Feed(const char* p, const char* end) {
    if (after_cr_ && p < end) {
      after_cr_ = false;
      if (*p == '\n') ++p;  // the LF of a CR LF split between two blocks
    }
    while (p < end) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
      const char* stop = lf ? lf : end;
      const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(stop - p)));
      if (cr) stop = cr;
      Append(p, stop);
      if (stop == end) return;  // the line goes on in the next block
      EndLine();
      p = stop + 1;
      if (cr) {
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
    open_ = true;
    const size_t room = kMaxTextLine - partial_.size();
    partial_.append(p, std::min(room, size_t(stop - p)));
  }
  void EndLine() {
    list_.Add(partial_);
    partial_.clear();
    open_ = false;
  }

  TtsStringList& list_;
  std::string partial_;
  bool open_ = false;
  bool after_cr_ = false;
};

}  // namespace

std::unique_ptr<TtsStringList> ReadTextLines(const std::string& FileName) {
  FileHandle file(FileName);
  auto list = std::make_unique<TtsStringList>();
  LineSplitter splitter(*list);
  std::unique_ptr<char[]> block(new char[kReadBlock]);
  while (const size_t n = file.Read(block.get(), kReadBlock, FileName))
    splitter.Feed(block.get(), block.get() + n);
  splitter.Finish();
  return list;
}

int ReadFileStart(const std::string& FileName, std::vector<uint8_t>& Buffer) {
  FileHandle file(FileName);
  const size_t n = file.Read(Buffer.data(), Buffer.size(), FileName);
  std::fill(Buffer.begin() + ptrdiff_t(n), Buffer.end(), uint8_t(0));
  return int(n);
}
