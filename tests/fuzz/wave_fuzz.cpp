// Wave files: every input is either refused or described within the limits the player takes,
// with no more sample bytes than the file holds.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/devices/sound.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/fuzz-wave-" + std::to_string(getpid()) + ".wav";
  FILE* f = std::fopen(path.c_str(), "wb");
  Check(f != nullptr);
  Check(std::fwrite(data, 1, size, f) == size);
  std::fclose(f);

  TWaveInfo info;
  if (ReadWaveInfo(path, &info)) {
    Check(info.Channels >= 1 && info.Channels <= 8);
    Check(info.SampleRate >= 1000 && info.SampleRate <= 192000);
    Check(info.BitsPerSample >= 8 && info.BitsPerSample <= 32);
    Check(info.DataBytes > 0 && info.DataBytes <= size);
  }
  std::remove(path.c_str());
  return 0;
}
