#include "runtime/event_guard.h"

#include <exception>
#include <new>
#include <utility>

#include "runtime/system_constants.h"

namespace runtime {

EventGuard::EventGuard(Platform& platform, FormEvents& form, std::wstring app_title)
    : platform_(platform), form_(form), app_title_(std::move(app_title)) {}

void EventGuard::Load() noexcept {
  Run([this] { form_.Load(); });
}

void EventGuard::MouseDown(ControlIndex control, const MouseArgs& args) noexcept {
  Run([&] { form_.MouseDown(control, args); });
}

void EventGuard::MouseMove(ControlIndex control, const MouseArgs& args) noexcept {
  Run([&] { form_.MouseMove(control, args); });
}

void EventGuard::Click(ControlIndex control) noexcept {
  Run([&] { form_.Click(control); });
}

template <typename Event>
void EventGuard::Run(const Event& event) noexcept {
  if (exit_status_) return;
  try {
    event();
  } catch (const RuntimeError& error) {
    EndWith(error);
  } catch (const std::bad_alloc&) {
    EndWith(out_of_memory_);
  } catch (const std::exception&) {
    EndWith(internal_error_);
  }
}

// The status is settled before the message shows, so that an event the message box lets
// through while it is up no longer reaches the form.
void EventGuard::EndWith(const RuntimeError& error) noexcept {
  exit_status_ = error.number();
  try {
    platform_.ShowMessage(
        L"Run-time error '" + std::to_wstring(error.number()) + L"':\r\n\r\n" + error.description(),
        kMessageBoxIconError, app_title_);
  } catch (const std::exception&) {
    // Too little memory left to say so; the program ends all the same.
  }
  platform_.EndProgram(error.number());
}

}  // namespace runtime
