#include "runtime/form_start.h"

#include "runtime/runtime_error.h"

namespace runtime {

namespace {
constexpr int kCriticalStyle = 16;
}

std::optional<int> LoadForm(Platform& platform, FormEvents& form, const std::wstring& app_title) {
  try {
    form.Load();
    return std::nullopt;
  } catch (const RuntimeError& error) {
    platform.ShowMessage(
        L"Run-time error '" + std::to_wstring(error.number()) + L"':\r\n\r\n" + error.description(),
        kCriticalStyle, app_title);
    return error.number();
  }
}

}  // namespace runtime
