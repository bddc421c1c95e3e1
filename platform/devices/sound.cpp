#include "platform/devices/sound.h"

#include <dirent.h>
#include <unistd.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/paths.h"
#include "platform/base/regularfile.h"
#include "platform/base/strings.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_LEAK_CHECK 1
#endif
#endif
#ifndef ORVANE_LEAK_CHECK
#define ORVANE_LEAK_CHECK 0
#endif
#if ORVANE_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace {

uint32_t Le32(const unsigned char* P) {
  return P[0] | P[1] << 8 | P[2] << 16 | uint32_t{P[3]} << 24;
}
uint16_t Le16(const unsigned char* P) { return static_cast<uint16_t>(P[0] | P[1] << 8); }

std::string ProgramDirectory() {
  char buf[4096];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "";
  const std::string exe(buf, static_cast<size_t>(n));
  return exe.substr(0, exe.rfind('/'));
}

// A file name with its letters in upper case: the characters that Windows-1252 has are mapped as
// there, every other character and byte stays. (Mapping the UTF-8 bytes themselves would change
// lead and continuation bytes and make different names equal.)
std::string UpperCaseName(std::string_view Name) {
  std::string out;
  for (size_t i = 0; i < Name.size();) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8(Name, i, cp);
    const int byte = len == 0 ? -1 : cp1252_literal::ByteOf(cp);
    if (byte < 0) {
      out.append(Name.substr(i, std::max<size_t>(len, 1)));
    } else {
      out += TextToPath(std::string(1, AnsiUpCase(static_cast<char>(byte))));
    }
    i += std::max<size_t>(len, 1);
  }
  return out;
}

// The entry of `dir` named `file` without regard to case; the exact name wins.
std::string FindInDirectory(const std::string& Dir, const std::string& File) {
  const std::string exact = Dir + "/" + File;
  if (access(exact.c_str(), R_OK) == 0) return exact;
  DIR* d = opendir(Dir.c_str());
  if (!d) return "";
  const std::string want = UpperCaseName(File);
  std::string found;
  while (const dirent* e = readdir(d)) {
    if (UpperCaseName(e->d_name) == want) {
      found = Dir + "/" + e->d_name;
      break;
    }
  }
  closedir(d);
  return found;
}

QSoundEffect* channel = nullptr;  // the process's one channel

// Ends the channel while the sound service it plays through is still there: the service's
// client library asserts, or touches freed memory, when its connection is torn down under a
// live stream. Runs as the application object goes; a program that keeps that object to its end
// leaves through EndBeforeTheSoundEngine instead.
void TearDownChannel() {
  QSoundEffect* gone = channel;
  if (!gone) return;
  channel = nullptr;
  gone->stop();
  delete gone;
  // The output's parts that were handed to deleteLater go now, not after the service.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QSoundEffect* Effect() {
  if (channel) return channel;
  channel = new QSoundEffect();
  qAddPostRoutine(TearDownChannel);
  return channel;
}

// The multimedia library's sound-service engine ends in that library's own exit handler, where
// its event thread can still read from the connection being torn down and crash the process
// after main has returned (seen with PulseAudio 16 under Qt 6.4, in about one exit of twenty).
// So a program that played a sound ends here, before that handler: output is flushed, the leak
// check of a sanitizer build runs, and the exit status stays. The channel is not torn down here:
// its stream's teardown races the engine's event thread as well (an assertion in the client
// library, about one exit in fifty on a loaded machine), and ending the process closes the
// connection without either. What is skipped are destructors of objects that live to the end of
// the program; files are written and closed by the time they are saved.
void EndBeforeTheSoundEngine(int Status, void*) {
  std::fflush(nullptr);
#if ORVANE_LEAK_CHECK
  __lsan_do_leak_check();
#endif
  _exit(Status);
}

// Exit handlers run in the reverse order of their registration, and ours must come before the
// multimedia library's. That library sets up its engine and the stream's parts only after play()
// has returned, as the stream goes live and again as it ends, so ours is registered once at the
// first play and again at the first start and end of a stream, each time coming first.
void EndFirstAtExit(QSoundEffect* Effect) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  on_exit(EndBeforeTheSoundEngine, nullptr);
  QObject::connect(Effect, &QSoundEffect::playingChanged, Effect, [Effect] {
    static bool started = false, ended = false;
    bool& first = Effect->isPlaying() ? started : ended;
    if (first) return;
    first = true;
    on_exit(EndBeforeTheSoundEngine, nullptr);
  });
}

}  // namespace

