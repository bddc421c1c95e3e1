#include "platform/forms/stdctrls/filectrl.h"

#include <algorithm>
#include <filesystem>

#include "platform/base/paths.h"
#include "platform/base/strings.h"

namespace {

namespace fs = std::filesystem;

char16_t Lower(char16_t C) { return C >= 'A' && C <= 'Z' ? char16_t(C - 'A' + 'a') : C; }

// '*' any run, '?' one character; letters without regard to case.
bool WildMatch(const char16_t* Pattern, const char16_t* Name) {
  if (*Pattern == '\0') return *Name == '\0';
  if (*Pattern == '*') {
    for (const char16_t* n = Name;; ++n) {
      if (WildMatch(Pattern + 1, n)) return true;
      if (*n == '\0') return false;
    }
  }
  if (*Name == '\0') return false;
  if (*Pattern != '?' && Lower(*Pattern) != Lower(*Name)) return false;
  return WildMatch(Pattern + 1, Name + 1);
}

// The mask is text and the name a file name: both are compared as characters (UTF-16 here, which
// has every Windows-1252 letter as one unit), so that '?' is one letter and "Grü*" finds
// "Grün.wav".
bool MatchesMask(const std::string& Mask, const std::string& Name) {
  const std::u16string chars = PathToUtf16(Name);
  size_t start = 0;
  while (start <= Mask.size()) {
    size_t end = Mask.find(';', start);
    if (end == std::string::npos) end = Mask.size();
    std::string pattern = Trim(Mask.substr(start, end - start));
    if (pattern == "*.*") pattern = "*";
    const std::u16string wild = PathToUtf16(TextToPath(pattern));
    if (!wild.empty() && WildMatch(wild.c_str(), chars.c_str())) return true;
    start = end + 1;
  }
  return false;
}

bool NameLess(const std::string& A, const std::string& B) {
  return AnsiUpperCase(A) < AnsiUpperCase(B);
}

std::string Absolute(const std::string& Path) {
  std::error_code ec;
  fs::path p = fs::absolute(Path, ec);
  if (ec) return Path;
  std::string out = p.lexically_normal().string();
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

bool IsFolder(const std::string& Path) {
  std::error_code ec;
  return fs::is_directory(Path, ec);
}

}  // namespace

// --- TFileListBox ---

TFileListBox::TFileListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  std::error_code ec;
  FDirectory = Absolute(fs::current_path(ec).string());
  ReadFileNames();
}

TFileListBox::~TFileListBox() {
  if (FDirList != nullptr) FDirList->FFileList = nullptr;
}

void TFileListBox::SetMask(const std::string& Value) {
  if (Value == FMask) return;
  FMask = Value;
  ReadFileNames();
}

void TFileListBox::SetDirectory(const std::string& Value) {
  const std::string dir = Absolute(Value);
  if (!IsFolder(dir)) return;
  FDirectory = dir;
  ReadFileNames();
}

void TFileListBox::Update() {
  ReadFileNames();
  TCustomListBox::Update();
}

