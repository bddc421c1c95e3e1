#pragma once
// The test's own connection to the X server, kept apart from the forms headers (Xlib's names
// clash with them).

// Opens the connection to $DISPLAY; false when there is none.
bool XServerOpen();
void XServerClose();
// The server's screen-saver time-out in seconds (0: off), and setting it.
int XServerTimeout();
void XServerSetTimeout(int seconds);
