#pragma once
// The root of the class-library stand-ins and the plain notification event.

#include <functional>

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
