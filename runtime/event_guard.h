#pragma once

#include <optional>
#include <string>

#include "runtime/form_events.h"
#include "runtime/platform.h"
#include "runtime/runtime_error.h"

namespace runtime {

// Hands each event to the form, and ends the program the way the runtime library does
// when an event leaves an error unhandled: the error is reported, the program ends with
// its number as the exit status, and no later event reaches the form. A C++ exception
// counts as the run-time error the library would raise: running out of memory as "Out of
// memory", any other as "Internal error". No exception leaves an event.
class EventGuard final : public FormEvents {
 public:
  EventGuard(Platform& platform, FormEvents& form, std::wstring app_title);

  void Load() noexcept override;
  void MouseDown(ControlIndex control, const MouseArgs& args) noexcept override;
  void MouseMove(ControlIndex control, const MouseArgs& args) noexcept override;
  void Click(ControlIndex control) noexcept override;

  // Once an event has failed: the status the program ends with.
  std::optional<int> exit_status() const { return exit_status_; }

 private:
  template <typename Event>
  void Run(const Event& event) noexcept;
  void EndWith(const RuntimeError& error) noexcept;

  Platform& platform_;
  FormEvents& form_;
  std::wstring app_title_;
  // Made before they are needed: once memory has run out, making them could fail too.
  RuntimeError out_of_memory_ = OutOfMemoryError();
  RuntimeError internal_error_ = InternalError();
  std::optional<int> exit_status_;
};

}  // namespace runtime
