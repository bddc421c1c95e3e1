#pragma once
// Errors of the graphics layer: unreadable or unwritable images, sizes beyond reason.

#include <stdexcept>
#include <string>

class EInvalidGraphic : public std::runtime_error {
 public:
  explicit EInvalidGraphic(const std::string& message) : std::runtime_error(message) {}
};
