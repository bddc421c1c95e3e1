#pragma once
// A file's bytes handed to a format reader in order, as it asks for them, so that it reads no
// more of a file than it uses; the same reader runs over bytes already in memory.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The next Count bytes, fewer only where the bytes end.
using TNextBytes = std::function<std::string(size_t Count)>;

// The bytes of Bytes in order; Bytes must outlive the result.
inline TNextBytes NextBytesOf(std::string_view Bytes) {
  return [Bytes, pos = size_t(0)](size_t Count) mutable {
    const std::string_view piece = Bytes.substr(pos, Count);
    pos += piece.size();
    return std::string(piece);
  };
}
