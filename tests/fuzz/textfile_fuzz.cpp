// Text files in the viewer: every input gives the lines that a plain byte-by-byte split gives.
// The first byte of an input picks how the file is read and where its rest lands: behind filler
// that puts it just before one of the reader's 64-byte or 16 KiB edges, and with a writer
// holding the file open (the reader then copies it) or not (it maps it).

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "library/controls/txtscroll/content.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::vector<std::string_view> SplitPlainly(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(bytes.substr(start, std::min<size_t>(i - start, 1023)));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size())
    lines.push_back(bytes.substr(start, std::min<size_t>(bytes.size() - start, 1023)));
  lines.push_back("");
  return lines;
}

// The file the inputs are written to, removed when the fuzzer exits.
const char* FileName() {
  static char name[] = "/tmp/textfile_fuzz.XXXXXX";
  static const bool made = [] {
    const int fd = ::mkstemp(name);
    Check(fd >= 0);
    ::close(fd);
    std::atexit([] { ::unlink(name); });
    return true;
  }();
  return made ? name : nullptr;
}

void Write(int fd, std::string_view bytes) {
  Check(::ftruncate(fd, 0) == 0);
  Check(::pwrite(fd, bytes.data(), bytes.size(), 0) == ssize_t(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t pick = data[0];
  static const size_t kEdges[] = {0, 64, 128, size_t(16) << 10};
  const size_t edge = kEdges[pick & 3];
  std::string bytes(edge > 0 ? edge - 1 - (pick >> 3) % 8 : 0, 'a');
  bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);

  const bool held = pick & 4;
  const int writer = ::open(FileName(), O_WRONLY | O_CLOEXEC);
  Check(writer >= 0);
  Write(writer, bytes);
  if (!held) ::close(writer);
  const auto list = ReadTextLines(FileName());
  if (held) ::close(writer);

  const auto expected = SplitPlainly(bytes);
  Check(list->Count() == int(expected.size()));
  for (int i = 0; i < list->Count(); ++i) Check(list->GetNode(i)->Text() == expected[size_t(i)]);
  return 0;
}
