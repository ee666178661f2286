#pragma once

#include "base/win32/handles.h"

namespace base::win32 {

// The program is handed out on removable media, where anyone can put a DLL named like a
// system one beside it; from here on, DLLs load from the system folder only.
void LoadDllsFromSystemFolderOnly();

// A DLL that is not one of Windows' known DLLs, loaded from the system folder and nowhere
// else; empty when it is not there. Such a DLL is never imported: the loader would look for
// it in the program's folder before the program's first line runs.
ScopedFreeLibrary LoadSystemDll(const wchar_t* name);

}  // namespace base::win32
