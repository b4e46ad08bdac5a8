#include "forms/events.h"
#include <windows.h>

namespace vestrel::forms {
namespace {

// A message for a dialog (a message box, the component's or the host's,
// or any dialog box) goes through that dialog's own handling, as its modal
// loop would hand it over: otherwise Enter or Esc taken from the queue here
// reaches the focused button as a plain key and the box stays open.
bool HandledByDialog(MSG& message) {
    if (!message.hwnd) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    wchar_t type[8] = {};
    return root && GetClassNameW(root, type, 8) && wcscmp(type, L"#32770") == 0 && IsDialogMessageW(root, &message);
}

}  // namespace

void DoEvents() {
    // Bounded, so that fast timers cannot keep the caller here for ever.
    MSG message;
    for (int handled = 0; handled < 256 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (message.message == WM_QUIT) {
            // The host's own loop must still see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (HandledByDialog(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vestrel::forms
