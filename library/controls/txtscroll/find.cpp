#include <algorithm>

#include "library/controls/txtscroll/txtscroll.h"
#include "platform/forms/clipboard.h"

std::string TTextScroller::SelectedText() const {
  std::string out;
  if (FSel.Empty()) return out;
  const auto part = [&](int line, int from, int to) {
    const std::string_view s = LineText(line);
    from = std::clamp(from, 0, int(s.size()));
    to = std::clamp(to, from, int(s.size()));
    out.append(s.substr(size_t(from), size_t(to - from)));
  };
  for (int line = FSel.Start.Line; line < FSel.End.Line; ++line) {
    part(line, line == FSel.Start.Line ? FSel.Start.Col : 0, INT32_MAX);
    out += "\r\n";
  }
  part(FSel.End.Line, FSel.Start.Line == FSel.End.Line ? FSel.Start.Col : 0, FSel.End.Col);
  return out;
}

void TTextScroller::CopyToClipboard() {
  if (FSel.Empty()) return;
  SetClipboardText(SelectedText());
}

bool TTextScroller::FindText(const std::string& Text, uint8_t Options) {
  std::string pattern = Text.substr(0, 255);
  if (pattern.empty() || FLineCount <= 0) return false;
  SetWaitCursor(true);
  const bool backwards = Options & ftBackwards;
  const bool match_case = Options & ftMatchCase;
  TtsPos at = FCaretPos;
  if (Options & ftWholeText)
    at = backwards ? TtsPos{FLineCount - 1, int(LineText(FLineCount - 1).size())} : TtsPos{0, 0};
  if (!match_case)
    for (char& c : pattern) c = char(AnsiUpperByte(uint8_t(c)));
  TBMTable table;
  BMSkipTable(pattern, table);
  const int m = int(pattern.size());
  const auto search = [&](const char* text, int len, int& pos) {
    return match_case ? BMSearch(text, len, table, pattern, pos)
                      : BMSearchNoCase(text, len, table, pattern, pos);
  };

  bool found = false;
  if (!backwards) {
    for (int line = at.Line, col = at.Col; line < FLineCount && !found; ++line, col = 0) {
      const std::string_view s = LineText(line);
      col = std::clamp(col, 0, int(s.size()));
      int pos;
      if (int(s.size()) - col >= m && search(s.data() + col, int(s.size()) - col, pos)) {
        found = true;
        SelectRange(line, col + pos, line, col + pos + m, true);
      }
    }
  } else {
    for (int line = at.Line, col = at.Col; line >= 0 && !found; --line, col = INT32_MAX) {
      const std::string_view s = LineText(line);
      col = std::clamp(col, 0, int(s.size()));
      int hit = -1, pos;
      // The last occurrence that ends at or before the column.
      for (int from = 0; col - from >= m && search(s.data() + from, col - from, pos);
           from += pos + 1)
        hit = from + pos;
      if (hit >= 0) {
        found = true;
        SelectRange(line, hit, line, hit + m, false);
      }
    }
  }
  SetWaitCursor(false);
  return found;
}
