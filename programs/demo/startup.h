#pragma once
// The start-up and exit of the units the demo links, in one place. There is no list of exit
// procedures in the platform, so the order is written out here.

// In link order: the library foundation (tick service, number formats), the magic-eye demo state,
// the system-information unit. The platform's units and the clipboard need no start-up; the
// stroke font is built when first used.
void StartDemoUnits();
// Exits in reverse: the system-information unit and the demo state have nothing to release; the
// foundation stops its timer and frees the tick records.
void StopDemoUnits();
