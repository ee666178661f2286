#pragma once

#include <string>

// The tools that a test starts through talqo.exe tell the test what happened by
// appending to a file beside themselves: they get no environment from the test.

// Appends the UTF-8 bytes and a line end to <program's folder>\<file_name>.
bool AppendToOwnDirectoryLog(const std::wstring& file_name, const std::string& text);
