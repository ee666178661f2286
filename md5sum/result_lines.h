#pragma once

#include <string>

#include "md5sum/file_digest_result.h"

namespace md5sum {

// Each file has one line, in the window and on the console: a line break inside a name is
// shown as a visible mark, so that a line's number stays its file's number.

// The name as the lines show it: each line break inside it, a carriage return, a line
// feed or both together, becomes one return symbol (U+21B5).
std::wstring ShownName(const std::wstring& name);

// The line that md5sum prints for a file it read: the checksum, two blanks, the name as
// it was given, its line breaks marked.
std::wstring ChecksumLine(const std::wstring& name, const std::wstring& checksum);

// The line that the window shows for a file, read or not.
std::wstring WindowLine(const std::wstring& name, const FileDigest& digest);

// The line for standard error about a file that could not be read.
std::wstring ConsoleErrorLine(const std::wstring& name, const std::wstring& error);

// The line for standard error when the lines could not be written to standard output.
std::wstring WriteErrorLine(const std::wstring& reason);

}  // namespace md5sum
