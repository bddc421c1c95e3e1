#pragma once
// The demo's sounds, synthesised: short tone and noise sequences, 16-bit mono.

#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kSoundRate = 22050;

// The file names of the sounds, with their extension.
const std::vector<std::string>& SoundNames();
// The samples of the sound of that name (empty for an unknown name).
std::vector<int16_t> SynthesiseSound(const std::string& Name);
