// md5sum.exe: the MD5 checksum of each file named on the command line, where a person
// can copy it. From a console, or with its output redirected, it prints md5sum's lines;
// started by the shell from a windowed program, it shows them in a window that stays.
#include <windows.h>

#include "base/win32/dll_search.h"
#include "md5sum/checksum_window.h"
#include "md5sum/command_line.h"
#include "md5sum/console_mode.h"
#include "md5sum/console_output.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  base::win32::LoadDllsFromSystemFolderOnly();

  const std::vector<std::wstring> names = md5sum::FileNamesFromCommandLine();
  if (const std::optional<md5sum::ConsoleOutput> console =
          md5sum::ConsoleOutput::UseStandardOutputOrAttachParentConsole()) {
    return md5sum::RunInConsole(names, *console);
  }
  return md5sum::RunInWindow(instance, names);
}
