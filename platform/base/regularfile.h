#pragma once
// Opening a file to read it. Only a regular file is ever read: a folder, a FIFO or a device such
// as /dev/zero would never start or never end, so it is refused at once, by a look at what was
// opened; opening does not wait for a FIFO's writer either.

#include <cstddef>
#include <cstdint>
#include <string>

class TRegularFile {
 public:
  // Opens Path, the file system's bytes as they are. EInOutError when it cannot be opened or is
  // not a regular file.
  explicit TRegularFile(const std::string& Path);
  ~TRegularFile();
  TRegularFile(const TRegularFile&) = delete;
  TRegularFile& operator=(const TRegularFile&) = delete;

  // The open descriptor, owned by this object (to map the file, for instance).
  int Handle() const { return FFd; }
  // The size when it was opened. Some files (as in /proc) tell 0 and still have bytes.
  uint64_t Size() const { return FSize; }

  // Up to Count bytes from the current position, fewer only at the file's end. EInOutError when
  // reading fails.
  size_t Read(void* Data, size_t Count);
  // The same as a string; room for Count bytes is taken first, so Count is what a format needs,
  // never the file's size.
  std::string Read(size_t Count);
  // Up to Count bytes at Offset; the current position stays.
  size_t ReadAt(uint64_t Offset, void* Data, size_t Count);

 private:
  std::string FPath;
  int FFd = -1;
  uint64_t FSize = 0;
};