void TFileListBox::ReadFileNames() {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(FDirectory, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    std::string name = it->path().filename().string();
    if (MatchesMask(FMask, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), NameLess);
  const std::string chosen = FileName();
  FNames = names;
  FLastIndex = -1;
  Items()->Clear();
  for (const std::string& n : names) Items()->Add(PathToText(n));
  const auto it = std::find(FNames.begin(), FNames.end(), fs::path(chosen).filename().string());
  const int keep = chosen.empty() || it == FNames.end() ? -1 : int(it - FNames.begin());
  TCustomListBox::SetItemIndex(keep);
  FLastIndex = keep;
  if (!chosen.empty() && keep < 0) Change();
}

std::string TFileListBox::FileName() const {
  const int i = ItemIndex();
  if (i < 0 || size_t(i) >= FNames.size()) return std::string();
  return (fs::path(FDirectory) / FNames[size_t(i)]).string();
}

void TFileListBox::SetFileName(const std::string& Value) {
  const fs::path path(Absolute(Value));
  if (path.has_parent_path() && Absolute(path.parent_path().string()) != FDirectory) {
    SetDirectory(path.parent_path().string());
  }
  const auto it = std::find(FNames.begin(), FNames.end(), path.filename().string());
  SetItemIndex(it == FNames.end() ? -1 : int(it - FNames.begin()));
}

void TFileListBox::SetItemIndex(int Value) {
  TCustomListBox::SetItemIndex(Value);
  if (ItemIndex() != FLastIndex) Change();
}

void TFileListBox::UserSelected(int Index) {
  TCustomListBox::UserSelected(Index);
  if (ItemIndex() != FLastIndex) Change();
}

void TFileListBox::Change() {
  FLastIndex = ItemIndex();
  if (OnChange) OnChange(this);
}

// --- TDirectoryListBox ---

TDirectoryListBox::TDirectoryListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  std::error_code ec;
  FDirectory = Absolute(fs::current_path(ec).string());
  ReadDirectoryNames();
}

TDirectoryListBox::~TDirectoryListBox() {
  if (FFileList != nullptr) FFileList->FDirList = nullptr;
}

void TDirectoryListBox::SetDirectory(const std::string& Value) {
  const std::string dir = Absolute(Value);
  if (!IsFolder(dir) || dir == FDirectory) return;
  FDirectory = dir;
  ReadDirectoryNames();
  if (FFileList != nullptr) FFileList->SetDirectory(FDirectory);
  if (OnChange) OnChange(this);
}

void TDirectoryListBox::SetFileList(TFileListBox* Value) {
  if (FFileList != nullptr) FFileList->FDirList = nullptr;
  FFileList = Value;
  if (Value == nullptr) return;
  if (Value->FDirList != nullptr && Value->FDirList != this) Value->FDirList->FFileList = nullptr;
  Value->FDirList = this;
  Value->SetDirectory(FDirectory);
}

std::string TDirectoryListBox::GetItemPath(int Index) const {
  return Index >= 0 && size_t(Index) < FPaths.size() ? FPaths[size_t(Index)] : std::string();
}

void TDirectoryListBox::ReadDirectoryNames() {
  FPaths.clear();
  Items()->Clear();
  // The folders from the root down to the open one, each one step further in, then its
  // subfolders.
  std::vector<fs::path> chain;
  for (fs::path p(FDirectory);; p = p.parent_path()) {
    chain.push_back(p);
    if (p == p.parent_path() || p.parent_path().empty()) break;
  }
  std::reverse(chain.begin(), chain.end());
  int depth = 0;
  for (const fs::path& p : chain) {
    const std::string name = p == p.root_path() ? p.string() : p.filename().string();
    FPaths.push_back(p.string());
    Items()->Add(std::string(size_t(depth) * 2, ' ') + PathToText(name));
    ++depth;
  }
  const int open_index = int(FPaths.size()) - 1;
  std::vector<std::string> subs;
  std::error_code ec;
  for (fs::directory_iterator it(FDirectory, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (it->is_directory(type_ec)) subs.push_back(it->path().filename().string());
  }
  std::sort(subs.begin(), subs.end(), NameLess);
  for (const std::string& s : subs) {
    FPaths.push_back((fs::path(FDirectory) / s).string());
    Items()->Add(std::string(size_t(depth) * 2, ' ') + PathToText(s));
  }
  SetItemIndex(open_index);
}

void TDirectoryListBox::DblClick() {
  TCustomListBox::DblClick();
  SetDirectory(GetItemPath(ItemIndex()));
}

void TDirectoryListBox::KeyPress(char& Key) {
  TCustomListBox::KeyPress(Key);
  if (Key == '\r') SetDirectory(GetItemPath(ItemIndex()));
}
