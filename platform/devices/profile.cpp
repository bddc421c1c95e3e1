#include "platform/devices/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/base/safefile.h"
#include "platform/base/strings.h"
#include "platform/devices/config.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string TrimBlanksRight(std::string s) {
  while (!s.empty() && IsBlank(s.back())) s.pop_back();
  return s;
}

bool SameName(const std::string& a, const std::string& b) {
  const std::string x = TrimBlanks(a), y = TrimBlanks(b);
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

Parsed Parse(const std::string& line) {
  Parsed p;
  const std::string t = TrimBlanks(line);
  if (t.empty()) return p;
  if (t[0] == ';' || t[0] == '#') {
    p.kind = Kind::kComment;
  } else if (t[0] == '[') {
    p.kind = Kind::kSection;
    const size_t close = t.find(']');
    p.name = TrimBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  } else {
    p.kind = Kind::kEntry;
    const size_t eq = line.find('=');
    p.name = TrimBlanks(line.substr(0, eq));
    if (eq != std::string::npos) p.value = line.substr(eq + 1);
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
Lines SplitLines(const std::string& data) {
  Lines lines;
  size_t pos = 0;
  while (pos < data.size()) {
    const size_t at = data.find_first_of("\r\n", pos);
    if (at == std::string::npos) {
      lines.push_back({data.substr(pos), ""});
      break;
    }
    size_t next = at + 1;
    if (data[at] == '\r') {
      size_t lf = at;
      while (lf < data.size() && data[lf] == '\r') ++lf;
      if (lf < data.size() && data[lf] == '\n') next = lf + 1;
    }
    lines.push_back({data.substr(pos, at - pos), data.substr(at, next - at)});
    pos = next;
  }
  return lines;
}

// The file's lines; nullopt when the file cannot be read.
std::optional<Lines> ReadLines(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream ss;
  ss << in.rdbuf();
  return SplitLines(ss.str());
}

// Replaces the file by the lines, never leaving it half written.
bool WriteLines(const std::string& path, const Lines& lines) {
  std::string data;
  for (const Line& line : lines) data += line.text + line.end;
  return SafeWriteFile(path, data);
}

// Puts a new line before `at` (lines.size() for the end); a last line without an end gets one.
void InsertLine(Lines& lines, size_t at, const std::string& text) {
  if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = "\r\n";
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text});
}

// Index range of the first matching section: its header and the index after its last line.
struct SectionRange {
  size_t header, end;
};

std::optional<SectionRange> FindSection(const Lines& lines, const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const Parsed p = Parse(lines[i].text);
    if (p.kind != Kind::kSection || !SameName(p.name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && Parse(lines[end].text).kind != Kind::kSection) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> FindEntry(const Lines& lines, const SectionRange& r, const std::string& key) {
  for (size_t i = r.header + 1; i < r.end; ++i) {
    const Parsed p = Parse(lines[i].text);
    if (p.kind == Kind::kEntry && SameName(p.name, key)) return i;
  }
  return std::nullopt;
}

std::string Unquote(const std::string& value) {
  std::string v = TrimBlanks(value);
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
    v = v.substr(1, v.size() - 2);
  return v;
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

// Whether key=value under [section] reads back as those three texts. A line break would start a
// new line; ']' would end the section header early; in the key, '=' would end the key early and
// a leading '[', ';' or '#' would turn the line into a section header or a comment.
bool ReadsBackAsWritten(const std::string& section, const std::string& key,
                        const std::string& value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (section.find(']') != std::string::npos) return false;
  if (key.find('=') != std::string::npos) return false;
  const std::string k = TrimBlanks(key);
  return k.empty() || (k[0] != '[' && k[0] != ';' && k[0] != '#');
}

}  // namespace

std::string ProfilePath(const std::string& fileName) {
  std::string name = fileName;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  if (name.find('/') == std::string::npos) return ConfigDirectory() + "/" + name;
  return name;
}

std::string ProfileRead(const std::string& section, const std::string& key, const std::string& def,
                        const std::string& fileName) {
  const std::optional<Lines> lines = ReadLines(ProfilePath(fileName));
  if (!lines) return TrimBlanksRight(def);
  const std::optional<SectionRange> range = FindSection(*lines, section);
  if (!range) return TrimBlanksRight(def);
  const std::optional<size_t> entry = FindEntry(*lines, *range, key);
  if (!entry) return TrimBlanksRight(def);
  return Unquote(Parse((*lines)[*entry].text).value);
}

bool ProfileWrite(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& fileName) {
  if (!ReadsBackAsWritten(section, key, value)) return false;
  const std::string path = ProfilePath(fileName);
  std::optional<Lines> read = ReadLines(path);
  // A file that exists but cannot be read must not be replaced by one holding only this entry.
  if (!read && access(path.c_str(), F_OK) == 0) return false;
  Lines lines = read.value_or(Lines{});
  const std::string entry = key + "=" + value;
  const std::optional<SectionRange> range = FindSection(lines, section);
  if (!range) {
    InsertLine(lines, lines.size(), "[" + section + "]");
    InsertLine(lines, lines.size(), entry);
  } else if (const std::optional<size_t> at = FindEntry(lines, *range, key)) {
    lines[*at].text = entry;
  } else {
    size_t after = range->header;
    for (size_t i = range->header + 1; i < range->end; ++i) {
      if (Parse(lines[i].text).kind == Kind::kEntry) after = i;
    }
    InsertLine(lines, after + 1, entry);
  }
  return WriteLines(path, lines);
}

bool ProfileEraseEntry(const std::string& section, const std::string& key,
                       const std::string& fileName) {
  const std::string path = ProfilePath(fileName);
  std::optional<Lines> lines = ReadLines(path);
  if (!lines) return access(path.c_str(), F_OK) != 0;
  const std::optional<SectionRange> range = FindSection(*lines, section);
  if (!range) return true;
  const std::optional<size_t> at = FindEntry(*lines, *range, key);
  if (!at) return true;
  lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(*at));
  return WriteLines(path, *lines);
}

bool ProfileEraseSection(const std::string& section, const std::string& fileName) {
  const std::string path = ProfilePath(fileName);
  std::optional<Lines> lines = ReadLines(path);
  if (!lines) return access(path.c_str(), F_OK) != 0;
  const std::optional<SectionRange> range = FindSection(*lines, section);
  if (!range) return true;
  lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(range->header),
               lines->begin() + static_cast<std::ptrdiff_t>(range->end));
  return WriteLines(path, *lines);
}
