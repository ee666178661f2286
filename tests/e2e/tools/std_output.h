#pragma once

#include <string>

// Writes the bytes as they are to standard output or standard error. Under Wine
// either may lead nowhere when nothing is attached; then the text is dropped.
void WriteToStdout(const std::string& text);
void WriteToStderr(const std::string& text);
