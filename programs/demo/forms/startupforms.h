#pragma once
// The two demo forms the program makes at start-up, after the about box, and never shows (the
// main form's buttons make fresh ones of their own). The application owns them; they are freed
// before the tick service stops, so their tick records go with them, and their globals are
// cleared when they go.

#include "programs/demo/forms/fboxline.h"
#include "programs/demo/forms/fctrltim.h"

void CreateStartupDemoForms();
void FreeStartupDemoForms();
