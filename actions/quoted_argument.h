#pragma once

#include <string>

namespace launcher {

// `text` as one argument of a command line, in double quotes, as programs split their
// command line (CommandLineToArgvW and the C runtime alike): backslashes that stand
// before a double quote, the closing one included, are doubled and a double quote gets a
// backslash. Without that, a path ending in a backslash ("C:\Apps\Talqo\" for an empty
// name) would turn the closing quote into part of the name.
std::wstring QuotedArgument(const std::wstring& text);

}  // namespace launcher
