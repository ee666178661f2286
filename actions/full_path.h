#pragma once

#include <string>

namespace launcher {

// Whether `path` names its file wherever the program runs: a drive letter, a colon and a
// backslash ("C:\Docs\report.pdf"), or a UNC path ("\\server\share\report.pdf").
bool IsFullPath(const std::wstring& path);

}  // namespace launcher
