// What the component asks of the system shell: opening a new mail message.
// Also the one place that records outward requests instead of making them,
// for a test run that sets VESTREL_SHELL_LOG to a file.
#pragma once
#include <string>

namespace vestrel::forms::shell {

// Opens a new message to address in the system's mail handler.
void OpenMail(const std::wstring& address);

// With VESTREL_SHELL_LOG set, appends the request to that file (UTF-8, one
// line each) and returns true: the caller then does not make it.
bool Recorded(const std::wstring& request);

}  // namespace vestrel::forms::shell
