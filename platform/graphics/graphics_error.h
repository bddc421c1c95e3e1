#pragma once
// Errors of the graphics layer: unreadable or unwritable images, sizes beyond reason.

#include "platform/base/exceptions.h"

class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
