#include "runtime/form_start.h"

#include "runtime/runtime_error.h"
#include "runtime/system_constants.h"

namespace runtime {

std::optional<int> LoadForm(Platform& platform, FormEvents& form, const std::wstring& app_title) {
  try {
    form.Load();
    return std::nullopt;
  } catch (const RuntimeError& error) {
    platform.ShowMessage(
        L"Run-time error '" + std::to_wstring(error.number()) + L"':\r\n\r\n" + error.description(),
        kMessageBoxIconError, app_title);
    return error.number();
  }
}

}  // namespace runtime
