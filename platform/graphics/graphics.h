#pragma once
// The whole graphics layer in one include.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/draw_helpers.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/graphics_error.h"
#include "platform/graphics/palette.h"
#include "platform/graphics/pen_brush.h"
#include "platform/graphics/region.h"
