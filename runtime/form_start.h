#pragma once

#include <optional>
#include <string>

#include "runtime/form_events.h"
#include "runtime/platform.h"

namespace runtime {

// Runs the form's Load event. An error that Load leaves unhandled is reported the way
// the runtime library reports one, and the answer is then the exit status to end with.
std::optional<int> LoadForm(Platform& platform, FormEvents& form, const std::wstring& app_title);

}  // namespace runtime
