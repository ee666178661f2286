#include "bench/startup_measurement.h"

#include <windows.h>
#include <psapi.h>

#include <stdexcept>
#include <string>

#include "base/win32/handles.h"

namespace bench {

namespace {

using base::win32::ScopedCloseHandle;

constexpr DWORD kPollMilliseconds = 1;
constexpr double kShowTimeoutMilliseconds = 10000.0;
constexpr DWORD kCloseTimeoutMilliseconds = 5000;

std::runtime_error Failure(const char* what) {
  const DWORD error = ::GetLastError();
  return std::runtime_error(std::string(what) + " (error " + std::to_string(error) + ")");
}

class Stopwatch {
 public:
  Stopwatch() { ::QueryPerformanceCounter(&start_); }
  double ElapsedMilliseconds() const {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_{};
};

struct WindowSearch {
  DWORD process_id;
  const std::wstring* title;
  HWND found;
};

BOOL CALLBACK MatchShownWindow(HWND window, LPARAM search_address) {
  auto& search = *reinterpret_cast<WindowSearch*>(search_address);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search.process_id || !::IsWindowVisible(window)) return TRUE;
  // Room for one character more than the title, so that a longer title does not match.
  std::wstring text(search.title->size() + 2, L'\0');
  const int length = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  if (text != *search.title) return TRUE;
  search.found = window;
  return FALSE;
}

HWND ShownWindow(DWORD process_id, const std::wstring& title) {
  WindowSearch search{process_id, &title, nullptr};
  ::EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The window's title and visibility are polled rather than hooked, so both programs are
// measured from outside exactly alike; the poll's wait also notices a program that ends.
HWND WaitForShownWindow(HANDLE process, DWORD process_id, const std::wstring& title,
                        const Stopwatch& since_start) {
  for (;;) {
    if (const HWND window = ShownWindow(process_id, title)) return window;
    if (::WaitForSingleObject(process, kPollMilliseconds) == WAIT_OBJECT_0) {
      throw std::runtime_error("the program ended without showing its window");
    }
    if (since_start.ElapsedMilliseconds() > kShowTimeoutMilliseconds) {
      throw std::runtime_error("the program did not show its window in time");
    }
  }
}

std::size_t PeakWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(process, &counters, sizeof counters)) {
    throw Failure("GetProcessMemoryInfo failed");
  }
  return counters.PeakWorkingSetSize;
}

// Ends a started program that is still running when the scope ends, whether it ignored
// WM_CLOSE or the measurement failed, so that no run outlives the benchmark.
class ScopedTerminateProcess {
 public:
  explicit ScopedTerminateProcess(HANDLE process) noexcept : process_(process) {}
  ScopedTerminateProcess(const ScopedTerminateProcess&) = delete;
  ScopedTerminateProcess& operator=(const ScopedTerminateProcess&) = delete;
  ~ScopedTerminateProcess() {
    if (::WaitForSingleObject(process_, 0) != WAIT_TIMEOUT) return;
    ::TerminateProcess(process_, 1);
    ::WaitForSingleObject(process_, kCloseTimeoutMilliseconds);
  }

 private:
  HANDLE process_;
};

void CloseAndWait(HANDLE process, HWND window) {
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(process, kCloseTimeoutMilliseconds);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator);
}

}  // namespace

StartupSample MeasureStartup(const BenchedProgram& program) {
  std::wstring command_line = L"\"" + program.path + L"\"";
  const std::wstring folder = FolderOf(program.path);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};

  const Stopwatch since_start;
  if (!::CreateProcessW(program.path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &started)) {
    throw Failure("CreateProcess failed");
  }
  const ScopedCloseHandle process(started.hProcess);
  const ScopedCloseHandle thread(started.hThread);
  const ScopedTerminateProcess running(process.get());

  const HWND window =
      WaitForShownWindow(process.get(), started.dwProcessId, program.window_title, since_start);
  const double milliseconds = since_start.ElapsedMilliseconds();
  const std::size_t peak = PeakWorkingSet(process.get());
  CloseAndWait(process.get(), window);
  return {milliseconds, peak};
}

}  // namespace bench
