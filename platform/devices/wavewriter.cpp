#include "platform/devices/wavewriter.h"

std::string LittleEndian(uint32_t Value, int Bytes) {
  std::string s;
  for (int i = 0; i < Bytes; ++i) s += static_cast<char>(Value >> (8 * i) & 0xFF);
  return s;
}

std::string RiffChunk(const std::string& Id, const std::string& Body) {
  std::string chunk = Id + LittleEndian(static_cast<uint32_t>(Body.size()), 4) + Body;
  if (Body.size() % 2 != 0) chunk += '\0';
  return chunk;
}

std::string WaveFormatBody(uint16_t Tag, uint16_t Channels, uint32_t Rate, uint16_t Bits) {
  return LittleEndian(Tag, 2) + LittleEndian(Channels, 2) + LittleEndian(Rate, 4) +
         LittleEndian(Rate * Channels * Bits / 8, 4) + LittleEndian(Channels * Bits / 8, 2) +
         LittleEndian(Bits, 2);
}

std::string RiffWave(const std::string& Chunks) {
  return "RIFF" + LittleEndian(static_cast<uint32_t>(Chunks.size() + 4), 4) + "WAVE" + Chunks;
}

std::string PcmWave(uint32_t Rate, const std::vector<int16_t>& Samples) {
  std::string data;
  data.reserve(Samples.size() * 2);
  for (int16_t s : Samples) data += LittleEndian(static_cast<uint16_t>(s), 2);
  return RiffWave(RiffChunk("fmt ", WaveFormatBody(1, 1, Rate, 16)) + RiffChunk("data", data));
}
