// What a control tells assistive technology (screen readers, through
// Microsoft Active Accessibility): the window's standard accessible object,
// with the name a person should hear and, where the window class says
// something else, the role of what it is to the user.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace vestrel::forms {

struct AccessibleFace {
    std::function<std::wstring()> name;  // asked anew at each request
    long role = 0;                       // a ROLE_SYSTEM_ value; 0 keeps the standard one
};

// The answer to WM_GETOBJECT for window: its client object as face says,
// or 0 (let the system answer) for any other object or on a failure.
LRESULT AccessibleAnswer(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleFace& face) noexcept;

}  // namespace vestrel::forms
