// The system clipboard, as plain text.
#pragma once
#include <string>

namespace vestrel::forms::clipboard {

// Empties the clipboard and puts text on it. Throws a ComError when another
// program keeps the clipboard open.
void ReplaceText(const std::wstring& text);

}  // namespace vestrel::forms::clipboard
