#pragma once

#include <windows.h>
#include <bcrypt.h>

namespace md5sum {

// The functions of the system's cryptography (CNG) that an MD5 digest takes. bcrypt.dll
// is not one of Windows' known DLLs: imported, it would be looked for in the program's
// folder before the program's first line runs, so it is loaded by hand from the system
// folder alone.
struct CngFunctions {
  decltype(&::BCryptOpenAlgorithmProvider) open_algorithm_provider = nullptr;
  decltype(&::BCryptCloseAlgorithmProvider) close_algorithm_provider = nullptr;
  decltype(&::BCryptCreateHash) create_hash = nullptr;
  decltype(&::BCryptHashData) hash_data = nullptr;
  decltype(&::BCryptFinishHash) finish_hash = nullptr;
  decltype(&::BCryptDestroyHash) destroy_hash = nullptr;
};

// bcrypt.dll's functions, loaded from the system folder on the first call from any thread
// and kept until the process ends. Null when the system folder holds no bcrypt.dll or it
// lacks one of the functions.
const CngFunctions* SystemCng();

}  // namespace md5sum
