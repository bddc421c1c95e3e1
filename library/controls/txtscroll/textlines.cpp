#include "library/controls/txtscroll/textlines.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kBlockSize = size_t(1) << 20;

}  // namespace

TtsStringList::TtsStringList() = default;
TtsStringList::~TtsStringList() = default;

char* TtsStringList::Store(std::string_view Text) {
  if (Text.empty()) return nullptr;
  if (blocks_.empty() || block_size_ - block_used_ < Text.size()) {
    block_size_ = std::max(kBlockSize, Text.size());
    blocks_.push_back(std::make_unique<char[]>(block_size_));
    block_used_ = 0;
  }
  char* at = blocks_.back().get() + block_used_;
  std::memcpy(at, Text.data(), Text.size());
  block_used_ += Text.size();
  return at;
}

void TtsStringList::Add(std::string_view Text) {
  Text = Text.substr(0, kMaxLineLength);
  TStringNode node;
  node.text_ = Store(Text);
  node.length_ = uint16_t(Text.size());
  nodes_.push_back(node);
}

TStringNode* TtsStringList::GetNode(int Index) {
  if (Index < 0 || Index >= Count()) return nullptr;
  return &nodes_[size_t(Index)];
}

const TStringNode* TtsStringList::GetNode(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return &nodes_[size_t(Index)];
}

void TtsStringList::SetText(int Index, std::string_view Text) {
  TStringNode* node = GetNode(Index);
  if (!node) return;
  Text = Text.substr(0, kMaxLineLength);
  // A text that fits is written over the old one; edits keep a line's length.
  if (Text.size() <= node->length_) {
    if (!Text.empty()) std::memcpy(node->text_, Text.data(), Text.size());
  } else {
    node->text_ = Store(Text);
  }
  node->length_ = uint16_t(Text.size());
}
