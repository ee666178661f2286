#pragma once

namespace runtime::win32 {

// The program is handed out on removable media, where anyone can put a DLL named like a
// system one beside it; from here on, DLLs load from the system folder only.
void LoadDllsFromSystemFolderOnly();

}  // namespace runtime::win32
