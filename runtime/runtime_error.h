#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// An error of the runtime library that the current procedure does not handle.
// It travels to the code that started the event, which reports it and ends the program.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::wstring& description)
      : std::runtime_error("runtime error"), number_(number), description_(description) {}
  int number() const { return number_; }
  const std::wstring& description() const { return description_; }

 private:
  int number_;
  std::wstring description_;
};

inline RuntimeError OverflowError() { return RuntimeError(6, L"Overflow"); }
inline RuntimeError OutOfMemoryError() { return RuntimeError(7, L"Out of memory"); }
inline RuntimeError DivisionByZeroError() { return RuntimeError(11, L"Division by zero"); }
// A failure of the runtime itself that has no number of its own.
inline RuntimeError InternalError() { return RuntimeError(51, L"Internal error"); }

}  // namespace runtime
