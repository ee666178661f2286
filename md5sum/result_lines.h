#pragma once

#include <string>

#include "md5sum/file_digest.h"

// The line that md5sum prints for a file it read: the checksum, two blanks, the name as
// it was given.
std::wstring ChecksumLine(const std::wstring& name, const std::wstring& checksum);

// The line that the window shows for a file, read or not.
std::wstring WindowLine(const std::wstring& name, const FileDigest& digest);

// The line for standard error about a file that could not be read.
std::wstring ConsoleErrorLine(const std::wstring& name, const std::wstring& error);
