#include "events.h"
#include <windows.h>

namespace vestrel::forms {

void DoEvents() {
    // Bounded, so that fast timers cannot keep the caller here for ever.
    MSG message;
    for (int handled = 0; handled < 256 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (message.message == WM_QUIT) {
            // The host's own loop must still see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vestrel::forms
