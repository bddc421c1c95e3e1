#include "library/controls/txtscroll/content.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "tests/library/controls/txtscroll/tempfiles.h"

namespace {

std::vector<std::string> Lines(const TtsStringList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.emplace_back(list.GetNode(i)->Text());
  return out;
}

TEST(ReadTextLinesTest, LineBreaksTabsAndTheTrailingEmptyLine) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::string long_line(2000, 'x');
  const Case cases[] = {
      {"empty", "", {""}},
      {"three lines", "one\ntwo\nthree\n", {"one", "two", "three", ""}},
      {"no final break", "one\ntwo", {"one", "two", ""}},
      {"crlf", "one\r\ntwo\r\n", {"one", "two", ""}},
      {"lone cr", "one\rtwo\r", {"one", "two", ""}},
      {"mixed", "a\r\n\rb\n\nc", {"a", "", "b", "", "c", ""}},
      {"tabs kept", "\tx\ty\n", {"\tx\ty", ""}},
      {"nul and ctrl-z kept",
       std::string("a\0b\x1A"
                   "c\n",
                   6),
       {std::string("a\0b\x1A"
                    "c",
                    5),
        ""}},
      {"long line cut", long_line + "\nnext\n", {long_line.substr(0, 1023), "next", ""}},
      {"exactly 1023", std::string(1023, 'y') + "\n", {std::string(1023, 'y'), ""}},
  };
  TempFolder dir;
  for (const Case& c : cases) {
    const auto list = ReadTextLines(dir.Write("f.txt", c.bytes));
    EXPECT_EQ(Lines(*list), c.lines) << c.name;
  }
}

// Line breaks and long lines that straddle the reader's blocks.
TEST(ReadTextLinesTest, LinesAcrossReadBlocks) {
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; bytes.size() < (3u << 20); ++i) {
    const std::string text = std::string(size_t(i * 37 % 1500), char('a' + i % 26));
    bytes += text + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    expected.push_back(text.substr(0, 1023));
  }
  expected.push_back("");
  TempFolder dir;
  const auto list = ReadTextLines(dir.Write("big.txt", bytes));
  ASSERT_EQ(list->Count(), int(expected.size()));
  EXPECT_EQ(Lines(*list), expected);
}

// The lines of the bytes by the plain rule, byte by byte: a line ends at CR LF, LF or a lone CR,
// is cut to 1023 bytes, and one empty line follows the last.
std::vector<std::string> SplitPlainly(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line.substr(0, 1023));
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line.substr(0, 1023));
  lines.push_back("");
  return lines;
}

// The reader looks at 64 bytes at a time and writes out the line ends of 16 KiB before making
// lines of them: line ends and CR LF pairs on both sides of those edges, blocks full of ends, and
// a cut line that runs over them.
TEST(ReadTextLinesTest, LineEndsAroundTheReadersBlocks) {
  const std::string ends[] = {"\n", "\r", "\r\n", "\n\r", "\r\r\n", "\n\n"};
  TempFolder dir;
  for (const size_t edge : {size_t(64), size_t(128), size_t(16) << 10, size_t(32) << 10}) {
    for (size_t before = edge - 3; before <= edge + 1; ++before) {
      for (const std::string& e : ends) {
        const std::string bytes = std::string(before, 'a') + e + "b" + e;
        const auto list = ReadTextLines(dir.Write("f.txt", bytes));
        EXPECT_EQ(Lines(*list), SplitPlainly(bytes)) << before << " " << int(e[0]) << e.size();
      }
    }
  }
  std::string dense;  // every other byte a line end, some blocks of nothing else
  for (int i = 0; dense.size() < (40u << 10); ++i)
    dense += i % 500 < 100 ? std::string("\n") : i % 3 ? std::string("x\r\n") : std::string("y\n");
  const auto list = ReadTextLines(dir.Write("dense.txt", dense));
  EXPECT_EQ(Lines(*list), SplitPlainly(dense));
}

