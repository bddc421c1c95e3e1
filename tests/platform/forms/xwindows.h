#pragma once
// What the window manager says of the test's windows, read on the X server; kept apart from the
// forms headers, whose names clash with Xlib's. Windows are X window ids (a widget's winId()).

#include <vector>

// A 32-bit property of a window (of the root for window 0) as numbers; empty when missing.
std::vector<unsigned long> XProperty(unsigned long window, const char* name);
// True when the ATOM list property of the window holds that atom.
bool XHasAtom(unsigned long window, const char* property, const char* atom);
// Both _NET_WM_STATE_MAXIMIZED_* states.
bool XMaximised(unsigned long window);
// What a click on the window manager's maximise box does: asks it to add or remove the state.
void XAskToMaximise(unsigned long window, bool on);
// Where a window lies in the window manager's stacking order, bottom first; -1 when absent.
int XStackingIndex(unsigned long window);
