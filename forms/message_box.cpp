#include "forms/message_box.h"
#include <windows.h>
#include "forms/app.h"
#include "forms/request_log.h"

namespace vestrel::forms {

void ShowMessage(const std::wstring& text, MessageIcon icon) { ShowMessage(text, icon, app::Title()); }

void ShowMessage(const std::wstring& text, MessageIcon icon, const std::wstring& title) {
    // No owner: the box is modal to the caller, and the checker window stays
    // usable while it is open, its timers still running.
    if (Recorded(Request::Message, L"message|" + title + L"|" + text)) return;
    const UINT style = MB_OK | MB_SETFOREGROUND |
                       (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
    MessageBoxW(nullptr, text.c_str(), title.c_str(), style);
}

}  // namespace vestrel::forms
