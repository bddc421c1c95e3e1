#pragma once
// Wave sounds through one channel per process, in the manner of the Windows simple sound
// function: every call first stops what is playing.
//
// Names are file names (platform/base/paths.h): backslashes count as '/'; ".wav" is added when
// the file name has no extension; the file name is matched without regard to the case of the
// letters Windows-1252 has, in the name's own directory, or for a bare name in the current
// directory and then in the program's directory.

#include <cstdint>
#include <string>

constexpr uint32_t SND_SYNC = 0x0, SND_ASYNC = 0x1, SND_LOOP = 0x8;

struct TWaveInfo {
  uint16_t FormatTag = 0;  // 1 PCM, 3 IEEE float, 0xFFFE extensible
  uint16_t Channels = 0;
  uint32_t SampleRate = 0;
  uint16_t BitsPerSample = 0;
  uint32_t DataBytes = 0;  // sample bytes present in the file
};

// The path a sound name finds, or empty when there is no such file.
std::string FindSoundFile(const std::string& Name);

// The most sample bytes a sound may have: a sound is held whole in memory while it plays, and a
// larger one (about 25 minutes of CD-quality stereo) is refused rather than read.
constexpr uint32_t kMaxWaveDataBytes = 256u << 20;

// Reads and checks the RIFF/WAVE header: a format chunk with PCM or float samples of 8 to 32
// bits, 1 to 8 channels and 1000 to 192000 samples per second, and a data chunk with samples,
// at most kMaxWaveDataBytes of them. False for anything else (missing, truncated or corrupt
// files, and anything but a regular file). Only the chunk headers are read.
bool ReadWaveInfo(const std::string& Path, TWaveInfo* Info);

// Plays the named wave file once (SND_SYNC: returns when it has ended, SND_ASYNC: returns at
// once) or repeatedly until the next call (SND_ASYNC | SND_LOOP). An empty name stops any sound
// and returns True. False, playing nothing, when the file is not found or is no valid wave
// file, when there is no audio output device, or when there is no Qt application object (the
// sound is played by the event loop). A synchronous play waits at most the sound's length plus
// two seconds and keeps timers running meanwhile, but takes no user input.
bool SndPlaySound(const std::string& Name, uint32_t Flags);
