#pragma once
// The pictures of the demo forms, read from the files the asset generator puts beside the
// program.

#include <memory>
#include <string>

#include "platform/graphics/bitmap.h"

// The picture file FileName ("dog.bmp"); an empty bitmap when it is missing or unreadable, so a
// form without its pictures still opens.
std::unique_ptr<TBitmap> LoadDemoPicture(const std::string& FileName);
