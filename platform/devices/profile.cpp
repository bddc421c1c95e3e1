#include "platform/devices/profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/regularfile.h"
#include "platform/base/safefile.h"
#include "platform/base/strings.h"
#include "platform/devices/config.h"

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

std::string TrimBlanks(const std::string& S) {
  size_t b = 0, e = S.size();
  while (b < e && IsBlank(S[b])) ++b;
  while (e > b && IsBlank(S[e - 1])) --e;
  return S.substr(b, e - b);
}

std::string TrimBlanksRight(std::string S) {
  while (!S.empty() && IsBlank(S.back())) S.pop_back();
  return S;
}

bool SameName(const std::string& A, const std::string& B) {
  const std::string x = TrimBlanks(A), y = TrimBlanks(B);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    if (AnsiUpCase(x[i]) != AnsiUpCase(y[i])) return false;
  }
  return true;
}

enum class Kind { kBlank, kComment, kSection, kEntry };

struct Parsed {
  Kind kind = Kind::kBlank;
  std::string name;   // section or key name, trimmed
  std::string value;  // entry value as it stands after '='
};

Parsed Parse(const std::string& Line) {
  Parsed p;
  const std::string t = TrimBlanks(Line);
  if (t.empty()) return p;
  if (t[0] == ';' || t[0] == '#') {
    p.kind = Kind::kComment;
  } else if (t[0] == '[') {
    p.kind = Kind::kSection;
    const size_t close = t.find(']');
    p.name = TrimBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  } else {
    p.kind = Kind::kEntry;
    const size_t eq = Line.find('=');
    p.name = TrimBlanks(Line.substr(0, eq));
    if (eq != std::string::npos) p.value = Line.substr(eq + 1);
  }
  return p;
}

// A line of the file and the line end that followed it, kept as it was so that a rewrite leaves
// every line it does not change byte for byte. New and changed lines end in CRLF.
struct Line {
  std::string text;
  std::string end = "\r\n";
};
using Lines = std::vector<Line>;

// Lines end at LF, CRLF or a lone CR; CRs straight before a LF belong to its line end (a stray CR
// before a CRLF is no part of the value). The last line may have no end.
Lines SplitLines(const std::string& Data) {
  Lines lines;
  size_t pos = 0;
  while (pos < Data.size()) {
    const size_t at = Data.find_first_of("\r\n", pos);
    if (at == std::string::npos) {
      lines.push_back({Data.substr(pos), ""});
      break;
    }
    size_t next = at + 1;
    if (Data[at] == '\r') {
      size_t lf = at;
      while (lf < Data.size() && Data[lf] == '\r') ++lf;
      if (lf < Data.size() && Data[lf] == '\n') next = lf + 1;
    }
    lines.push_back({Data.substr(pos, at - pos), Data.substr(at, next - at)});
    pos = next;
  }
  return lines;
}

