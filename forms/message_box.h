// Modal message boxes with an OK button only. Without a title of its own a
// box takes the application's title.
#pragma once
#include <string>

namespace vestrel::forms {

enum class MessageIcon { Warning, Information };

void ShowMessage(const std::wstring& text, MessageIcon icon);
void ShowMessage(const std::wstring& text, MessageIcon icon, const std::wstring& title);

}  // namespace vestrel::forms
