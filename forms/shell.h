// What the component asks of the system shell: opening a new mail message
// (recorded instead when VESTREL_SHELL_LOG is set; see request_log.h).
#pragma once
#include <string>

namespace vestrel::forms::shell {

// Opens a new message to address in the system's mail handler.
void OpenMail(const std::wstring& address);

}  // namespace vestrel::forms::shell
