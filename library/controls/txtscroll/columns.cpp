#include <algorithm>

#include "library/controls/txtscroll/textlines.h"

namespace {

// The visual column after byte c when the one before it is v.
int64_t Advance(int64_t v, char c, int TabSize) {
  if (c == '\t' && TabSize > 0) return (v / TabSize + 1) * TabSize;
  return v + 1;
}

int ClampInt(int64_t v) { return int(std::min<int64_t>(v, INT32_MAX)); }

}  // namespace

std::string ExpandTabsTo(std::string_view Src, int TabSize) {
  std::string out;
  if (TabSize <= 0) return out;
  out.reserve(Src.size());
  for (char c : Src) {
    if (c == '\t')
      out.append(size_t(TabSize - int(out.size() % size_t(TabSize))), ' ');
    else
      out.push_back(c);
  }
  return out;
}

int ColumnToIndex(std::string_view S, int Column, int TabSize) {
  if (Column <= 0) return 0;
  int64_t v = 0;
  for (size_t i = 0; i < S.size(); ++i) {
    const int64_t next = Advance(v, S[i], TabSize);
    if (next > Column) return int(i);  // inside a tab's blanks
    v = next;
    if (v == Column) return int(i + 1);
  }
  return int(S.size());
}

int IndexToColumn(std::string_view S, int Index, int TabSize) {
  int64_t v = 0;
  const size_t n = std::min(S.size(), size_t(std::max(Index, 0)));
  for (size_t i = 0; i < n; ++i) v = Advance(v, S[i], TabSize);
  return ClampInt(v);
}

bool IsIdentChar(char C) {
  return C == '$' || C == '_' || (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') ||
         (C >= 'a' && C <= 'z');
}

void ReplaceNonPrintable(std::string& S, int Len, uint8_t Lo, uint8_t Hi, char Repl) {
  const size_t n = std::min(S.size(), size_t(std::max(Len, 0)));
  for (size_t i = 0; i < n; ++i) {
    const uint8_t c = uint8_t(S[i]);
    if (c < Lo || c > Hi) S[i] = Repl;
  }
}

bool HasTab(std::string_view S, int Len) {
  return S.substr(0, size_t(std::max(Len, 0))).find('\t') != std::string_view::npos;
}
