#include "platform/devices/screensaver.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

struct Remembered {
  int active = 0;
  int timeout = 0;
};

std::mutex& Lock() {
  static std::mutex m;
  return m;
}

Remembered& State() {
  static Remembered r;
  return r;
}

// The connection to the X server of $DISPLAY, kept for the process: an X server may reset its
// settings when its last client goes. Null without X11; a display that failed is not retried.
Display* XDisplay() {
  static std::string tried;
  static Display* display = nullptr;
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return nullptr;
  if (tried != name) {
    tried = name;
    if (display) XCloseDisplay(display);
    display = XOpenDisplay(name);
  }
  return display;
}

struct XSaver {
  int timeout, interval, preferBlanking, allowExposures;
};

XSaver Read(Display* D) {
  XSaver s{};
  XGetScreenSaver(D, &s.timeout, &s.interval, &s.preferBlanking, &s.allowExposures);
  return s;
}

// The server keeps what a client set after the client has gone. So before the first change a
// guard process is started that holds the settings found; it puts them back when this process
// ends without having done so itself (killed, crashed), and ends quietly when told that they are
// back.
struct Guard {
  int pipe = -1;  // our end; closing it without a word means "put them back"
  XSaver original{};
};

Guard& TheGuard() {
  static Guard g;
  return g;
}

[[noreturn]] void GuardMain(int Fd, const char* DisplayName, XSaver Original) {
  // Its own session, deaf to the signals that end a terminal's jobs, holding no descriptor of
  // ours (the X connection in particular must close with us).
  setsid();
  for (int sig : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE}) signal(sig, SIG_IGN);
  if (Fd != 3) {
    dup2(Fd, 3);
    close(Fd);
  }
  for (int other = 0; other < 1024; ++other) {
    if (other != 3) close(other);
  }
  char word = 0;
  ssize_t n;
  do {
    n = read(3, &word, 1);
  } while (n < 0 && errno == EINTR);
  if (n == 1 && word == 'R') _exit(0);
  if (Display* d = XOpenDisplay(DisplayName)) {
    XSetScreenSaver(d, Original.timeout, Original.interval, Original.preferBlanking,
                    Original.allowExposures);
    XSync(d, False);
    XCloseDisplay(d);
  }
  _exit(0);
}

void StartGuard(const XSaver& Original) {
  Guard& g = TheGuard();
  if (g.pipe >= 0) return;
  const char* name = std::getenv("DISPLAY");
  if (!name) return;
  char display[256];
  std::strncpy(display, name, sizeof display - 1);
  display[sizeof display - 1] = 0;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  // Twice forked, so the guard belongs to init and never lingers as our child.
  const pid_t child = fork();
  if (child == 0) {
    if (fork() == 0) GuardMain(fds[0], display, Original);
    _exit(0);
  }
  close(fds[0]);
  if (child < 0) {
    close(fds[1]);
    return;
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  g.pipe = fds[1];
  g.original = Original;
}

void ReleaseGuard() {
  Guard& g = TheGuard();
  if (g.pipe < 0) return;
  const char word = 'R';
  while (write(g.pipe, &word, 1) < 0 && errno == EINTR) {
  }
  close(g.pipe);
  g.pipe = -1;
}

void Write(Display* D, const XSaver& S, int Timeout) {
  if (Timeout == S.timeout) return;
  StartGuard(S);
  XSetScreenSaver(D, Timeout, S.interval, S.preferBlanking, S.allowExposures);
  XSync(D, False);
  if (Timeout == TheGuard().original.timeout) ReleaseGuard();
}

}  // namespace

bool ScreenSaverGetActive(int* Active) {
  if (!Active) return false;
  std::lock_guard lock(Lock());
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) State().timeout = s.timeout;
    *Active = s.timeout > 0 ? 1 : 0;
  } else {
    *Active = State().active;
  }
  return true;
}

bool ScreenSaverGetTimeout(int* Seconds) {
  if (!Seconds) return false;
  std::lock_guard lock(Lock());
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) State().timeout = s.timeout;
  }
  *Seconds = State().timeout;
  return true;
}

bool ScreenSaverSetActive(bool Active) {
  std::lock_guard lock(Lock());
  Remembered& r = State();
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) r.timeout = s.timeout;
    if (!Active) {
      Write(d, s, 0);
    } else if (r.timeout > 0) {
      Write(d, s, r.timeout);
    }
  } else {
    r.active = Active && r.timeout > 0 ? 1 : 0;
  }
  return true;
}

bool ScreenSaverSetTimeout(int Seconds) {
  if (Seconds <= 0) return false;
  std::lock_guard lock(Lock());
  Remembered& r = State();
  r.timeout = Seconds;
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) Write(d, s, Seconds);
  }
  return true;
}
