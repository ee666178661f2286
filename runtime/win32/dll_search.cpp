#include "runtime/win32/dll_search.h"

#include <windows.h>

namespace runtime::win32 {

void LoadDllsFromSystemFolderOnly() {
  // Looked up rather than imported: Windows 7 without update KB2533623 lacks the function
  // and would refuse to start a program that imports it.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  const FARPROC address =
      kernel != nullptr ? ::GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
  if (address != nullptr) {
    const auto set_default_dll_directories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void (*)()>(address));
    set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  // Where the call above is missing, this is what remains: an empty text, unlike a null
  // pointer (which would restore the default order), takes the current directory out of
  // the search order of LoadLibrary. Only the call above leaves out the program's folder too.
  ::SetDllDirectoryW(L"");
}

}  // namespace runtime::win32
