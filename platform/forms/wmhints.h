#pragma once
// What a top-level window tells the X window manager beyond Qt's own hints; included only by the
// layer's own .cpp files. Off X these do nothing.

class QWidget;

namespace forms_internal {

// True while a window manager runs on the X server (it has named its check window on the root).
bool WindowManagerRunning();

// The frame and functions the window manager gives a top-level window: a title bar with a menu
// and close box, minimise and maximise boxes, and a frame to resize it by.
struct FrameHints {
  bool title = true;
  bool close = true;
  bool minimize = true;
  bool maximize = true;
  bool resize = true;
};
void SetFrameHints(QWidget* Window, const FrameHints& Hints);

}  // namespace forms_internal
