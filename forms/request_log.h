// The one test seam of the toolkit: with the named environment variable set
// to a file, a request that would leave the process (the shell, the help
// display) or wait for a person (a message box) is appended to that file as
// a UTF-8 line instead of being made.
#pragma once
#include <string>

namespace vestrel::forms {

// VESTREL_SHELL_LOG: shell and help requests; VESTREL_MESSAGE_LOG: message
// boxes, answered as if OK were pressed.
bool Recorded(const wchar_t* variable, const std::wstring& request);

}  // namespace vestrel::forms
