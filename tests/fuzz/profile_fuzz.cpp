// Profile (INI) files: any file content reads without harm, and a value written into it reads
// back as written while an entry of another section keeps its value.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/devices/profile.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const std::string& FilePath() {
  static const std::string path = "/tmp/fuzz-profile-" + std::to_string(getpid()) + ".ini";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = FilePath();
  FILE* f = std::fopen(path.c_str(), "wb");
  Check(f != nullptr);
  Check(std::fwrite(data, 1, size, f) == size);
  std::fclose(f);

  const std::string before = ProfileRead("a", "b", "none", path);
  ProfileRead("", "", "", path);
  Check(ProfileWrite("fuzz section", "fuzz key", "value 1", path));
  Check(ProfileRead("fuzz section", "fuzz key", "", path) == "value 1");
  Check(ProfileRead("a", "b", "none", path) == before);
  Check(ProfileEraseEntry("fuzz section", "fuzz key", path));
  Check(ProfileRead("a", "b", "none", path) == before);
  std::remove(path.c_str());
  return 0;
}
