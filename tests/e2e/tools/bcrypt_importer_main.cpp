// Imports bcrypt.dll, as a program does that leaves the DLL search as it is: started
// beside a DLL of that name, it runs that DLL. Ends with 0 when bcrypt.dll offered MD5,
// else 1.
#include <windows.h>
#include <bcrypt.h>

int wmain() {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (::BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0) < 0) return 1;
  ::BCryptCloseAlgorithmProvider(algorithm, 0);
  return 0;
}
