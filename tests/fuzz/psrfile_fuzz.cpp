// Logic data files: every input is either taken whole or refused; what is taken is complete,
// within the display's limits, and written back to the same content.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "programs/logic/psrfile.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TPsrContent content;
  content.TriggerPos = 12345;
  if (!ParsePsr(bytes, content)) {
    Check(content.TriggerPos == 12345);  // a refused file leaves the target alone
    return 0;
  }
  Check(std::isfinite(content.TimeBase));
  Check(content.LogSize >= 0 && content.LogSize <= 2);
  Check(content.Samples.size() == size_t(ClampBufferSize(content.BufferSize)));
  for (const std::string& name : content.Names) Check(name.size() <= 255);

  TPsrContent again;
  Check(ParsePsr(BuildPsr(content), again));
  Check(again.TriggerPos == content.TriggerPos && again.LogSize == content.LogSize &&
        again.BufferSize == content.BufferSize && again.Samples == content.Samples);
  for (int i = 0; i < kPsrChannels; ++i) {
    Check(again.Names[i] ==
          (content.Names[i].empty() ? "Chan " + std::to_string(i) : content.Names[i]));
  }
  return 0;
}