// The view keeps what the file held when it was opened, whatever is done to the file while it is
// open: written anew, cut short (which would take mapped pages away), or already open for writing
// when it is read.
TEST(ReadTextLinesTest, AFileChangedWhileOpenKeepsItsLines) {
  TempFolder dir;
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += "line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
  const auto expected = SplitPlainly(bytes);
  const std::string name = dir.Write("f.txt", bytes);
  const auto rewrite = [&] { std::ofstream(name, std::ios::binary) << "other\n"; };
  const auto cut = [&] { ASSERT_EQ(::truncate(name.c_str(), 0), 0); };
  for (const auto& change : {std::function<void()>(rewrite), std::function<void()>(cut)}) {
    dir.Write("f.txt", bytes);
    const auto list = ReadTextLines(name);
    change();
    EXPECT_EQ(Lines(*list), expected);
  }
  dir.Write("f.txt", bytes);
  const int writer = ::open(name.c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  const auto list = ReadTextLines(name);
  ASSERT_EQ(::ftruncate(writer, 0), 0);
  ASSERT_EQ(::write(writer, "x\n", 2), 2);
  ::close(writer);
  EXPECT_EQ(Lines(*list), expected);
}

// Some files tell the size 0 and still have bytes to read (as in /proc): they are read to their
// end.
TEST(ReadTextLinesTest, FilesThatTellNoSizeAreReadToTheirEnd) {
  const auto list = ReadTextLines("/proc/self/status");
  ASSERT_GT(list->Count(), 5);
  EXPECT_EQ(list->GetNode(0)->Text().substr(0, 5), "Name:");
  EXPECT_EQ(list->GetNode(list->Count() - 1)->Text(), "");
}

TEST(ReadTextLinesTest, UnreadableFilesThrow) {
  TempFolder dir;
  EXPECT_THROW(ReadTextLines(dir.Path("missing.txt")), EInOutError);
  EXPECT_THROW(ReadTextLines(dir.Path("")), EInOutError);  // the folder itself
}

// Devices and FIFOs never end or never start to deliver: they must fail at once, like a folder.
TEST(ReadTextLinesTest, OnlyRegularFilesOpen) {
  TempFolder dir;
  const std::string fifo = dir.Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::vector<uint8_t> buf(16);
  for (const std::string& name :
       {std::string("/dev/zero"), std::string("/dev/urandom"), fifo, dir.Path("")}) {
    try {
      ReadTextLines(name);
      ADD_FAILURE() << name << " opened";
    } catch (const EInOutError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot open file " + name, 0), 0u) << e.what();
      EXPECT_NE(e.ErrorCode(), 0) << name;
    }
    EXPECT_THROW(ReadFileStart(name, buf), EInOutError) << name;
  }
}

TEST(HexLinesTest, LineTextsForTheThreeGroupSizes) {
  std::vector<uint8_t> buf = {0x41, 0x42, 0x00, 0x7F, 0x80, 0xFF, 0x20};
  buf.resize(20, 0x3C);
  EXPECT_EQ(HexLineText(buf, 0, 0, hsByte, '.'),
            "000000 41 42 00 7F 80 FF 20 3C 3C 3C 3C 3C 3C 3C 3C 3C AB.\x7F.. <<<<<<<<<");
  EXPECT_EQ(HexLineText(buf, 0, 0, hsWord, '.'),
            "000000 4142 007F 80FF 203C 3C3C 3C3C 3C3C 3C3C AB.\x7F.. <<<<<<<<<");
  EXPECT_EQ(HexLineText(buf, 0, 0, hsLong, '.'),
            "000000 4142007F 80FF203C 3C3C3C3C 3C3C3C3C AB.\x7F.. <<<<<<<<<");
  // Past the buffer the bytes read as 0; the address adds the offset.
  EXPECT_EQ(HexLineText(buf, 1, 0x10, hsByte, '\x85'),
            "000020 3C 3C 3C 3C 00 00 00 00 00 00 00 00 00 00 00 00 <<<<\x85\x85\x85\x85\x85\x85"
            "\x85\x85\x85\x85\x85\x85");
  EXPECT_EQ(HexLineText(buf, 0, 0, hsByte, '.').size(), 71u);
  EXPECT_EQ(HexLineText(buf, 0, 0, hsWord, '.').size(), 63u);
  EXPECT_EQ(HexLineText(buf, 0, 0, hsLong, '.').size(), 59u);
}

TEST(HexLinesTest, HeaderLinesUpWithTheColumns) {
  for (tsHexSize size : {hsByte, hsWord, hsLong}) {
    const std::string header = HexHeaderText(size);
    const std::string line = HexLineText(std::vector<uint8_t>(16, 0xAB), 0, 0, size, '.');
    EXPECT_EQ(header.substr(0, 7), "adress ");
    EXPECT_EQ(header.substr(7, 3), "00 ");
    EXPECT_EQ(header.find("ascii"), line.find('.')) << size;
  }
  EXPECT_EQ(HexHeaderText(hsLong), "adress 00       04       08       0C       ascii");
}

TEST(HexLinesTest, ColumnsAddressBytes) {
  struct Case {
    tsHexSize size;
    int col, byte;
    THexCharKind kind;
  };
  const Case cases[] = {
      {hsByte, 6, -1, hkNone},       {hsByte, 7, 0, hkHighNibble}, {hsByte, 8, 0, hkLowNibble},
      {hsByte, 10, 1, hkHighNibble}, {hsByte, 55, 0, hkAscii},     {hsByte, 70, 15, hkAscii},
      {hsByte, 71, -1, hkNone},      {hsWord, 9, 1, hkHighNibble}, {hsWord, 12, 2, hkHighNibble},
      {hsWord, 47, 0, hkAscii},      {hsWord, 63, -1, hkNone},     {hsLong, 14, 3, hkLowNibble},
      {hsLong, 16, 4, hkHighNibble}, {hsLong, 43, 0, hkAscii},     {hsLong, 58, 15, hkAscii}};
  for (const Case& c : cases) {
    THexCharKind kind;
    EXPECT_EQ(HexByteInLine(c.col, c.size, &kind), c.byte) << c.size << " " << c.col;
    EXPECT_EQ(kind, c.kind) << c.size << " " << c.col;
  }
  // Every hex digit column names the byte whose digits it shows.
  for (tsHexSize size : {hsByte, hsWord, hsLong}) {
    const std::string line = HexLineText(std::vector<uint8_t>(16, 0), 0, 0, size, '.');
    for (int col = 7; col < int(line.size()); ++col) {
      EXPECT_EQ(line[size_t(col)] == ' ', IsHexGroupBlank(col, size)) << size << " " << col;
    }
  }
}

// The byte values of a file as xxd prints them.
std::vector<int> XxdBytes(const std::string& path) {
  std::vector<int> bytes;
  FILE* pipe = ::popen(("LC_ALL=C xxd -p '" + path + "'").c_str(), "r");
  if (!pipe) return bytes;
  std::string hex;
  char buf[4096];
  while (size_t n = std::fread(buf, 1, sizeof buf, pipe)) hex.append(buf, n);
  ::pclose(pipe);
  std::string digits;
  for (char c : hex)
    if (std::isxdigit(uint8_t(c))) digits.push_back(c);
  for (size_t i = 0; i + 1 < digits.size(); i += 2)
    bytes.push_back(std::stoi(digits.substr(i, 2), nullptr, 16));
  return bytes;
}

// The byte values that the hex lines show, read back from their digit columns.
std::vector<int> ShownBytes(const std::vector<std::string>& lines, tsHexSize size) {
  std::vector<int> bytes;
  for (const std::string& line : lines) {
    int last = -1;
    for (int col = kHexFirstCol; col < int(line.size()); ++col) {
      THexCharKind kind;
      const int b = HexByteInLine(col, size, &kind);
      if (kind != hkHighNibble || b == last || IsHexGroupBlank(col, size)) continue;
      last = b;
      bytes.push_back(std::stoi(line.substr(size_t(col), 2), nullptr, 16));
    }
  }
  return bytes;
}

TEST(HexLinesTest, ShowTheSameBytesAsXxd) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes.push_back(char((i * 149 + 7) % 256));
  TempFolder dir;
  const std::string path = dir.Write("data.bin", bytes);
  const std::vector<int> xxd = XxdBytes(path);
  ASSERT_EQ(xxd.size(), 300u) << "xxd is needed for this test";
  for (tsHexSize size : {hsByte, hsWord, hsLong}) {
    std::vector<uint8_t> buf(304);
    ASSERT_EQ(ReadFileStart(path, buf), 300);
    std::vector<std::string> lines;
    for (int n = 0; n * 16 < 300; ++n) lines.push_back(HexLineText(buf, n, 0, size, '.'));
    std::vector<int> shown = ShownBytes(lines, size);
    ASSERT_EQ(shown.size(), 304u);
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 300), xxd) << size;
    EXPECT_EQ(std::vector<int>(shown.begin() + 300, shown.end()), std::vector<int>(4, 0));
  }
}

TEST(HexLinesTest, ReadFileStartZeroesWhatTheFileDoesNotFill) {
  TempFolder dir;
  std::vector<uint8_t> buf(64, 0xEE);
  EXPECT_EQ(ReadFileStart(dir.Write("five", "12345"), buf), 5);
  EXPECT_EQ(buf[4], '5');
  EXPECT_EQ(buf[5], 0);
  EXPECT_EQ(buf[63], 0);
  EXPECT_THROW(ReadFileStart(dir.Path("none"), buf), EInOutError);
}

}  // namespace
