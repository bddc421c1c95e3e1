#pragma once
// Writing RIFF/WAVE files: the chunks they are made of, and whole 16-bit mono PCM sounds.

#include <cstdint>
#include <string>
#include <vector>

// Value as `bytes` little-endian bytes.
std::string LittleEndian(uint32_t value, int bytes);
// A chunk: four-character id, little-endian size, the body, and a pad byte after an odd body.
std::string RiffChunk(const std::string& id, const std::string& body);
// The body of a "fmt " chunk for the given sample layout.
std::string WaveFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
// A whole file around the chunks: "RIFF", size, "WAVE", chunks.
std::string RiffWave(const std::string& chunks);
// A mono 16-bit PCM file of the samples.
std::string PcmWave(uint32_t rate, const std::vector<int16_t>& samples);
