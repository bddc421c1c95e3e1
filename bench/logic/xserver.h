#pragma once
// The X server behind the application's windows, kept apart from the library's headers, which
// Xlib's macros (Status, KeyPress) would break.

// Waits until the X server has carried out every request the application sent so far.
void AwaitServer();

// Seconds the X server takes for one Width x Height picture put from shared memory into a shown
// window of that size; 0 when the server cannot share memory with us.
double SharedPutSeconds(int Width, int Height);
