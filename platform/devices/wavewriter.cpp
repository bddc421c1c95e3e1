#include "platform/devices/wavewriter.h"

std::string LittleEndian(uint32_t value, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>(value >> (8 * i) & 0xFF);
  return s;
}

std::string RiffChunk(const std::string& id, const std::string& body) {
  std::string chunk = id + LittleEndian(static_cast<uint32_t>(body.size()), 4) + body;
  if (body.size() % 2 != 0) chunk += '\0';
  return chunk;
}

std::string WaveFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  return LittleEndian(tag, 2) + LittleEndian(channels, 2) + LittleEndian(rate, 4) +
         LittleEndian(rate * channels * bits / 8, 4) + LittleEndian(channels * bits / 8, 2) +
         LittleEndian(bits, 2);
}

std::string RiffWave(const std::string& chunks) {
  return "RIFF" + LittleEndian(static_cast<uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

std::string PcmWave(uint32_t rate, const std::vector<int16_t>& samples) {
  std::string data;
  data.reserve(samples.size() * 2);
  for (int16_t s : samples) data += LittleEndian(static_cast<uint16_t>(s), 2);
  return RiffWave(RiffChunk("fmt ", WaveFormatBody(1, 1, rate, 16)) + RiffChunk("data", data));
}
