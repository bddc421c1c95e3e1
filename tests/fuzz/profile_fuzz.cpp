// Profile (INI) files: any file content reads without harm, a value written into it reads back as
// written while an entry of another section keeps its value, and a section added and taken away
// again leaves every byte of the file as it was (a last line without a line end gets one).

#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/devices/profile.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// A private folder in memory where there is one: on a disk, each rename over the file waits for
// the disk, and the fuzzer would get through a few hundred inputs a second and never grow long
// ones.
const std::string& Folder() {
  // Never freed: the exit handler that removes the folder runs after static destructors.
  static const std::string* folder = [] {
    auto* name = new std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    *name += "/fuzz-profile-XXXXXX";
    Check(mkdtemp(name->data()) != nullptr);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return name;
  }();
  return *folder;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool MentionsFuzz(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("fuzz") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = Folder() + "/f.ini";
  const std::string original(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(path, std::ios::binary);
    out << original;
    Check(out.good());
  }

  const std::string before = ProfileRead("a", "b", "none", path);
  ProfileRead("", "", "", path);
  Check(ProfileWrite("fuzz section", "fuzz key", "value 1", path));
  Check(ProfileRead("fuzz section", "fuzz key", "", path) == "value 1");
  Check(ProfileRead("a", "b", "none", path) == before);
  Check(ProfileEraseEntry("fuzz section", "fuzz key", path));
  Check(ProfileRead("a", "b", "none", path) == before);
  if (!MentionsFuzz(original)) {
    // The section was new, so it went to the end and took nothing else with it when erased.
    const bool open = !original.empty() && original.back() != '\r' && original.back() != '\n';
    const std::string kept = original + (open ? "\r\n" : "");
    Check(ReadAll(path) == kept + "[fuzz section]\r\n");
    Check(ProfileEraseSection("fuzz section", path));
    Check(ReadAll(path) == kept);
  }
  std::remove(path.c_str());
  return 0;
}
