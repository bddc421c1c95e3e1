#pragma once
// The screen saver's active flag and time-out, read and changed for the running session only.
// On an X11 display (DISPLAY set and reachable) they are the X server's screen-saver settings:
// "inactive" is an X time-out of 0, and the time-out last seen or set is remembered meanwhile so
// that switching back on restores it. Without X11 the values are only remembered in the process
// (at first: inactive, time-out 0). Nothing is made permanent: the X server keeps what a client
// set after it has gone, so from the first change on a small guard process holds the settings
// found then and puts them back should this process end (even killed) before it has done so.

// 1 when the screen saver is on, else 0.
bool ScreenSaverGetActive(int* Active);

// The time-out in seconds (0 when none is known).
bool ScreenSaverGetTimeout(int* Seconds);

// Switching on needs a time-out above 0 (remembered or set later); until then the saver stays
// off.
bool ScreenSaverSetActive(bool Active);

// False, changing nothing, for seconds <= 0 (the X server would read 0 as "off").
bool ScreenSaverSetTimeout(int Seconds);
