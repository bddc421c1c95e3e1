#pragma once
// The class library's exception classes. Messages are 8-bit Windows-1252 text.

#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
 public:
  explicit Exception(std::string Message) : FMessage(std::move(Message)) {}

  const std::string& Message() const { return FMessage; }
  void SetMessage(std::string Message) { FMessage = std::move(Message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

// Text that is no number, or a value that does not fit; also an impossible assignment.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EOutOfMemory : public Exception {
 public:
  using Exception::Exception;
};

// A system resource (timer, handle) could not be had.
class EOutOfResources : public EOutOfMemory {
 public:
  using EOutOfMemory::EOutOfMemory;
};

// A file could not be opened, read or written; ErrorCode is the operating system's error number.
class EInOutError : public Exception {
 public:
  EInOutError(std::string Message, int ErrorCode)
      : Exception(std::move(Message)), FErrorCode(ErrorCode) {}

  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode;
};

// An index outside a string list.
class EStringListError : public Exception {
 public:
  using Exception::Exception;
};
