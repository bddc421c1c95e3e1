#include "xserver.h"

// Qt's headers go before Xlib's, whose macros (Bool, Status) they cannot stand.
// clang-format off
#include <QGuiApplication>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
// clang-format on

#include "median.h"

namespace {

Display* XDisplay() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 == nullptr ? nullptr : x11->display();
}

}  // namespace

void AwaitServer() { XSync(XDisplay(), False); }

double SharedPutSeconds(int Width, int Height) {
  Display* d = XDisplay();
  if (!XShmQueryExtension(d)) return 0;
  const int screen = DefaultScreen(d);
  const Window window = XCreateSimpleWindow(d, RootWindow(d, screen), 0, 0, Width, Height, 0, 0, 0);
  XMapWindow(d, window);
  const GC gc = XCreateGC(d, window, 0, nullptr);
  XShmSegmentInfo segment{};
  XImage* image = XShmCreateImage(d, DefaultVisual(d, screen), DefaultDepth(d, screen), ZPixmap,
                                  nullptr, &segment, Width, Height);
  double seconds = 0;
  if (image != nullptr) {
    segment.shmid = shmget(IPC_PRIVATE, size_t(image->bytes_per_line) * Height, IPC_CREAT | 0600);
    segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    segment.readOnly = False;
    if (segment.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(d, &segment)) {
      for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) XPutPixel(image, x, y, (x * 7 + y * 13) & 0xFFFFFF);
      AwaitServer();
      seconds = logic_bench::MedianSeconds(
          [&] {
            XShmPutImage(d, window, gc, image, 0, 0, 0, 0, Width, Height, False);
            AwaitServer();
          },
          50);
      XShmDetach(d, &segment);
      AwaitServer();
    }
    if (segment.shmaddr != reinterpret_cast<char*>(-1)) shmdt(segment.shmaddr);
    shmctl(segment.shmid, IPC_RMID, nullptr);
    image->data = nullptr;
    XDestroyImage(image);
  }
  XFreeGC(d, gc);
  XDestroyWindow(d, window);
  AwaitServer();
  return seconds;
}
