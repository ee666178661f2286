#include "md5sum/console_output.h"

#include "base/win32/utf8.h"
#include "md5sum/result_lines.h"
#include "md5sum/system_message.h"

namespace md5sum {

namespace {

// A handle that leads somewhere: a file, a pipe, a console or a device such as NUL.
bool Usable(HANDLE handle) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  const DWORD type = ::GetFileType(handle);
  return type == FILE_TYPE_DISK || type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

// Writes the text in as many calls as the stream takes it in. ERROR_SUCCESS once all of
// it is written, else the failing call's code; a call that takes nothing without failing
// is a device that takes no more.
template <typename Unit, typename WriteCall>
DWORD WriteWhole(const std::basic_string<Unit>& text, WriteCall write) {
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD written = 0;
    if (!write(text.data() + done, static_cast<DWORD>(text.size() - done), &written)) {
      return ::GetLastError();
    }
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return ERROR_SUCCESS;
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return ::GetConsoleMode(handle, &mode) != FALSE;
}

}  // namespace

std::optional<ConsoleOutput> ConsoleOutput::UseStandardOutputOrAttachParentConsole() {
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (Usable(output)) {
    const Stream output_stream{output, IsConsole(output)};
    const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    const Stream error_stream = Usable(error) ? Stream{error, IsConsole(error)} : output_stream;
    return ConsoleOutput(output_stream, error_stream, {});
  }
  // A windowed program started from cmd.exe gets no standard handles, but it may join
  // the console of the program that started it. The shell starting it from a windowed
  // program leaves it no console to join.
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return std::nullopt;
  base::win32::ScopedCloseHandle screen(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                      OPEN_EXISTING, 0, nullptr));
  if (!screen) {
    ::FreeConsole();
    return std::nullopt;
  }
  const Stream console{screen.get(), true};
  return ConsoleOutput(console, console, std::move(screen));
}

bool ConsoleOutput::PrintLine(const std::wstring& line) const {
  const DWORD error = Write(output_, line);
  if (error == ERROR_SUCCESS) return true;
  Write(error_, WriteErrorLine(SystemMessage(error)));
  return false;
}

void ConsoleOutput::PrintErrorLine(const std::wstring& line) const { Write(error_, line); }

// A console takes UTF-16 as it is; files and pipes get UTF-8, as md5sum writes on Linux.
DWORD ConsoleOutput::Write(const Stream& stream, const std::wstring& line) {
  if (stream.console) {
    return WriteWhole(line + L"\r\n", [&stream](const wchar_t* text, DWORD size, DWORD* written) {
      return ::WriteConsoleW(stream.handle, text, size, written, nullptr);
    });
  }
  return WriteWhole(base::win32::Utf8FromUtf16(line) + "\n",
                    [&stream](const char* bytes, DWORD size, DWORD* written) {
                      return ::WriteFile(stream.handle, bytes, size, written, nullptr);
                    });
}

}  // namespace md5sum