std::string FindSoundFile(const std::string& Name) {
  std::string path = Name;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  const size_t slash = path.rfind('/');
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  if (file.empty()) return "";
  if (file.find('.') == std::string::npos) file += ".wav";
  std::vector<std::string> dirs;
  if (slash != std::string::npos) {
    dirs.push_back(slash == 0 ? "" : path.substr(0, slash));
  } else {
    dirs.push_back(".");
    dirs.push_back(ProgramDirectory());
  }
  for (const std::string& dir : dirs) {
    const std::string found = FindInDirectory(dir, file);
    if (!found.empty()) return found;
  }
  return "";
}

bool ReadWaveInfo(const std::string& Path, TWaveInfo* Info) {
  TWaveInfo w;
  try {
    TRegularFile file(Path);
    unsigned char head[12];
    if (file.Read(head, sizeof head) < sizeof head) return false;
    if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) return false;
    // The chunks' headers are read at their offsets; what lies between them is never read.
    uint64_t at = sizeof head;
    bool have_format = false;
    for (int chunks = 0;; ++chunks) {
      unsigned char ch[8];
      if (chunks == 1000 || file.ReadAt(at, ch, sizeof ch) < sizeof ch) return false;
      const uint32_t size = Le32(ch + 4);
      at += sizeof ch;
      if (std::memcmp(ch, "data", 4) == 0) {
        if (!have_format) return false;
        // A file cut short still plays what it holds.
        w.DataBytes = static_cast<uint32_t>(
            std::min<uint64_t>(size, file.Size() - std::min(at, file.Size())));
        break;
      }
      if (std::memcmp(ch, "fmt ", 4) == 0) {
        unsigned char f[16];
        if (size < sizeof f || file.ReadAt(at, f, sizeof f) < sizeof f) return false;
        w.FormatTag = Le16(f);
        w.Channels = Le16(f + 2);
        w.SampleRate = Le32(f + 4);
        w.BitsPerSample = Le16(f + 14);
        have_format = true;
      }
      at += size + (size & 1);
    }
  } catch (const EInOutError&) {
    return false;
  }
  const bool format_ok = w.FormatTag == 1 || w.FormatTag == 3 || w.FormatTag == 0xFFFE;
  const bool bits_ok = w.BitsPerSample == 8 || w.BitsPerSample == 16 || w.BitsPerSample == 24 ||
                       w.BitsPerSample == 32;
  if (!format_ok || !bits_ok || w.Channels < 1 || w.Channels > 8 || w.SampleRate < 1000 ||
      w.SampleRate > 192000 || w.DataBytes < w.Channels * w.BitsPerSample / 8u ||
      w.DataBytes > kMaxWaveDataBytes) {
    return false;
  }
  if (Info) *Info = w;
  return true;
}

bool SndPlaySound(const std::string& Name, uint32_t Flags) {
  if (!QCoreApplication::instance()) return Name.empty();
  QSoundEffect* effect = Effect();
  effect->stop();
  if (Name.empty()) return true;
  const std::string path = FindSoundFile(Name);
  TWaveInfo info;
  if (path.empty() || !ReadWaveInfo(path, &info)) return false;
  if (QMediaDevices::audioOutputs().isEmpty()) return false;
  effect->setSource(QUrl::fromLocalFile(QString::fromStdU16String(PathToUtf16(path))));
  const bool loop = (Flags & SND_LOOP) && (Flags & SND_ASYNC);
  effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
  effect->play();
  EndFirstAtExit(effect);
  if (Flags & SND_ASYNC) return effect->status() != QSoundEffect::Error;

  const uint64_t bytes_per_second =
      uint64_t{info.SampleRate} * info.Channels * info.BitsPerSample / 8;
  const int wait_ms = static_cast<int>(uint64_t{info.DataBytes} * 1000 / bytes_per_second) + 2000;
  QEventLoop wait;
  bool failed = false;
  auto done = [&] {
    if (effect->status() == QSoundEffect::Error) failed = true;
    if (failed || (effect->status() == QSoundEffect::Ready && !effect->isPlaying())) wait.quit();
  };
  const auto c1 = QObject::connect(effect, &QSoundEffect::playingChanged, &wait, done);
  const auto c2 = QObject::connect(effect, &QSoundEffect::statusChanged, &wait, done);
  QTimer::singleShot(wait_ms, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
  QObject::disconnect(c1);
  QObject::disconnect(c2);
  effect->stop();
  return !failed;
}