// The file's lines; nullopt when the file cannot be read or is no regular file (a FIFO or a
// device is refused by a look at what was opened, never waited for).
std::optional<Lines> ReadLines(const std::string& Path) {
  try {
    TRegularFile file(Path);
    std::string data;
    char chunk[65536];
    while (const size_t n = file.Read(chunk, sizeof chunk)) data.append(chunk, n);
    return SplitLines(data);
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

// Replaces the file by the lines, never leaving it half written.
bool WriteLines(const std::string& Path, const Lines& All) {
  std::string data;
  for (const Line& line : All) data += line.text + line.end;
  return SafeWriteFile(Path, data);
}

// Puts a new line before `At` (All.size() for the end); a last line without an end gets one.
void InsertLine(Lines& All, size_t At, const std::string& Text) {
  if (At > 0 && All[At - 1].end.empty()) All[At - 1].end = "\r\n";
  All.insert(All.begin() + static_cast<std::ptrdiff_t>(At), Line{Text});
}

// Writers of one file take turns: each holds an advisory lock on a lock file beside it, "." +
// name + ".lock", from reading the file to renaming its new version into place, so no writer
// replaces the file with a copy that lacks another's change. The lock file stays: removing it
// could hand two writers two different locks. Readers need no lock, since the rename replaces the
// file whole. A lock not had within kLockWait fails the write.
constexpr std::chrono::seconds kLockWait{10};

class WriterLock {
 public:
  explicit WriterLock(const std::string& Path) {
    std::string target = Path;
    // Writers reaching the file through a symbolic link lock beside the file itself.
    if (char* real = realpath(Path.c_str(), nullptr)) {
      target = real;
      std::free(real);
    }
    const size_t slash = target.rfind('/');
    const std::string lock_path =
        slash == std::string::npos
            ? "." + target + ".lock"
            : target.substr(0, slash + 1) + "." + target.substr(slash + 1) + ".lock";
    FFd = open(lock_path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (FFd < 0) return;
    // flock, not fcntl: its locks belong to the open file, so threads of one process take turns
    // as well. Polled, since a blocking flock cannot be given a time limit.
    const auto end = std::chrono::steady_clock::now() + kLockWait;
    while (!FHeld) {
      if (flock(FFd, LOCK_EX | LOCK_NB) == 0) {
        FHeld = true;
      } else if (errno == EINTR) {
        continue;
      } else if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() > end) {
        break;
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
  }
  ~WriterLock() {
    if (FFd >= 0) close(FFd);  // releases the lock
  }
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

  bool Held() const { return FHeld; }

 private:
  int FFd = -1;
  bool FHeld = false;
};

// Reads the file, lets `change` edit its lines and writes them back when it changed them (it
// returns whether it did), all under the writers' lock. A missing file is changed as an empty one
// when `create` is set, and left missing otherwise. False when the file cannot be read or written
// or the lock cannot be had; the file is then unchanged.
bool Rewrite(const std::string& Path, bool Create, const std::function<bool(Lines&)>& Change) {
  struct stat st {};
  if (stat(Path.c_str(), &st) != 0) {
    if (!Create) return true;
  } else if (!S_ISREG(st.st_mode)) {
    return false;
  }
  const WriterLock lock(Path);
  if (!lock.Held()) return false;
  std::optional<Lines> read = ReadLines(Path);
  if (!read) {
    // A file that exists but cannot be read must not be replaced by one holding only this entry.
    if (access(Path.c_str(), F_OK) == 0) return false;
    if (!Create) return true;
  }
  Lines lines = read.value_or(Lines{});
  if (!Change(lines)) return true;
  return WriteLines(Path, lines);
}

// Index range of the first matching section: its header and the index after its last line.
struct SectionRange {
  size_t header, end;
};

std::optional<SectionRange> FindSection(const Lines& All, const std::string& Section) {
  for (size_t i = 0; i < All.size(); ++i) {
    const Parsed p = Parse(All[i].text);
    if (p.kind != Kind::kSection || !SameName(p.name, Section)) continue;
    size_t end = i + 1;
    while (end < All.size() && Parse(All[end].text).kind != Kind::kSection) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> FindEntry(const Lines& All, const SectionRange& R, const std::string& Key) {
  for (size_t i = R.header + 1; i < R.end; ++i) {
    const Parsed p = Parse(All[i].text);
    if (p.kind == Kind::kEntry && SameName(p.name, Key)) return i;
  }
  return std::nullopt;
}

std::string Unquote(const std::string& Value) {
  std::string v = TrimBlanks(Value);
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
    v = v.substr(1, v.size() - 2);
  return v;
}

bool HasLineBreak(const std::string& S) { return S.find_first_of("\r\n") != std::string::npos; }

// Whether key=value under [section] reads back as those three texts. A line break would start a
// new line; ']' would end the section header early; in the key, '=' would end the key early and
// a leading '[', ';' or '#' would turn the line into a section header or a comment.
bool ReadsBackAsWritten(const std::string& Section, const std::string& Key,
                        const std::string& Value) {
  if (HasLineBreak(Section) || HasLineBreak(Key) || HasLineBreak(Value)) return false;
  if (Section.find(']') != std::string::npos) return false;
  if (Key.find('=') != std::string::npos) return false;
  const std::string k = TrimBlanks(Key);
  return k.empty() || (k[0] != '[' && k[0] != ';' && k[0] != '#');
}

}  // namespace

std::string ProfilePath(const std::string& FileName) {
  std::string name = FileName;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  if (name.find('/') == std::string::npos) return ConfigDirectory() + "/" + name;
  return name;
}

std::string ProfileRead(const std::string& Section, const std::string& Key, const std::string& Def,
                        const std::string& FileName) {
  const std::optional<Lines> lines = ReadLines(ProfilePath(FileName));
  if (!lines) return TrimBlanksRight(Def);
  const std::optional<SectionRange> range = FindSection(*lines, Section);
  if (!range) return TrimBlanksRight(Def);
  const std::optional<size_t> entry = FindEntry(*lines, *range, Key);
  if (!entry) return TrimBlanksRight(Def);
  return Unquote(Parse((*lines)[*entry].text).value);
}

bool ProfileWrite(const std::string& Section, const std::string& Key, const std::string& Value,
                  const std::string& FileName) {
  if (!ReadsBackAsWritten(Section, Key, Value)) return false;
  return Rewrite(ProfilePath(FileName), true, [&](Lines& lines) {
    const std::string entry = Key + "=" + Value;
    const std::optional<SectionRange> range = FindSection(lines, Section);
    if (!range) {
      InsertLine(lines, lines.size(), "[" + Section + "]");
      InsertLine(lines, lines.size(), entry);
    } else if (const std::optional<size_t> at = FindEntry(lines, *range, Key)) {
      lines[*at].text = entry;
    } else {
      size_t after = range->header;
      for (size_t i = range->header + 1; i < range->end; ++i) {
        if (Parse(lines[i].text).kind == Kind::kEntry) after = i;
      }
      InsertLine(lines, after + 1, entry);
    }
    return true;
  });
}

bool ProfileEraseEntry(const std::string& Section, const std::string& Key,
                       const std::string& FileName) {
  return Rewrite(ProfilePath(FileName), false, [&](Lines& lines) {
    const std::optional<SectionRange> range = FindSection(lines, Section);
    if (!range) return false;
    const std::optional<size_t> at = FindEntry(lines, *range, Key);
    if (!at) return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
  });
}

bool ProfileEraseSection(const std::string& Section, const std::string& FileName) {
  return Rewrite(ProfilePath(FileName), false, [&](Lines& lines) {
    const std::optional<SectionRange> range = FindSection(lines, Section);
    if (!range) return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
  });
}
