#pragma once
// The magic-eye demo's animation state. Unlike every other demo form's state it carries over from
// one opening of the form to the next, for the whole run of the program.

extern int MagicEyeIndex;
extern int MagicEyePhase;

// Part of the program's start-up: index and phase 0.
void MagicEyeDemoInit();
