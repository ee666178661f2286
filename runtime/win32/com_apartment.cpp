#include "runtime/win32/com_apartment.h"

#include <objbase.h>

namespace runtime::win32 {

// OLE1 DDE is left out, as the shell's documentation asks. Every success, S_FALSE for a
// thread that was already in such an apartment among them, counts once and is undone
// once; a failure (a thread already in another kind of apartment) is not to be undone.
ScopedCoUninitialize::ScopedCoUninitialize() noexcept {
  const HRESULT result =
      ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  initialized_ = SUCCEEDED(result);
}

ScopedCoUninitialize::~ScopedCoUninitialize() {
  if (initialized_) ::CoUninitialize();
}

}  // namespace runtime::win32
