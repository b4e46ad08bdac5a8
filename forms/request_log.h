// Requests that would leave the process (the shell, the help display) or
// wait for a person (a message box). The component makes every one of them;
// the recording build the tests load (the same sources linked with
// tests/recording/request_log.cpp) may write one to a file instead.
#pragma once
#include <string>

namespace vestrel::forms {

enum class Request { Message, Shell };

// Whether the request was recorded instead of made: never, in the component.
bool Recorded(Request kind, const std::wstring& request);

}  // namespace vestrel::forms
