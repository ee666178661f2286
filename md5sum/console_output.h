#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/win32/handles.h"

namespace md5sum {

// Where the lines go when the program runs from a console or with its output redirected.
class ConsoleOutput {
 public:
  // The standard output when it leads somewhere; else the console of the program that
  // started this one, which this process then attaches to. Empty when there is neither,
  // as when the shell starts it from a windowed program.
  static std::optional<ConsoleOutput> UseStandardOutputOrAttachParentConsole();

  // False when the line could not be written whole, as to a full disk or a closed
  // output; a line on standard error then says so, where standard error works.
  [[nodiscard]] bool PrintLine(const std::wstring& line) const;
  void PrintErrorLine(const std::wstring& line) const;

 private:
  struct Stream {
    HANDLE handle = nullptr;
    bool console = false;
  };

  ConsoleOutput(Stream output, Stream error, base::win32::ScopedCloseHandle owned)
      : output_(output), error_(error), owned_(std::move(owned)) {}

  // ERROR_SUCCESS once the whole line is written, else the system's error code.
  static DWORD Write(const Stream& stream, const std::wstring& line);

  Stream output_;
  Stream error_;
  // The parent's console screen, opened when the standard handles led nowhere.
  base::win32::ScopedCloseHandle owned_;
};

}  // namespace md5sum
