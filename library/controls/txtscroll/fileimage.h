#pragma once
// A file's bytes as they were when it was opened, for as long as a view shows them.
//
// The bytes are the file's own pages, mapped under a read lease: before any writer can open or
// cut the file, the kernel stops it and tells us; the mapped bytes are then copied into private
// memory at the same address and the lease is given up, so the view keeps what it showed and a
// shortened file can never pull pages away under it. Where no lease can be had (the file is open
// for writing somewhere, belongs to someone else, or tells no size, as files in /proc do) the
// bytes are copied at once. The lease's notice goes to the thread that opened the file, which
// must stay alive while the image does (the viewer's window thread).

#include <cstddef>
#include <string>

#include "library/controls/txtscroll/largeblock.h"

class TFileImage {
 public:
  TFileImage() = default;
  // The bytes of the regular file open for reading at Fd (which stays the caller's), read from
  // its start. Throws EInOutError naming FileName when it cannot be read.
  TFileImage(int Fd, const std::string& FileName);
  ~TFileImage();
  TFileImage(TFileImage&& Other) noexcept;
  TFileImage& operator=(TFileImage&& Other) noexcept;

  // The bytes may be written (edits); they never reach the file.
  char* Data() const { return FData; }
  size_t Size() const { return FSize; }

 private:
  void Release();

  char* FData = nullptr;
  size_t FSize = 0;
  // The mapping under the lease (FData, FSize rounded up to pages), or -1 for a copy in FCopy.
  int FFd = -1;
  TLargeBlock FCopy;
};
