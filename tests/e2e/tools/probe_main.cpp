// Inspects and drives the windows of other programs in the same Wine session, for the
// end-to-end tests: `probe.exe COMMAND ARGUMENTS...`; see usage below.
#include <windows.h>

#include <string>

#include "probe_commands.h"
#include "std_output.h"

namespace {

constexpr int kUsageError = 2;

constexpr char kUsage[] =
    "usage: probe.exe window TITLE | dialog TITLE | press TITLE BUTTON_TEXT |\n"
    "                 settext TITLE TEXT | close TITLE | copy TEXT | clipboard | list |\n"
    "                 shellrun FILE PARAMETERS | end PID\n";

int Usage() {
  WriteToStderr(kUsage);
  return kUsageError;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring command = argv[1];
  if (command == L"list" && argc == 2) return ListWindows();
  if (command == L"window" && argc == 3) return DescribeWindow(argv[2]);
  if (command == L"dialog" && argc == 3) return DescribeDialog(argv[2]);
  if (command == L"close" && argc == 3) return CloseWindow(argv[2]);
  if (command == L"press" && argc == 4) return PressButton(argv[2], argv[3]);
  if (command == L"settext" && argc == 4) return SetEditText(argv[2], argv[3]);
  if (command == L"copy" && argc == 3) return CopyText(argv[2]);
  if (command == L"clipboard" && argc == 2) return ReadClipboard();
  if (command == L"shellrun" && argc == 4) return ShellRun(argv[2], argv[3]);
  if (command == L"end" && argc == 3) return EndProcess(argv[2]);
  return Usage();
}
