#pragma once

#include <windows.h>

#include <utility>

// A kernel handle that is closed when the owner goes away.
class ClosingHandle {
 public:
  explicit ClosingHandle(HANDLE handle) : handle_(handle) {}
  ClosingHandle(ClosingHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ClosingHandle& operator=(ClosingHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ClosingHandle(const ClosingHandle&) = delete;
  ClosingHandle& operator=(const ClosingHandle&) = delete;
  ~ClosingHandle() {
    if (valid()) CloseHandle(handle_);
  }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};
