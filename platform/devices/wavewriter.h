#pragma once
// Writing RIFF/WAVE files: the chunks they are made of, and whole 16-bit mono PCM sounds.

#include <cstdint>
#include <string>
#include <vector>

// Value as `bytes` little-endian bytes.
std::string LittleEndian(uint32_t Value, int Bytes);
// A chunk: four-character id, little-endian size, the body, and a pad byte after an odd body.
std::string RiffChunk(const std::string& Id, const std::string& Body);
// The body of a "fmt " chunk for the given sample layout.
std::string WaveFormatBody(uint16_t Tag, uint16_t Channels, uint32_t Rate, uint16_t Bits);
// A whole file around the chunks: "RIFF", size, "WAVE", chunks.
std::string RiffWave(const std::string& Chunks);
// A mono 16-bit PCM file of the samples.
std::string PcmWave(uint32_t Rate, const std::vector<int16_t>& Samples);
