#pragma once

namespace runtime::win32 {

// Makes the calling thread a single-threaded COM apartment for the object's life, as the
// shell asks of every thread that calls ShellExecute: the verb of a file type may be carried
// out by an extension that the shell activates through COM, and for a thread outside such an
// apartment the shell carries the launch out on a background thread, which a program that
// ends right after the call would cut short. A thread that cannot join runs on without it.
class ScopedCoUninitialize {
 public:
  ScopedCoUninitialize() noexcept;
  ScopedCoUninitialize(const ScopedCoUninitialize&) = delete;
  ScopedCoUninitialize& operator=(const ScopedCoUninitialize&) = delete;
  ~ScopedCoUninitialize();

 private:
  bool initialized_ = false;
};

}  // namespace runtime::win32
