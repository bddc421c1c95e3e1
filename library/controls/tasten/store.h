#pragma once
// Small pieces the setters and captions of the unit share.

#include "library/foundation/store.h"
#include "platform/graphics/colors.h"

// Caption text of a disabled control.
constexpr TColor kDisabledCaption = clGray;
