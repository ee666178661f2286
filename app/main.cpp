#include <windows.h>

#include <optional>

#include "base/win32/dll_search.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"
#include "runtime/event_guard.h"
#include "runtime/win32/com_apartment.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/win32_platform.h"

namespace {

constexpr wchar_t kApplicationTitle[] = L"T.A.L.Q.O.";
constexpr int kSystemFailure = 1;

int RunMessageLoop() {
  MSG message{};
  BOOL received = FALSE;
  while ((received = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return received == 0 ? static_cast<int>(message.wParam) : kSystemFailure;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  base::win32::LoadDllsFromSystemFolderOnly();
  // Until the message loop has ended: every event may call the shell.
  const runtime::win32::ScopedCoUninitialize com_apartment;

  runtime::win32::FormWindow window(instance, launcher::FrmTalqoDefinition());
  if (!window.IsOpen()) return kSystemFailure;
  runtime::win32::Win32Platform platform(instance, window);
  launcher::frmTALQO form(platform);
  runtime::EventGuard events(platform, form, kApplicationTitle);
  window.RouteMouseTo(events);

  events.Load();
  if (const std::optional<int> status = events.exit_status()) return *status;
  // A form that unloaded itself while loading is never shown.
  if (!window.IsOpen()) return 0;
  window.Show();
  return RunMessageLoop();
}
