#pragma once

#include <cstddef>
#include <string>

namespace bench {

struct BenchedProgram {
  std::wstring path;          // the executable, started with its own folder as current one
  std::wstring window_title;  // the title of the top-level window it shows once started
};

struct StartupSample {
  double milliseconds;  // from CreateProcess until the window is visible
  std::size_t peak_working_set_bytes;
};

// Starts the program once, waits until its window is visible, then closes it again.
// Throws std::runtime_error when the program cannot be started, never shows its window
// or cannot be asked about its memory.
StartupSample MeasureStartup(const BenchedProgram& program);

}  // namespace bench
