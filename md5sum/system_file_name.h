#pragma once

#include <cstddef>
#include <string>

namespace md5sum {

// The system's limit for a full path in its ordinary form, the terminating null included
// (MAX_PATH): a full path of this many characters or more cannot be opened as it stands.
constexpr std::size_t kMaxPath = 260;

// The name under which the system is asked for the file that a person named `given`,
// `full` being its full path as GetFullPathNameW makes it: `given` itself while the full
// path is within the limit; beyond it, the full path in the literal form (\\?\C:\...,
// \\?\UNC\server\share\...), to which the limit does not apply. Names the person gave in
// the literal or the device form (\\?\..., \\.\...) are the system's own and stay as
// given. The lines show the name as given, never this one.
std::wstring SystemFileName(const std::wstring& given, const std::wstring& full);

}  // namespace md5sum
